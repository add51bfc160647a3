// Split and merge of the selected area of the sheet view.
#include "designer/sheet/CappSheetDefView.h"

#include "core/CappLine.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/cells/SplitCellDlg.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/win/CmdUI.h"
#include "platform/win/MsgBox.h"

void CCappSheetDefView::OnUpdateCellSplit(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!CSheetDefRangeFun::IsEmpty(m_rangeSel));
}

void CCappSheetDefView::OnCellSplit()
{
    CCappRange range = CSheetDefRangeFun::Union(m_rangeSel, m_rangeTrack);
    if (m_pSheet->m_rcFrame.IsRectEmpty() || CSheetDefRangeFun::IsEmpty(range)) {
        return;
    }
    if (!m_pSheet->IsCloseLoop(range)) {
        CString strText;
        strText.LoadString(IDS_SPLIT_NOT_CLOSED);
        FxMessageBox(m_hWnd, strText, FxGetApp()->m_strAppName, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (range.m_nKind != 1) {
        return;
    }
    const int nTopID = range.m_pTopLine->m_nID;
    const int nLeftID = range.m_pLeftLine->m_nID;
    const int nRightID = range.m_pRightLine->m_nID;
    const int nBottomID = range.m_pBottomLine->m_nID;
    const CRect rcSpace = range.GetRectSpace();
    CSplitCellDlg dlg(this);
    dlg.m_nLeft = rcSpace.left;
    dlg.m_nTop = rcSpace.top;
    dlg.m_nRight = rcSpace.right;
    dlg.m_nBottom = rcSpace.bottom;
    if (dlg.DoModal() != IDOK) {
        return;
    }

    // One group: a single undo takes the whole split back. Lengths past the area add nothing, and
    // zero lengths (more equal parts than units) would lay a line over the side.
    m_pSheet->m_DefUndo.SetTransAction(1);
    int nAdded = 0;
    int nSum = 0;
    for (INT_PTR i = 0; i < dlg.m_arrColWidths.GetSize() && rcSpace.left + nSum < rcSpace.right; ++i) {
        nSum += static_cast<int>(dlg.m_arrColWidths.GetAt(i));
        if (nSum > 0 && rcSpace.left + nSum < rcSpace.right) {
            nAdded += m_pSheet->AddCellLineBySpace(CCappLine::typeVCell, -1, rcSpace.left + nSum, nTopID, nBottomID,
                                                   1) != nullptr;
        }
    }
    nSum = 0;
    for (INT_PTR i = 0; i < dlg.m_arrRowHeights.GetSize() && rcSpace.top + nSum < rcSpace.bottom; ++i) {
        nSum += static_cast<int>(dlg.m_arrRowHeights.GetAt(i));
        if (nSum > 0 && rcSpace.top + nSum < rcSpace.bottom) {
            nAdded += m_pSheet->AddCellLineBySpace(CCappLine::typeHCell, -1, rcSpace.top + nSum, nLeftID, nRightID,
                                                   1) != nullptr;
        }
    }
    m_pSheet->m_DefUndo.SetTransAction(0);

    dlg.m_arrColWidths.RemoveAll();
    dlg.m_arrRowHeights.RemoveAll();
    if (nAdded > 0) {
        MarkChanged();
    }
    RepaintSheetRect(range.m_rect);
    ResetSelection();
}

void CCappSheetDefView::OnCellMerge()
{
    m_aux.MergeCells();
}
