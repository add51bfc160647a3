#include "framework/FwTabControl.h"

#include <algorithm>
#include <cmath>

#include "framework/FwSystemColors.h"
#include "framework/FwTab.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_DYNAMIC(FwTabControl, FwTabControlBase)

namespace
{
const int buttonBits[4] = {FwTabControl::buttonFirst, FwTabControl::buttonPrev, FwTabControl::buttonNext,
                           FwTabControl::buttonLast};
const int scrollStep = 10;
const int scrollMargin = 20;
} // namespace

FwTabControl::FwTabControl()
    : m_nOffset(0), m_nTabHeight(0), m_bMultiSelect(TRUE), m_crText{0, 0, 0}, m_dwButtons(0), m_nPressed(0),
      m_dwDisabled(0), m_nButtonWidth(0), m_nButtonHeight(0)
{
}

void FwTabControl::Initialise(DWORD dwStyle)
{
    m_dwButtons = (dwStyle & FWTCS_ALLBUTTONS) != 0 ? 15u : (dwStyle & FWTCS_PREVNEXT) != 0 ? 6u : 0u;
    const int cyScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nTabHeight = cyScroll + 1;
    m_nButtonWidth = m_nTabHeight;
    m_nButtonHeight = m_nTabHeight;
    const int heights[3] = {m_nTabHeight - 2, m_nTabHeight - 2, cyScroll - 1};
    const int weights[3] = {FW_NORMAL, FW_NORMAL, FW_BOLD};
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].DeleteObject();
        m_fonts[i].CreateFont(heights[i], 0, 0, 0, weights[i], FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial Narrow");
        m_pens[i].DeleteObject();
        m_pens[i].CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        m_crText[i] = RGB(0, 0, 0);
    }
    FwSystemColors& colors = FwGetSystemColors();
    m_penShadow.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, colors.m_clrBtnShadow);
    m_brushes[fontUnselected].DeleteObject();
    m_brushes[fontUnselected].CreateSolidBrush(colors.m_clrBtnFace);
    m_brushes[fontSelected].DeleteObject();
    m_brushes[fontSelected].CreateSolidBrush(colors.m_clrWindow);
    m_brushes[fontActive].DeleteObject();
    m_brushes[fontActive].CreateSolidBrush(colors.m_clrWindow);
}

void FwTabControl::RecalcTabWidths()
{
    if (m_hWnd == nullptr) {
        return;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFxSelectGuard guard(&dc, &m_fonts[fontActive]);
    for (int i = 0; i < GetTabCount(); ++i) {
        FwTab* pTab = GetTab(i);
        pTab->m_nWidth = dc.GetTextExtent(pTab->m_strLabel).cx + 20;
    }
    // The buttons' states follow the tabs' extent.
    const int nOld = m_nOffset;
    ClampOffset();
    ScrollTabArea(nOld);
}

FwTab* FwTabControl::InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1, DWORD dwExtra2)
{
    FwTab* pTab = FwTabControlBase::InsertTab(nIndex, lpszLabel, pWnd, dwExtra1, dwExtra2);
    RecalcTabWidths();
    RepaintFrom(std::clamp(nIndex, 0, GetTabCount()));
    return pTab;
}

CRect FwTabControl::GetButtonRect(int nButton) const
{
    int nCell = 0;
    for (int nBit : buttonBits) {
        if ((m_dwButtons & static_cast<DWORD>(nBit)) == 0) {
            continue;
        }
        if (nBit == nButton) {
            return CRect(nCell * m_nButtonWidth, 0, (nCell + 1) * m_nButtonWidth, m_nButtonHeight);
        }
        ++nCell;
    }
    return CRect(0, 0, 0, 0);
}

CRect FwTabControl::GetTabArea() const
{
    CRect rc(0, 0, 0, 0);
    if (m_hWnd != nullptr) {
        GetClientRect(&rc);
    }
    int nButtons = 0;
    for (int nBit : buttonBits) {
        nButtons += (m_dwButtons & static_cast<DWORD>(nBit)) != 0 ? 1 : 0;
    }
    rc.left = std::min<LONG>(rc.right, nButtons * m_nButtonWidth);
    return rc;
}

