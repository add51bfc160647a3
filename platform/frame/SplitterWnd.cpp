#include "platform/frame/SplitterWnd.h"

#include <algorithm>
#include <climits>

#include "platform/doc/View.h"
#include "platform/gdi/PaintDC.h"

namespace
{
// Ids of the shared scroll bars: horizontal ones by column, vertical ones by row.
const UINT kHorzBarFirst = 0xEA00;
const UINT kVertBarFirst = 0xEA10;
// A pane's id: rows step by 16 so that row and column read back from the id.
const int kRowStep = 16;
// The wanted size that keeps the second track closed up however the window grows.
const int kSecondClosed = INT_MAX / 4;
} // namespace

FX_IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

FX_BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
FX_ON_MESSAGE(WM_VSCROLL, OnScrollMsg)
FX_ON_MESSAGE(WM_HSCROLL, OnScrollMsg)
FX_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChangedMsg)
FX_END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd()
    : m_nRows(0), m_nCols(0), m_rows{}, m_cols{}, m_bVertBars(FALSE), m_bHorzBars(FALSE), m_hVertBars{}, m_hHorzBars{},
      m_nTracking(0), m_nGrabOffset(0)
{
}

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || nRows < 1 || nRows > nMaxPanes || nCols < 1 || nCols > nMaxPanes) {
        return FALSE;
    }
    m_nRows = nRows;
    m_nCols = nCols;
    for (int i = 0; i < nMaxPanes; ++i) {
        m_rows[i] = {0, 0, 0};
        m_cols[i] = {0, 0, 0};
    }
    m_bVertBars = (dwStyle & WS_VSCROLL) != 0;
    m_bHorzBars = (dwStyle & WS_HSCROLL) != 0;
    const DWORD dwOwnStyle = (dwStyle & ~(WS_VSCROLL | WS_HSCROLL)) | WS_CLIPCHILDREN;
    if (!CreateEx(0, nullptr, nullptr, dwOwnStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)))) {
        return FALSE;
    }
    HINSTANCE hInst = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
    for (int i = 0; i < nMaxPanes; ++i) {
        if (m_bVertBars && i < m_nRows) {
            m_hVertBars[i] =
                ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_VERT, 0, 0, 0, 0, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kVertBarFirst + i)), hInst, nullptr);
        }
        if (m_bHorzBars && i < m_nCols) {
            m_hHorzBars[i] =
                ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_HORZ, 0, 0, 0, 0, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kHorzBarFirst + i)), hInst, nullptr);
        }
    }
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (m_hWnd == nullptr || row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == nullptr ||
        GetPane(row, col) != nullptr) {
        return FALSE;
    }
    CObject* pObject = pViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CView))) {
        delete pObject;
        return FALSE;
    }
    CView* pView = static_cast<CView*>(pObject);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                       static_cast<UINT>(IdFromRowCol(row, col)), pContext)) {
        // No window, so no PostNcDestroy to free it.
        delete pView;
        return FALSE;
    }
    if (row == 0 && m_rows[0].nIdeal == 0) {
        m_rows[0].nIdeal = sizeInit.cy;
    }
    if (col == 0 && m_cols[0].nIdeal == 0) {
        m_cols[0].nIdeal = sizeInit.cx;
    }
    RecalcLayout();
    return TRUE;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return FX_IDW_PANE_FIRST + row * kRowStep + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr || row < 0 || row >= m_nRows || col < 0 || col >= m_nCols) {
        return nullptr;
    }
    HWND hPane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hPane != nullptr ? CWnd::FromHandlePermanent(hPane) : nullptr;
}

BOOL CSplitterWnd::IsChildPane(const CWnd* pWnd, int* pRow, int* pCol) const
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || m_hWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd) {
        return FALSE;
    }
    const int nOffset = ::GetDlgCtrlID(pWnd->m_hWnd) - FX_IDW_PANE_FIRST;
    const int row = nOffset / kRowStep;
    const int col = nOffset % kRowStep;
    if (nOffset < 0 || row >= m_nRows || col >= m_nCols) {
        return FALSE;
    }
    if (pRow != nullptr) {
        *pRow = row;
    }
    if (pCol != nullptr) {
        *pCol = col;
    }
    return TRUE;
}

