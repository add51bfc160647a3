// The sheet-definition view's command table: zoom, undo and redo of line edits, the free-object
// switch, cell copy, paste and drop, table cleaning.
#include "designer/sheet/CappSheetDefView.h"

#include <cmath>

#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappMidData.h"
#include "designer/cells/MoveCellDlg.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/frame/FrameIds.h"
#include "platform/ole/OleDataSource.h"
#include "platform/win/CmdUI.h"
#include "platform/win/MsgBox.h"

namespace
{
struct FixedZoom
{
    UINT nID;
    int nPercent;
};
const FixedZoom kFixedZooms[] = {
    {ID_SHEET_ZOOM_10, 10},   {ID_SHEET_ZOOM_50, 50},   {ID_SHEET_ZOOM_75, 75},
    {ID_SHEET_ZOOM_100, 100}, {ID_SHEET_ZOOM_200, 200}, {ID_SHEET_ZOOM_400, 400},
};
} // namespace

FX_BEGIN_MESSAGE_MAP(CCappSheetDefView, CKvZoomView)
FX_ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
FX_ON_COMMAND(ID_SHEET_ZOOM_IN, OnZoomIn)
FX_ON_COMMAND(ID_SHEET_ZOOM_OUT, OnZoomOut)
FX_ON_COMMAND(ID_SHEET_ZOOM_RECT, OnZoomRect)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_ZOOM_RECT, OnUpdateZoomRect)
FX_ON_COMMAND(ID_SHEET_ZOOM_MOVE, OnZoomMove)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_ZOOM_MOVE, OnUpdateZoomMove)
FX_ON_COMMAND(ID_SHEET_ZOOM_ALL, OnZoomAll)
FX_ON_COMMAND_RANGE(ID_SHEET_ZOOM_10, ID_SHEET_ZOOM_400, OnZoomFixed)
FX_ON_COMMAND(ID_SHEET_UNDO, OnUndo)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_UNDO, OnUpdateUndo)
FX_ON_COMMAND(ID_SHEET_REDO, OnRedo)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_REDO, OnUpdateRedo)
FX_ON_COMMAND(ID_SHEET_FREE_SWITCH, OnFreeObjSwitch)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_FREE_SWITCH, OnUpdateFreeObjSwitch)
FX_ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
FX_ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
FX_ON_COMMAND(ID_SHEET_CLEAN_TABLE, OnCleanTable)
// Detail-area and cell-control commands.
FX_ON_COMMAND(ID_SHEET_MD_NEW, OnMdNew)
FX_ON_COMMAND(ID_SHEET_MD_MERGE, OnMdMerge)
FX_ON_COMMAND(ID_SHEET_MD_CONTINUE, OnMdContinue)
FX_ON_COMMAND(ID_SHEET_MD_DELETE, OnMdDelete)
FX_ON_COMMAND(ID_SHEET_MD_ATTRIBUTES, OnMdAttributes)
FX_ON_COMMAND(ID_SHEET_MD_FIELD_INDEX, OnMdFieldIndex)
FX_ON_COMMAND(ID_SHEET_ADVANCED, OnMdSettings)
FX_ON_COMMAND(ID_SHEET_CELL_CONTROL, OnCellControl)
// End of the detail-area and cell-control commands.
// Free-object kinds and arrangement.
FX_ON_COMMAND_RANGE(ID_SHEET_FREE_LINE, ID_SHEET_FREE_CIRCLE, OnFreeObjKind)
FX_ON_COMMAND_RANGE(ID_SHEET_FREE_ROUND_BOX, ID_SHEET_FREE_ROUND_BOX, OnFreeObjKind)
FX_ON_COMMAND_RANGE(ID_SHEET_FREE_FLOAT_VAR, ID_SHEET_FREE_FLOAT_VAR, OnFreeObjKind)
FX_ON_COMMAND_RANGE(ID_SHEET_FREE_FLOAT_KIND, ID_SHEET_FREE_FLOAT_KIND, OnFreeObjKind)
FX_ON_UPDATE_COMMAND_UI_RANGE(ID_SHEET_FREE_LINE, ID_SHEET_FREE_CIRCLE, OnUpdateFreeObjKind)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_FREE_ROUND_BOX, OnUpdateFreeObjKind)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_FREE_FLOAT_VAR, OnUpdateFreeObjKind)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_FREE_FLOAT_KIND, OnUpdateFreeObjKind)
FX_ON_COMMAND_RANGE(ID_SHEET_FREE_ARRANGE_FIRST, ID_SHEET_FREE_ARRANGE_LAST, OnFreeObjArrange)
FX_ON_UPDATE_COMMAND_UI_RANGE(ID_SHEET_FREE_ARRANGE_FIRST, ID_SHEET_FREE_ARRANGE_LAST, OnUpdateFreeObjArrange)
// End of the free-object kinds and arrangement.
FX_ON_MESSAGE(CCappSheetDefView::msgDragOver, OnDragOver)
FX_ON_MESSAGE(CCappSheetDefView::msgDrop, OnDrop)
FX_ON_MESSAGE(CCappSheetDefView::msgDragLeave, OnDragLeave)
FX_ON_MESSAGE(0x432, OnDragLeave)
// Figure text of the sheet.
FX_ON_COMMAND(ID_SHEET_SGE, OnSgeInput)
// Data binding of the template.
FX_ON_COMMAND(ID_SHEET_DATA_BINDING, OnDataBinding)
// Cell tool commands.
FX_ON_COMMAND(ID_SHEET_CELL_SELECT_TOOL, OnCellSelectTool)
FX_ON_COMMAND_RANGE(ID_SHEET_CELL_STATIC_TOOL, ID_SHEET_CELL_STATIC_TOOL, OnCellRoleTool)
FX_ON_COMMAND_RANGE(ID_SHEET_CELL_VARIABLE_TOOL, ID_SHEET_CELL_VARIABLE_TOOL, OnCellRoleTool)
FX_ON_COMMAND_RANGE(ID_SHEET_CELL_IMAGE_TOOL, ID_SHEET_CELL_IMAGE_TOOL, OnCellRoleTool)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_STATIC_TOOL, OnUpdateCellRoleTool)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_VARIABLE_TOOL, OnUpdateCellRoleTool)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_IMAGE_TOOL, OnUpdateCellRoleTool)
FX_ON_COMMAND(ID_SHEET_CELL_STATIC, OnCellStatic)
FX_ON_COMMAND(ID_SHEET_CELL_VARIABLE, OnCellVariable)
FX_ON_COMMAND(ID_SHEET_CELL_IMAGE, OnCellImage)
FX_ON_COMMAND(ID_SHEET_CELL_EDIT, OnCellEdit)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_EDIT, OnUpdateCellEdit)
FX_ON_COMMAND(ID_SHEET_CELL_PROPERTIES, OnCellProperties)
FX_ON_COMMAND(ID_SHEET_CELL_BY_NAME, OnCellByName)
// End of the cell tool commands.
// Split and merge of the selected area.
FX_ON_COMMAND(ID_SHEET_CELL_SPLIT, OnCellSplit)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_SPLIT, OnUpdateCellSplit)
FX_ON_COMMAND(ID_SHEET_CELL_MERGE, OnCellMerge)
// Table-line commands and the cell-size command.
FX_ON_COMMAND(ID_SHEET_LINE_DRAW, OnLineDraw)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_DRAW, OnUpdateLineDraw)
FX_ON_COMMAND(ID_SHEET_LINE_DELETE, OnLineDelete)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_DELETE, OnUpdateLineDelete)
FX_ON_COMMAND(ID_SHEET_LINE_MOVE, OnLineMove)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_MOVE, OnUpdateLineMove)
FX_ON_COMMAND(ID_SHEET_LINE_CUT, OnLineCut)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_CUT, OnUpdateLineCut)
FX_ON_COMMAND(ID_SHEET_LINE_MERGE, OnLineMerge)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_MERGE, OnUpdateLineMerge)
FX_ON_COMMAND(ID_SHEET_LINE_EXTEND, OnLineExtend)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_EXTEND, OnUpdateLineExtend)
FX_ON_COMMAND(ID_SHEET_LINE_NAVIGATE, OnLineNavigate)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_NAVIGATE, OnUpdateLineNavigate)
FX_ON_COMMAND(ID_SHEET_LINE_PROPERTIES, OnLineProperties)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_LINE_PROPERTIES, OnUpdateLineProperties)
FX_ON_COMMAND(ID_SHEET_CELL_SIZE, OnCellSize)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_CELL_SIZE, OnUpdateCellSize)
// End of the table-line commands.
FX_END_MESSAGE_MAP()

