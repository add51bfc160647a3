#include "symbols/InputDataDlg.h"

#include <cstring>

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

namespace
{
struct XmlEntity
{
    char ch;
    const char* pszEntity;
};
// "&" first, or the entities written after it would be escaped again.
const XmlEntity xmlEntities[] = {
    {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'\'', "&apos;"}, {'"', "&quot;"},
};

// Shows the unescaped text in the edit, or takes what was typed as it stands.
void ExchangeUnescaped(CDataExchange* pDX, int nID, CString& strEscaped)
{
    if (pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, nID, strEscaped);
        return;
    }
    CString strShown = strEscaped;
    CInputDataDlg::UnescapeXMLCode(strShown);
    DDX_Text(pDX, nID, strShown);
}
} // namespace

CInputDataDlg::CInputDataDlg(CWnd* pParent) : CDialog(IDD_INPUTDATA, pParent), m_bNameEditable(true)
{
}

void CInputDataDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeUnescaped(pDX, IDC_DATA_NAME, m_strName);
    ExchangeUnescaped(pDX, IDC_DATA_VALUE, m_strValue);
}

void CInputDataDlg::EscapeXMLCode(CString& strText)
{
    for (const XmlEntity& e : xmlEntities) {
        strText.Replace(CString(e.ch, 1), e.pszEntity);
    }
}

void CInputDataDlg::UnescapeXMLCode(CString& strText)
{
    // One pass from the left: "&amp;lt;" gives "&lt;", never "<".
    CString strResult;
    LPCSTR psz = strText;
    int i = 0;
    while (psz[i] != '\0') {
        const XmlEntity* pFound = nullptr;
        if (psz[i] == '&') {
            for (const XmlEntity& e : xmlEntities) {
                if (std::strncmp(psz + i, e.pszEntity, std::strlen(e.pszEntity)) == 0) {
                    pFound = &e;
                    break;
                }
            }
        }
        if (pFound != nullptr) {
            strResult += pFound->ch;
            i += static_cast<int>(std::strlen(pFound->pszEntity));
            continue;
        }
        int nLen = CString::CharLength(psz + i);
        strResult += CString(psz + i, nLen);
        i += nLen;
    }
    strText = strResult;
}

void CInputDataDlg::ReplaceXMLCode(CString& strText)
{
    strText.Trim();
    EscapeXMLCode(strText);
    strText.Remove('#');
}

BOOL CInputDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bNameEditable) {
        return TRUE;
    }
    // By id, not through GetDlgItem's plain wrapper: a template from another resource module may
    // lack a control.
    SendDlgItemMessage(IDC_DATA_NAME, EM_SETREADONLY, TRUE);
    GotoDlgCtrl(GetDlgItem(IDC_DATA_VALUE));
    SendDlgItemMessage(IDC_DATA_VALUE, EM_SETSEL, 0, 0);
    SendDlgItemMessage(IDC_DATA_VALUE, EM_SCROLLCARET);
    // The focus was set here, not by the dialog manager.
    return FALSE;
}

void CInputDataDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    ReplaceXMLCode(m_strName);
    ReplaceXMLCode(m_strValue);
    if (m_strName.IsEmpty()) {
        MessageBox("名称或值不能为空!（或名称只有非法符号）", "提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(IDC_DATA_NAME));
        return;
    }
    // The escaped texts, as the dialog closes; an exchange would show them unescaped.
    SetDlgItemText(IDC_DATA_NAME, m_strName);
    SetDlgItemText(IDC_DATA_VALUE, m_strValue);
    EndDialog(IDOK);
}
