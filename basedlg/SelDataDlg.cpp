#include "basedlg/SelDataDlg.h"

#include "basedlg/res/resource.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNAMIC(CSelDataDlg, CDialog)

CSelDataDlg::CSelDataDlg(CWnd* pParent)
    : CDialog(IDD_SELDATA, pParent), m_nSpare(0), m_bEmptyAllowed(FALSE), m_bEditable(FALSE), m_pCombo(nullptr)
{
}

BOOL CSelDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    SetDlgItemText(IDC_SELDATA_PROMPT, m_strPrompt);
    CWnd* pOther = GetDlgItem(m_bEditable ? IDC_SELDATA_LIST : IDC_SELDATA_EDIT);
    m_pCombo = GetDlgItem(m_bEditable ? IDC_SELDATA_EDIT : IDC_SELDATA_LIST);
    if (m_pCombo == nullptr || pOther == nullptr) {
        return TRUE;
    }
    pOther->ShowWindow(SW_HIDE);
    m_pCombo->ShowWindow(SW_SHOW);
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        m_pCombo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_arrItems[i])));
    }
    if (!m_strSelItem.IsEmpty()) {
        LRESULT nIndex = m_pCombo->SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_strSelItem)));
        m_pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nIndex));
    }
    if (!m_strValue.IsEmpty()) {
        if (m_bEditable) {
            m_pCombo->SetWindowText(m_strValue);
        } else {
            // A value not in the list leaves no selection (CB_ERR clears it).
            LRESULT nIndex = m_pCombo->SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_strValue)));
            m_pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nIndex));
        }
    }
    return TRUE;
}

void CSelDataDlg::OnOK()
{
    if (m_pCombo != nullptr) {
        m_pCombo->GetWindowText(m_strValue);
    }
    if (m_strValue.IsEmpty() && !m_bEmptyAllowed) {
        return;
    }
    for (INT_PTR i = 0; i < m_arrForbidden.GetSize(); ++i) {
        if (m_arrForbidden[i] == m_strValue) {
            FxMessageBox(m_hWnd, m_strForbiddenMsg, nullptr, MB_OK);
            return;
        }
    }
    EndDialog(IDOK);
}
