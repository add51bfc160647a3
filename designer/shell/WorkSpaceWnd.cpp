#include "designer/shell/WorkSpaceWnd.h"

#include "designer/shell/MainFrame.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNAMIC(CWorkSpaceWnd, FwControlBar)

FX_BEGIN_MESSAGE_MAP(CWorkSpaceWnd, FwControlBar)
FX_ON_WM_CREATE()
FX_ON_WM_SIZE()
FX_ON_NOTIFY(NM_DBLCLK, IDC_DESIGN_TREE, OnTreeDblClk)
FX_END_MESSAGE_MAP()

CWorkSpaceWnd::CWorkSpaceWnd() : m_bFilled(FALSE)
{
}

CWorkSpaceWnd::~CWorkSpaceWnd()
{
}

int CWorkSpaceWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwControlBar::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_wndTree.Create(0x50800027, CRect(0, 0, 0, 0), this, IDC_DESIGN_TREE)) {
        return -1;
    }
    const LONG_PTR exStyle = ::GetWindowLongPtrA(m_wndTree.m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongPtrA(m_wndTree.m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
    ::SetWindowPos(m_wndTree.m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_wndTree.Init();
    return 0;
}

void CWorkSpaceWnd::OnSize(UINT nType, int cx, int cy)
{
    FwControlBar::OnSize(nType, cx, cy);
    if (m_wndTree.m_hWnd != nullptr) {
        CRect rcInside;
        GetInsideRect(rcInside);
        ::SetWindowPos(m_wndTree.m_hWnd, nullptr, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CWorkSpaceWnd::FirstFill()
{
    m_bFilled = TRUE;
    m_wndTree.Fill();
}

void CWorkSpaceWnd::OnTreeDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    TVHITTESTINFO hit{};
    ::GetCursorPos(&hit.pt);
    ::ScreenToClient(m_wndTree.m_hWnd, &hit.pt);
    auto hItem = reinterpret_cast<HTREEITEM>(m_wndTree.SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hItem == nullptr) {
        return;
    }
    m_wndTree.SelectItem(hItem);
    const CString strPath = m_wndTree.GetTemplatePath(hItem);
    if (strPath.IsEmpty()) {
        return;
    }
    if (auto* pFrame = dynamic_cast<CMainFrame*>(FxGetMainWnd())) {
        pFrame->OpenTemplate(strPath);
    }
}
