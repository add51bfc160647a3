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

SpecialCharDlg::SpecialCharDlg(CWnd* pParent) : CDialog(IDD_SPECIALCHAR, pParent), m_nCode(0), m_x(0), m_y(0)
{
}

void SpecialCharDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIAL_NONE, m_btn1006);
    DDX_Control(pDX, IDC_SPECIAL_CODE6, m_btn1005);
    DDX_Control(pDX, IDC_SPECIAL_CODE5, m_btn1004);
    DDX_Control(pDX, IDC_SPECIAL_CODE4, m_btn1003);
    DDX_Control(pDX, IDC_SPECIAL_CODE3, m_btn1002);
    DDX_Control(pDX, IDC_SPECIAL_CODE2, m_btn1001);
    DDX_Control(pDX, IDC_SPECIAL_CODE1, m_btn1000);
}

BOOL SpecialCharDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    MoveWindow(m_x, m_y, rcWindow.Width(), rcWindow.Height());
    Invalidate();
    m_btn1000.SetBitmap(IDB_SPECIAL_MINUS);
    m_btn1001.SetBitmap(IDB_SPECIAL_PLUS);
    m_btn1002.SetBitmap(IDB_SPECIAL_TRIANGLE);
    m_btn1003.SetBitmap(IDB_SPECIAL_M);
    m_btn1004.SetBitmap(IDB_SPECIAL_P);
    m_btn1005.SetBitmap(IDB_SPECIAL_E);
    m_btn1006.SetBitmap(IDB_SPECIAL_NONE);
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
