#include "symbols/DlgFrameStr.h"

#include "platform/win/DataExchange.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/SymbolDlg.h"
#include "symbols/res/resource.h"

namespace
{
// The caller writes the text as a framed text or as a circled character; both must read back.
const char kLetters[] = "RE";
} // namespace

FX_BEGIN_MESSAGE_MAP(CDlgFrameStr, CDialog)
FX_ON_EN_CHANGE(IDC_FRAMESTR_TEXT, OnChangeText)
FX_ON_BN_CLICKED(IDC_FRAMESTR_PALETTE, OnPalette)
FX_END_MESSAGE_MAP()

CDlgFrameStr::CDlgFrameStr(CWnd* pParent) : CDialog(IDD_FRAMESTR, pParent), m_strTitle("加框字符串")
{
}

void CDlgFrameStr::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_FRAMESTR_TEXT, m_strText);
}

BOOL CDlgFrameStr::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    OnChangeText();
    return TRUE;
}

void CDlgFrameStr::OnChangeText()
{
    CNotationDlgFun::EnableOkWhileFilled(this, m_btnOK, IDC_FRAMESTR_TEXT);
}

void CDlgFrameStr::OnPalette()
{
    CSymbolDlg dlg(this);
    dlg.SetSymbolDataFile(m_strSymbolDataFile);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    CString strText;
    GetDlgItemText(IDC_FRAMESTR_TEXT, strText);
    SetDlgItemText(IDC_FRAMESTR_TEXT, strText + dlg.m_strSymbol);
}

void CDlgFrameStr::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    // Also when IDOK comes without the button, which stays disabled for an empty text.
    if (m_strText.IsEmpty() || !CNotationDlgFun::CheckEdit(this, IDC_FRAMESTR_TEXT, m_strText, kLetters)) {
        return;
    }
    EndDialog(IDOK);
}
