// The rich edit both script editors stand on: it colours comments, quoted strings, numbers and
// the words of up to three lists as the text changes, and can give a listed word its list's
// spelling. What counts as a word, a number or a comment is set by the editor built on it.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvRichEditWatch.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"

#include <richedit.h>

class KVCOMM_API CKvColourEdit : public CWnd
{
    FX_DECLARE_DYNAMIC(CKvColourEdit)

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
        // A paste right after a cut: text dragged to another place.
        changeCutPaste = 7,
        changeDragMove = 7,
    };

    struct CWordStyle
    {
        COLORREF cr;
        BOOL bBold;
        BOOL bItalic;
    };

    CKvColourEdit();

    // Loads the rich edit library once; its class is RICHEDIT_CLASSA.
    static BOOL LoadRichEdit();

    // Character positions of the control; nothing when nStart >= nEnd.
    void ColourRange(int nStart, int nEnd);
    // From the start of the line holding nFrom to the end of the line holding nTo.
    void ColourLines(int nFrom, int nTo);
    void ColourAll();

    int GetChangeKind() const { return m_nChangeKind; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Words are looked up in lower case; a listed word then takes its list's spelling when fixing.
    int m_bIgnoreCase;
    int m_bFixCase;

protected:
    enum { kWordLists = 3 };

    // Tab stops every fifth of an inch, the default character format (protected, so every edit
    // is announced first) in the face given, and the notifications.
    void InitializeControl(LPCSTR pszFace);

    // Colour and emphasis of [nStart, nEnd), set only where they differ.
    void ApplyStyle(int nStart, int nEnd, const CWordStyle& style);
    // Appends one word to list nList; the list keeps " word " forms.
    void AddWord(int nList, const CString& strWord);
    void ClearWords(int nList);
    // Position of " word " in the list, -1 when it is not there.
    int FindWord(int nList, const CString& strWord) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnCharMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextMsg(WPARAM wParam, LPARAM lParam);
    void OnProtected(UINT message, WPARAM wParam, const CHARRANGE& chrg);
    void OnChange();

    FX_DECLARE_MESSAGE_MAP()

protected:
    // The syntax: a comment runs from its mark (one character, or two in a row) or from the
    // comment keyword of the first list to the end of the line; a string from a delimiter to the
    // same one or the line's end; a number is a run of digits, or with m_bSignedReals a signed
    // real number as strtod reads it; a word starts with an ASCII letter or one of
    // m_strWordStart and goes on with letters and m_strWordChars.
    char m_chComment1;
    char m_chComment2;
    CString m_strCommentKeyword;
    CString m_strDelimiters;
    BOOL m_bSignedReals;
    CString m_strWordStart;
    CString m_strWordChars;

    CWordStyle m_styleComment;
    CWordStyle m_styleNumber;
    CWordStyle m_styleString;
    CWordStyle m_styleWords[kWordLists];

private:
    struct CWordList
    {
        CString strList;
        CString strLower;
    };
    // Rewrites the word at [nStart, nEnd) with the list's spelling at nAt.
    void FixCase(int nStart, int nEnd, const CString& strList, int nAt, int nLength);

    CWordList m_lists[kWordLists];
    BOOL m_bBusy;
    int m_nChangeKind;
    CHARRANGE m_chrgChanged;
    // Wine's rich edit announces no change of protected text for typing: the change a text
    // message makes is recorded here and announced at the change notification when the control
    // did not announce it itself.
    CKvRichEditWatch m_watch;
};
