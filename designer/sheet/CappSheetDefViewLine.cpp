// The sheet view's table-line commands, which arm the line tool, and the cell-size command, which
// moves the lines around the selection within the line tool's move limits.
#include <algorithm>

#include "core/CappLine.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/cells/SetCellSizeDlg.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/win/CmdUI.h"

void CCappSheetDefView::ToggleLineMode(int nMode)
{
    // The modes the tool passes through while armed count as armed: its button shows checked.
    BOOL bOn = m_nEditMode == nMode;
    if (nMode == CTableLineTool::modeMove) {
        bOn |= m_nEditMode == CTableLineTool::modeMoveVert || m_nEditMode == CTableLineTool::modeMoveHorz;
    } else if (nMode == CTableLineTool::modeDraw) {
        bOn |= m_nEditMode == CTableLineTool::modeDrawing;
    } else if (nMode == CTableLineTool::modeExtend) {
        bOn |= m_nEditMode == CTableLineTool::modeExtending;
    }
    m_lineTool.ResetState();
    m_nEditMode = bOn ? editSelect : nMode;
}

void CCappSheetDefView::OnLineDraw()
{
    ToggleLineMode(CTableLineTool::modeDraw);
}

void CCappSheetDefView::OnUpdateLineDraw(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeDraw || m_nEditMode == CTableLineTool::modeDrawing);
}

void CCappSheetDefView::OnLineDelete()
{
    ToggleLineMode(CTableLineTool::modeDelete);
    if (m_nEditMode == CTableLineTool::modeDelete) {
        ClearHighlightLine();
    }
}

void CCappSheetDefView::OnUpdateLineDelete(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeDelete);
}

void CCappSheetDefView::OnLineMove()
{
    ToggleLineMode(CTableLineTool::modeMove);
}

void CCappSheetDefView::OnUpdateLineMove(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeMoveVert || m_nEditMode == CTableLineTool::modeMoveHorz ||
                     m_nEditMode == CTableLineTool::modeMove);
}

void CCappSheetDefView::OnLineCut()
{
    ToggleLineMode(CTableLineTool::modeCut);
}

void CCappSheetDefView::OnUpdateLineCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pHighlightLine != nullptr);
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeCut);
}

void CCappSheetDefView::OnLineMerge()
{
    ToggleLineMode(CTableLineTool::modeMerge);
}

void CCappSheetDefView::OnUpdateLineMerge(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pHighlightLine != nullptr);
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeMerge);
}

void CCappSheetDefView::OnLineExtend()
{
    ToggleLineMode(CTableLineTool::modeExtend);
}

void CCappSheetDefView::OnUpdateLineExtend(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pHighlightLine != nullptr);
    pCmdUI->SetCheck(m_nEditMode == CTableLineTool::modeExtend || m_nEditMode == CTableLineTool::modeExtending);
}

void CCappSheetDefView::OnLineNavigate()
{
    m_lineTool.SetNavigate(!m_lineTool.IsNavigateOn());
}

void CCappSheetDefView::OnUpdateLineNavigate(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_lineTool.IsNavigateOn());
}

void CCappSheetDefView::OnLineProperties()
{
    m_lineTool.EditLineProperties();
}

void CCappSheetDefView::OnUpdateLineProperties(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pHighlightLine != nullptr);
}

