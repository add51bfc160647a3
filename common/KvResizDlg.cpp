#include "common/KvResizDlg.h"

#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Rgn.h"

namespace
{
// Group boxes, frame statics and transparent windows draw only their edges and text: the parent
// must erase what lies inside them, or a resize leaves the old picture there.
BOOL PaintsItsWholeRect(HWND hChild)
{
    if ((::GetWindowLongA(hChild, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0) {
        return FALSE;
    }
    char szClass[16] = {};
    ::GetClassNameA(hChild, szClass, sizeof(szClass));
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hChild, GWL_STYLE));
    if (lstrcmpiA(szClass, "Button") == 0) {
        return (dwStyle & BS_TYPEMASK) != BS_GROUPBOX;
    }
    if (lstrcmpiA(szClass, "Static") == 0) {
        switch (dwStyle & SS_TYPEMASK) {
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME:
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT:
        case SS_ETCHEDFRAME:
            return FALSE;
        default:
            break;
        }
    }
    return TRUE;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvResizDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CKvResizDlg, CDialog)
FX_ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

CKvResizDlg::CKvResizDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_bRememberSize(TRUE), m_bMinSize(TRUE), m_bGrip(TRUE), m_nMinWidth(0),
      m_nMinHeight(0), m_nLastWidth(0), m_nLastHeight(0), m_bResized(FALSE), m_nTemplateId(nIDTemplate)
{
}

void CKvResizDlg::SetControlInfo(WORD nControlId, WORD nAnchors)
{
    if (nAnchors != 0) {
        m_arrControls.Add(MAKELONG(nControlId, nAnchors));
    }
}

void CKvResizDlg::GetDialogProfileEntry(CString& strSection)
{
    strSection.Format("%x", m_nTemplateId);
}

CSize CKvResizDlg::GripSize() const
{
    return CSize(GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYVSCROLL));
}

int CKvResizDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    int nResult = CDialog::OnCreate(lpCreateStruct);
    CRect rc;
    GetWindowRect(&rc);
    m_nMinWidth = rc.Width();
    m_nMinHeight = rc.Height();
    return nResult;
}

BOOL CKvResizDlg::OnInitDialog()
{
    // A dialog's window exists before it is bound to us: its creation size and its first
    // client size are taken here, as its creation and first size message would have given them.
    if (m_nMinWidth == 0) {
        CRect rc;
        GetWindowRect(&rc);
        m_nMinWidth = rc.Width();
        m_nMinHeight = rc.Height();
    }
    if (m_nLastWidth == 0) {
        CRect rc;
        GetClientRect(&rc);
        m_nLastWidth = rc.Width();
        m_nLastHeight = rc.Height();
    }
    CDialog::OnInitDialog();
    CWinApp* pApp = FxGetApp();
    if (m_bRememberSize && pApp != nullptr) {
        CString strSection;
        GetDialogProfileEntry(strSection);
        const int cx = static_cast<int>(pApp->GetProfileInt(strSection, "CX", 0));
        const int cy = static_cast<int>(pApp->GetProfileInt(strSection, "CY", 0));
        if (cx != 0 && cy != 0) {
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return FALSE;
}

LRESULT CKvResizDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    if (m_nMinWidth == 0) {
        return Default();
    }
    if (m_bMinSize) {
        MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        pInfo->ptMinTrackSize.x = m_nMinWidth;
        pInfo->ptMinTrackSize.y = m_nMinHeight;
    }
    return 0;
}

void CKvResizDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED) {
        return;
    }
    const int dx = cx - m_nLastWidth;
    const int dy = cy - m_nLastHeight;
    if (m_nLastWidth != 0) {
        m_bResized = TRUE;
        for (INT_PTR i = 0; i < m_arrControls.GetSize(); ++i) {
            const DWORD dwEntry = m_arrControls[i];
            const WORD nFlags = HIWORD(dwEntry);
            HWND hCtl = ::GetDlgItem(m_hWnd, LOWORD(dwEntry));
            if (hCtl == nullptr || nFlags == 0) {
                continue;
            }
            CRect rc;
            ::GetWindowRect(hCtl, &rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
            if ((nFlags & KVRD_STRETCH_WIDTH) != 0) {
                rc.right += dx;
            } else if ((nFlags & KVRD_MOVE_RIGHT) != 0) {
                rc.OffsetRect(dx, 0);
            }
            if ((nFlags & KVRD_STRETCH_HEIGHT) != 0) {
                rc.bottom += dy;
            } else if ((nFlags & KVRD_MOVE_DOWN) != 0) {
                rc.OffsetRect(0, dy);
            }
            ::MoveWindow(hCtl, rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
        }
    }
    m_nLastWidth = cx;
    m_nLastHeight = cy;
    if (m_bGrip) {
        InvalidateRect(&m_rectGrip);
    }
    Invalidate();
}

void CKvResizDlg::OnDestroy()
{
    CWinApp* pApp = FxGetApp();
    if (m_bRememberSize && m_bResized && m_nLastWidth != 0 && m_nLastHeight != 0 && pApp != nullptr) {
        CString strSection;
        GetDialogProfileEntry(strSection);
        CRect rc;
        GetWindowRect(&rc);
        pApp->WriteProfileInt(strSection, "CX", rc.Width());
        pApp->WriteProfileInt(strSection, "CY", rc.Height());
    }
    m_nMinWidth = 0;
    m_nMinHeight = 0;
    m_nLastWidth = 0;
    m_nLastHeight = 0;
    m_bResized = FALSE;
    CDialog::OnDestroy();
}

void CKvResizDlg::OnPaint()
{
    CDialog::OnPaint();
    if (!m_bGrip) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const CSize size = GripSize();
    m_rectGrip.SetRect(rcClient.right - size.cx, rcClient.bottom - size.cy, rcClient.right, rcClient.bottom);
    CClientDC dc(m_hWnd);
    dc.DrawFrameControl(&m_rectGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

LRESULT CKvResizDlg::OnNcHitTest(WPARAM, LPARAM lParam)
{
    LRESULT lHit = Default();
    if (lHit != HTCLIENT || !m_bGrip) {
        return lHit;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const CSize size = GripSize();
    CRect rcCorner(rcWindow.right - size.cx, rcWindow.bottom - size.cy, rcWindow.right, rcWindow.bottom);
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return rcCorner.PtInRect(pt) ? HTBOTTOMRIGHT : lHit;
}

BOOL CKvResizDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRgn rgn;
    if (!rgn.CreateRectRgn(rcClient.left, rcClient.top, rcClient.right, rcClient.bottom)) {
        return CDialog::OnEraseBkgnd(pDC);
    }
    // Children that paint their whole rectangle are left out, which keeps them from flickering
    // while resizing; the inside of frames and group boxes is erased here.
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild) || !PaintsItsWholeRect(hChild)) {
            continue;
        }
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        CRgn rgnChild;
        if (!rgnChild.CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom) ||
            CombineRgn(rgn, rgn, rgnChild, RGN_DIFF) == ERROR) {
            return CDialog::OnEraseBkgnd(pDC);
        }
    }
    CBrush brush(GetSysColor(COLOR_BTNFACE));
    ::FillRgn(pDC->GetSafeHdc(), rgn, brush);
    return TRUE;
}
