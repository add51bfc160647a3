#include "designer/shell/ToolBarSetDlg.h"

#include "designer/res/resource.h"
#include "platform/frame/ControlBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"

namespace
{
CFrameWnd* MainFrame()
{
    CWnd* pMain = FxGetMainWnd();
    return pMain != nullptr && pMain->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pMain) : nullptr;
}
} // namespace

const CToolBarSetDlg::BarLine CToolBarSetDlg::s_aBars[5] = {
    {ID_BAR_FILE, IDS_BAR_FILE},
    {ID_BAR_VIEW, IDS_BAR_VIEW},
    {ID_BAR_CELL, IDS_BAR_CELL},
    {ID_BAR_TABLE_LINE, IDS_BAR_TABLE_LINE},
    {ID_BAR_FREE_OBJECT, IDS_BAR_FREE_OBJECT},
};

FX_IMPLEMENT_DYNAMIC(CToolBarSetDlg, CDialog)

CToolBarSetDlg::CToolBarSetDlg(CWnd* pParentWnd) : CDialog(IDD_TOOLBAR_SET, pParentWnd)
{
}

BOOL CToolBarSetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_listBars.SubclassDlgItem(IDC_TOOLBAR_LIST, this);
    CFrameWnd* pFrame = MainFrame();
    for (const BarLine& line : s_aBars) {
        CString strTitle;
        strTitle.LoadString(line.nTitleID);
        const int nIndex = m_listBars.AddString(strTitle);
        CControlBar* pBar = pFrame != nullptr ? pFrame->GetControlBar(line.nBarID) : nullptr;
        m_listBars.SetCheck(nIndex, pBar != nullptr && pBar->IsVisible() ? 1 : 0);
    }
    return TRUE;
}

void CToolBarSetDlg::OnOK()
{
    CFrameWnd* pFrame = MainFrame();
    if (pFrame != nullptr) {
        for (int i = 0; i < 5; ++i) {
            CControlBar* pBar = pFrame->GetControlBar(s_aBars[i].nBarID);
            if (pBar != nullptr) {
                pFrame->ShowControlBar(pBar, m_listBars.GetCheck(i) == 1, TRUE);
            }
        }
    }
    CDialog::OnOK();
}
