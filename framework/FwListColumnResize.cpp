#include "framework/FwListColumnResize.h"

#include <climits>

#include "platform/base/Rect.h"
#include "platform/gdi/ClientDC.h"

namespace
{
const int resizeBarWidth = 2;
// The cursor resource of the column divider.
const UINT dividerCursorId = 0x50D4;
// DrawBar's "no bar at this end".
const int noBar = INT_MIN;
} // namespace

FwListColumnResize::FwListColumnResize() : m_nColumn(-1), m_nLeft(0), m_nX(0), m_bOverDivider(FALSE), m_hCursor(nullptr)
{
}

void FwListColumnResize::LoadDividerCursor()
{
    m_hCursor = ::LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dividerCursorId));
    if (m_hCursor == nullptr) {
        m_hCursor = ::LoadCursorA(nullptr, IDC_SIZEWE);
    }
}

void FwListColumnResize::Begin(HWND hWnd, int nCol, int nLeft, int x)
{
    m_nColumn = nCol;
    m_nLeft = nLeft;
    m_nX = x;
    ::SetCapture(hWnd);
    DrawBar(hWnd, m_nX, noBar);
}

void FwListColumnResize::Track(HWND hWnd, int x)
{
    DrawBar(hWnd, x, m_nX);
    m_nX = x;
}

int FwListColumnResize::End(HWND hWnd)
{
    if (m_nColumn < 0) {
        return -1;
    }
    const int nCol = m_nColumn;
    DrawBar(hWnd, noBar, m_nX);
    // Over before the capture goes: losing the capture comes back to end the resize.
    m_nColumn = -1;
    if (::GetCapture() == hWnd) {
        ::ReleaseCapture();
    }
    return nCol;
}

BOOL FwListColumnResize::ShowCursor() const
{
    if ((!m_bOverDivider && m_nColumn < 0) || m_hCursor == nullptr) {
        return FALSE;
    }
    ::SetCursor(m_hCursor);
    return TRUE;
}

void FwListColumnResize::DrawBar(HWND hWnd, int x, int xLast)
{
    CClientDC dc(hWnd);
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    const CRect rcBar(x - 1, rcClient.top, x + 1, rcClient.bottom);
    const CRect rcLast(xLast - 1, rcClient.top, xLast + 1, rcClient.bottom);
    const CSize size(resizeBarWidth, resizeBarWidth);
    dc.DrawDragRect(x != noBar ? &rcBar : nullptr, size, xLast != noBar ? &rcLast : nullptr, size);
}
