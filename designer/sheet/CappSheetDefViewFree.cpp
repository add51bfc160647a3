// The sheet-definition view's free-object commands: the creation kinds and the arrangement of the
// selected objects.
#include "designer/sheet/CappSheetDefView.h"

#include "designer/res/resource.h"
#include "platform/win/CmdUI.h"

namespace
{
struct FreeKind
{
    UINT nID;
    int nKind;
};
const FreeKind kFreeKinds[] = {
    {ID_SHEET_FREE_LINE, 1},
    {ID_SHEET_FREE_RECT, 2},
    {ID_SHEET_FREE_CIRCLE, 3},
    {ID_SHEET_FREE_ROUND_BOX, 5},
    {ID_SHEET_FREE_FLOAT_VAR, CFreeObjEditTool::createFloatCardVar},
    {ID_SHEET_FREE_FLOAT_KIND, CFreeObjEditTool::createFloatGraphVar},
};

int FreeKindOf(UINT nID)
{
    for (const FreeKind& kind : kFreeKinds) {
        if (kind.nID == nID) {
            return kind.nKind;
        }
    }
    return 0;
}

// Align left, right, top, bottom; space evenly across and down; same width, height, both.
const UINT kAlignFirst = ID_SHEET_FREE_ARRANGE_FIRST;
const UINT kSpaceX = ID_SHEET_FREE_ARRANGE_FIRST + 4;
const UINT kSpaceY = ID_SHEET_FREE_ARRANGE_FIRST + 5;
const UINT kSizeFirst = ID_SHEET_FREE_ARRANGE_FIRST + 6;
} // namespace

void CCappSheetDefView::OnFreeObjKind(UINT nID)
{
    const int nKind = FreeKindOf(nID);
    m_freeObjTool.SetCreateKind(m_freeObjTool.GetCreateKind() == nKind ? 0 : nKind);
}

void CCappSheetDefView::OnUpdateFreeObjKind(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bFreeObjOn);
    const BOOL bChosen = m_freeObjTool.IsCreatePending() && m_freeObjTool.GetCreateKind() == FreeKindOf(pCmdUI->m_nID);
    pCmdUI->SetCheck(bChosen ? 1 : 0);
}

void CCappSheetDefView::OnFreeObjArrange(UINT nID)
{
    if (nID == kSpaceX) {
        m_freeObjTool.SpaceEvenlyX();
    } else if (nID == kSpaceY) {
        m_freeObjTool.SpaceEvenlyY();
    } else if (nID >= kSizeFirst) {
        m_freeObjTool.SameSize(static_cast<int>(nID - kSizeFirst) + 4);
    } else {
        m_freeObjTool.Align(static_cast<int>(nID - kAlignFirst));
    }
}

void CCappSheetDefView::OnUpdateFreeObjArrange(CCmdUI* pCmdUI)
{
    const int nNeeded = pCmdUI->m_nID == kSpaceX || pCmdUI->m_nID == kSpaceY ? 3 : 2;
    pCmdUI->Enable(m_bFreeObjOn && m_freeObjTool.GetSelectedCount() >= nNeeded);
}
