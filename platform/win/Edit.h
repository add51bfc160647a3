// A single- or multi-line edit control.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CEdit : public CWnd
{
    FX_DECLARE_DYNAMIC(CEdit)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void LimitText(int nChars = 0);
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    int GetLineCount() const;
    int LineFromChar(int nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    // Scrolls the caret into view.
    void ScrollCaret();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL Undo();
};