void CCappSheetDefView::OnCellSize()
{
    const CCappRange range = CSheetDefRangeFun::Union(m_rangeSel, m_rangeTrack);
    if (m_pSheet->m_rcFrame.IsRectEmpty() || CSheetDefRangeFun::IsEmpty(range) || range.m_nKind != 1) {
        return;
    }
    CCappLine* pLeft = range.m_pLeftLine;
    CCappLine* pTop = range.m_pTopLine;
    CCappLine* pRight = range.m_pRightLine;
    CCappLine* pBottom = range.m_pBottomLine;
    if (pLeft == nullptr || pTop == nullptr || pRight == nullptr || pBottom == nullptr) {
        return;
    }
    const int nLp = pLeft->m_nPos;
    const int nTp = pTop->m_nPos;
    const int nRp = pRight->m_nPos;
    const int nBp = pBottom->m_nPos;
    const CRect& rcFrame = m_pSheet->m_rcFrame;

    CSetCellSizeDlg dlg(this);
    dlg.m_nWidth = nRp - nLp;
    dlg.m_nHeight = nBp - nTp;
    int nMin = 0;
    int nMax = 0;
    if (m_lineTool.GetMoveLimits(pRight, nMin, nMax)) {
        dlg.m_nMinWidth = std::max(1, nMin - static_cast<int>(rcFrame.left) - nLp);
        dlg.m_nMaxWidth = nMax - rcFrame.left - nLp;
    }
    if (m_lineTool.GetMoveLimits(pBottom, nMin, nMax)) {
        dlg.m_nMinHeight = std::max(1, nMin - static_cast<int>(rcFrame.top) - nTp);
        dlg.m_nMaxHeight = nMax - rcFrame.top - nTp;
    }
    dlg.m_bWidthChangeable = pRight->m_nType != CCappLine::typeVFrame;
    dlg.m_bHeightChangeable = pBottom->m_nType != CCappLine::typeHFrame;
    // The choice of edge is offered only when both edges can move.
    dlg.m_bMoveRight = pRight->m_nType == CCappLine::typeVCell;
    dlg.m_bMoveBottom = pBottom->m_nType == CCappLine::typeHCell;
    dlg.m_bMoveRightEnabled = dlg.m_bMoveRight && pLeft->m_nType == CCappLine::typeVCell;
    dlg.m_bMoveBottomEnabled = dlg.m_bMoveBottom && pTop->m_nType == CCappLine::typeHCell;
    if (dlg.DoModal() != IDOK) {
        return;
    }

    // The dialog's range is that of the right and bottom edges; the left and top edges are
    // held to their own bands, so that no line leaves the lines it stands between.
    auto fnFits = [&](const CCappLine* pLine, int nPos, int nOrigin) {
        int nLow = 0;
        int nHigh = 0;
        return m_lineTool.GetMoveLimits(pLine, nLow, nHigh) && nPos + nOrigin >= nLow && nPos + nOrigin <= nHigh;
    };
    BOOL bMoved = FALSE;
    if (dlg.m_bHeightChangeable && dlg.m_nHeight != nBp - nTp) {
        if (dlg.m_bMoveBottom && pBottom->m_nType == CCappLine::typeHCell) {
            bMoved |= m_pSheet->MoveCellLine(CCappLine::typeHCell, pBottom->m_nID, nTp + dlg.m_nHeight, 1) != 0;
        } else if (pTop->m_nType == CCappLine::typeHCell && fnFits(pTop, nBp - dlg.m_nHeight, rcFrame.top)) {
            bMoved |= m_pSheet->MoveCellLine(CCappLine::typeHCell, pTop->m_nID, nBp - dlg.m_nHeight, 1) != 0;
        }
    }
    if (dlg.m_bWidthChangeable && dlg.m_nWidth != nRp - nLp) {
        if (dlg.m_bMoveRight && pRight->m_nType == CCappLine::typeVCell) {
            bMoved |= m_pSheet->MoveCellLine(CCappLine::typeVCell, pRight->m_nID, nLp + dlg.m_nWidth, 1) != 0;
        } else if (pLeft->m_nType == CCappLine::typeVCell && fnFits(pLeft, nRp - dlg.m_nWidth, rcFrame.left)) {
            bMoved |= m_pSheet->MoveCellLine(CCappLine::typeVCell, pLeft->m_nID, nRp - dlg.m_nWidth, 1) != 0;
        }
    }
    for (CCappRange* pRange : {&m_rangeSel, &m_rangeTrack}) {
        if (!CSheetDefRangeFun::IsEmpty(*pRange) && pRange->m_nKind == 1) {
            m_pSheet->GetRectSpace(pRange->m_pTopLine->m_nID, pRange->m_pLeftLine->m_nID, pRange->m_pRightLine->m_nID,
                                   pRange->m_pBottomLine->m_nID, pRange->m_rect);
        }
    }
    if (bMoved) {
        MarkChanged();
    }
    Invalidate(FALSE);
}

void CCappSheetDefView::OnUpdateCellSize(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!CSheetDefRangeFun::IsEmpty(m_rangeSel));
}
