#include "common/KvControlBar.h"

#include <algorithm>

#include "common/KvDraw3dRect.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/WindowDC.h"

namespace
{
const char kClassName[] = "VornKvControlBar";
const int kButtonSize = 11;

BOOL RegisterBarClass()
{
    static BOOL bRegistered = FALSE;
    if (bRegistered) {
        return TRUE;
    }
    WNDCLASSA wc = {};
    // Global: the frame's module creates it through the plain CreateWindowEx of CWnd.
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = ::GetModuleHandleA("KvCommLib.dll");
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    bRegistered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return bRegistered;
}

int LengthOf(const CKvControlBar* pBar, BOOL bHorz)
{
    return bHorz ? pBar->m_szHorz.cx : pBar->m_szVert.cy;
}

LONG& LengthRef(CKvControlBar* pBar, BOOL bHorz)
{
    return bHorz ? pBar->m_szHorz.cx : pBar->m_szVert.cy;
}

int MinLengthOf(const CKvControlBar* pBar, BOOL bHorz)
{
    return bHorz ? pBar->m_szMin.cx : pBar->m_szMin.cy;
}
} // namespace

CPtrArray CKvControlBar::m_arrBars;

FX_IMPLEMENT_DYNAMIC(CKvControlBar, CControlBar)

FX_BEGIN_MESSAGE_MAP(CKvControlBar, CControlBar)
FX_ON_MESSAGE(WM_NCPAINT, OnNcPaint)
FX_ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
FX_ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
FX_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
FX_ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
FX_ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
FX_ON_MESSAGE(WM_NCLBUTTONUP, OnNcLButtonUp)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

CKvControlBar::CKvControlBar()
    : m_szHorz(200, 200), m_szVert(200, 200), m_szFloat(200, 200), m_dwSCBStyle(0), m_htEdge(0), m_szMin(33, 32),
      m_szMinT(33, 32), m_szMaxT(0, 0), m_szOld(0, 0), m_ptOld(0, 0), m_bTracking(FALSE), m_bKeepSize(FALSE),
      m_bParentSizing(FALSE), m_bDragShowContent(FALSE), m_nDockBarID(0), m_cxEdge(5), m_cyGripper(0)
{
    SetBorders(0, 0, 0, 0);
}

CKvControlBar::~CKvControlBar()
{
    const int nIndex = FindSizingBar(this);
    if (nIndex >= 0) {
        m_arrBars.RemoveAt(nIndex);
    }
}

BOOL CKvControlBar::Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                           DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_szHorz = sizeDefault;
    m_szVert = sizeDefault;
    m_szFloat = sizeDefault;
    m_cyGripper = bHasGripper ? 12 : 0;
    if (!RegisterBarClass()) {
        return FALSE;
    }
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN;
    return CWnd::Create(kClassName, lpszWindowName, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CKvControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    BOOL bFull = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFull, 0);
    m_bDragShowContent = bFull;
    if (FindSizingBar(this) < 0) {
        m_arrBars.Add(this);
    }
    return 0;
}

BOOL CKvControlBar::DestroyWindow()
{
    const int nIndex = FindSizingBar(this);
    if (nIndex >= 0) {
        m_arrBars.RemoveAt(nIndex);
    }
    return CControlBar::DestroyWindow();
}

int CKvControlBar::FindSizingBar(CControlBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (m_arrBars[i] == pBar) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CKvControlBar::UpdateDockBarID()
{
    m_nDockBarID =
        m_pDockBar != nullptr && m_pDockBar->m_hWnd != nullptr ? static_cast<UINT>(m_pDockBar->GetDlgCtrlID()) : 0;
}

BOOL CKvControlBar::IsHorzDocked() const
{
    return m_nDockBarID == FX_IDW_DOCKBAR_TOP || m_nDockBarID == FX_IDW_DOCKBAR_BOTTOM;
}

BOOL CKvControlBar::IsVertDocked() const
{
    return m_nDockBarID == FX_IDW_DOCKBAR_LEFT || m_nDockBarID == FX_IDW_DOCKBAR_RIGHT;
}

BOOL CKvControlBar::IsSideTracking() const
{
    return IsHorzDocked() ? (m_htEdge == HTLEFT || m_htEdge == HTRIGHT) : (m_htEdge == HTTOP || m_htEdge == HTBOTTOM);
}

void CKvControlBar::GlobalLoadState(LPCSTR lpszProfileName)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        static_cast<CKvControlBar*>(m_arrBars[i])->LoadState(lpszProfileName);
    }
}

