#include "common/KvNumEdit.h"

#include <cstdlib>

FX_IMPLEMENT_DYNAMIC(CKvNumEdit, CEdit)

void CKvNumEdit::SetValue(double dValue)
{
    CString strText;
    strText.Format("%G", dValue);
    SetWindowText(strText);
}

double CKvNumEdit::GetValue() const
{
    CString strText;
    GetWindowText(strText);
    return atof(strText);
}

BOOL CKvNumEdit::IsCharAccepted(const CString& strText, int nCaret, UINT nChar)
{
    if (nChar == VK_BACK || (nChar >= '0' && nChar <= '9')) {
        return TRUE;
    }
    const BOOL bHasExponent = strText.FindOneOf("eE") >= 0;
    switch (nChar) {
    case '-':
        if (nCaret == 0) {
            return strText.GetLength() == 0 || strText[0] != '-';
        }
        return nCaret <= strText.GetLength() && (strText[nCaret - 1] == 'e' || strText[nCaret - 1] == 'E');
    case 'e':
    case 'E':
        if (nCaret == 0 || (nCaret == 1 && strText.GetLength() > 0 && strText[0] == '-')) {
            return FALSE;
        }
        return !bHasExponent;
    case '.': {
        if (strText.Find('.') >= 0) {
            return FALSE;
        }
        const int nExponent = strText.FindOneOf("eE");
        return nExponent < 0 || nExponent >= nCaret;
    }
    default:
        return FALSE;
    }
}

void CKvNumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CString strText;
    GetWindowText(strText);
    // Where the character goes: the start of the selection, which is the caret when nothing is
    // selected (the caret itself exists only while the edit has the focus).
    DWORD dwStart = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), 0);
    const int nCaret = static_cast<int>(dwStart);
    if (IsCharAccepted(strText, nCaret, nChar)) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
}
