// A rich-edit control that colours script text line by line as it changes: keywords, constants
// and user words, numbers, quoted strings and single-line comments.
#pragma once

#include "common/KvRichEditWatch.h"

#include "common/KvCommLibExport.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"

#include <richedit.h>

class KVCOMM_API CKvScriptEdit : public CWnd
{
    FX_DECLARE_DYNAMIC(CKvScriptEdit)

public:
    // What the last protected-text notification announced.
    enum {
        changeNone = 0,
        changeOther = 1,
        changeChar = 2,
        changeDelete = 3,
        changeBack = 4,
        changeCut = 5,
        changePaste = 6,
        changeCutPaste = 7
    };

    CKvScriptEdit();

    // Loads the platform's rich edit library; the window class to create the control with.
    static LPCSTR GetWindowClass();

    void Initialize();
    void SetSLComment(char chFirst, char chSecond);
    void SetSLComment(const char* pszComment);
    void SetStringQuotes(const char* pszQuotes);
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
    void SetSensitive(BOOL bSensitive);
    void SetTextChange(BOOL bChange) { m_bTextChange = bChange; }
    int GetChangeKind() const { return m_nChangeKind; }

    void FormatAll();
    void GetSelLine(int& nFirst, int& nLast);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void FormatTextRange(int nLine);
    void FormatLines(int nFirst, int nLast);
    void SetFormatRange(int nStart, int nEnd, COLORREF cr, BOOL bBold);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnChange();
    LRESULT OnProtected(const ENPROTECTED* pProtected);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnCharMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextMsg(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    struct CWordFormat
    {
        COLORREF cr;
        BOOL bBold;
    };
    void AddWords(CString& strList, CString& strLookup, CString strWords);
    void RefreshLookup(const CString& strList, CString& strLookup) const;
    // The list's form of the word, empty when it is not in the list.
    CString FindWord(const CString& strList, const CString& strLookup, const CString& strWord) const;

    BOOL m_bSensitive;
    BOOL m_bTextChange;
    char m_chComment[2];
    CString m_strComment;
    CString m_strQuotes;
    CString m_strKeywords;
    CString m_strKeywordsLower;
    CString m_strConstants;
    CString m_strConstantsLower;
    CString m_strUserWords;
    CString m_strUserWordsLower;
    CWordFormat m_fmtComment;
    CWordFormat m_fmtNumber;
    CWordFormat m_fmtString;
    CWordFormat m_fmtKeyword;
    CWordFormat m_fmtConstant;
    CWordFormat m_fmtUserWord;
    BOOL m_bFormatting;
    int m_nChangeKind;
    CHARRANGE m_crChanged;
    // The text-changing message being handled and the selection it found. Wine's rich edit sends
    // no protected-change notification, so a change nobody announced is announced from this.
    CKvRichEditWatch m_watch;
};
