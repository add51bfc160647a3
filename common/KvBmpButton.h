// A button showing a bitmap resource recoloured to the system button colours, with an optional
// caption on one of four sides.
#pragma once

#include "common/KvOwnerDrawButton.h"
#include "platform/base/Size.h"
#include "platform/gdi/Bitmap.h"

class KVCOMM_API CKvBmpButton : public CKvOwnerDrawButton
{
    FX_DECLARE_DYNAMIC(CKvBmpButton)

public:
    // Where the bitmap goes: left of the caption, right, above, below, or centred alone.
    enum { alignLeft = 0, alignRight = 1, alignTop = 2, alignBottom = 3, alignCenter = 4 };

    CKvBmpButton();

    virtual BOOL AttachButton(UINT nID, UINT nAlign, LPCSTR lpszBitmap, CWnd* pParent);
    virtual BOOL AttachButton(UINT nID, UINT nAlign, UINT nBitmapId, CWnd* pParent);
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, UINT nAlign, UINT nBitmapId, const RECT& rect,
                        CWnd* pParentWnd, UINT nID);
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, UINT nAlign, LPCSTR lpszBitmap, const RECT& rect,
                        CWnd* pParentWnd, UINT nID);
    virtual void CalcLayout();

    // FALSE, with the previous bitmap reloaded, when the resource cannot be loaded.
    BOOL SetBitmap(LPCSTR lpszBitmap);
    BOOL SetBitmap(UINT nBitmapId);
    CSize GetIndents() const { return m_sizeIndent; }
    void SetIndents(int cx, int cy);
    void SizeToContent();

    CRect GetBitmapRect() const { return m_rectBitmap; }
    CRect GetTextRect() const { return m_rectText; }

    void OnSize(UINT nType, int cx, int cy) override;

protected:
    void DrawFocus(CDC* pDC, CRect rect) override;
    void DrawSpecific(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CRect rcInner) override;
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

protected:
    LPCSTR m_lpszBitmap;
    CBitmap m_bitmap;
    CSize m_sizeIndent;
    CRect m_rectBitmap;
    CRect m_rectText;
    UINT m_nAlign;

private:
    BOOL LoadRecoloured(LPCSTR lpszBitmap);
    CSize BitmapSize() const;
    CSize MeasureCaption();
};
