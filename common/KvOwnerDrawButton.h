// Base of the owner-drawn push buttons: draws in fixed steps through a memory bitmap, with an
// embossed look when disabled; a subclass draws the face.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Rect.h"
#include "platform/win/Button.h"

class CDC;

class KVCOMM_API CKvOwnerDrawButton : public CButton
{
    FX_DECLARE_DYNAMIC(CKvOwnerDrawButton)

public:
    CKvOwnerDrawButton();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual BOOL SubclassButton(UINT nID, CWnd* pParent);
    virtual BOOL CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual void OnBnClicked();
    virtual void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    // TRUE on Windows 4 and later: the thinner frame.
    BOOL m_bNewLook;

    // The system colours the frames use, shared by every button and reloaded on a colour change.
    static COLORREF s_clrWindowFrame;
    static COLORREF s_clrBtnHighlight;
    static COLORREF s_clrBtnFace;
    static COLORREF s_clrBtnShadow;
    static COLORREF s_clrBtnShadow2;
    static void LoadSysColors();

protected:
    virtual void PreDrawButton(CDC* pDC, CDC* pMemDC);
    // The frame, on a button-face fill; returns the rectangle left for the face.
    virtual CRect DrawButtonFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDis);
    virtual void PostDrawButton(CDC* pDC, CDC* pMemDC);
    virtual void DrawDisabledLook(CDC* pMemDC, int cx, int cy);
    virtual void DrawFocus(CDC* pDC, CRect rect) = 0;
    virtual void DrawFocusFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDis);
    virtual void DrawSpecific(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CRect rcInner) = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawPipeline(LPDRAWITEMSTRUCT lpDis);
};
