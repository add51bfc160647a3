#include "common/KvxSplitterWnd.h"

#include <algorithm>

#include "common/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/ClientDC.h"

namespace
{
const int kDefaultMin = 10;

// The drag axis of a rectangle: near and far edge, along and across.
struct CAxis
{
    BOOL bVertical;
    LONG& Near(RECT& rc) const { return bVertical ? rc.top : rc.left; }
    LONG& Far(RECT& rc) const { return bVertical ? rc.bottom : rc.right; }
    int Along(const POINT& pt) const { return bVertical ? pt.y : pt.x; }
};

RECT ChildRect(HWND hParent, HWND hChild)
{
    RECT rc{};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Drawn twice, the inversion erases itself.
void InvertBar(CDC& dc, const RECT& rc)
{
    dc.PatBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, DSTINVERT);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvxSplitterWnd, CWnd)

FX_BEGIN_MESSAGE_MAP(CKvxSplitterWnd, CWnd)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
FX_END_MESSAGE_MAP()

CKvxSplitterWnd::CKvxSplitterWnd() : CKvxSplitterWnd(FALSE)
{
}

CKvxSplitterWnd::CKvxSplitterWnd(BOOL bVertical)
    : m_pParent(nullptr), m_nMinLeft(kDefaultMin), m_nMinRight(kDefaultMin), m_bVertical(bVertical)
{
}

CKvxSplitterWnd::~CKvxSplitterWnd() = default;

BOOL CKvxSplitterWnd::BindWithControl(CWnd* pParent, DWORD dwControlId)
{
    m_pParent = pParent;
    m_nMinLeft = kDefaultMin;
    m_nMinRight = kDefaultMin;
    if (!SubclassDlgItem(dwControlId, pParent)) {
        return FALSE;
    }
    // A static gets mouse input only with the notify style.
    ModifyStyle(0, SS_NOTIFY);
    return TRUE;
}

void CKvxSplitterWnd::Unbind()
{
    DetachAllPanes();
    if (m_hWnd != nullptr) {
        UnsubclassWindow();
    }
}

BOOL CKvxSplitterWnd::AttachPane(BOOL bNear, DWORD dwControlId, int nStretch)
{
    const CAxis ax{m_bVertical};
    HWND hParent = m_pParent->GetSafeHwnd();
    RECT rcBar = ChildRect(hParent, m_hWnd);
    RECT rcPane = ChildRect(hParent, ::GetDlgItem(hParent, static_cast<int>(dwControlId)));
    if (bNear) {
        m_paneLeft.Add(dwControlId);
        m_gapLeft.Add(static_cast<UINT>(ax.Near(rcBar) - ax.Far(rcPane)));
        m_stretchLeft.Add(static_cast<UINT>(nStretch));
    } else {
        m_paneRight.Add(dwControlId);
        m_gapRight.Add(static_cast<UINT>(ax.Near(rcPane) - ax.Far(rcBar)));
        m_stretchRight.Add(static_cast<UINT>(nStretch));
    }
    return TRUE;
}

BOOL CKvxSplitterWnd::AttachAsLeftPane(DWORD dwControlId, int nStretch)
{
    return AttachPane(TRUE, dwControlId, nStretch);
}

BOOL CKvxSplitterWnd::AttachAsRightPane(DWORD dwControlId, int nStretch)
{
    return AttachPane(FALSE, dwControlId, nStretch);
}

BOOL CKvxSplitterWnd::DetachAllPanes()
{
    m_paneLeft.RemoveAll();
    m_paneRight.RemoveAll();
    m_gapLeft.RemoveAll();
    m_gapRight.RemoveAll();
    m_stretchLeft.RemoveAll();
    m_stretchRight.RemoveAll();
    return TRUE;
}

void CKvxSplitterWnd::SetMinWidth(int nLeft, int nRight)
{
    m_nMinLeft = nLeft;
    m_nMinRight = nRight;
}

void CKvxSplitterWnd::RecalcLayout()
{
    if (m_pParent == nullptr || m_hWnd == nullptr) {
        return;
    }
    const CAxis ax{m_bVertical};
    HWND hParent = m_pParent->GetSafeHwnd();
    RECT rcBar = ChildRect(hParent, m_hWnd);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    for (INT_PTR i = 0; i < m_paneLeft.GetSize(); ++i) {
        HWND hPane = ::GetDlgItem(hParent, static_cast<int>(m_paneLeft[i]));
        RECT rc = ChildRect(hParent, hPane);
        const LONG nFar = ax.Near(rcBar) - static_cast<int>(m_gapLeft[i]);
        if (m_stretchLeft[i] == 0) {
            ax.Near(rc) += nFar - ax.Far(rc);
        }
        ax.Far(rc) = nFar;
        ::SetWindowPos(hPane, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nFlags);
    }
    for (INT_PTR i = 0; i < m_paneRight.GetSize(); ++i) {
        HWND hPane = ::GetDlgItem(hParent, static_cast<int>(m_paneRight[i]));
        RECT rc = ChildRect(hParent, hPane);
        const LONG nNear = ax.Far(rcBar) + static_cast<int>(m_gapRight[i]);
        if (m_stretchRight[i] == 0) {
            ax.Far(rc) += nNear - ax.Near(rc);
        }
        ax.Near(rc) = nNear;
        ::SetWindowPos(hPane, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nFlags);
    }
    m_pParent->Invalidate(TRUE);
}

BOOL CKvxSplitterWnd::GetMouseClipRect(RECT* pClip, CPoint point)
{
    if (m_pParent == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    const CAxis ax{m_bVertical};
    HWND hParent = m_pParent->GetSafeHwnd();
    RECT rcClient{};
    ::GetClientRect(hParent, &rcClient);
    ::MapWindowPoints(hParent, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    int nLow = ax.Near(rcClient) + m_nMinLeft;
    for (INT_PTR i = 0; i < m_paneLeft.GetSize(); ++i) {
        if (m_stretchLeft[i] != 0) {
            RECT rc{};
            ::GetWindowRect(::GetDlgItem(hParent, static_cast<int>(m_paneLeft[i])), &rc);
            nLow = std::max(nLow, static_cast<int>(ax.Near(rc)) + m_nMinLeft);
        }
    }
    int nHigh = ax.Far(rcClient) - m_nMinRight;
    for (INT_PTR i = 0; i < m_paneRight.GetSize(); ++i) {
        if (m_stretchRight[i] != 0) {
            RECT rc{};
            ::GetWindowRect(::GetDlgItem(hParent, static_cast<int>(m_paneRight[i])), &rc);
            nHigh = std::min(nHigh, static_cast<int>(ax.Far(rc)) - m_nMinRight);
        }
    }
    if (nLow >= nHigh) {
        return FALSE;
    }
    RECT rcBar{};
    ::GetWindowRect(m_hWnd, &rcBar);
    const int nBar = ax.Far(rcBar) - ax.Near(rcBar);
    const int nPress = ax.Along(point);
    RECT rcClip = rcBar;
    ax.Near(rcClip) = nPress + nLow;
    ax.Far(rcClip) = nPress + nHigh - nBar + 1;
    *pClip = rcClip;
    return TRUE;
}

void CKvxSplitterWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    RECT rcClip{};
    if (::GetCapture() != nullptr || !GetMouseClipRect(&rcClip, point)) {
        return;
    }
    const CAxis ax{m_bVertical};
    HWND hParent = m_pParent->GetSafeHwnd();
    // The allowed offsets, so that input that bypasses the confinement is held to it too.
    RECT rcBarScreen{};
    ::GetWindowRect(m_hWnd, &rcBarScreen);
    const int nPress = ax.Along(point);
    const int nMinOffset = ax.Near(rcClip) - ax.Near(rcBarScreen) - nPress;
    const int nMaxOffset = ax.Far(rcClip) - 1 - ax.Near(rcBarScreen) - nPress;

    ::ClipCursor(&rcClip);
    ::SetCapture(m_hWnd);
    const RECT rcBar = ChildRect(hParent, m_hWnd);
    RECT rcDrag = rcBar;
    int nOffset = 0;
    {
        CClientDC dc(hParent);
        InvertBar(dc, rcDrag);
        MSG msg{};
        while (::GetCapture() == m_hWnd) {
            if (!::GetMessageA(&msg, nullptr, 0, 0)) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN ||
                (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
                break;
            }
            if (msg.message == WM_MOUSEMOVE) {
                if (msg.hwnd == m_hWnd) {
                    const POINT pt{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
                    nOffset = std::max(nMinOffset, std::min(nMaxOffset, ax.Along(pt) - nPress));
                    InvertBar(dc, rcDrag);
                    rcDrag = rcBar;
                    ax.Near(rcDrag) += nOffset;
                    ax.Far(rcDrag) += nOffset;
                    InvertBar(dc, rcDrag);
                }
                continue;
            }
            if (msg.message == WM_KEYDOWN) {
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        InvertBar(dc, rcDrag);
    }
    // Released on every way out of the loop, a lost capture included.
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    ::ClipCursor(nullptr);

    if (nOffset != 0) {
        RECT rcNew = rcBar;
        ax.Near(rcNew) += nOffset;
        ax.Far(rcNew) += nOffset;
        ::SetWindowPos(m_hWnd, nullptr, rcNew.left, rcNew.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        RecalcLayout();
        m_pParent->SendMessage(WM_KV_SPLITTER_MOVED, static_cast<WPARAM>(nOffset), static_cast<LPARAM>(GetDlgCtrlID()));
    }
}

LRESULT CKvxSplitterWnd::OnSetCursor(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const UINT nId = m_bVertical ? IDC_KV_SPLIT_Y : IDC_KV_SPLIT_X;
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nId), MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    // Loaded cursors are shared resources: never destroyed.
    HCURSOR hCursor = hInst != nullptr ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(nId)) : nullptr;
    ::SetCursor(hCursor != nullptr ? hCursor : ::LoadCursorA(nullptr, m_bVertical ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
}