void CKvControlBar::GlobalSaveState(LPCSTR lpszProfileName)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        static_cast<CKvControlBar*>(m_arrBars[i])->SaveState(lpszProfileName);
    }
}

void CKvControlBar::LoadState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-SCBar-%d", lpszProfileName, GetDlgCtrlID());
    auto read = [&](LPCSTR pszKey, LONG& nValue, LONG nMin) {
        nValue = std::max<LONG>(nMin, static_cast<int>(pApp->GetProfileInt(strSection, pszKey, nValue)));
    };
    read("sizeHorzCX", m_szHorz.cx, m_szMin.cx);
    read("sizeHorzCY", m_szHorz.cy, m_szMin.cy);
    read("sizeVertCX", m_szVert.cx, m_szMin.cx);
    read("sizeVertCY", m_szVert.cy, m_szMin.cy);
    read("sizeFloatCX", m_szFloat.cx, m_szMin.cx);
    read("sizeFloatCY", m_szFloat.cy, m_szMin.cy);
}

void CKvControlBar::SaveState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-SCBar-%d", lpszProfileName, GetDlgCtrlID());
    pApp->WriteProfileInt(strSection, "sizeHorzCX", m_szHorz.cx);
    pApp->WriteProfileInt(strSection, "sizeHorzCY", m_szHorz.cy);
    pApp->WriteProfileInt(strSection, "sizeVertCX", m_szVert.cx);
    pApp->WriteProfileInt(strSection, "sizeVertCY", m_szVert.cy);
    pApp->WriteProfileInt(strSection, "sizeFloatCX", m_szFloat.cx);
    pApp->WriteProfileInt(strSection, "sizeFloatCY", m_szFloat.cy);
}

void CKvControlBar::GetRowInfo(int& nFirst, int& nLast, int& nThis) const
{
    nFirst = nLast = nThis = -1;
    if (m_pDockBar == nullptr) {
        return;
    }
    const CPtrArray& arr = m_pDockBar->m_arrBars;
    nThis = m_pDockBar->FindBar(this);
    if (nThis < 0) {
        return;
    }
    nFirst = nThis;
    while (nFirst > 0 && arr[nFirst - 1] != nullptr) {
        --nFirst;
    }
    nLast = nThis;
    while (nLast + 1 < arr.GetSize() && arr[nLast + 1] != nullptr) {
        ++nLast;
    }
}

void CKvControlBar::GetRowSizingBars(CPtrArray& arrSCBars) const
{
    arrSCBars.RemoveAll();
    int nFirst = 0;
    int nLast = 0;
    int nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0) {
        return;
    }
    for (int i = nFirst; i <= nLast; ++i) {
        CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
        if (pBar != nullptr && pBar->IsVisible() && FindSizingBar(pBar) >= 0) {
            arrSCBars.Add(pBar);
        }
    }
}

