#include "common/KvDragHeaderCtrl.h"

#include <algorithm>

#include <commctrl.h>

#include "common/KvListCtrlEx.h"
#include "platform/gdi/ClientDC.h"

FX_IMPLEMENT_DYNAMIC(CKvDragHeaderCtrl, CWnd)

CKvDragHeaderCtrl::CKvDragHeaderCtrl()
    : m_bDragEnabled(false), m_bPressed(FALSE), m_bDragging(FALSE), m_nSourceCol(-1), m_nDropCol(-1),
      m_rcMarker(0, 0, 0, 0), m_pList(nullptr)
{
}

bool CKvDragHeaderCtrl::EnableDrag(bool bEnable)
{
    const bool bOld = m_bDragEnabled;
    m_bDragEnabled = bEnable;
    return bOld;
}

void CKvDragHeaderCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bDragEnabled) {
        HDHITTESTINFO hit{};
        hit.pt = point;
        const int nCol = static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (nCol >= 0 && (hit.flags & HHT_ONHEADER) != 0) {
            m_bPressed = TRUE;
            m_nSourceCol = nCol;
        }
    }
    CWnd::OnLButtonDown(nFlags, point);
}

int CKvDragHeaderCtrl::DropColumnAt(int x) const
{
    if (x <= 0) {
        return 0;
    }
    int nRight = 0;
    for (size_t i = 0; i < m_widths.size(); ++i) {
        nRight += m_widths[i];
        if (x <= nRight) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(m_widths.size());
}

void CKvDragHeaderCtrl::DrawMarker(int nCol)
{
    if (!m_rcMarker.IsRectEmpty()) {
        InvalidateRect(&m_rcMarker, TRUE);
        UpdateWindow();
    }
    RECT rcClient{};
    GetClientRect(&rcClient);
    const int h = rcClient.bottom;
    int x = 0;
    for (int i = 0; i < nCol && i < static_cast<int>(m_widths.size()); ++i) {
        x += m_widths[static_cast<size_t>(i)];
    }
    POINT pts[3] = {{x, h}, {x - h / 4, h / 2}, {x + h / 4, h / 2}};
    CClientDC dc(m_hWnd);
    ::Polygon(dc.m_hDC, pts, 3);
    m_rcMarker.SetRect(x - h / 4 - 1, h / 2 - 1, x + h / 4 + 2, h + 1);
}

void CKvDragHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) == 0) {
        m_bPressed = FALSE;
        m_bDragging = FALSE;
    } else if (m_bPressed && !m_bDragging) {
        m_bDragging = TRUE;
        ::SetCapture(m_hWnd);
        m_nDropCol = m_nSourceCol;
        const int nCount = static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
        m_widths.assign(static_cast<size_t>(std::max(nCount, 0)), 0);
        for (int i = 0; i < nCount; ++i) {
            HDITEMA item{};
            item.mask = HDI_WIDTH;
            SendMessage(HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            m_widths[static_cast<size_t>(i)] = item.cxy;
        }
        m_rcMarker.SetRectEmpty();
    }
    if (m_bDragging) {
        const int nCol = DropColumnAt(point.x);
        if (nCol != m_nDropCol || m_rcMarker.IsRectEmpty()) {
            m_nDropCol = nCol;
            DrawMarker(nCol);
        }
        return;
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CKvDragHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bPressed = FALSE;
    if (!m_bDragging) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    m_bDragging = FALSE;
    m_widths.clear();
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    m_rcMarker.SetRectEmpty();
    Invalidate(TRUE);
    if (m_nDropCol != m_nSourceCol && m_nDropCol != m_nSourceCol + 1 && m_pList != nullptr) {
        m_pList->DragColumn(m_nSourceCol, m_nDropCol);
    }
}
