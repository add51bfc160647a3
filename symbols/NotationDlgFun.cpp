#include "symbols/NotationDlgFun.h"

#include <cstring>

#include "platform/win/Button.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Dialog.h"

namespace
{
// Kinds whose readers split their content at every ";": tolerance, fraction, super/subscript,
// geometric tolerance and roughness.
const char kListLetters[] = "TFSGC";
// Kinds whose readers take a font tag out of their content; the custom symbol reads none.
const char kFontTagLetters[] = "AERTFSGC";
const char kFontTag[] = "<FT>";

// Keeps the piece that occurs first in the text, so the message names what the user meets first.
void KeepEarliest(const CString& strText, const CString& strPiece, int& nBest, CString& strBest)
{
    int nPos = strText.Find(strPiece);
    if (nPos >= 0 && (nBest < 0 || nPos < nBest)) {
        nBest = nPos;
        strBest = strPiece;
    }
}
} // namespace

CString CNotationDlgFun::FindBreaker(const CString& strText, LPCSTR pszLetters)
{
    int nBest = -1;
    CString strBest;
    for (LPCSTR p = pszLetters; *p != '\0'; ++p) {
        CString strClose;
        strClose.Format("</%c>", *p);
        KeepEarliest(strText, strClose, nBest, strBest);
        if (std::strchr(kFontTagLetters, *p) != nullptr) {
            KeepEarliest(strText, kFontTag, nBest, strBest);
        }
        if (std::strchr(kListLetters, *p) != nullptr) {
            KeepEarliest(strText, ";", nBest, strBest);
        }
    }
    return strBest;
}

BOOL CNotationDlgFun::CheckEdit(CDialog* pDlg, int nID, const CString& strText, LPCSTR pszLetters)
{
    CString strBreaker = FindBreaker(strText, pszLetters);
    if (strBreaker.IsEmpty()) {
        return TRUE;
    }
    ShowRefusal(pDlg, strBreaker);
    pDlg->GotoDlgCtrl(pDlg->GetDlgItem(nID));
    return FALSE;
}

void CNotationDlgFun::EnableOkWhileFilled(CWnd* pDlg, CButton& btnOK, int nIDEdit)
{
    if (btnOK.m_hWnd != nullptr) {
        CString strText;
        pDlg->GetDlgItemText(nIDEdit, strText);
        btnOK.EnableWindow(!strText.IsEmpty());
    }
}

void CNotationDlgFun::ShowRefusal(CWnd* pWnd, const CString& strBreaker)
{
    CString strMessage;
    strMessage.Format("输入的内容不能包含“%s”，请修改后再确定。", static_cast<LPCSTR>(strBreaker));
    pWnd->MessageBox(strMessage, "提示", MB_OK | MB_ICONINFORMATION);
}

void CNotationDlgFun::TakeComboChoice(CWnd* pDlg, CComboBox& combo, int nIDEdit, CString& strValue)
{
    int nIndex = combo.GetCurSel();
    if (nIndex == CB_ERR) {
        return;
    }
    combo.GetLBText(nIndex, strValue);
    pDlg->SetDlgItemText(nIDEdit, strValue);
}
