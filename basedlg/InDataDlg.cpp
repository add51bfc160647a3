#include "basedlg/InDataDlg.h"

#include <cstdio>
#include <cstdlib>

#include "basedlg/VornBaseFun.h"
#include "basedlg/res/resource.h"
#include "platform/base/ResMgr.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNAMIC(CInDataDlg, CDialog)

CInDataDlg::CInDataDlg(CWnd* pParent)
    : CDialog(IDD_INDATA, pParent), m_strCaption("输入对话框"), m_nIconID(0), m_bEmptyAllowed(TRUE), m_fMinimum(0),
      m_strForbiddenMsg("当前数据不能使用！"), m_nDataType(1), m_strPrompt("请输入字符串:")
{
}

void CInDataDlg::SetData(CString strCaption, CString strPrompt, CString strValue, int nDataType, int bEmptyAllowed,
                         float fMinimum)
{
    m_strCaption = strCaption;
    m_strPrompt = strPrompt;
    m_strValue = strValue;
    m_nDataType = nDataType;
    m_bEmptyAllowed = bEmptyAllowed;
    m_fMinimum = fMinimum;
}

void CInDataDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INDATA_EDIT, m_edit);
    DDX_Control(pDX, IDC_INDATA_ICON, m_iconStatic);
    DDX_Text(pDX, IDC_INDATA_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_INDATA_EDIT, m_strValue);
}

BOOL CInDataDlg::OnInitDialog()
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

void CInDataDlg::RefuseValue(LPCSTR pszText)
{
    FxMessageBox(m_hWnd, pszText, "提示", MB_OK | MB_ICONEXCLAMATION);
    m_edit.SetFocus();
    m_edit.SendMessage(EM_SETSEL, 0, -1);
    m_edit.SendMessage(EM_SCROLLCARET);
}

void CInDataDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (m_strValue.IsEmpty() && !m_bEmptyAllowed) {
        FxMessageBox(m_hWnd, "数据不允许为空！", "提示", MB_OK | MB_ICONINFORMATION);
        m_edit.SetFocus();
        return;
    }
    for (INT_PTR i = 0; i < m_arrForbidden.GetSize(); ++i) {
        if (m_arrForbidden[i] == m_strValue) {
            FxMessageBox(m_hWnd, m_strForbiddenMsg, "提示", MB_OK | MB_ICONINFORMATION);
            m_edit.SetFocus();
            return;
        }
    }
    CString strMsg;
    if (m_nDataType == 2) {
        if (!CVornBaseFun::IsNumber(m_strValue)) {
            strMsg.Format("%s 不是整数！", static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const int nValue = atoi(m_strValue);
        CString strBack;
        strBack.Format("%d", nValue);
        // A value that does not read back as itself (overflow, or a leading zero) is refused.
        if (strBack != m_strValue) {
            strMsg.Format("值 %s 太大！", static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const int nMinimum = static_cast<int>(m_fMinimum);
        if (nValue < nMinimum) {
            strMsg.Format("值不能小于 %d ！", nMinimum);
            RefuseValue(strMsg);
            return;
        }
    } else if (m_nDataType == 3) {
        if (!CVornBaseFun::IsFloat(m_strValue)) {
            strMsg.Format("%s 不是浮点数！", static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const double dValue = atof(m_strValue);
        CString strBack;
        strBack.Format("%f", dValue);
        // "%f" keeps six decimals: more digits than that, and forms "%f" never writes (".5",
        // "1e5"), fail here.
        if (strBack.Left(m_strValue.GetLength()) != m_strValue) {
            strMsg.Format("值 %s 长度太长！", static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        if (dValue < m_fMinimum) {
            strMsg.Format("值不能小于 %f ！", static_cast<double>(m_fMinimum));
            RefuseValue(strMsg);
            return;
        }
    }
    EndDialog(IDOK);
}