void CCappSheetDefView::OnZoomIn()
{
    ZoomIn(nullptr, 1.25f);
}

void CCappSheetDefView::OnZoomOut()
{
    ZoomOut(nullptr, 1.25f);
}

void CCappSheetDefView::OnZoomRect()
{
    if (GetZoomState() == stateZoomRect) {
        EndZoomRect();
    } else {
        BeginZoomRect();
    }
}

void CCappSheetDefView::OnUpdateZoomRect(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetZoomState() == stateZoomRect ? 1 : 0);
}

void CCappSheetDefView::OnZoomMove()
{
    SetZoomMove(GetZoomState() == stateMove ? FALSE : TRUE);
}

void CCappSheetDefView::OnUpdateZoomMove(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetZoomState() == stateMove ? 1 : 0);
}

void CCappSheetDefView::OnZoomAll()
{
    CRect rc(-10, -10, m_pSheet->m_nPageWidth + 10, m_pSheet->m_nPageHeight + 10);
    ZoomIn(rc);
}

void CCappSheetDefView::OnZoomFixed(UINT nID)
{
    const double dDotPerTenthMm = CCappDCHelper::GetScreenDotPerTMM();
    for (const FixedZoom& zoom : kFixedZooms) {
        if (zoom.nID == nID) {
            ZoomPercent(static_cast<int>(std::trunc(dDotPerTenthMm * zoom.nPercent)));
        }
    }
}

