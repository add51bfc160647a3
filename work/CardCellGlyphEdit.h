// The card view's in-place special edit: offers notation (the insertion sub-menu, Insert and F3)
// only on a cell that draws segment text, where the inserted notation can be shown afterwards.
#pragma once

#include "symedit/GlyphworkEdit.h"

class CCappCell;

class CCardCellGlyphEdit : public CGlyphworkEdit
{
public:
    explicit CCardCellGlyphEdit(BOOL bNotation) : m_bNotation(bNotation) {}

    // A cell draws notation only through the special edit (its display flag 0x08 or several data
    // lines, 0x10) and unrotated; elsewhere the markup would show as text.
    static BOOL CanShowNotation(const CCappCell* pCell);

    BOOL OffersNotation() const { return m_bNotation; }

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL m_bNotation;
};
