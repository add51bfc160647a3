// A rich-edit control that colours script text as it changes: keywords, constants and user
// words, numbers, quoted strings and single-line comments.
#pragma once

#include "common/KvColourEdit.h"
#include "common/KvCommLibExport.h"
#include "platform/base/String.h"

class KVCOMM_API CKvScriptEdit : public CKvColourEdit
{
    FX_DECLARE_DYNAMIC(CKvScriptEdit)

public:
    CKvScriptEdit();

    // Loads the platform's rich edit library; the window class to create the control with.
    static LPCSTR GetWindowClass();

    void Initialize();
    void SetSLComment(char chFirst, char chSecond);
    // Kept only: the comment is marked by its characters.
    void SetSLComment(const char* pszComment);
    void SetStringQuotes(const char* pszQuotes);
    // Space-separated words.
    void AddKeywords(CString strWords);
    void AddConstants(CString strWords);
    void AddUserWords(CString strWords);
    void ClearKeywords();
    void ClearConstants();
    void ClearUserWord();
    void SetKeywordColor(COLORREF cr, BOOL bBold);
    void SetConstantColor(COLORREF cr, BOOL bBold);
    void SetUserWordColor(COLORREF cr, BOOL bBold);
    void SetCommentColor(COLORREF cr, BOOL bBold);
    void SetNumberColor(COLORREF cr, BOOL bBold);
    void SetStringColor(COLORREF cr, BOOL bBold);
    // Sensitive: words are compared in lower case and a text change gives them their list's form.
    void SetSensitive(BOOL bSensitive) { m_bIgnoreCase = bSensitive; }
    void SetTextChange(BOOL bChange) { m_bFixCase = bChange; }

    void FormatAll() { ColourAll(); }
    void GetSelLine(int& nFirst, int& nLast);

protected:
    void FormatTextRange(int nLine) { FormatLines(nLine, nLine); }
    void FormatLines(int nFirst, int nLast);
    void SetFormatRange(int nStart, int nEnd, COLORREF cr, BOOL bBold);

private:
    enum { listKeywords, listConstants, listUserWords };
    void AddWords(int nList, const CString& strWords);

    CString m_strComment;
};
