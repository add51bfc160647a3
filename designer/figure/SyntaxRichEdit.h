// A rich edit that colours figure commands as they are typed: two keyword lists, numbers, quoted
// strings and comments each have a style, and a keyword typed in another case takes the list's
// spelling.
#pragma once

#include "common/KvColourEdit.h"

class CSyntaxRichEdit : public CKvColourEdit
{
    FX_DECLARE_DYNAMIC(CSyntaxRichEdit)

public:
    CSyntaxRichEdit();

    // After subclassing: tab stops, the default character format (protected, so every edit is
    // announced first), the notifications and the default styles.
    void Initialize();

    void AddKeyword1(LPCSTR pszWord) { AddWord(0, pszWord); }
    void AddKeyword2(LPCSTR pszWord) { AddWord(1, pszWord); }
    // Position of " word " in the list, -1 when it is not there.
    int FindKeyword1(LPCSTR pszWord) const { return FindWord(0, pszWord); }
    int FindKeyword2(LPCSTR pszWord) const { return FindWord(1, pszWord); }

    void SetCommentChars(char chFirst, char chSecond = 0);
    void SetCommentKeyword(LPCSTR pszWord) { m_strCommentKeyword = pszWord; }
    void SetStringDelimiters(LPCSTR pszDelimiters) { m_strDelimiters = pszDelimiters; }
    void SetCommentStyle(COLORREF cr, BOOL bBold, BOOL bItalic) { m_styleComment = {cr, bBold, bItalic}; }
    void SetNumberStyle(COLORREF cr, BOOL bBold, BOOL bItalic) { m_styleNumber = {cr, bBold, bItalic}; }
    void SetStringStyle(COLORREF cr, BOOL bBold, BOOL bItalic) { m_styleString = {cr, bBold, bItalic}; }
    void SetKeyword1Style(COLORREF cr, BOOL bBold, BOOL bItalic) { m_styleWords[0] = {cr, bBold, bItalic}; }
    void SetKeyword2Style(COLORREF cr, BOOL bBold, BOOL bItalic) { m_styleWords[1] = {cr, bBold, bItalic}; }
};
