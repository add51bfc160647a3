#include "framework/Fw3DTabControl.h"

#include <cstdlib>

#include "framework/FwSystemColors.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(Fw3DTabControl, FwTabControlBase)

namespace
{
const int tabHeight = 20;
const int tabPadding = 16;
} // namespace

Fw3DTabControl::Fw3DTabControl() : m_dwStyle3D(0), m_nLastSide(0), m_nLayouts(0)
{
}

void Fw3DTabControl::Initialise(DWORD dwStyle)
{
    m_dwStyle3D = dwStyle & 0xF0;
}

FwTab* Fw3DTabControl::InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1, DWORD dwExtra2)
{
    FwTab* pTab = FwTabControlBase::InsertTab(nIndex, lpszLabel, pWnd, dwExtra1, dwExtra2);
    if (pTab != nullptr) {
        static_cast<Fw3DTab*>(pTab)->m_strLabel3D = pTab->m_strLabel;
    }
    RecalcTabWidths();
    Invalidate();
    return pTab;
}

void Fw3DTabControl::RecalcTabWidths()
{
    if (m_hWnd == nullptr) {
        return;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFxSelectGuard guard(&dc, DEFAULT_GUI_FONT);
    for (int i = 0; i < GetTabCount(); ++i) {
        FwTab* pTab = GetTab(i);
        pTab->m_nWidth = dc.GetTextExtent(pTab->m_strLabel).cx + tabPadding;
    }
    ++m_nLayouts;
}

void Fw3DTabControl::RepaintTab(int)
{
    if (m_hWnd != nullptr) {
        Invalidate(FALSE);
    }
}

CRect Fw3DTabControl::GetTabRect(int nIndex) const
{
    int x = 2;
    for (int i = 0; i < nIndex; ++i) {
        const Fw3DTab* pTab = static_cast<const Fw3DTab*>(GetTab(i));
        x += pTab->m_bShown ? pTab->m_nWidth : 0;
    }
    const FwTab* pTab = GetTab(nIndex);
    return CRect(x, 2, x + (pTab != nullptr ? pTab->m_nWidth : 0), 2 + tabHeight);
}

int Fw3DTabControl::HitTest(CPoint point) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (static_cast<const Fw3DTab*>(GetTab(i))->m_bShown && GetTabRect(i).PtInRect(point)) {
            return i;
        }
    }
    return -1;
}

void Fw3DTabControl::DrawTab3D(CDC* pDC, int nIndex, BOOL bActive)
{
    FwSystemColors& colors = FwGetSystemColors();
    CRect rc = GetTabRect(nIndex);
    if (bActive) {
        rc.InflateRect(0, 2, 0, 1);
    }
    pDC->FillSolidRect(&rc, bActive ? colors.m_clrWindow : colors.m_clrBtnFace);
    pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), RGB(255, 255, 255));
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, RGB(255, 255, 255));
    pDC->FillSolidRect(rc.right - 2, rc.top + 1, 1, rc.Height() - 1, colors.m_clrBtnShadow);
    pDC->FillSolidRect(rc.right - 1, rc.top + 1, 1, rc.Height() - 1, RGB(0, 0, 0));
    CRect rcText(rc);
    pDC->DrawText(GetTab(nIndex)->m_strLabel, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Fw3DTabControl::PaintTo(CDC* pDC, const CRect& rcClient)
{
    FwSystemColors& colors = FwGetSystemColors();
    pDC->FillSolidRect(&rcClient, colors.m_clrBtnFace);
    pDC->SetBkMode(TRANSPARENT);
    CFxSelectGuard guard(pDC, DEFAULT_GUI_FONT);
    for (int i = 0; i < GetTabCount(); ++i) {
        if (static_cast<Fw3DTab*>(GetTab(i))->m_bShown && !(HasActiveTab() && i == GetActiveIndex())) {
            DrawTab3D(pDC, i, FALSE);
        }
    }
    // Each side named by the style gets white, button face, shadow and black lines, outside in.
    const COLORREF lines[4] = {RGB(255, 255, 255), colors.m_clrBtnFace, colors.m_clrBtnShadow, RGB(0, 0, 0)};
    const int y0 = 2 + tabHeight;
    for (int i = 0; i < 4; ++i) {
        if ((m_dwStyle3D & FW3DTCS_EDGETOP) != 0) {
            pDC->FillSolidRect(rcClient.left, y0 + i, rcClient.Width(), 1, lines[i]);
        }
        if ((m_dwStyle3D & FW3DTCS_EDGEBOTTOM) != 0) {
            pDC->FillSolidRect(rcClient.left, rcClient.bottom - 1 - i, rcClient.Width(), 1, lines[3 - i]);
        }
        if ((m_dwStyle3D & FW3DTCS_EDGELEFT) != 0) {
            pDC->FillSolidRect(rcClient.left + i, y0, 1, rcClient.bottom - y0, lines[i]);
        }
        if ((m_dwStyle3D & FW3DTCS_EDGERIGHT) != 0) {
            pDC->FillSolidRect(rcClient.right - 1 - i, y0, 1, rcClient.bottom - y0, lines[3 - i]);
        }
    }
    if (HasActiveTab() && GetActiveIndex() < GetTabCount() &&
        static_cast<Fw3DTab*>(GetTab(GetActiveIndex()))->m_bShown) {
        DrawTab3D(pDC, GetActiveIndex(), TRUE);
    }
}

void Fw3DTabControl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rc;
    GetClientRect(&rc);
    if (rc.IsRectEmpty()) {
        return;
    }
    // Through a bitmap of the client area: one copy, no flicker.
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc)) {
        PaintTo(&dc, rc);
        return;
    }
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height())) {
        PaintTo(&dc, rc);
        return;
    }
    CFxSelectGuard guard(&dcMem, &bitmap);
    PaintTo(&dcMem, rc);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &dcMem, 0, 0, SRCCOPY);
}

BOOL Fw3DTabControl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void Fw3DTabControl::OnSize(UINT nType, int cx, int cy)
{
    FwTabControlBase::OnSize(nType, cx, cy);
    RecalcTabWidths();
    const int nSide = (m_dwStyle3D & 0x30) != 0 ? cx : cy;
    if (std::abs(nSide - m_nLastSide) > 10) {
        // A large change along the tab side: the layout settles over a few passes per tab.
        for (int i = 0; i < 3 * GetTabCount(); ++i) {
            RecalcTabWidths();
        }
    }
    m_nLastSide = nSide;
}

void Fw3DTabControl::OnLButtonDown(UINT, CPoint point)
{
    const int t = HitTest(point);
    if (t < 0) {
        return;
    }
    if (HasActiveTab() && t == GetActiveIndex()) {
        ActiveTabClicked();
    } else {
        ActivateTab(t);
    }
}

void Fw3DTabControl::OnLButtonDblClk(UINT, CPoint point)
{
    const int t = HitTest(point);
    NotifyParent(WM_FWTAB_DBLCLK, static_cast<WPARAM>(t >= 0 ? t : 0));
}

void Fw3DTabControl::OnDestroy()
{
    FwTabControlBase::OnDestroy();
    OnCleanup();
}
