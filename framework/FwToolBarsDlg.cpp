#include "framework/FwToolBarsDlg.h"

#include "framework/FwToolBarManager.h"

FwToolBarsDlg::FwToolBarsDlg(FwToolBarManager* pManager, CWnd* pParent)
    : CDialog(FW_IDD_TOOLBARS, pParent), FwToolBarsBase(pManager)
{
}

BOOL FwToolBarsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitBase(this);
    return TRUE;
}

void FwToolBarsDlg::OnNew()
{
    if (m_pManager == nullptr) {
        return;
    }
    // The New Toolbar dialog runs outside the customise phase.
    m_pManager->EndCustomize();
    FwCustomToolBar* pBar = CreateNamedBar();
    m_pManager->BeginCustomize();
    if (pBar == nullptr) {
        return;
    }
    Finish(TRUE);
    EndDialog(FW_IDC_TB_CUSTOMIZE);
}

void FwToolBarsDlg::OnOK()
{
    RenameSelected();
    Finish(TRUE);
    EndDialog(IDOK);
}

void FwToolBarsDlg::OnCancel()
{
    Finish(FALSE);
    EndDialog(IDCANCEL);
}

BOOL FwToolBarsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (nID == FW_IDC_TB_NEW) {
        OnNew();
        return TRUE;
    }
    if (nID == FW_IDC_TB_CUSTOMIZE) {
        RenameSelected();
        Finish(TRUE);
        EndDialog(FW_IDC_TB_CUSTOMIZE);
        return TRUE;
    }
    return HandleCommand(nID, HIWORD(wParam)) || CDialog::OnCommand(wParam, lParam);
}

LRESULT FwToolBarsDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == FwToolBarManager::GetBarNotifyMessage()) {
        OnBarNotify(static_cast<UINT>(wParam), lParam);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