BOOL CSplitterWnd::IsPaneShown(int row, int col) const
{
    return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols && m_rows[row].nCur > 0 && m_cols[col].nCur > 0;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    if (row >= 0 && row < m_nRows) {
        m_rows[row].nIdeal = cyIdeal;
        m_rows[row].nMin = cyMin;
    }
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = row >= 0 && row < m_nRows ? m_rows[row].nCur : 0;
    cyMin = row >= 0 && row < m_nRows ? m_rows[row].nMin : 0;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col >= 0 && col < m_nCols) {
        m_cols[col].nIdeal = cxIdeal;
        m_cols[col].nMin = cxMin;
    }
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = col >= 0 && col < m_nCols ? m_cols[col].nCur : 0;
    cxMin = col >= 0 && col < m_nCols ? m_cols[col].nMin : 0;
}

void CSplitterWnd::Layout(Track* pTracks, int nCount, int nTotal)
{
    if (nCount == 1) {
        pTracks[0].nCur = std::max(0, nTotal);
        return;
    }
    const int nAvail = std::max(0, nTotal - nBarWidth);
    int nFirst = std::clamp(pTracks[0].nIdeal, 0, nAvail);
    if (nFirst < pTracks[0].nMin) {
        nFirst = 0;
    } else if (nAvail - nFirst < pTracks[1].nMin) {
        nFirst = nAvail;
    }
    pTracks[0].nCur = nFirst;
    pTracks[1].nCur = nAvail - nFirst;
}

CRect CSplitterWnd::PaneRect(int row, int col) const
{
    const int x = col == 0 ? 0 : m_cols[0].nCur + nBarWidth;
    const int y = row == 0 ? 0 : m_rows[0].nCur + nBarWidth;
    return CRect(x, y, x + m_cols[col].nCur, y + m_rows[row].nCur);
}

CRect CSplitterWnd::GetSplitterRect(BOOL bVertical) const
{
    CRect rcClient;
    if (m_hWnd != nullptr) {
        GetClientRect(&rcClient);
    }
    if (bVertical) {
        if (m_nCols < 2) {
            return CRect(0, 0, 0, 0);
        }
        return CRect(m_cols[0].nCur, 0, m_cols[0].nCur + nBarWidth, rcClient.bottom);
    }
    if (m_nRows < 2) {
        return CRect(0, 0, 0, 0);
    }
    return CRect(0, m_rows[0].nCur, rcClient.right, m_rows[0].nCur + nBarWidth);
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxBar = m_bVertBars ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int cyBar = m_bHorzBars ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int cxInside = std::max(0, rcClient.Width() - cxBar);
    const int cyInside = std::max(0, rcClient.Height() - cyBar);
    Layout(m_rows, m_nRows, cyInside);
    Layout(m_cols, m_nCols, cxInside);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            CWnd* pPane = GetPane(row, col);
            if (pPane == nullptr) {
                continue;
            }
            const CRect rc = PaneRect(row, col);
            if (IsPaneShown(row, col)) {
                pPane->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
                pPane->ShowWindow(SW_SHOWNA);
            } else {
                pPane->ShowWindow(SW_HIDE);
            }
        }
    }
    for (int row = 0; row < m_nRows; ++row) {
        if (HWND hBar = m_hVertBars[row]) {
            const CRect rc = PaneRect(row, 0);
            ::MoveWindow(hBar, cxInside, rc.top, cxBar, rc.Height(), TRUE);
            ::ShowWindow(hBar, rc.Height() > 0 ? SW_SHOWNA : SW_HIDE);
        }
    }
    for (int col = 0; col < m_nCols; ++col) {
        if (HWND hBar = m_hHorzBars[col]) {
            const CRect rc = PaneRect(0, col);
            ::MoveWindow(hBar, rc.left, cyInside, rc.Width(), cyBar, TRUE);
            ::ShowWindow(hBar, rc.Width() > 0 ? SW_SHOWNA : SW_HIDE);
        }
    }
    Invalidate(TRUE);
}

HWND CSplitterWnd::GetScrollBarCtrl(const CWnd* pPane, int nBar) const
{
    int row = 0;
    int col = 0;
    if (!IsChildPane(pPane, &row, &col)) {
        return nullptr;
    }
    return nBar == SB_VERT ? m_hVertBars[row] : nBar == SB_HORZ ? m_hHorzBars[col] : nullptr;
}