void FwTabControl::GetTabPoints(int nIndex, POINT pts[4]) const
{
    const CRect rcArea = GetTabArea();
    int x0 = rcArea.left + m_nOffset;
    for (int i = 0; i < nIndex; ++i) {
        x0 += GetTab(i)->m_nWidth - 5;
    }
    const int w = GetTab(nIndex)->m_nWidth;
    pts[0] = POINT{x0, rcArea.top};
    pts[1] = POINT{x0 + 6, rcArea.bottom};
    pts[2] = POINT{x0 + w - 6, rcArea.bottom};
    pts[3] = POINT{x0 + w, rcArea.top};
}

int FwTabControl::HitTestTab(CPoint point) const
{
    if (!GetTabArea().PtInRect(point)) {
        return -1;
    }
    for (int i = 0; i < GetTabCount(); ++i) {
        POINT pts[4];
        GetTabPoints(i, pts);
        CRgn rgn;
        if (rgn.CreatePolygonRgn(pts, 4, ALTERNATE) &&
            ::PtInRegion(static_cast<HRGN>(rgn.m_hObject), point.x, point.y)) {
            return i;
        }
    }
    return -1;
}

int FwTabControl::HitTestButton(CPoint point) const
{
    for (int nBit : buttonBits) {
        if ((m_dwButtons & static_cast<DWORD>(nBit)) != 0 && GetButtonRect(nBit).PtInRect(point)) {
            return nBit;
        }
    }
    return 0;
}

void FwTabControl::RepaintTab(int nIndex)
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetTabCount()) {
        return;
    }
    POINT pts[4];
    GetTabPoints(nIndex, pts);
    CRgn rgn;
    if (rgn.CreatePolygonRgn(pts, 4, ALTERNATE)) {
        ::InvalidateRgn(m_hWnd, static_cast<HRGN>(rgn.m_hObject), TRUE);
    }
}

void FwTabControl::ScrollTabArea(int nOldOffset)
{
    if (m_nOffset == nOldOffset || m_hWnd == nullptr) {
        return;
    }
    const CRect rcArea = GetTabArea();
    ::ScrollWindowEx(m_hWnd, m_nOffset - nOldOffset, 0, &rcArea, &rcArea, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}

void FwTabControl::ClampOffset()
{
    const DWORD dwOld = m_dwDisabled;
    if (GetTabCount() == 0) {
        m_dwDisabled = 15;
    } else {
        m_nOffset = std::min(m_nOffset, 0);
        CRect rcClient;
        GetClientRect(&rcClient);
        POINT pts[4];
        GetTabPoints(GetTabCount() - 1, pts);
        const int nLastRight = pts[3].x;
        DWORD dw = 0;
        if (nLastRight < rcClient.right) {
            m_nOffset = std::min<int>(m_nOffset + (rcClient.right - nLastRight), 0);
            dw |= buttonNext | buttonLast;
        }
        if (m_nOffset >= 0) {
            dw |= buttonFirst | buttonPrev;
        }
        m_dwDisabled = dw;
    }
    for (int nBit : buttonBits) {
        if (((dwOld ^ m_dwDisabled) & static_cast<DWORD>(nBit)) != 0 && (m_dwButtons & static_cast<DWORD>(nBit)) != 0) {
            const CRect rc = GetButtonRect(nBit);
            InvalidateRect(&rc, FALSE);
        }
    }
}

void FwTabControl::StepButton(int nButton)
{
    const int nOld = m_nOffset;
    switch (nButton) {
    case buttonFirst:
        m_nOffset = 0;
        break;
    case buttonPrev:
        m_nOffset += scrollStep;
        break;
    case buttonNext:
        m_nOffset -= scrollStep;
        break;
    case buttonLast:
        if (GetTabCount() > 0) {
            POINT pts[4];
            GetTabPoints(GetTabCount() - 1, pts);
            m_nOffset += GetTabArea().right - pts[3].x;
        }
        break;
    default:
        return;
    }
    ClampOffset();
    ScrollTabArea(nOld);
}

void FwTabControl::ScrollToTab(int nIndex)
{
    CRect rcClient;
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetTabCount()) {
        return;
    }
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) {
        return;
    }
    const CRect rcArea = GetTabArea();
    const int nOld = m_nOffset;
    const int nWidth = GetTab(nIndex)->m_nWidth;
    const int nMargin = nWidth + scrollMargin < rcArea.Width() ? scrollMargin : 0;
    POINT pts[4];
    GetTabPoints(nIndex, pts);
    if (pts[3].x > rcArea.right) {
        m_nOffset -= pts[3].x - (rcArea.right - nMargin);
        GetTabPoints(nIndex, pts);
    }
    if (pts[0].x < rcArea.left) {
        m_nOffset += (rcArea.left + nMargin) - pts[0].x;
    }
    ClampOffset();
    ScrollTabArea(nOld);
    UpdateWindow();
}