CSize CKvControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    UpdateDockBarID();
    if (bStretch) {
        return bHorz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);
    }
    CPtrArray arrSCBars;
    GetRowSizingBars(arrSCBars);
    // The row's pending shows and hides first, in one batch, so the share-out counts them right.
    if (m_pDockBar != nullptr && !m_pDockBar->m_bLayoutQuery && arrSCBars.GetSize() > 0) {
        HDWP hDWP = ::BeginDeferWindowPos(static_cast<int>(arrSCBars.GetSize()));
        for (INT_PTR i = 0; i < arrSCBars.GetSize(); ++i) {
            static_cast<CControlBar*>(arrSCBars[i])->ApplyDelayShow(&hDWP);
        }
        if (hDWP != nullptr) {
            ::EndDeferWindowPos(hDWP);
        }
    }
    if (m_pDockBar != nullptr && !IsFloating() && IsVisible() && m_bParentSizing && arrSCBars.GetSize() > 0 &&
        arrSCBars[0] == this) {
        CRect rcLayout = m_pDockBar->m_rectLayout;
        if (rcLayout.IsRectEmpty()) {
            if (CFrameWnd* pFrame = GetDockingFrame()) {
                pFrame->GetClientRect(&rcLayout);
            }
        }
        const int nLengthTotal = bHorz ? rcLayout.Width() + 2 : rcLayout.Height() - 2;
        if (NegociateSpace(nLengthTotal, bHorz)) {
            AlignControlBars();
        }
    }
    m_bParentSizing = FALSE;
    const CSize size = bHorz ? m_szHorz : m_szVert;
    return CSize(std::max(size.cx, m_szMin.cx), std::max(size.cy, m_szMin.cy));
}

CSize CKvControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if ((dwMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0) {
        if (nLength == -1) {
            m_bParentSizing = TRUE;
        }
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if ((dwMode & (LM_MRUWIDTH | LM_COMMIT)) == 0) {
        if ((dwMode & LM_LENGTHY) != 0) {
            m_szFloat.cy = nLength;
        } else {
            m_szFloat.cx = nLength;
        }
        m_szFloat.cx = std::max(m_szFloat.cx, m_szMin.cx);
        m_szFloat.cy = std::max(m_szFloat.cy, m_szMin.cy);
    }
    return m_szFloat;
}

BOOL CKvControlBar::NegociateSpace(int nLengthTotal, BOOL bHorz)
{
    int nFirst = 0;
    int nLast = 0;
    int nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0) {
        return FALSE;
    }
    // Bars of other kinds keep their length.
    for (int i = nFirst; i <= nLast; ++i) {
        CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
        if (pBar != nullptr && pBar->IsVisible() && FindSizingBar(pBar) < 0) {
            CRect rc;
            pBar->GetWindowRect(&rc);
            nLengthTotal -= (bHorz ? rc.Width() : rc.Height()) - 2;
        }
    }
    CPtrArray arrSCBars;
    GetRowSizingBars(arrSCBars);
    const INT_PTR nCount = arrSCBars.GetSize();
    if (nCount == 0) {
        return FALSE;
    }
    int nLengthActual = 0;
    int nLengthMin = 2;
    int nWidthMax = 0;
    for (INT_PTR i = 0; i < nCount; ++i) {
        const CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
        nLengthActual += LengthOf(pBar, bHorz) - 2;
        nLengthMin += MinLengthOf(pBar, bHorz) - 2;
        nWidthMax = std::max<int>(nWidthMax, bHorz ? pBar->m_szHorz.cy : pBar->m_szVert.cx);
    }
    if (nLengthMin <= nLengthTotal) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
            (bHorz ? pBar->m_szHorz.cy : pBar->m_szVert.cx) = nWidthMax;
        }
        int nDelta = nLengthTotal - nLengthActual;
        // One pixel per bar and pass, in row order; bars being shown keep their length while
        // others can give.
        while (nDelta != 0) {
            const int nDeltaOld = nDelta;
            const int nStep = nDelta > 0 ? 1 : -1;
            for (INT_PTR i = 0; i < nCount && nDelta != 0; ++i) {
                CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
                if (pBar->m_bKeepSize) {
                    continue;
                }
                if (nStep < 0 && LengthOf(pBar, bHorz) <= MinLengthOf(pBar, bHorz)) {
                    continue;
                }
                LengthRef(pBar, bHorz) += nStep;
                nDelta -= nStep;
            }
            if (nDeltaOld == nDelta || nDelta == 0) {
                BOOL bAnyKept = FALSE;
                for (INT_PTR i = 0; i < nCount; ++i) {
                    CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
                    bAnyKept = bAnyKept || pBar->m_bKeepSize;
                    pBar->m_bKeepSize = FALSE;
                }
                // Every bar at its minimum: nothing more to give.
                if (nDeltaOld == nDelta && !bAnyKept) {
                    break;
                }
            }
        }
        return TRUE;
    }
    if (nFirst != nLast) {
        // No room: this bar starts a row of its own right after the current one.
        CPtrArray& arr = m_pDockBar->m_arrBars;
        arr.InsertAt(nLast + 2, static_cast<void*>(nullptr));
        arr.InsertAt(nLast + 2, static_cast<void*>(this));
        arr.RemoveAt(nThis);
    }
    return FALSE;
}