void CCappSheetDefView::OnUndo()
{
    m_nEditMode = editSelect;
    ResetSelection();
    m_pHighlightLine = nullptr;
    m_pSheet->m_DefUndo.Undo();
    MarkChanged();
    Invalidate();
}

void CCappSheetDefView::OnUpdateUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pSheet->m_DefUndo.CanUndo());
}

void CCappSheetDefView::OnRedo()
{
    m_nEditMode = editSelect;
    ResetSelection();
    m_pHighlightLine = nullptr;
    m_pSheet->m_DefUndo.Redo();
    MarkChanged();
    Invalidate();
}

void CCappSheetDefView::OnUpdateRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pSheet->m_DefUndo.CanRedo());
}

void CCappSheetDefView::OnFreeObjSwitch()
{
    m_bFreeObjOn = !m_bFreeObjOn;
    if (!m_bFreeObjOn) {
        m_freeObjTool.DeselectAll();
    }
    ResetSelection();
    Invalidate();
}

void CCappSheetDefView::OnUpdateFreeObjSwitch(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bFreeObjOn ? 1 : 0);
}

void CCappSheetDefView::OnEditCopy()
{
    if (CDesignShellLink* pShell = GetShellLink()) {
        pShell->SetCopiedCell(CSheetDefRangeFun::GetCell(*m_pSheet, m_rangeSel));
    }
}

void CCappSheetDefView::OnEditPaste()
{
    PasteAtSelection(FALSE);
}

void CCappSheetDefView::PasteAtSelection(BOOL bKeepDragName)
{
    CDesignShellLink* pShell = GetShellLink();
    if (pShell == nullptr || !pShell->HasCopiedCell() || m_rangeSel.m_nKind != 1 ||
        (m_rangeSel.m_pTopLine == nullptr && m_rangeSel.m_pLeftLine == nullptr && m_rangeSel.m_pRightLine == nullptr &&
         m_rangeSel.m_pBottomLine == nullptr)) {
        return;
    }
    if (CCappCell* pOld = CSheetDefRangeFun::GetCell(*m_pSheet, m_rangeSel)) {
        if (pOld == m_pDragCell) {
            m_pDragCell = nullptr;
        }
        // Cell tool: cells come and go through it.
        m_aux.RemoveCell(pOld, FALSE);
    }
    auto* pCell = new CCappCell;
    pCell->SetCellBaseLine(m_rangeSel);
    pShell->PasteCopiedCell(pCell);
    // A copy is a cell of its own: sharing the source's id would make two cells one.
    pCell->m_nCellID = m_pSheet->GetNewCellID();
    CString strArea;
    if (CCappMidData* pMid = CSheetDefRangeFun::GetMidData(*m_pSheet, m_rangeSel.m_rect.CenterPoint())) {
        strArea = pMid->m_strName;
        pCell->m_nDataPos = CCappCell::seatMidData;
    } else if (pCell->m_nDataPos == CCappCell::seatMidData) {
        pCell->m_nDataPos = CCappCell::seatHead;
    }
    if (pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage) {
        const BOOL bKeep = bKeepDragName && m_pDragCell != nullptr && m_pDragCell->m_strVarName == pCell->m_strVarName;
        while (!bKeep && !pCell->m_strVarName.IsEmpty() &&
               CSheetDefRangeFun::ExistCardVarCell(*m_pSheet, pCell->m_strVarName)) {
            pCell->m_strVarName += "!";
        }
    }
    // Cell tool: adding a cell makes the earlier line edits no longer undoable.
    m_aux.AddCell(pCell, strArea);
    MarkChanged();
    RepaintSheetRect(m_rangeSel.m_rect);
}

