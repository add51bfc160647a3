#include "common/KvScriptEdit.h"

FX_IMPLEMENT_DYNAMIC(CKvScriptEdit, CKvColourEdit)

CKvScriptEdit::CKvScriptEdit()
{
    // Script words: letters, digits and "_"; a number is a run of digits, its point plain text.
    m_strWordStart = "_";
    m_strWordChars = "_0123456789";
}

LPCSTR CKvScriptEdit::GetWindowClass()
{
    return LoadRichEdit() ? RICHEDIT_CLASSA : nullptr;
}

void CKvScriptEdit::Initialize()
{
    InitializeControl("宋体");
    m_strDelimiters = "\"";
    m_styleWords[listKeywords] = {RGB(0, 0, 255), FALSE, FALSE};
    m_styleWords[listConstants] = {RGB(0, 0, 0), TRUE, FALSE};
    m_styleWords[listUserWords] = {RGB(0, 0, 0), FALSE, FALSE};
    m_styleComment = {RGB(0, 128, 0), FALSE, FALSE};
    m_styleNumber = {RGB(255, 0, 255), FALSE, FALSE};
    m_styleString = {RGB(255, 0, 255), FALSE, FALSE};
}

void CKvScriptEdit::SetSLComment(char chFirst, char chSecond)
{
    m_chComment1 = chFirst;
    m_chComment2 = chSecond;
}

void CKvScriptEdit::SetSLComment(const char* pszComment)
{
    m_strComment = pszComment != nullptr ? pszComment : "";
}

void CKvScriptEdit::SetStringQuotes(const char* pszQuotes)
{
    m_strDelimiters = pszQuotes != nullptr ? pszQuotes : "";
}

void CKvScriptEdit::AddWords(int nList, const CString& strWords)
{
    int nStart = 0;
    while (nStart < strWords.GetLength()) {
        int nEnd = strWords.Find(' ', nStart);
        if (nEnd < 0) {
            nEnd = strWords.GetLength();
        }
        if (nEnd > nStart) {
            AddWord(nList, strWords.Mid(nStart, nEnd - nStart));
        }
        nStart = nEnd + 1;
    }
}

void CKvScriptEdit::AddKeywords(CString strWords)
{
    AddWords(listKeywords, strWords);
}

void CKvScriptEdit::AddConstants(CString strWords)
{
    AddWords(listConstants, strWords);
}

void CKvScriptEdit::AddUserWords(CString strWords)
{
    AddWords(listUserWords, strWords);
}

void CKvScriptEdit::ClearKeywords()
{
    ClearWords(listKeywords);
}

void CKvScriptEdit::ClearConstants()
{
    ClearWords(listConstants);
}

void CKvScriptEdit::ClearUserWord()
{
    ClearWords(listUserWords);
}

void CKvScriptEdit::SetKeywordColor(COLORREF cr, BOOL bBold)
{
    m_styleWords[listKeywords] = {cr, bBold, FALSE};
}

void CKvScriptEdit::SetConstantColor(COLORREF cr, BOOL bBold)
{
    m_styleWords[listConstants] = {cr, bBold, FALSE};
}

void CKvScriptEdit::SetUserWordColor(COLORREF cr, BOOL bBold)
{
    m_styleWords[listUserWords] = {cr, bBold, FALSE};
}

void CKvScriptEdit::SetCommentColor(COLORREF cr, BOOL bBold)
{
    m_styleComment = {cr, bBold, FALSE};
}

void CKvScriptEdit::SetNumberColor(COLORREF cr, BOOL bBold)
{
    m_styleNumber = {cr, bBold, FALSE};
}

void CKvScriptEdit::SetStringColor(COLORREF cr, BOOL bBold)
{
    m_styleString = {cr, bBold, FALSE};
}

void CKvScriptEdit::GetSelLine(int& nFirst, int& nLast)
{
    CHARRANGE cr{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    nFirst = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, cr.cpMin));
    nLast = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, cr.cpMax));
}

void CKvScriptEdit::FormatLines(int nFirst, int nLast)
{
    const int nFrom = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nFirst)));
    const int nTo = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLast)));
    if (nFrom >= 0 && nTo >= 0) {
        ColourLines(nFrom, nTo);
    }
}

void CKvScriptEdit::SetFormatRange(int nStart, int nEnd, COLORREF cr, BOOL bBold)
{
    ApplyStyle(nStart, nEnd, {cr, bBold, FALSE});
}
