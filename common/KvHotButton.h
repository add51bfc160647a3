// The flat, hot-tracking owner-drawn push button with an image, a caption, a tooltip and an
// optional check behaviour; dialogs subclass a button of theirs with it.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/FxCursor.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/win/Button.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/ToolTipCtrl.h"

class KVCOMM_API CKvHotButton : public CButton
{
    FX_DECLARE_DYNAMIC(CKvHotButton)

public:
    CKvHotButton();
    ~CKvHotButton() override;

    // Image 0 of the list is the normal image, image 1 the hot (and pressed) one. Loading
    // failures are silent.
    void SetBitmap(int nNormalId, int nHotId = 0, COLORREF crMask = RGB(255, 0, 255));
    void SetBitmap(CString strNormalFile, CString strHotFile, COLORREF crMask = RGB(255, 0, 255));
    void SetIcon(int nNormalId, int nHotId = 0);
    void SetIcon(CString strNormalFile, CString strHotFile);
    // A strip of cx-wide images: the first is the normal image, the second the hot one.
    void SetImageList(UINT nBitmapId, int cx, int cy, COLORREF crMask);
    // The previous cursor is not destroyed.
    BOOL SetBtnCursor(int nCursorId);

    void SetFlat(BOOL bFlat);
    BOOL GetFlat() const { return m_bFlat; }
    void SetShowText(BOOL bShow);
    BOOL GetShowText() const { return m_bShowText; }
    // 0 image left of the caption, 1 above it, 2 right of it; other values are ignored.
    void SetAlign(int nAlign);
    int GetAlign() const { return m_nAlign; }

    void DrawBorder(BOOL bEnable);
    void SetDisableImage(BOOL bEnable);
    void EnableCheck(BOOL bEnable);
    BOOL GetEnableCheck() const { return m_bCheckEnabled; }
    void SetCheck(BOOL bCheck);
    BOOL GetCheck() const { return m_bChecked; }
    BOOL GetDefault() const { return m_bDefault; }
    void SetFlatFocus(BOOL bFlatFocus, BOOL bRepaint = FALSE);
    BOOL GetFlatFocus() const { return m_bFlatFocus; }
    BOOL IsHot() const { return m_bHot; }
    int GetImageKind() const { return m_nImageKind; }
    const CImageList& GetImageList() const { return m_imageList; }

    void SetInactiveBgColor(COLORREF crColor, BOOL bRepaint = TRUE);
    void SetInactiveFgColor(COLORREF crColor, BOOL bRepaint = TRUE);
    void SetActiveBgColor(COLORREF crColor, BOOL bRepaint = TRUE);
    void SetActiveFgColor(COLORREF crColor, BOOL bRepaint = TRUE);
    void SetDefaultInactiveBgColor(BOOL bRepaint = TRUE);
    void SetDefaultInactiveFgColor(BOOL bRepaint = TRUE);
    void SetDefaultActiveBgColor(BOOL bRepaint = TRUE);
    void SetDefaultActiveFgColor(BOOL bRepaint = TRUE);
    COLORREF GetInactiveBgColor() const { return m_crInactiveBg; }
    COLORREF GetInactiveFgColor() const { return m_crInactiveFg; }
    COLORREF GetActiveBgColor() const { return m_crActiveBg; }
    COLORREF GetActiveFgColor() const { return m_crActiveFg; }

    // Transparent mode cannot be switched off; the parent's background is captured afresh at the
    // next paint.
    void DrawTransparent(BOOL bRepaint = FALSE);

    // An unchanged text leaves the tooltip alone.
    void SetTooltipText(CString strText, BOOL bActivate = TRUE);
    void SetTooltipText(UINT nStringId, BOOL bActivate = TRUE);
    void ActivateTooltip(BOOL bActivate = TRUE);
    CToolTipCtrl& GetToolTip() { return m_toolTip; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Mouse messages also reach the tooltip here, so that it works in modal loops too.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    void OnKillFocus(CWnd* pNewWnd) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;

protected:
    void PreSubclassWindow() override;
    // A double click goes on as a press, so that fast clicks each count.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    void Repaint();
    void ResetImageList();
    void InitToolTip();
    void PaintBk(CDC* pDC);
    void FreeBackground();
    void PlaceImage(CDC* pDC, BOOL bHasTitle, const CRect& rcItem, CRect& rcTitle, BOOL bPressed, BOOL bDisabled);

    BOOL m_bMouseDown;
    int m_nAlign;
    BOOL m_bShowText;
    BOOL m_bDrawBorder;
    BOOL m_bFlat;
    BOOL m_bHot;
    BOOL m_bFlatFocus;
    int m_nImageKind;
    BOOL m_bDrawDisabledImage;
    BOOL m_bCheckEnabled;
    BOOL m_bChecked;
    CFxCursor m_hCursor;
    CToolTipCtrl m_toolTip;
    CString m_strToolTip;
    CDC m_dcBk;
    CBitmap m_bmpBk;
    // What the background DC held before our bitmap: a handle, as temporary wrappers do not last.
    HGDIOBJ m_hOldBk;
    CImageList m_imageList;
    int m_cxImage;
    int m_cyImage;
    BOOL m_bTransparent;
    BOOL m_bDefault;
    COLORREF m_crInactiveBg;
    COLORREF m_crInactiveFg;
    COLORREF m_crActiveBg;
    COLORREF m_crActiveFg;
};
