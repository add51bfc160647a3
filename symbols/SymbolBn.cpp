#include "symbols/SymbolBn.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/win/Menu.h"
#include "symbols/InputCharDlg.h"
#include "symbols/res/resource.h"

namespace
{
const COLORREF kFace = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kLight = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kShadow = RGB(0x80, 0x80, 0x80);
const COLORREF kDark = RGB(0x40, 0x40, 0x40);

// Top and left edges in one colour, bottom and right in the other.
void DrawEdges(CDC* pDC, const CRect& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    CPen penTopLeft(PS_SOLID, 1, crTopLeft);
    CPen penBottomRight(PS_SOLID, 1, crBottomRight);
    {
        CFxSelectGuard guard(pDC, &penTopLeft);
        pDC->MoveTo(rc.left, rc.bottom - 1);
        pDC->LineTo(rc.left, rc.top);
        pDC->LineTo(rc.right - 1, rc.top);
    }
    CFxSelectGuard guard(pDC, &penBottomRight);
    pDC->MoveTo(rc.right - 1, rc.top);
    pDC->LineTo(rc.right - 1, rc.bottom - 1);
    pDC->LineTo(rc.left - 1, rc.bottom - 1);
}
// Tells the palette; a button outside a dialog has nobody to tell.
void NotifyParent(CWnd* pButton, UINT nMessage)
{
    CWnd* pParent = pButton->GetParent();
    if (pParent != nullptr) {
        pParent->SendMessage(nMessage);
    }
}
} // namespace

FX_BEGIN_MESSAGE_MAP(CSymbolBn, CButton)
FX_ON_COMMAND(ID_SYMBOLBN_SET, OnSetChar)
FX_END_MESSAGE_MAP()

CSymbolBn::CSymbolBn() : m_bHover(FALSE), m_bPressed(FALSE), m_bChanged(FALSE)
{
}

void CSymbolBn::SetText(const CString& strText)
{
    m_strText = strText;
    m_bPressed = FALSE;
    m_bHover = FALSE;
    if (m_hWnd != nullptr) {
        // The window text too, for whoever reads the control rather than the object.
        SetWindowText(strText);
        Invalidate();
    }
}

void CSymbolBn::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    CFxSavedDC saved(pDC);
    pDC->FillSolidRect(&rc, kFace);
    CRect rcText(rc);
    if (m_bPressed) {
        DrawEdges(pDC, rc, kDark, kLight);
        rc.DeflateRect(1, 1);
        DrawEdges(pDC, rc, kShadow, kFace);
        rcText.OffsetRect(1, 1);
    } else if (m_bHover) {
        DrawEdges(pDC, rc, kLight, kDark);
        rc.DeflateRect(1, 1);
        DrawEdges(pDC, rc, kFace, kShadow);
    } else {
        DrawEdges(pDC, rc, kShadow, kShadow);
    }
    if (m_strText.IsEmpty()) {
        return;
    }
    // Large enough to tell similar characters apart (the circled numbers, the Greek letters).
    CFont font;
    font.CreateFont(-(rcText.Height() * 3 / 5), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    CFxSelectGuard guard(pDC, &font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor((lpDrawItemStruct->itemState & ODS_DISABLED) != 0 ? kShadow : RGB(0, 0, 0));
    pDC->DrawText(m_strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CSymbolBn::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    // One character at a time: the palette forgets any other press first.
    NotifyParent(this, WM_SYMBOL_UNSELECTALL);
    ::SetCapture(m_hWnd);
    if (!m_strText.IsEmpty()) {
        m_bPressed = TRUE;
        Invalidate();
    }
}

void CSymbolBn::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    BOOL bReturn = !m_strText.IsEmpty() && m_bPressed;
    ::ReleaseCapture();
    if (bReturn) {
        NotifyParent(this, WM_SYMBOL_RETURN);
    }
}

void CSymbolBn::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bPressed) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    BOOL bInside = rcClient.PtInRect(point);
    if (bInside && !m_bHover) {
        // Captured so that leaving the button is seen too.
        m_bHover = TRUE;
        ::SetCapture(m_hWnd);
        Invalidate();
    } else if (!bInside && m_bHover) {
        m_bHover = FALSE;
        ::ReleaseCapture();
        Invalidate();
    }
}

void CSymbolBn::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bHover = FALSE;
    ::ReleaseCapture();
    Invalidate();
    CMenu menu;
    if (!menu.LoadMenu(IDR_SYMBOLBN)) {
        return;
    }
    CMenu* pPopup = menu.GetSubMenu(0);
    POINT ptCursor = {};
    ::GetCursorPos(&ptCursor);
    // The command goes to the button itself.
    if (pPopup != nullptr) {
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptCursor.x, ptCursor.y, this);
    }
}

void CSymbolBn::OnSetChar()
{
    CInputCharDlg dlg(this);
    dlg.m_strChar = m_strText;
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_strText = dlg.m_strChar;
    SetWindowText(m_strText);
    m_bChanged = TRUE;
    NotifyParent(this, WM_SYMBOL_CHANGED);
    Invalidate();
}