void CKvControlBar::AlignControlBars()
{
    int nFirst = 0;
    int nLast = 0;
    int nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0) {
        return;
    }
    const BOOL bHorz = IsHorzDocked();
    BOOL bNeedRecalc = FALSE;
    // The dock bar starts its rows 2 pixels before its inside, across and along.
    int nAlign = bHorz ? -2 : 0;
    CRect rcDock;
    m_pDockBar->GetWindowRect(&rcDock);
    for (int i = nFirst; i <= nLast; ++i) {
        CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
        if (pBar == nullptr || !pBar->IsVisible()) {
            continue;
        }
        CRect rc;
        pBar->GetWindowRect(&rc);
        rc.OffsetRect(-rcDock.left, -rcDock.top);
        if (FindSizingBar(pBar) >= 0) {
            const CKvControlBar* pSizing = static_cast<CKvControlBar*>(pBar);
            rc = CRect(rc.TopLeft(), bHorz ? pSizing->m_szHorz : pSizing->m_szVert);
        }
        if (bHorz && rc.left != nAlign) {
            rc.OffsetRect(nAlign - rc.left, m_nDockBarID == FX_IDW_DOCKBAR_TOP ? -2 - rc.top : 0);
            pBar->MoveWindow(&rc);
            bNeedRecalc = TRUE;
        } else if (!bHorz && rc.top != nAlign - 2) {
            rc.OffsetRect(0, nAlign - 2 - rc.top);
            pBar->MoveWindow(&rc);
            bNeedRecalc = TRUE;
        }
        nAlign += (bHorz ? rc.Width() : rc.Height()) - 2;
    }
    if (bNeedRecalc) {
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->DelayRecalcLayout();
        }
    }
}

UINT CKvControlBar::GetEdgeHTCode(int nEdge)
{
    static const UINT codes[4] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM};
    return nEdge >= 0 && nEdge < 4 ? codes[nEdge] : HTNOWHERE;
}

void CKvControlBar::GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge) const
{
    rcEdge = rcWnd;
    if ((m_dwSCBStyle & SCBS_SHOWEDGES) != 0) {
        rcEdge.DeflateRect(1, 1);
    }
    const BOOL bHorz = IsHorzDocked();
    switch (nHitTest) {
    case HTLEFT:
        if ((m_dwSCBStyle & SCBS_EDGELEFT) == 0) {
            break;
        }
        rcEdge.right = rcEdge.left + m_cxEdge;
        if (bHorz) {
            rcEdge.DeflateRect(0, m_cxEdge);
        }
        return;
    case HTTOP:
        if ((m_dwSCBStyle & SCBS_EDGETOP) == 0) {
            break;
        }
        rcEdge.bottom = rcEdge.top + m_cxEdge;
        if (!bHorz) {
            rcEdge.DeflateRect(m_cxEdge, 0);
        }
        return;
    case HTRIGHT:
        if ((m_dwSCBStyle & SCBS_EDGERIGHT) == 0) {
            break;
        }
        rcEdge.left = rcEdge.right - m_cxEdge;
        if (bHorz) {
            rcEdge.DeflateRect(0, m_cxEdge);
        }
        return;
    case HTBOTTOM:
        if ((m_dwSCBStyle & SCBS_EDGEBOTTOM) == 0) {
            break;
        }
        rcEdge.top = rcEdge.bottom - m_cxEdge;
        if (!bHorz) {
            rcEdge.DeflateRect(m_cxEdge, 0);
        }
        return;
    default:
        break;
    }
    rcEdge.SetRectEmpty();
}

