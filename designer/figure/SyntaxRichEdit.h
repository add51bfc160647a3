// A rich edit that colours figure commands as they are typed: two keyword lists, numbers, quoted
// strings and comments each have a style, and a keyword typed in another case takes the list's
// spelling.
#pragma once

#include "common/KvRichEditWatch.h"

#include "platform/base/String.h"
#include "platform/win/Wnd.h"

#include <richedit.h>

class CSyntaxRichEdit : public CWnd
{
    FX_DECLARE_DYNAMIC(CSyntaxRichEdit)

public:
    // What the change being made is, as recorded before it happens.
    enum {
        changeNone = 0,
        changeOther = 1,
        changeChar = 2,
        changeDelete = 3,
        changeBack = 4,
        changeCut = 5,
        changePaste = 6,
        changeDragMove = 7,
    };

    CSyntaxRichEdit();

    // Loads the rich edit library once; templates name its class "RichEdit20A".
    static BOOL LoadRichEdit();

    // After subclassing: tab stops, the default character format (protected, so every edit is
    // announced first), the notifications and the default styles.
    void Initialize();

    void AddKeyword1(LPCSTR pszWord);
    void AddKeyword2(LPCSTR pszWord);
    // Position of " word " in the list, -1 when it is not there.
    int FindKeyword1(LPCSTR pszWord) const;
    int FindKeyword2(LPCSTR pszWord) const;

    void SetCommentChars(char chFirst, char chSecond = 0);
    void SetCommentKeyword(LPCSTR pszWord);
    void SetStringDelimiters(LPCSTR pszDelimiters);
    void SetCommentStyle(COLORREF cr, BOOL bBold, BOOL bItalic);
    void SetNumberStyle(COLORREF cr, BOOL bBold, BOOL bItalic);
    void SetStringStyle(COLORREF cr, BOOL bBold, BOOL bItalic);
    void SetKeyword1Style(COLORREF cr, BOOL bBold, BOOL bItalic);
    void SetKeyword2Style(COLORREF cr, BOOL bBold, BOOL bItalic);

    // Character positions of the control; nothing when nStart >= nEnd.
    void ColourRange(int nStart, int nEnd);
    // From the start of the line holding nFrom to the end of the line holding nTo.
    void ColourLines(int nFrom, int nTo);
    void ColourAll();

    int GetChangeKind() const { return m_nChangeKind; }

    int m_bIgnoreCase;
    int m_bFixCase;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnCharMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextMsg(WPARAM wParam, LPARAM lParam);
    void OnProtected(UINT message, WPARAM wParam, const CHARRANGE& chrg);
    void OnChange();

    FX_DECLARE_MESSAGE_MAP()

private:
    struct CWordStyle
    {
        COLORREF cr;
        BOOL bBold;
        BOOL bItalic;
    };
    void AddWord(CString& strList, CString& strLower, LPCSTR pszWord);
    int FindWord(const CString& strList, const CString& strLower, LPCSTR pszWord) const;
    void ApplyStyle(int nStart, int nEnd, const CWordStyle& style);
    // Rewrites the word at [nStart, nEnd) with the list's spelling at nAt.
    void FixCase(int nStart, int nEnd, const CString& strList, int nAt, int nLength);

    char m_chComment1;
    char m_chComment2;
    CString m_strCommentKeyword;
    CString m_strDelimiters;
    CString m_strKeywords1;
    CString m_strKeywords1Lower;
    CString m_strKeywords2;
    CString m_strKeywords2Lower;
    CWordStyle m_styleComment;
    CWordStyle m_styleNumber;
    CWordStyle m_styleString;
    CWordStyle m_styleKeyword1;
    CWordStyle m_styleKeyword2;
    int m_bBusy;
    int m_nChangeKind;
    CHARRANGE m_chrgChanged;

    // Wine's rich edit announces no change of protected text for typing: the change a text
    // message makes is recorded here and announced at the change notification when the control
    // did not announce it itself.
    CKvRichEditWatch m_watch;
};
