#include "designer/cells/MoveCellDlg.h"

#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"

namespace
{
const char kSection[] = "ini";
const char kEntry[] = "DropCell";
} // namespace

FX_IMPLEMENT_DYNAMIC(CMoveCellDlg, CDialog)

CMoveCellDlg::CMoveCellDlg(CWnd* pParentWnd) : CDialog(IDD_MOVE_CELL, pParentWnd), m_nMoveType(moveOverwrite)
{
}

BOOL CMoveCellDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWinApp* pApp = FxGetApp();
    const int nStored = pApp != nullptr ? static_cast<int>(pApp->GetProfileInt(kSection, kEntry, 0)) : 0;
    // Any other stored value leaves the choice to the user.
    if (nStored == moveOverwrite) {
        ::CheckDlgButton(m_hWnd, IDC_MOVE_OVERWRITE, BST_CHECKED);
    } else if (nStored == moveSwap) {
        ::CheckDlgButton(m_hWnd, IDC_MOVE_SWAP, BST_CHECKED);
    }
    return TRUE;
}

void CMoveCellDlg::OnOK()
{
    if (IsDlgButtonChecked(IDC_MOVE_OVERWRITE)) {
        m_nMoveType = moveOverwrite;
    } else if (IsDlgButtonChecked(IDC_MOVE_SWAP)) {
        m_nMoveType = moveSwap;
    } else {
        return;
    }
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr) {
        pApp->WriteProfileInt(kSection, kEntry, m_nMoveType);
    }
    CDialog::OnOK();
}