UINT CKvControlBar::HitTest(CPoint ptScreen)
{
    if (IsFloating() || m_pDockBar == nullptr) {
        return static_cast<UINT>(Default());
    }
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    for (int i = 0; i < 4; ++i) {
        CRect rcEdge;
        GetEdgeRect(rcWnd, GetEdgeHTCode(i), rcEdge);
        if (rcEdge.PtInRect(ptScreen)) {
            return GetEdgeHTCode(i);
        }
    }
    CRect rcBtn = m_biHide.GetRect();
    rcBtn.OffsetRect(rcWnd.left, rcWnd.top);
    if (m_cyGripper > 0 && rcBtn.PtInRect(ptScreen)) {
        return HTCLOSE;
    }
    return HTCLIENT;
}

LRESULT CKvControlBar::OnNcHitTest(WPARAM, LPARAM lParam)
{
    return HitTest(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
}

LRESULT CKvControlBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    UpdateDockBarID();
    RECT* prc = reinterpret_cast<RECT*>(lParam);
    const CRect rcWindow(*prc);
    CRect rcClient(rcWindow);
    rcClient.DeflateRect(5, 5);
    // The side facing away from the dock bar's own edge can be dragged; between sizing bars of a
    // row also the sides towards the neighbours.
    m_dwSCBStyle &= ~SCBS_EDGEALL;
    switch (m_nDockBarID) {
    case FX_IDW_DOCKBAR_TOP:
        m_dwSCBStyle |= SCBS_EDGEBOTTOM;
        break;
    case FX_IDW_DOCKBAR_BOTTOM:
        m_dwSCBStyle |= SCBS_EDGETOP;
        break;
    case FX_IDW_DOCKBAR_LEFT:
        m_dwSCBStyle |= SCBS_EDGERIGHT;
        break;
    case FX_IDW_DOCKBAR_RIGHT:
        m_dwSCBStyle |= SCBS_EDGELEFT;
        break;
    default:
        break;
    }
    const BOOL bHorz = IsHorzDocked();
    if (bHorz || IsVertDocked()) {
        CPtrArray arrSCBars;
        GetRowSizingBars(arrSCBars);
        for (INT_PTR i = 0; arrSCBars.GetSize() > 1 && i < arrSCBars.GetSize(); ++i) {
            if (arrSCBars[i] != this) {
                continue;
            }
            if (i > 0) {
                m_dwSCBStyle |= bHorz ? SCBS_EDGELEFT : SCBS_EDGETOP;
            }
            if (i < arrSCBars.GetSize() - 1) {
                m_dwSCBStyle |= bHorz ? SCBS_EDGERIGHT : SCBS_EDGEBOTTOM;
            }
        }
    }
    if ((m_dwSCBStyle & SCBS_SHOWEDGES) != 0) {
        rcClient.DeflateRect(
            (m_dwSCBStyle & SCBS_EDGELEFT) != 0 ? m_cxEdge : 0, (m_dwSCBStyle & SCBS_EDGETOP) != 0 ? m_cxEdge : 0,
            (m_dwSCBStyle & SCBS_EDGERIGHT) != 0 ? m_cxEdge : 0, (m_dwSCBStyle & SCBS_EDGEBOTTOM) != 0 ? m_cxEdge : 0);
    }
    if (bHorz) {
        rcClient.left += m_cyGripper;
    } else if (IsVertDocked()) {
        rcClient.top += m_cyGripper;
    }
    // The close button sits at the gripper's start (window coordinates).
    if (bHorz) {
        m_biHide.Move(CPoint(rcClient.left - m_cyGripper - 1 - rcWindow.left, rcClient.top - 1 - rcWindow.top));
    } else {
        m_biHide.Move(
            CPoint(rcClient.right - kButtonSize - rcWindow.left, rcClient.top - m_cyGripper - 1 - rcWindow.top));
    }
    rcClient.right = std::max(rcClient.right, rcClient.left);
    rcClient.bottom = std::max(rcClient.bottom, rcClient.top);
    *prc = rcClient;
    return 0;
}

