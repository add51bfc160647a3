#include "designer/figure/ResizableDlg.h"

#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"
#include "platform/gdi/SelectGuard.h"

namespace
{
// Posted from the initialisation: by the time it arrives the derived dialog has its anchors.
UINT RestoreSizeMessage()
{
    static UINT nMsg = ::RegisterWindowMessageA("VornResizableRestoreSize");
    return nMsg;
}

// The grip's square: as wide as a horizontal scroll bar's arrow, as high as a vertical one's.
CRect CornerRect(const CRect& rc)
{
    return CRect(rc.right - ::GetSystemMetrics(SM_CXHSCROLL), rc.bottom - ::GetSystemMetrics(SM_CYVSCROLL), rc.right,
                 rc.bottom);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CResizableDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CResizableDlg, CDialog)
FX_ON_WM_SIZE()
FX_ON_WM_PAINT()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_DESTROY()
FX_ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

CResizableDlg::CResizableDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bSaveSize(1), m_bMinSize(1), m_bSizeGrip(1), m_cxMin(0), m_cyMin(0),
      m_cxLast(0), m_cyLast(0), m_bResized(0), m_nIDTemplate(nIDTemplate), m_rcGrip(0, 0, 0, 0), m_cxSaved(0),
      m_cySaved(0), m_bRestoring(FALSE)
{
}

void CResizableDlg::AddAnchor(UINT nID, UINT nFlags)
{
    if (LOWORD(nFlags) != 0) {
        m_arrLayout.Add(MAKELONG(LOWORD(nID), LOWORD(nFlags)));
    }
}

void CResizableDlg::GetProfileSection(CString& strSection) const
{
    strSection.Format("%x", m_nIDTemplate);
}

BOOL CResizableDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_cxMin = rcWindow.Width();
    m_cyMin = rcWindow.Height();
    // The layout moves controls by the change from here; the window may get its first size
    // message only when it is shown or restored.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_cxLast = rcClient.Width();
    m_cyLast = rcClient.Height();

    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr) {
        CString strSection;
        GetProfileSection(strSection);
        m_cxSaved = static_cast<int>(pApp->GetProfileInt(strSection, "CX", 0));
        m_cySaved = static_cast<int>(pApp->GetProfileInt(strSection, "CY", 0));
        if (m_cxSaved > 0 && m_cySaved > 0) {
            PostMessage(RestoreSizeMessage());
        }
    }
    return TRUE;
}

void CResizableDlg::ApplySavedSize()
{
    if (m_cxSaved <= 0 || m_cySaved <= 0) {
        return;
    }
    // A stored size below the minimum (a smaller template since) is raised to it.
    const int cx = m_bMinSize && m_cxSaved < m_cxMin ? m_cxMin : m_cxSaved;
    const int cy = m_bMinSize && m_cySaved < m_cyMin ? m_cyMin : m_cySaved;
    m_cxSaved = 0;
    m_cySaved = 0;
    // Restoring is not the user's resize: closing right after it keeps the stored size as it is.
    m_bRestoring = TRUE;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bRestoring = FALSE;
}

LRESULT CResizableDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RestoreSizeMessage()) {
        ApplySavedSize();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CResizableDlg::OnGetMinMaxInfo(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    if (m_cxMin > 0 && m_bMinSize) {
        pInfo->ptMinTrackSize.x = m_cxMin;
        pInfo->ptMinTrackSize.y = m_cyMin;
    }
    return 0;
}

void CResizableDlg::MoveAnchored(int dx, int dy)
{
    for (INT_PTR i = 0; i < m_arrLayout.GetSize(); ++i) {
        const DWORD dwEntry = m_arrLayout[i];
        const UINT nFlags = HIWORD(dwEntry);
        CWnd* pCtrl = GetDlgItem(LOWORD(dwEntry));
        if (pCtrl == nullptr || nFlags == 0) {
            continue;
        }
        CRect rc;
        pCtrl->GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        if (nFlags & stretchRight) {
            rc.right += dx;
        } else if (nFlags & anchorRight) {
            rc.OffsetRect(dx, 0);
        }
        if (nFlags & stretchBottom) {
            rc.bottom += dy;
        } else if (nFlags & anchorBottom) {
            rc.OffsetRect(0, dy);
        }
        pCtrl->MoveWindow(&rc, FALSE);
    }
}

void CResizableDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED) {
        return;
    }
    const int dx = cx - m_cxLast;
    const int dy = cy - m_cyLast;
    if (m_cxLast != 0 || m_cyLast != 0) {
        // A size message that changes nothing (the first showing) is no resize.
        if ((dx != 0 || dy != 0) && !m_bRestoring) {
            m_bResized = 1;
        }
        MoveAnchored(dx, dy);
    }
    m_cxLast = cx;
    m_cyLast = cy;
    if (m_bSizeGrip) {
        InvalidateRect(&m_rcGrip);
    }
    Invalidate();
}

void CResizableDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_bSizeGrip) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcGrip = CornerRect(rcClient);
    CPen pens[4];
    pens[0].CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DFACE));
    pens[1].CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    pens[2].CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    pens[3].CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    for (int i = 0; i < 12; ++i) {
        CFxSelectGuard guard(&dc, &pens[i % 4]);
        dc.MoveTo(m_rcGrip.right - 1 - i, m_rcGrip.bottom);
        dc.LineTo(m_rcGrip.right, m_rcGrip.bottom - 1 - i);
    }
}

LRESULT CResizableDlg::OnNcHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    const LRESULT lHit = Default();
    if (lHit != HTCLIENT || !m_bSizeGrip) {
        return lHit;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return CornerRect(rcWindow).PtInRect(pt) ? HTBOTTOMRIGHT : lHit;
}

void FillFaceAroundControls(HWND hDlg, CDC* pDC, CRgn& rgn)
{
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild)) {
            continue;
        }
        CRect rc;
        ::GetClientRect(hChild, &rc);
        ::MapWindowPoints(hChild, hDlg, reinterpret_cast<LPPOINT>(&rc), 2);
        CRgn rgnChild;
        if (rgnChild.CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom)) {
            rgn.CombineRgn(&rgn, &rgnChild, RGN_DIFF);
        }
    }
    CBrush brush;
    brush.CreateSolidBrush(::GetSysColor(COLOR_3DFACE));
    pDC->FillRgn(&rgn, &brush);
}

BOOL CResizableDlg::OnEraseBkgnd(CDC* pDC)
{
    // The face colour goes only where no visible control is, so the controls do not flicker.
    CRect rcClient;
    GetClientRect(&rcClient);
    CRgn rgn;
    if (!rgn.CreateRectRgn(rcClient.left, rcClient.top, rcClient.right, rcClient.bottom)) {
        return CDialog::OnEraseBkgnd(pDC);
    }
    FillFaceAroundControls(m_hWnd, pDC, rgn);
    return TRUE;
}

void CResizableDlg::OnDestroy()
{
    CWinApp* pApp = FxGetApp();
    if (m_bSaveSize && m_bResized && m_cxLast != 0 && pApp != nullptr) {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        CString strSection;
        GetProfileSection(strSection);
        pApp->WriteProfileInt(strSection, "CX", rcWindow.Width());
        pApp->WriteProfileInt(strSection, "CY", rcWindow.Height());
    }
    m_cxLast = 0;
    m_cyLast = 0;
    m_bResized = 0;
    CDialog::OnDestroy();
}
