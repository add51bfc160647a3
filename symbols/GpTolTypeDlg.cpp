#include "symbols/GpTolTypeDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/GpTolDlg.h"
#include "symbols/res/resource.h"

namespace
{
// By characteristic type, 0 the "none" button.
const int kTypeButtons[CGpTolTypeDlg::nButtons] = {
    IDC_GPTOLTYPE_NONE, IDC_GPTOLTYPE_1,  IDC_GPTOLTYPE_2,  IDC_GPTOLTYPE_3,  IDC_GPTOLTYPE_4,
    IDC_GPTOLTYPE_5,    IDC_GPTOLTYPE_6,  IDC_GPTOLTYPE_7,  IDC_GPTOLTYPE_8,  IDC_GPTOLTYPE_9,
    IDC_GPTOLTYPE_10,   IDC_GPTOLTYPE_11, IDC_GPTOLTYPE_12, IDC_GPTOLTYPE_13, IDC_GPTOLTYPE_14,
};
} // namespace

// The ids of the buttons form three runs.
FX_BEGIN_MESSAGE_MAP(CGpTolTypeDlg, CDialog)
FX_ON_COMMAND_RANGE(IDC_GPTOLTYPE_1, IDC_GPTOLTYPE_1, OnTypeButton)
FX_ON_COMMAND_RANGE(IDC_GPTOLTYPE_7, IDC_GPTOLTYPE_NONE, OnTypeButton)
FX_ON_COMMAND_RANGE(IDC_GPTOLTYPE_2, IDC_GPTOLTYPE_6, OnTypeButton)
FX_END_MESSAGE_MAP()

CGpTolTypeDlg::CGpTolTypeDlg(CWnd* pParent) : CDialog(IDD_GPTOLTYPE, pParent), m_nType(0), m_x(0), m_y(0)
{
}

int CGpTolTypeDlg::GetTypeButtonID(int nType)
{
    return nType >= 0 && nType < nButtons ? kTypeButtons[nType] : 0;
}

void CGpTolTypeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int nType = 0; nType < nButtons; ++nType) {
        DDX_Control(pDX, kTypeButtons[nType], m_btnType[nType]);
    }
}

BOOL CGpTolTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    MoveWindow(m_x, m_y, rcWindow.Width(), rcWindow.Height());
    for (int nType = 0; nType < nButtons; ++nType) {
        m_btnType[nType].SetBitmap(CGpTolDlg::GetGpTolTypeResID(nType));
    }
    return TRUE;
}

void CGpTolTypeDlg::OnTypeButton(UINT nID)
{
    for (int nType = 0; nType < nButtons; ++nType) {
        if (static_cast<int>(nID) == kTypeButtons[nType]) {
            m_nType = nType;
            EndDialog(IDOK);
            return;
        }
    }
}