LRESULT CKvControlBar::OnNcPaint(WPARAM, LPARAM)
{
    CWindowDC dc(m_hWnd);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    const int nSaved = dc.SaveDC();
    ::ExcludeClipRect(dc.m_hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    ::FillRect(dc.m_hDC, &rcWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    CRect rcBorders(rcWindow);
    DrawBorders(&dc, rcBorders);
    if ((m_dwSCBStyle & SCBS_SHOWEDGES) != 0) {
        for (int i = 0; i < 4; ++i) {
            CRect rcEdge;
            GetEdgeRect(rcWindow, GetEdgeHTCode(i), rcEdge);
            if (!rcEdge.IsRectEmpty()) {
                KvDraw3dRect(dc.m_hDC, rcEdge, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
            }
        }
    }
    if (m_cyGripper > 0 && (IsHorzDocked() || IsVertDocked())) {
        NcPaintGripper(&dc, rcClient);
    }
    dc.RestoreDC(nSaved);
    return 0;
}

void CKvControlBar::NcPaintGripper(CDC* pDC, CRect rcClient)
{
    if (m_cyGripper == 0) {
        return;
    }
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const CRect rcBtn = m_biHide.GetRect();
    if (IsHorzDocked()) {
        // Two vertical bars down the strip at the left, below the close button.
        const int x = rcClient.left - m_cyGripper + 2;
        const int yTop = rcBtn.top + 14;
        if (yTop < rcClient.bottom) {
            KvDraw3dRect(pDC->m_hDC, CRect(x, yTop, x + 3, rcClient.bottom), crHilite, crShadow);
            KvDraw3dRect(pDC->m_hDC, CRect(x + 3, yTop, x + 6, rcClient.bottom), crHilite, crShadow);
        }
    } else {
        // Two horizontal bars along the strip at the top, up to the close button.
        const int y = rcClient.top - m_cyGripper + 2;
        const int xRight = rcBtn.left - 3;
        if (xRight > rcClient.left) {
            KvDraw3dRect(pDC->m_hDC, CRect(rcClient.left, y, xRight, y + 3), crHilite, crShadow);
            KvDraw3dRect(pDC->m_hDC, CRect(rcClient.left, y + 3, xRight, y + 6), crHilite, crShadow);
        }
    }
    m_biHide.Paint(pDC);
}

void CKvControlBar::OnPaint()
{
    // The client belongs to the bar's child windows.
    CPaintDC dc(m_hWnd);
}

void CKvControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    if ((GetStyle() & WS_VISIBLE) == 0) {
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    const BOOL bHit = m_pDockBar != nullptr && !IsFloating() && HitTest(pt) == HTCLOSE;
    const BOOL bLButtonDown = ::GetKeyState(VK_LBUTTON) < 0;
    const BOOL bWasPushed = m_biHide.m_bPushed;
    const BOOL bWasRaised = m_biHide.m_bRaised;
    m_biHide.m_bPushed = bHit && bLButtonDown;
    m_biHide.m_bRaised = bHit && !bLButtonDown;
    if (bWasPushed != m_biHide.m_bPushed || bWasRaised != m_biHide.m_bRaised) {
        SendMessage(WM_NCPAINT);
    }
}

LRESULT CKvControlBar::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    WINDOWPOS* pPos = reinterpret_cast<WINDOWPOS*>(lParam);
    // The non-client edges depend on the neighbours: recomputed on every move.
    pPos->flags |= SWP_FRAMECHANGED;
    UpdateDockBarID();
    if ((pPos->flags & SWP_SHOWWINDOW) != 0 && (IsHorzDocked() || IsVertDocked())) {
        m_bKeepSize = TRUE;
    }
    return Default();
}

LRESULT CKvControlBar::OnSettingChange(WPARAM, LPARAM)
{
    BOOL bFull = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFull, 0);
    m_bDragShowContent = bFull;
    return Default();
}

LRESULT CKvControlBar::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (m_bTracking && reinterpret_cast<HWND>(lParam) != m_hWnd) {
        StopTracking();
    }
    return Default();
}

