#include "work/CappValueDlg.h"

#include <cstdlib>

#include "platform/base/FxResMgr.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"
#include "work/CappBaseFun.h"

FX_IMPLEMENT_DYNAMIC(CCappValueDlg, CDialog)

CCappValueDlg::CCappValueDlg(UINT nIDTemplate, const Controls& controls, BOOL bTrimRight, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_strCaption("输入对话框"), m_nIconID(0), m_bEmptyAllowed(TRUE), m_fMinimum(0),
      m_strForbiddenMsg("当前数据不能使用！"), m_nDataType(1), m_strPrompt("请输入字符串:"), m_controls(controls),
      m_bTrimRight(bTrimRight)
{
}

void CCappValueDlg::SetData(CString strCaption, CString strPrompt, CString strValue, int nDataType, int bEmptyAllowed,
                            float fMinimum)
{
    m_strCaption = strCaption;
    m_strPrompt = strPrompt;
    m_strValue = strValue;
    m_nDataType = nDataType;
    m_bEmptyAllowed = bEmptyAllowed;
    m_fMinimum = fMinimum;
}

void CCappValueDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_controls.nEditID, m_edit);
    DDX_Control(pDX, m_controls.nIconID, m_iconStatic);
    DDX_Text(pDX, m_controls.nPromptID, m_strPrompt);
    DDX_Text(pDX, m_controls.nEditID, m_strValue);
}

BOOL CCappValueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strCaption);
    if (m_nIconID != 0) {
        LPCSTR pszName = MAKEINTRESOURCEA(m_nIconID);
        HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
        HICON hIcon = hInst != nullptr ? ::LoadIconA(hInst, pszName) : nullptr;
        if (hIcon != nullptr) {
            m_iconStatic.SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon));
        }
    }
    return TRUE;
}

void CCappValueDlg::RefuseEntry(const CString& strText)
{
    FxMessageBox(m_hWnd, strText, "提示", MB_OK | MB_ICONINFORMATION);
    m_edit.SetFocus();
}

void CCappValueDlg::RefuseValue(const CString& strText)
{
    FxMessageBox(m_hWnd, strText, "提示", MB_OK | MB_ICONEXCLAMATION);
    m_edit.SetFocus();
    m_edit.SendMessage(EM_SETSEL, 0, -1);
    m_edit.SendMessage(EM_SCROLLCARET);
}

void CCappValueDlg::RefuseValueAs(Message nMessage)
{
    CString strMsg;
    strMsg.Format(GetMessageText(nMessage), static_cast<LPCSTR>(m_strValue));
    RefuseValue(strMsg);
}

BOOL CCappValueDlg::CheckInteger()
{
    if (!CCappBaseFun::IsNumber(m_strValue)) {
        RefuseValueAs(msgNotInt);
        return FALSE;
    }
    const int nValue = atoi(m_strValue);
    CString strBack;
    strBack.Format("%d", nValue);
    // A value that does not read back as itself (overflow, or a leading zero) is refused.
    if (strBack != m_strValue) {
        RefuseValueAs(msgTooBig);
        return FALSE;
    }
    const int nMinimum = static_cast<int>(m_fMinimum);
    if (nValue < nMinimum) {
        CString strMsg;
        strMsg.Format(GetMessageText(msgMinInt), nMinimum);
        RefuseValue(strMsg);
        return FALSE;
    }
    return TRUE;
}

BOOL CCappValueDlg::CheckReal()
{
    if (!CCappBaseFun::IsFloat(m_strValue)) {
        RefuseValueAs(msgNotFloat);
        return FALSE;
    }
    const double dValue = atof(m_strValue);
    CString strBack;
    strBack.Format("%f", dValue);
    // "%f" keeps six decimals: more digits than that, and forms "%f" never writes (".5", "1e5"),
    // fail here.
    if (strBack.Left(m_strValue.GetLength()) != m_strValue) {
        RefuseValueAs(msgTooLong);
        return FALSE;
    }
    if (dValue < m_fMinimum) {
        CString strMsg;
        strMsg.Format(GetMessageText(msgMinFloat), static_cast<double>(m_fMinimum));
        RefuseValue(strMsg);
        return FALSE;
    }
    return TRUE;
}

void CCappValueDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (m_bTrimRight) {
        m_strValue.TrimRight();
    }
    if (m_strValue.IsEmpty() && !m_bEmptyAllowed) {
        RefuseEntry(GetMessageText(msgEmpty));
        return;
    }
    for (INT_PTR i = 0; i < m_arrForbidden.GetSize(); ++i) {
        if (m_arrForbidden[i] == m_strValue) {
            RefuseEntry(m_strForbiddenMsg);
            return;
        }
    }
    if (m_nDataType == 2 && !CheckInteger()) {
        return;
    }
    if (m_nDataType == 3 && !CheckReal()) {
        return;
    }
    EndDialog(IDOK);
}
