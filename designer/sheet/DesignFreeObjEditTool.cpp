#include "designer/sheet/DesignFreeObjEditTool.h"

#include "core/CappCell.h"
#include "core/CappFreeObj.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefView.h"
#include "platform/base/FxResMgr.h"

namespace
{
CCappCell* FindCellIn(const CObList& list, int nCellID)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(list.GetNext(pos));
        if (pCell->m_nCellID == nCellID) {
            return pCell;
        }
    }
    return nullptr;
}
} // namespace

CDesignFreeObjEditTool::CDesignFreeObjEditTool(CCappSheetDefView* pView) : m_pView(pView)
{
    m_pHost = pView;
}

CCappCell* CDesignFreeObjEditTool::GetCell(int nCellID) const
{
    if (nCellID <= 0 || m_pView == nullptr || m_pView->m_pSheet == nullptr) {
        return nullptr;
    }
    const CCappSheet& sheet = *m_pView->m_pSheet;
    for (const CObList* pList : {&sheet.m_HeadCellList, &sheet.m_PageCellList, &sheet.m_OutCellList}) {
        if (CCappCell* pCell = FindCellIn(*pList, nCellID)) {
            return pCell;
        }
    }
    POSITION pos = sheet.m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pMid = static_cast<const CCappMidData*>(sheet.m_MidDataList.GetNext(pos));
        if (CCappCell* pCell = FindCellIn(pMid->m_listMidCell, nCellID)) {
            return pCell;
        }
    }
    return nullptr;
}

BOOL CDesignFreeObjEditTool::CanDelete(CCappFreeObj* pObj)
{
    if (pObj == nullptr) {
        return FALSE;
    }
    if (CCappCell* pCell = GetCellID(pObj) >= 1 ? GetCell(GetCellID(pObj)) : nullptr) {
        m_pView->m_aux.RemoveCell(pCell, FALSE);
    }
    return TRUE;
}

void CDesignFreeObjEditTool::EditProperties(CCappFreeObj* pObj)
{
    if (pObj == nullptr || m_pView == nullptr) {
        return;
    }
    if (CCappCell* pCell = GetCell(GetCellID(pObj))) {
        if (pCell->m_nContentKind == CCappCell::kindVariable) {
            m_pView->m_aux.SetCardVar(pCell);
        } else if (pCell->m_nContentKind == CCappCell::kindImage) {
            m_pView->m_aux.SetGraphVar(pCell);
        }
        return;
    }
    BOOL bApplied = FALSE;
    {
        const HINSTANCE hOld = CFxResMgr::GetResourceHandle();
        CFxResMgr::SetResourceHandle(::GetModuleHandleA(nullptr));
        bApplied = RunPropertySheet(m_pView, pObj);
        CFxResMgr::SetResourceHandle(hOld);
    }
    if (bApplied) {
        InvalidateArea(pObj->GetOutIineRect());
        OnObjectsChanged();
    }
}

CCappFreeObj* CDesignFreeObjEditTool::CreateObj(int nKind, int x, int y)
{
    if (nKind != createFloatCardVar && nKind != createFloatGraphVar) {
        return CFreeObjEditTool::CreateObj(nKind, x, y);
    }
    CCappFreeObj* pRect = CFreeObjEditTool::CreateObj(CCappFreeObj::kindRect, x, y);
    if (pRect == nullptr || m_pView == nullptr || m_pView->m_pSheet == nullptr) {
        return pRect;
    }
    auto* pCell = new CCappCell;
    pCell->m_nContentKind = nKind == createFloatCardVar ? CCappCell::kindVariable : CCappCell::kindImage;
    pCell->m_nDataPos = CCappCell::seatHead;
    pCell->m_bOwnRect = 1;
    pCell->m_rcOwn = pRect->GetOutRect();
    m_pView->m_aux.AddCell(pCell, CString());
    BindCell(pRect, pCell->m_nCellID);
    EditProperties(pRect);
    return pRect;
}

void CDesignFreeObjEditTool::InvalidateArea(const CRect& rcSheet)
{
    if (m_pView != nullptr) {
        m_pView->RepaintSheetRect(rcSheet);
    }
}

BOOL CDesignFreeObjEditTool::FollowBoundCells()
{
    BOOL bMoved = FALSE;
    for (POSITION pos = m_listFreeObj.GetHeadPosition(); pos != nullptr;) {
        auto* pObj = static_cast<CCappFreeObj*>(m_listFreeObj.GetNext(pos));
        CCappCell* pCell = IsFloatVar(pObj) ? GetCell(GetCellID(pObj)) : nullptr;
        if (pCell == nullptr || pCell->m_bOwnRect == 0) {
            continue;
        }
        const CRect rcObj = pObj->GetOutRect();
        if (pCell->m_rcOwn != rcObj) {
            pCell->m_rcOwn = rcObj;
            bMoved = TRUE;
        }
    }
    return bMoved;
}

void CDesignFreeObjEditTool::OnObjectsChanged()
{
    if (m_pView == nullptr) {
        return;
    }
    // A floating variable's value is drawn in its cell: the cell goes where the object went. A
    // moved cell ends the line undo history, as every cell move does.
    if (FollowBoundCells() && m_pView->m_pSheet != nullptr) {
        m_pView->m_pSheet->m_DefUndo.DetachUndoList();
    }
    m_pView->MarkChanged();
}