LRESULT CKvControlBar::OnNcLButtonDown(WPARAM wParam, LPARAM)
{
    if (!m_bTracking && !IsFloating() && wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT) {
        StartTracking(static_cast<UINT>(wParam));
        return 0;
    }
    return Default();
}

LRESULT CKvControlBar::OnNcLButtonUp(WPARAM wParam, LPARAM)
{
    if (wParam == HTCLOSE && m_pDockSite != nullptr) {
        m_pDockSite->ShowControlBar(this, FALSE, FALSE);
        return 0;
    }
    return Default();
}

void CKvControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        StopTracking();
        return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CKvControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        StopTracking();
        return;
    }
    CWnd::OnRButtonDown(nFlags, point);
}

void CKvControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        CPoint pt(point);
        ::ClientToScreen(m_hWnd, &pt);
        OnTrackUpdateSize(pt);
        return;
    }
    CWnd::OnMouseMove(nFlags, point);
}

CKvControlBar* CKvControlBar::TrackNeighbour() const
{
    CPtrArray arrSCBars;
    GetRowSizingBars(arrSCBars);
    for (INT_PTR i = 0; i < arrSCBars.GetSize(); ++i) {
        if (arrSCBars[i] != this) {
            continue;
        }
        const INT_PTR nOther = (m_htEdge == HTLEFT || m_htEdge == HTTOP) ? i - 1 : i + 1;
        return nOther >= 0 && nOther < arrSCBars.GetSize() ? static_cast<CKvControlBar*>(arrSCBars[nOther]) : nullptr;
    }
    return nullptr;
}

void CKvControlBar::StartTracking(UINT nHitTest)
{
    ::SetCapture(m_hWnd);
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_htEdge = nHitTest;
    m_bTracking = TRUE;
    const BOOL bHorz = IsHorzDocked();
    m_szOld = bHorz ? m_szHorz : m_szVert;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcEdge;
    GetEdgeRect(rcWnd, m_htEdge, rcEdge);
    m_ptOld = rcEdge.CenterPoint();
    // The thickness never goes below the row's largest minimum thickness.
    CPtrArray arrSCBars;
    GetRowSizingBars(arrSCBars);
    m_szMinT = m_szMin;
    for (INT_PTR i = 0; i < arrSCBars.GetSize(); ++i) {
        const CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
        if (bHorz) {
            m_szMinT.cy = std::max(m_szMinT.cy, pBar->m_szMin.cy);
        } else {
            m_szMinT.cx = std::max(m_szMinT.cx, pBar->m_szMin.cx);
        }
    }
    if (IsSideTracking()) {
        // Across the row: what the neighbour can give.
        m_szMaxT = m_szOld;
        if (const CKvControlBar* pNeighbour = TrackNeighbour()) {
            const CSize szNeighbour = bHorz ? pNeighbour->m_szHorz : pNeighbour->m_szVert;
            m_szMaxT.cx += szNeighbour.cx - pNeighbour->m_szMin.cx;
            m_szMaxT.cy += szNeighbour.cy - pNeighbour->m_szMin.cy;
        }
    } else {
        // Along the row: as far as the frame's free client area reaches.
        CRect rcFree(0, 0, 0, 0);
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->RepositionBars(0, 0xFFFF, FX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rcFree, nullptr, TRUE);
        }
        m_szMaxT = CSize(m_szOld.cx + rcFree.Width() - 4, m_szOld.cy + rcFree.Height() - 4);
    }
    OnTrackInvertTracker();
}

void CKvControlBar::StopTracking()
{
    OnTrackInvertTracker();
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    if (CFrameWnd* pFrame = GetDockingFrame()) {
        pFrame->DelayRecalcLayout();
    }
}

