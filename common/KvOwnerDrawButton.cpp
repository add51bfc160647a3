#include "common/KvOwnerDrawButton.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

namespace
{
// The mask applies the selected brush where it is black and leaves the rest (PSDPxax).
const DWORD kRopMaskBrush = 0xB8074A;

void CornerlessFrame(CDC* pDC, const CRect& rc, COLORREF crColor)
{
    pDC->FillSolidRect(rc.left + 1, rc.top, rc.Width() - 2, 1, crColor);
    pDC->FillSolidRect(rc.left + 1, rc.bottom - 1, rc.Width() - 2, 1, crColor);
    pDC->FillSolidRect(rc.left, rc.top + 1, 1, rc.Height() - 2, crColor);
    pDC->FillSolidRect(rc.right - 1, rc.top + 1, 1, rc.Height() - 2, crColor);
}

bool IsNewLook()
{
    // GetVersion answers the major version in its low byte.
    return LOBYTE(LOWORD(GetVersion())) >= 4;
}
} // namespace

COLORREF CKvOwnerDrawButton::s_clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
COLORREF CKvOwnerDrawButton::s_clrBtnHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
COLORREF CKvOwnerDrawButton::s_clrBtnFace = GetSysColor(COLOR_BTNFACE);
COLORREF CKvOwnerDrawButton::s_clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
COLORREF CKvOwnerDrawButton::s_clrBtnShadow2 = GetSysColor(COLOR_BTNSHADOW);

FX_IMPLEMENT_DYNAMIC(CKvOwnerDrawButton, CButton)

CKvOwnerDrawButton::CKvOwnerDrawButton() : m_bNewLook(IsNewLook() ? TRUE : FALSE)
{
}

void CKvOwnerDrawButton::LoadSysColors()
{
    s_clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
    s_clrBtnHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    s_clrBtnFace = GetSysColor(COLOR_BTNFACE);
    s_clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
    s_clrBtnShadow2 = GetSysColor(COLOR_BTNSHADOW);
}

BOOL CKvOwnerDrawButton::SubclassButton(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent)) {
        return FALSE;
    }
    // A plain button of the template draws itself otherwise.
    SetButtonStyle(GetStyle(), FALSE);
    return TRUE;
}

BOOL CKvOwnerDrawButton::CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle | BS_OWNERDRAW, rect, pParentWnd, nID);
}

void CKvOwnerDrawButton::OnBnClicked()
{
}

void CKvOwnerDrawButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    const DWORD dwOld = GetStyle();
    DefWindowProc(BM_SETSTYLE, (nStyle & ~0xFFu) | ((nStyle & 0xFF) | BS_OWNERDRAW), FALSE);
    if (bRedraw && GetStyle() != dwOld) {
        Invalidate();
    }
}

LRESULT CKvOwnerDrawButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    case BM_SETSTYLE:
        SetButtonStyle(static_cast<UINT>(wParam), static_cast<BOOL>(lParam));
        return 0;
    case WM_KEYUP: {
        LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
        if (wParam == VK_SPACE) {
            OnBnClicked();
        }
        return lResult;
    }
    case WM_LBUTTONUP: {
        CRect rc;
        GetClientRect(&rc);
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool bPushed = (SendMessage(BM_GETSTATE) & BST_PUSHED) != 0;
        if (rc.PtInRect(pt) && bPushed && ::GetCapture() == m_hWnd) {
            OnBnClicked();
        }
        return CButton::WindowProc(message, wParam, lParam);
    }
    case WM_SYSCOLORCHANGE:
        LoadSysColors();
        Invalidate();
        break;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

void CKvOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    if (lpDis == nullptr) {
        return;
    }
    switch (lpDis->itemAction) {
    case ODA_DRAWENTIRE:
    case ODA_SELECT:
        DrawPipeline(lpDis);
        break;
    case ODA_FOCUS:
        DrawFocusFrame(CDC::FromHandle(lpDis->hDC), lpDis);
        break;
    default:
        break;
    }
}

void CKvOwnerDrawButton::DrawPipeline(LPDRAWITEMSTRUCT lpDis)
{
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const CRect rcItem = lpDis->rcItem;
    const int cx = rcItem.Width();
    const int cy = rcItem.Height();
    CBitmap bmp;
    CDC memDC;
    const bool bBuffered = memDC.CreateCompatibleDC(pDC) && bmp.CreateCompatibleBitmap(pDC, cx, cy);
    CFxSelectGuard guard(bBuffered ? &memDC : nullptr, bBuffered ? &bmp : nullptr);
    CDC* pDraw = bBuffered ? &memDC : pDC;

    PreDrawButton(pDC, &memDC);
    CRect rcInner = DrawButtonFrame(pDraw, lpDis);
    DrawSpecific(pDraw, lpDis, rcInner);
    if ((lpDis->itemState & ODS_DISABLED) != 0) {
        DrawDisabledLook(pDraw, cx, cy);
    }
    if (bBuffered) {
        pDC->BitBlt(rcItem.left, rcItem.top, cx, cy, &memDC, 0, 0, SRCCOPY);
    }
    PostDrawButton(pDC, &memDC);
    DrawFocusFrame(pDC, lpDis);
}

