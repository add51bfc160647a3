#include "framework/FwNewToolBarDlg.h"

FwNewToolBarDlg::FwNewToolBarDlg(CWnd* pParent) : CDialog(FW_IDD_NEWTOOLBAR, pParent)
{
}

CString FwNewToolBarDlg::CutName(const CString& strName)
{
    LPCSTR psz = strName;
    int nLength = 0;
    while (psz[nLength] != '\0') {
        const unsigned char ch = static_cast<unsigned char>(psz[nLength]);
        const int nChar = ch >= 0x81 && ch <= 0xFE && psz[nLength + 1] != '\0' ? 2 : 1;
        if (nLength + nChar > FW_BARNAME_MAX) {
            break;
        }
        nLength += nChar;
    }
    return nLength < strName.GetLength() ? strName.Left(nLength) : strName;
}

BOOL FwNewToolBarDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(FW_IDC_NEWTOOLBAR_NAME, CutName(m_strName));
    SendDlgItemMessage(FW_IDC_NEWTOOLBAR_NAME, EM_LIMITTEXT, FW_BARNAME_MAX, 0);
    OnNameChange();
    return TRUE;
}

void FwNewToolBarDlg::OnNameChange()
{
    CString strText;
    GetDlgItemText(FW_IDC_NEWTOOLBAR_NAME, strText);
    const CString strCut = CutName(strText);
    if (strCut.GetLength() != strText.GetLength()) {
        SetDlgItemText(FW_IDC_NEWTOOLBAR_NAME, strCut);
    }
    if (CWnd* pOk = GetDlgItem(IDOK)) {
        pOk->EnableWindow(!strCut.IsEmpty());
    }
}

BOOL FwNewToolBarDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == FW_IDC_NEWTOOLBAR_NAME && HIWORD(wParam) == EN_CHANGE) {
        OnNameChange();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void FwNewToolBarDlg::OnOK()
{
    CString strText;
    GetDlgItemText(FW_IDC_NEWTOOLBAR_NAME, strText);
    m_strName = CutName(strText);
    if (m_strName.IsEmpty()) {
        return;
    }
    CDialog::OnOK();
}
