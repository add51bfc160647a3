// What the notation dialogs refuse: typed texts that would end or split the segment element their
// result is written into.
#pragma once

#include "platform/base/String.h"
#include "symbols/GlyphworkExport.h"

class CButton;
class CComboBox;
class CDialog;
class CWnd;

class GLYPHWORK_API CNotationDlgFun
{
public:
    // The first piece of strText that would break an element of any of the letters: the
    // element's closing tag, the font tag "<FT>" (its reader cuts the content there), and ";"
    // for the kinds whose content is a ";" list. Empty when the text is safe.
    static CString FindBreaker(const CString& strText, LPCSTR pszLetters);
    // FALSE, after telling the user and putting the focus on edit nID, when strText breaks an
    // element of the letters; the edit keeps what was typed.
    static BOOL CheckEdit(CDialog* pDlg, int nID, const CString& strText, LPCSTR pszLetters);
    // Enables OK only while edit nIDEdit holds text; nothing before the button is attached.
    static void EnableOkWhileFilled(CWnd* pDlg, CButton& btnOK, int nIDEdit);
    // Puts the chosen item of a value list into edit nIDEdit and strValue; nothing without a choice.
    static void TakeComboChoice(CWnd* pDlg, CComboBox& combo, int nIDEdit, CString& strValue);
    // Tells the user that the piece is refused; the box is owned by pWnd.
    static void ShowRefusal(CWnd* pWnd, const CString& strBreaker);
};