void CKvOwnerDrawButton::PreDrawButton(CDC*, CDC*)
{
}

void CKvOwnerDrawButton::PostDrawButton(CDC*, CDC*)
{
}

CRect CKvOwnerDrawButton::DrawButtonFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDis)
{
    CRect rc = lpDis->rcItem;
    rc.OffsetRect(-rc.left, -rc.top);
    pDC->FillSolidRect(&rc, s_clrBtnFace);
    if ((lpDis->itemState & ODS_SELECTED) != 0) {
        if (m_bNewLook) {
            pDC->Draw3dRect(&rc, s_clrWindowFrame, s_clrBtnHighlight);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnShadow, s_clrBtnFace);
        } else {
            CornerlessFrame(pDC, rc, s_clrWindowFrame);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnShadow, s_clrBtnHighlight);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnShadow2, s_clrBtnHighlight);
        }
        rc.DeflateRect(1, 1);
        rc.left += 1;
        rc.top += 1;
    } else {
        if (m_bNewLook) {
            pDC->Draw3dRect(&rc, s_clrBtnHighlight, s_clrWindowFrame);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnFace, s_clrBtnShadow);
        } else {
            CornerlessFrame(pDC, rc, s_clrWindowFrame);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnHighlight, s_clrBtnShadow);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, s_clrBtnHighlight, s_clrBtnShadow2);
        }
        rc.DeflateRect(1, 1);
        rc.right -= 1;
        rc.bottom -= 1;
    }
    return rc;
}

void CKvOwnerDrawButton::DrawDisabledLook(CDC* pMemDC, int cx, int cy)
{
    CDC monoDC;
    if (!monoDC.CreateCompatibleDC(pMemDC)) {
        return;
    }
    CBitmap bmpMono;
    if (!bmpMono.Attach(::CreateBitmap(cx, cy, 1, 1, nullptr))) {
        return;
    }
    {
        CFxSelectGuard guardMono(&monoDC, &bmpMono);
        // White where the face shows button face or highlight, black for the ink, read one
        // pixel down and right so that the emboss lands in place.
        ::PatBlt(monoDC.GetSafeHdc(), 0, 0, cx, cy, WHITENESS);
        COLORREF crOldBk = pMemDC->SetBkColor(s_clrBtnFace);
        monoDC.BitBlt(0, 0, cx - 1, cy - 1, pMemDC, 1, 1, SRCCOPY);
        pMemDC->SetBkColor(s_clrBtnHighlight);
        monoDC.BitBlt(0, 0, cx - 1, cy - 1, pMemDC, 1, 1, SRCPAINT);
        pMemDC->SetBkColor(crOldBk);

        COLORREF crOldText = pMemDC->SetTextColor(RGB(0, 0, 0));
        crOldBk = pMemDC->SetBkColor(RGB(255, 255, 255));
        {
            CBrush brHighlight(s_clrBtnHighlight);
            CFxSelectGuard guard(pMemDC, &brHighlight);
            pMemDC->BitBlt(2, 2, cx, cy, &monoDC, 0, 0, kRopMaskBrush);
        }
        {
            CBrush brShadow(s_clrBtnShadow);
            CFxSelectGuard guard(pMemDC, &brShadow);
            pMemDC->BitBlt(1, 1, cx, cy, &monoDC, 0, 0, kRopMaskBrush);
        }
        pMemDC->SetTextColor(crOldText);
        pMemDC->SetBkColor(crOldBk);
    }
}

void CKvOwnerDrawButton::DrawFocusFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDis)
{
    if ((lpDis->itemState & ODS_FOCUS) == 0) {
        return;
    }
    CRect rc = lpDis->rcItem;
    const int nInset = m_bNewLook ? 1 : 2;
    rc.DeflateRect(nInset, nInset);
    if ((lpDis->itemState & ODS_SELECTED) != 0) {
        rc.left += 1;
        rc.top += 1;
    } else {
        rc.right -= 1;
        rc.bottom -= 1;
    }
    pDC->SetBkColor(s_clrBtnFace);
    DrawFocus(pDC, rc);
}