void FwTabControl::DrawTab(CDC* pDC, int nIndex, const CRgn& rgn)
{
    const int w = GetTab(nIndex)->m_nWidth;
    CRect rcBox;
    ::GetRgnBox(static_cast<HRGN>(rgn.m_hObject), &rcBox);
    const int x0 = rcBox.left;
    const POINT fill[4] = {
        {x0, rcBox.top}, {x0 + 6, rcBox.bottom}, {x0 + w - 7, rcBox.bottom}, {x0 + w - 2, rcBox.top}};
    {
        // Filled without an outline: the edges are drawn below, and the top stays open.
        CFxSelectGuard penGuard(pDC, NULL_PEN);
        pDC->Polygon(fill, 4);
    }
    const CPoint P(rcBox.left + 6, rcBox.bottom - 1);
    const CPoint Q(P.x + w - 12, rcBox.bottom - 1);
    pDC->MoveTo(rcBox.left, rcBox.top);
    pDC->LineTo(P);
    {
        CFxSelectGuard guard(pDC, &m_penShadow);
        pDC->LineTo(Q.x - 2, Q.y);
        pDC->LineTo(rcBox.left + w - 2, rcBox.top);
    }
    pDC->MoveTo(Q.x - 1, Q.y);
    pDC->LineTo(rcBox.left + w - 1, rcBox.top);
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    pDC->SetTextAlign(TA_BOTTOM | TA_CENTER);
    const CString& strLabel = GetTab(nIndex)->m_strLabel;
    pDC->TextOut((P.x + Q.x) / 2, (rcBox.top + rcBox.bottom - 1 + tm.tmHeight) / 2, strLabel);
}

void FwTabControl::DrawButton(CDC* pDC, int nButton)
{
    FwSystemColors& colors = FwGetSystemColors();
    CRect rc = GetButtonRect(nButton);
    if (rc.IsRectEmpty()) {
        return;
    }
    pDC->FillSolidRect(&rc, colors.m_clrWindowFrame);
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(&rc, colors.m_clrBtnFace);
    const BOOL bPressed = m_nPressed == nButton;
    if (bPressed) {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 2, colors.m_clrBtnShadow);
        pDC->FillSolidRect(rc.left, rc.top, 2, rc.Height(), colors.m_clrBtnShadow);
    } else {
        pDC->Draw3dRect(&rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
    }
    const CRect rcCell = GetButtonRect(nButton);
    const int cx = static_cast<int>(std::lround(0.3 * rcCell.Width()));
    const int cy = static_cast<int>(std::lround(0.55 * rcCell.Height()));
    const int nShift = bPressed ? 1 : 0;
    const int xc = (rcCell.left + rcCell.right) / 2 + nShift;
    const int yc = (rcCell.top + rcCell.bottom) / 2 + nShift;
    const BOOL bLeft = nButton == buttonFirst || nButton == buttonPrev;
    const COLORREF cr = (m_dwDisabled & static_cast<DWORD>(nButton)) != 0 ? colors.m_clrBtnShadow : RGB(0, 0, 0);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, cr);
    CBrush brush;
    brush.CreateSolidBrush(cr);
    CFxSelectGuard penGuard(pDC, &pen);
    CFxSelectGuard brushGuard(pDC, &brush);
    const int xTip = bLeft ? xc - cx / 2 : xc + cx / 2;
    const int xBase = bLeft ? xc + cx / 2 : xc - cx / 2;
    const POINT tri[3] = {{xTip, yc}, {xBase, yc - cy / 2}, {xBase, yc + cy / 2}};
    pDC->Polygon(tri, 3);
    if (nButton == buttonFirst || nButton == buttonLast) {
        // The bar beside the point.
        const int xBar = bLeft ? xTip - 2 : xTip + 1;
        pDC->FillSolidRect(xBar, yc - cy / 2, 2, cy + 1, cr);
    }
}

