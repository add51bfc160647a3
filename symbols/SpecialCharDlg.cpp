#include "symbols/SpecialCharDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(SpecialCharDlg, CDialog)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE1, OnButton1000)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE2, OnButton1001)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE3, OnButton1002)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE4, OnButton1003)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE5, OnButton1004)
FX_ON_BN_CLICKED(IDC_SPECIAL_CODE6, OnButton1005)
FX_ON_BN_CLICKED(IDC_SPECIAL_NONE, OnButton1006)
FX_END_MESSAGE_MAP()

namespace
{
// The buttons as the member list orders them, with their ids and pictures.
struct CodeButton
{
    CBmpButton SpecialCharDlg::*pBtn;
    int nID;
    int nBitmap;
};
const CodeButton kButtons[] = {
    {&SpecialCharDlg::m_btn1006, IDC_SPECIAL_NONE, IDB_SPECIAL_NONE},
    {&SpecialCharDlg::m_btn1005, IDC_SPECIAL_CODE6, IDB_SPECIAL_E},
    {&SpecialCharDlg::m_btn1004, IDC_SPECIAL_CODE5, IDB_SPECIAL_P},
    {&SpecialCharDlg::m_btn1003, IDC_SPECIAL_CODE4, IDB_SPECIAL_M},
    {&SpecialCharDlg::m_btn1002, IDC_SPECIAL_CODE3, IDB_SPECIAL_TRIANGLE},
    {&SpecialCharDlg::m_btn1001, IDC_SPECIAL_CODE2, IDB_SPECIAL_PLUS},
    {&SpecialCharDlg::m_btn1000, IDC_SPECIAL_CODE1, IDB_SPECIAL_MINUS},
};
} // namespace

SpecialCharDlg::SpecialCharDlg(CWnd* pParent) : CDialog(IDD_SPECIALCHAR, pParent), m_nCode(0), m_x(0), m_y(0)
{
}

void SpecialCharDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (const CodeButton& b : kButtons) {
        DDX_Control(pDX, b.nID, this->*b.pBtn);
    }
}

BOOL SpecialCharDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    MoveWindow(m_x, m_y, rcWindow.Width(), rcWindow.Height());
    Invalidate();
    for (const CodeButton& b : kButtons) {
        (this->*b.pBtn).SetBitmap(b.nBitmap);
    }
    return TRUE;
}

void SpecialCharDlg::EndWithCode(int nCode)
{
    m_nCode = nCode;
    EndDialog(IDOK);
}

void SpecialCharDlg::OnButton1000()
{
    EndWithCode(1);
}

void SpecialCharDlg::OnButton1001()
{
    EndWithCode(2);
}

void SpecialCharDlg::OnButton1002()
{
    EndWithCode(3);
}

void SpecialCharDlg::OnButton1003()
{
    EndWithCode(4);
}

void SpecialCharDlg::OnButton1004()
{
    EndWithCode(5);
}

void SpecialCharDlg::OnButton1005()
{
    EndWithCode(6);
}

void SpecialCharDlg::OnButton1006()
{
    EndWithCode(0);
}