void CCappSheetDefView::OnCleanTable()
{
    if (CSheetDefRangeFun::CleanMack(*m_pSheet) > 0) {
        MarkChanged();
        Invalidate();
    }
    CString strText;
    strText.LoadString(IDS_SHEET_TABLE_CLEANED);
    FxMessageBox(m_hWnd, strText, FxGetApp()->m_strAppName, MB_OK | MB_ICONINFORMATION);
}

LRESULT CCappSheetDefView::OnDragOver(WPARAM, LPARAM)
{
    m_ptDrag = m_dropTarget.m_point;
    return DragOverAt(ClientToSheet(m_ptDrag));
}

LRESULT CCappSheetDefView::DragOverAt(CPoint ptSheet)
{
    const CCappRange range = CSheetDefRangeFun::GetRange(*m_pSheet, ptSheet);
    // No drop on an empty area, nor back onto the dragged cell's own range.
    const BOOL bRefused = CSheetDefRangeFun::IsEmpty(range) || CSheetDefRangeFun::IsSameRange(range, m_rangeSel);
    const CCappRange rangeNew = bRefused ? CCappRange() : range;
    if (!CSheetDefRangeFun::IsSameRange(rangeNew, m_rangeDrop)) {
        RepaintSheetRect(m_rangeDrop.m_rect);
        RepaintSheetRect(rangeNew.m_rect);
        m_rangeDrop = rangeNew;
    }
    return bRefused ? 1 : 2;
}

LRESULT CCappSheetDefView::OnDragLeave(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CCappSheetDefView::OnDrop(WPARAM, LPARAM)
{
    return DropSelectedCell(-1);
}

int CCappSheetDefView::DropSelectedCell(int nMove)
{
    CCappCell* pSource = CSheetDefRangeFun::GetCell(*m_pSheet, m_rangeSel);
    const CCappRange rangeTarget = m_rangeDrop;
    RepaintSheetRect(m_rangeDrop.m_rect);
    m_rangeDrop.ResertVal();
    // Dropping a cell onto its own range would remove and re-add it: nothing to do.
    if (pSource == nullptr || CSheetDefRangeFun::IsEmpty(rangeTarget) ||
        CSheetDefRangeFun::IsSameRange(rangeTarget, m_rangeSel)) {
        return 0;
    }
    CCappCell* pTarget = CSheetDefRangeFun::GetCell(*m_pSheet, rangeTarget);
    if (pTarget != nullptr && nMove < 0) {
        CMoveCellDlg dlg(this);
        if (dlg.DoModal() != IDOK) {
            return 0;
        }
        nMove = dlg.m_nMoveType;
    }
    CDesignShellLink* pShell = GetShellLink();
    if (pShell == nullptr) {
        return 0;
    }
    const CCappRange rangeSource = m_rangeSel;
    m_pDragCell = pSource;
    if (pTarget == nullptr || nMove != CMoveCellDlg::moveSwap) {
        // Onto an empty range or over the target: a copy; the dragged cell stays.
        pShell->SetCopiedCell(pSource);
        m_rangeSel = rangeTarget;
        PasteAtSelection(FALSE);
    } else {
        CCappCell saved;
        saved = *pTarget;
        pShell->SetCopiedCell(pSource);
        m_rangeSel = rangeTarget;
        PasteAtSelection(TRUE);
        // The former target goes where the dragged cell was and stays in the cell clipboard.
        pShell->SetCopiedCell(&saved);
        m_rangeSel = rangeSource;
        PasteAtSelection(FALSE);
    }
    m_pDragCell = nullptr;
    RepaintSheetRect(m_rangeSel.m_rect);
    m_rangeSel.ResertVal();
    m_rangeTrack.ResertVal();
    return 1;
}

BOOL CCappSheetDefView::StartCellDrag()
{
    CCappCell* pCell = CSheetDefRangeFun::GetCell(*m_pSheet, m_rangeSel);
    if (m_pDragCell != nullptr || pCell == nullptr) {
        return FALSE;
    }
    CFxComPtr<COleDataSource> pSource(new COleDataSource);
    const char kToken[] = "Ouch, you dropped me!";
    if (!pSource->CacheText(kToken, static_cast<int>(sizeof kToken - 1))) {
        return FALSE;
    }
    m_pDragCell = pCell;
    pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    m_pDragCell = nullptr;
    return TRUE;
}
