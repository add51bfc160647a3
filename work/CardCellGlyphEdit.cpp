#include "work/CardCellGlyphEdit.h"

#include "core/CappCell.h"
#include "symedit/res/resource.h"

namespace
{
// The sub-menu that holds the notation commands: found by its content, not its position.
void RemoveNotationMenu(HMENU hPopup)
{
    const int nCount = ::GetMenuItemCount(hPopup);
    for (int i = nCount - 1; i >= 0; --i) {
        HMENU hSub = ::GetSubMenu(hPopup, i);
        if (hSub != nullptr && ::GetMenuState(hSub, ID_EDIT_TOLERANCE, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            ::DeleteMenu(hPopup, static_cast<UINT>(i), MF_BYPOSITION);
        }
    }
}
} // namespace

BOOL CCardCellGlyphEdit::CanShowNotation(const CCappCell* pCell)
{
    return pCell != nullptr && pCell->m_lfFont.lfEscapement == 0 &&
           ((pCell->m_nDisplay & 0x8) != 0 || (pCell->m_nEditFlags & 0x10) != 0);
}

void CCardCellGlyphEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Insert opens the tolerance dialog and F3 the symbol palette.
    if (!m_bNotation && (nChar == VK_INSERT || nChar == VK_F3)) {
        return;
    }
    CGlyphworkEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CCardCellGlyphEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The context menu is loaded afresh for every click: the notation sub-menu goes when the
    // menu opens (the sub-menus' own openings find nothing to remove).
    if (message == WM_INITMENUPOPUP && !m_bNotation && HIWORD(lParam) == 0) {
        RemoveNotationMenu(reinterpret_cast<HMENU>(wParam));
    }
    return CGlyphworkEdit::WindowProc(message, wParam, lParam);
}
