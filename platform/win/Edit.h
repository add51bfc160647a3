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
    void LimitText(int nChars = 0);
    void Clear();
    void Copy();
    BOOL Undo();
};
