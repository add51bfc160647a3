#include "work/CappInDataDlg.h"

#include <cstdlib>

#include "platform/base/ResMgr.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"
#include "work/CappBaseFun.h"
#include "work/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CCappInDataDlg, CDialog)

CCappInDataDlg::CCappInDataDlg(CWnd* pParent)
    : CDialog(IDD_CAPPINDATA, pParent), m_strCaption("输入对话框"), m_nIconID(0), m_bEmptyAllowed(TRUE), m_fMinimum(0),
      m_strForbiddenMsg("当前数据不能使用！"), m_nDataType(1), m_strPrompt("请输入字符串:")
{
}

void CCappInDataDlg::SetData(CString strCaption, CString strPrompt, CString strValue, int nDataType, int bEmptyAllowed,
                             float fMinimum)
{
    m_strCaption = strCaption;
    m_strPrompt = strPrompt;
    m_strValue = strValue;
    m_nDataType = nDataType;
    m_bEmptyAllowed = bEmptyAllowed;
    m_fMinimum = fMinimum;
}

void CCappInDataDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CAPPINDATA_EDIT, m_edit);
    DDX_Control(pDX, IDC_CAPPINDATA_ICON, m_iconStatic);
    DDX_Text(pDX, IDC_CAPPINDATA_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_CAPPINDATA_EDIT, m_strValue);
}

BOOL CCappInDataDlg::OnInitDialog()
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

CString CCappInDataDlg::LoadMessage(UINT nID)
{
    // From this library itself: other modules of the chain hold string blocks of the same number.
    CString strText;
    strText.LoadString(FX_MODULE_INSTANCE(), nID);
    return strText;
}

void CCappInDataDlg::RefuseValue(const CString& strText)
{
    FxMessageBox(m_hWnd, strText, "提示", MB_OK | MB_ICONEXCLAMATION);
    m_edit.SetFocus();
    m_edit.SendMessage(EM_SETSEL, 0, -1);
    m_edit.SendMessage(EM_SCROLLCARET);
}

void CCappInDataDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    m_strValue.TrimRight();
    if (m_strValue.IsEmpty() && !m_bEmptyAllowed) {
        FxMessageBox(m_hWnd, LoadMessage(IDS_CAPPINDATA_EMPTY), "提示", MB_OK | MB_ICONINFORMATION);
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
        if (!CCappBaseFun::IsNumber(m_strValue)) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_NOTINT), static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const int nValue = atoi(m_strValue);
        CString strBack;
        strBack.Format("%d", nValue);
        if (strBack != m_strValue) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_TOOBIG), static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const int nMinimum = static_cast<int>(m_fMinimum);
        if (nValue < nMinimum) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_MININT), nMinimum);
            RefuseValue(strMsg);
            return;
        }
    } else if (m_nDataType == 3) {
        if (!CCappBaseFun::IsFloat(m_strValue)) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_NOTFLOAT), static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        const double dValue = atof(m_strValue);
        CString strBack;
        strBack.Format("%f", dValue);
        if (strBack.Left(m_strValue.GetLength()) != m_strValue) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_TOOLONG), static_cast<LPCSTR>(m_strValue));
            RefuseValue(strMsg);
            return;
        }
        if (dValue < m_fMinimum) {
            strMsg.Format(LoadMessage(IDS_CAPPINDATA_MINFLOAT), static_cast<double>(m_fMinimum));
            RefuseValue(strMsg);
            return;
        }
    }
    EndDialog(IDOK);
}