void FwTabControl::PaintTo(CDC* pDC, const CRect& rcUpdate)
{
    pDC->SetBkMode(TRANSPARENT);
    for (int nBit : buttonBits) {
        if ((m_dwButtons & static_cast<DWORD>(nBit)) != 0) {
            CRect rcInter;
            const CRect rc = GetButtonRect(nBit);
            if (rcInter.IntersectRect(&rc, &rcUpdate)) {
                DrawButton(pDC, nBit);
            }
        }
    }
    const CRect rcArea = GetTabArea();
    CRgn rgnClip;
    rgnClip.CreateRectRgn(rcArea.left, rcArea.top, rcArea.right, rcArea.bottom);
    CFxSavedDC saved(pDC);
    pDC->SelectObject(&rgnClip);
    auto drawPass = [&](int nKind, auto&& wanted) {
        CFxSelectGuard fontGuard(pDC, &m_fonts[nKind]);
        CFxSelectGuard penGuard(pDC, &m_pens[nKind]);
        CFxSelectGuard brushGuard(pDC, &m_brushes[nKind]);
        pDC->SetTextColor(m_crText[nKind]);
        for (int i = 0; i < GetTabCount(); ++i) {
            if (!wanted(i)) {
                continue;
            }
            POINT pts[4];
            GetTabPoints(i, pts);
            CRgn rgn;
            if (!rgn.CreatePolygonRgn(pts, 4, ALTERNATE)) {
                continue;
            }
            CRect rcBox;
            ::GetRgnBox(static_cast<HRGN>(rgn.m_hObject), &rcBox);
            CRect rcInter;
            if (rcInter.IntersectRect(&rcBox, &rcUpdate)) {
                DrawTab(pDC, i, rgn);
            }
        }
    };
    const BOOL bActive = HasActiveTab() && GetActiveIndex() < GetTabCount();
    auto isActive = [&](int i) { return bActive && i == GetActiveIndex(); };
    drawPass(fontUnselected, [&](int i) { return !GetTab(i)->m_bSelected && !isActive(i); });
    drawPass(fontSelected, [&](int i) { return GetTab(i)->m_bSelected && !isActive(i); });
    drawPass(fontActive, [&](int i) { return isActive(i); });
    // The base line stays open above the active tab.
    const COLORREF crLine = RGB(0, 0, 0);
    if (GetTabCount() == 0 || !bActive) {
        pDC->FillSolidRect(rcArea.left, rcArea.top, rcArea.Width(), 1, crLine);
    } else {
        POINT pts[4];
        GetTabPoints(GetActiveIndex(), pts);
        if (pts[0].x > rcArea.left) {
            pDC->FillSolidRect(rcArea.left, rcArea.top, pts[0].x - rcArea.left, 1, crLine);
        }
        pDC->FillSolidRect(pts[3].x - 1, rcArea.top, rcArea.right - pts[3].x + 1, 1, crLine);
    }
}

void FwTabControl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    PaintTo(&dc, CRect(dc.m_ps.rcPaint));
}

BOOL FwTabControl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillRect(&rc, &m_brushes[fontUnselected]);
    return TRUE;
}

void FwTabControl::OnSize(UINT nType, int cx, int cy)
{
    FwTabControlBase::OnSize(nType, cx, cy);
    const int nOld = m_nOffset;
    ClampOffset();
    ScrollTabArea(nOld);
}

