#include "control/ZoomOleControl.h"

CZoomOleControl::CZoomOleControl()
    : m_dBaseZoom(1.0), m_nZoomMode(0), m_dZoom(1.0), m_nMapMode(MM_TEXT), m_sizePage(1, 1), m_sizeMargin(0, 0),
      m_sizeScaled(1, 1), m_ptScroll(0, 0), m_dwDisplayStyle(styleHScroll | styleVScroll)
{
}

void CZoomOleControl::SetPageSize(const CSize& sizePage, int nMapMode, const CSize& sizeMargin)
{
    m_sizePage = sizePage;
    m_nMapMode = nMapMode;
    m_sizeMargin = sizeMargin;
}

void CZoomOleControl::SetDisplayStyle(DWORD dwStyle)
{
    m_dwDisplayStyle = dwStyle;
    if (GetSafeHwnd() != nullptr) {
        ::ShowScrollBar(GetSafeHwnd(), SB_HORZ, (dwStyle & styleHScroll) != 0);
        ::ShowScrollBar(GetSafeHwnd(), SB_VERT, (dwStyle & styleVScroll) != 0);
    }
}

void CZoomOleControl::Zoom100()
{
    m_dZoom = m_dBaseZoom;
    m_ptScroll = CPoint(0, 0);
}
