#include "common/KvResizDlg.h"

#include <algorithm>

#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"
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

// The grip's square: as wide as a horizontal scroll bar's arrow, as high as a vertical one's.
CRect CornerRect(const CRect& rc)
{
    return CRect(rc.right - ::GetSystemMetrics(SM_CXHSCROLL), rc.bottom - ::GetSystemMetrics(SM_CYVSCROLL), rc.right,
                 rc.bottom);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvResizDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CKvResizDlg, CDialog)
FX_ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

CKvResizDlg::CKvResizDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_bSaveSize(TRUE), m_bMinSize(TRUE), m_bSizeGrip(TRUE), m_nMinWidth(0),
      m_nMinHeight(0), m_nLastWidth(0), m_nLastHeight(0), m_bResized(FALSE), m_nTemplateId(nIDTemplate),
      m_nInitWidth(0), m_nInitHeight(0), m_bRestoring(FALSE)
{
}

void CKvResizDlg::SetControlInfo(WORD nControlId, WORD nAnchors)
{
    if (nAnchors == 0) {
        return;
    }
    const DWORD dwEntry = MAKELONG(nControlId, nAnchors);
    m_arrLayout.Add(dwEntry);
    // A dialog that registers its controls after the stored size was restored.
    if (m_hWnd != nullptr && m_nInitWidth != 0) {
        MoveControl(dwEntry, m_nLastWidth - m_nInitWidth, m_nLastHeight - m_nInitHeight);
    }
}

CString CKvResizDlg::TemplateSection() const
{
    CString strSection;
    strSection.Format("%x", m_nTemplateId);
    return strSection;
}

void CKvResizDlg::GetDialogProfileEntry(CString& strSection)
{
    strSection = TemplateSection();
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
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_nLastWidth == 0) {
        m_nLastWidth = rcClient.Width();
        m_nLastHeight = rcClient.Height();
    }
    m_nInitWidth = m_nLastWidth;
    m_nInitHeight = m_nLastHeight;
    CDialog::OnInitDialog();
    CWinApp* pApp = FxGetApp();
    if (m_bSaveSize && pApp != nullptr) {
        CString strSection;
        GetDialogProfileEntry(strSection);
        int cx = static_cast<int>(pApp->GetProfileInt(strSection, "CX", 0));
        int cy = static_cast<int>(pApp->GetProfileInt(strSection, "CY", 0));
        if (cx > 0 && cy > 0) {
            // A stored size below the minimum (a smaller template since) is raised to it.
            if (m_bMinSize) {
                cx = std::max(cx, m_nMinWidth);
                cy = std::max(cy, m_nMinHeight);
            }
            m_bRestoring = TRUE;
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_bRestoring = FALSE;
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

void CKvResizDlg::MoveControl(DWORD dwEntry, int dx, int dy)
{
    const WORD nFlags = HIWORD(dwEntry);
    HWND hCtl = ::GetDlgItem(m_hWnd, LOWORD(dwEntry));
    if (hCtl == nullptr || nFlags == 0 || (dx == 0 && dy == 0)) {
        return;
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
    ::InvalidateRect(hCtl, nullptr, TRUE);
}

void CKvResizDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED) {
        return;
    }
    const int dx = cx - m_nLastWidth;
    const int dy = cy - m_nLastHeight;
    if (m_nLastWidth != 0 || m_nLastHeight != 0) {
        // A size message that changes nothing (the first showing) is no resize.
        if ((dx != 0 || dy != 0) && !m_bRestoring) {
            m_bResized = TRUE;
        }
        for (INT_PTR i = 0; i < m_arrLayout.GetSize(); ++i) {
            MoveControl(m_arrLayout[i], dx, dy);
        }
    }
    m_nLastWidth = cx;
    m_nLastHeight = cy;
    if (m_bSizeGrip) {
        InvalidateRect(&m_rectGrip);
    }
    Invalidate();
}

void CKvResizDlg::OnDestroy()
{
    CWinApp* pApp = FxGetApp();
    if (m_bSaveSize && m_bResized && m_nLastWidth != 0 && m_nLastHeight != 0 && pApp != nullptr) {
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
    m_nInitWidth = 0;
    m_nInitHeight = 0;
    m_bResized = FALSE;
    CDialog::OnDestroy();
}

void CKvResizDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_bSizeGrip) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rectGrip = CornerRect(rcClient);
    // Diagonal lines from the corner inwards: face, shadow, shadow, highlight, three times.
    CPen pens[4];
    pens[0].CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DFACE));
    pens[1].CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    pens[2].CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    pens[3].CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    for (int i = 0; i < 12; ++i) {
        CFxSelectGuard guard(&dc, &pens[i % 4]);
        dc.MoveTo(m_rectGrip.right - 1 - i, m_rectGrip.bottom);
        dc.LineTo(m_rectGrip.right, m_rectGrip.bottom - 1 - i);
    }
}

LRESULT CKvResizDlg::OnNcHitTest(WPARAM, LPARAM lParam)
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

void CKvResizDlg::FillFaceAroundControls(HWND hDlg, CDC* pDC, CRgn& rgn)
{
    // Children that paint their whole rectangle are left out, which keeps them from flickering
    // while resizing; the inside of frames and group boxes is erased here.
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild) || !PaintsItsWholeRect(hChild)) {
            continue;
        }
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<LPPOINT>(&rc), 2);
        CRgn rgnChild;
        if (rgnChild.CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom)) {
            rgn.CombineRgn(&rgn, &rgnChild, RGN_DIFF);
        }
    }
    CBrush brush(::GetSysColor(COLOR_BTNFACE));
    pDC->FillRgn(&rgn, &brush);
}

BOOL CKvResizDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRgn rgn;
    if (!rgn.CreateRectRgn(rcClient.left, rcClient.top, rcClient.right, rcClient.bottom)) {
        return CDialog::OnEraseBkgnd(pDC);
    }
    FillFaceAroundControls(m_hWnd, pDC, rgn);
    return TRUE;
}