void FwTabControl::PressButton(int nButton)
{
    m_nPressed = nButton;
    const CRect rcButton = GetButtonRect(nButton);
    InvalidateRect(&rcButton, FALSE);
    StepButton(nButton);
    const BOOL bRepeat = nButton == buttonPrev || nButton == buttonNext;
    ::SetCapture(m_hWnd);
    if (bRepeat) {
        ::SetTimer(m_hWnd, repeatTimer, repeatDelay, nullptr);
    }
    MSG msg = {};
    while (::GetCapture() == m_hWnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == m_hWnd && msg.wParam == repeatTimer) {
            if (bRepeat) {
                StepButton(nButton);
                ::SetTimer(m_hWnd, repeatTimer, repeatInterval, nullptr);
            }
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ::KillTimer(m_hWnd, repeatTimer);
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    m_nPressed = 0;
    InvalidateRect(&rcButton, FALSE);
}

void FwTabControl::OnLButtonDown(UINT, CPoint point)
{
    if (const int nButton = HitTestButton(point)) {
        if ((m_dwDisabled & static_cast<DWORD>(nButton)) == 0) {
            PressButton(nButton);
        }
        return;
    }
    const int t = HitTestTab(point);
    if (t < 0) {
        return;
    }
    FwTab* pTab = GetTab(t);
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const BOOL bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (m_bMultiSelect && bCtrl) {
        pTab->m_bSelected = !pTab->m_bSelected;
        RepaintTab(t);
        if (m_bHasActive && t == m_nActive) {
            m_bHasActive = FALSE;
        }
        return;
    }
    if (m_bMultiSelect && bShift) {
        const int nFrom = m_bHasActive ? std::min(m_nActive, t) : t;
        const int nTo = m_bHasActive ? std::max(m_nActive, t) : t;
        for (int i = 0; i < GetTabCount(); ++i) {
            GetTab(i)->m_bSelected = i >= nFrom && i <= nTo;
            RepaintTab(i);
        }
        m_bHasActive = FALSE;
        ActivateTab(t);
        return;
    }
    if (m_bHasActive && t == m_nActive) {
        ActiveTabClicked();
        return;
    }
    for (int i = 0; i < GetTabCount(); ++i) {
        if (GetTab(i)->m_bSelected) {
            GetTab(i)->m_bSelected = FALSE;
            RepaintTab(i);
        }
    }
    ActivateTab(t);
}

void FwTabControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nPressed != 0) {
        const CRect rc = GetButtonRect(m_nPressed);
        m_nPressed = 0;
        InvalidateRect(&rc, FALSE);
    }
    FwTabControlBase::OnLButtonUp(nFlags, point);
}

void FwTabControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (HitTestButton(point) != 0) {
        OnLButtonDown(nFlags, point);
        return;
    }
    // Empty space reports tab 0, as callers have always been told.
    const int t = HitTestTab(point);
    NotifyParent(WM_FWTAB_DBLCLK, static_cast<WPARAM>(t >= 0 ? t : 0));
}

BOOL FwTabControl::SetTabFont(CFont* pFont, int nKind, BOOL bRedraw)
{
    if (nKind < 0 || nKind > 2 || pFont == nullptr || pFont->m_hObject == nullptr) {
        return FALSE;
    }
    LOGFONTA lfNew = {};
    LOGFONTA lfOld = {};
    if (pFont->GetLogFont(&lfNew) == 0) {
        return FALSE;
    }
    m_fonts[nKind].GetLogFont(&lfOld);
    m_fonts[nKind].DeleteObject();
    if (!m_fonts[nKind].CreateFontIndirect(&lfNew)) {
        m_fonts[nKind].CreateFontIndirect(&lfOld);
        return FALSE;
    }
    if (bRedraw && m_hWnd != nullptr) {
        if (nKind == fontActive) {
            if (HasActiveTab()) {
                RepaintTab(GetActiveIndex());
            }
        } else {
            RepaintFrom(0);
        }
    }
    return TRUE;
}

void FwTabControl::OnDestroy()
{
    FwTabControlBase::OnDestroy();
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].DeleteObject();
        m_pens[i].DeleteObject();
        m_brushes[i].DeleteObject();
    }
    m_penShadow.DeleteObject();
}