void CKvControlBar::OnTrackUpdateSize(CPoint& point)
{
    const int dx = point.x - m_ptOld.x;
    const int dy = point.y - m_ptOld.y;
    CSize sizeNew = m_szOld;
    switch (m_htEdge) {
    case HTLEFT:
        sizeNew.cx -= dx;
        break;
    case HTRIGHT:
        sizeNew.cx += dx;
        break;
    case HTTOP:
        sizeNew.cy -= dy;
        break;
    case HTBOTTOM:
        sizeNew.cy += dy;
        break;
    default:
        break;
    }
    sizeNew.cx = std::max(m_szMinT.cx, std::min(m_szMaxT.cx, sizeNew.cx));
    sizeNew.cy = std::max(m_szMinT.cy, std::min(m_szMaxT.cy, sizeNew.cy));
    const BOOL bHorz = IsHorzDocked();
    CSize& sizeCur = bHorz ? m_szHorz : m_szVert;
    if (sizeNew == sizeCur) {
        return;
    }
    OnTrackInvertTracker();
    const CSize sizeDelta(sizeNew.cx - sizeCur.cx, sizeNew.cy - sizeCur.cy);
    sizeCur = sizeNew;
    if (IsSideTracking()) {
        if (CKvControlBar* pNeighbour = TrackNeighbour()) {
            CSize& sizeOther = bHorz ? pNeighbour->m_szHorz : pNeighbour->m_szVert;
            sizeOther.cx -= bHorz ? sizeDelta.cx : 0;
            sizeOther.cy -= bHorz ? 0 : sizeDelta.cy;
        }
    } else {
        CPtrArray arrSCBars;
        GetRowSizingBars(arrSCBars);
        for (INT_PTR i = 0; i < arrSCBars.GetSize(); ++i) {
            CKvControlBar* pBar = static_cast<CKvControlBar*>(arrSCBars[i]);
            if (bHorz) {
                pBar->m_szHorz.cy = sizeNew.cy;
            } else {
                pBar->m_szVert.cx = sizeNew.cx;
            }
        }
    }
    OnTrackInvertTracker();
    if (m_bDragShowContent) {
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->DelayRecalcLayout();
        }
    }
}

void CKvControlBar::OnTrackInvertTracker()
{
    if (m_bDragShowContent || m_pDockBar == nullptr) {
        return;
    }
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr) {
        return;
    }
    const BOOL bHorz = IsHorzDocked();
    const CSize sizeCur = bHorz ? m_szHorz : m_szVert;
    const CSize sizeDiff(sizeCur.cx - m_szOld.cx, sizeCur.cy - m_szOld.cy);
    CRect rcBar;
    GetWindowRect(&rcBar);
    CRect rcDock;
    m_pDockBar->GetWindowRect(&rcDock);
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    CRect rc;
    GetEdgeRect(rcBar, m_htEdge, rc);
    if (!IsSideTracking()) {
        rc = bHorz ? CRect(rcDock.left + 1, rc.top, rcDock.right - 1, rc.bottom)
                   : CRect(rc.left, rcDock.top + 1, rc.right, rcDock.bottom - 1);
    }
    // The left and top edges move against the size.
    const BOOL bFlip = m_htEdge == HTLEFT || m_htEdge == HTTOP;
    if (m_htEdge == HTLEFT || m_htEdge == HTRIGHT) {
        rc.OffsetRect(bFlip ? -sizeDiff.cx : sizeDiff.cx, 0);
    } else {
        rc.OffsetRect(0, bFlip ? -sizeDiff.cy : sizeDiff.cy);
    }
    rc.OffsetRect(-rcFrame.left, -rcFrame.top);
    const BOOL bLocked = ::LockWindowUpdate(pFrame->m_hWnd);
    {
        CWindowDC dc(pFrame->m_hWnd);
        HGDIOBJ hOld = ::SelectObject(dc.m_hDC, ::GetStockObject(GRAY_BRUSH));
        ::PatBlt(dc.m_hDC, rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
        ::SelectObject(dc.m_hDC, hOld);
    }
    if (bLocked) {
        ::LockWindowUpdate(nullptr);
    }
}