int CSplitterWnd::HitBar(CPoint point) const
{
    const CRect rcRows = GetSplitterRect(FALSE);
    if (!rcRows.IsRectEmpty() && rcRows.PtInRect(point)) {
        return 1;
    }
    const CRect rcCols = GetSplitterRect(TRUE);
    if (!rcCols.IsRectEmpty() && rcCols.PtInRect(point)) {
        return 2;
    }
    return 0;
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    for (BOOL bVertical : {FALSE, TRUE}) {
        CRect rc = GetSplitterRect(bVertical);
        if (!rc.IsRectEmpty()) {
            dc.FillSolidRect(&rc, crFace);
            dc.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        }
    }
    // The corner between the two kinds of shared bars.
    if (m_bVertBars && m_bHorzBars) {
        const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
        const int cy = ::GetSystemMetrics(SM_CYHSCROLL);
        dc.FillSolidRect(rcClient.right - cx, rcClient.bottom - cy, cx, cy, crFace);
    }
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    m_nTracking = HitBar(point);
    if (m_nTracking == 0) {
        return;
    }
    const CRect rcBar = GetSplitterRect(m_nTracking == 2);
    m_nGrabOffset = static_cast<int>(m_nTracking == 1 ? point.y - rcBar.top : point.x - rcBar.left);
    ::SetCapture(m_hWnd);
}

void CSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (m_nTracking == 0) {
        return;
    }
    // The panes follow the bar as it moves; closing up shows at once.
    Track& track = m_nTracking == 1 ? m_rows[0] : m_cols[0];
    track.nIdeal = std::max(0, static_cast<int>(m_nTracking == 1 ? point.y : point.x) - m_nGrabOffset);
    RecalcLayout();
    UpdateWindow();
}

void CSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    if (m_nTracking == 0) {
        return;
    }
    OnMouseMove(nFlags, point);
    Track* pTracks = m_nTracking == 1 ? m_rows : m_cols;
    // A closed-up pane stays closed when the window is resized later.
    if (pTracks[0].nCur == 0) {
        pTracks[0].nIdeal = 0;
    } else if (pTracks[1].nCur == 0) {
        pTracks[0].nIdeal = kSecondClosed;
    }
    EndTracking();
}

void CSplitterWnd::EndTracking()
{
    if (m_nTracking != 0) {
        m_nTracking = 0;
        if (::GetCapture() == m_hWnd) {
            ::ReleaseCapture();
        }
    }
}

LRESULT CSplitterWnd::OnCaptureChangedMsg(WPARAM, LPARAM)
{
    m_nTracking = 0;
    return 0;
}

LRESULT CSplitterWnd::OnSetCursorMsg(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) == m_hWnd && LOWORD(lParam) == HTCLIENT) {
        POINT pt = {};
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        const int nBar = m_nTracking != 0 ? m_nTracking : HitBar(CPoint(pt.x, pt.y));
        if (nBar != 0) {
            ::SetCursor(::LoadCursorA(nullptr, nBar == 1 ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
    }
    return Default();
}

LRESULT CSplitterWnd::OnScrollMsg(WPARAM wParam, LPARAM lParam)
{
    // A shared bar's scrolling goes to the focused pane of its row or column, else the first
    // shown one; the pane tells its siblings.
    HWND hBar = reinterpret_cast<HWND>(lParam);
    UINT message = WM_VSCROLL;
    CWnd* pTarget = nullptr;
    for (int i = 0; i < nMaxPanes && pTarget == nullptr; ++i) {
        const bool bVert = hBar != nullptr && hBar == m_hVertBars[i];
        const bool bHorz = hBar != nullptr && hBar == m_hHorzBars[i];
        if (!bVert && !bHorz) {
            continue;
        }
        message = bVert ? WM_VSCROLL : WM_HSCROLL;
        const int nOthers = bVert ? m_nCols : m_nRows;
        HWND hFocus = ::GetFocus();
        for (int j = 0; j < nOthers; ++j) {
            CWnd* pPane = bVert ? GetPane(i, j) : GetPane(j, i);
            if (pPane != nullptr && pPane->m_hWnd == hFocus) {
                pTarget = pPane;
            }
        }
        for (int j = 0; j < nOthers && pTarget == nullptr; ++j) {
            if (bVert ? IsPaneShown(i, j) : IsPaneShown(j, i)) {
                pTarget = bVert ? GetPane(i, j) : GetPane(j, i);
            }
        }
    }
    if (pTarget != nullptr) {
        pTarget->SendMessage(message, wParam, lParam);
    }
    return 0;
}
