#include "core/CappDefUndo.h"

#include "core/CappLine.h"
#include "core/CappListArchive.h"
#include "core/CappSheet.h"
#include "core/CappUndoItem.h"

FX_IMPLEMENT_DYNAMIC(CCappDefUndo, CObject)

CCappDefUndo::CCappDefUndo() : m_pSheet(nullptr), m_nCurIndex(-1), m_nTransAction(0)
{
}

CCappDefUndo::~CCappDefUndo()
{
    CappFreeList(m_listItem);
}

CCappUndoItem* CCappDefUndo::ItemAt(int nIndex) const
{
    POSITION pos = m_listItem.FindIndex(nIndex);
    return pos == nullptr ? nullptr : static_cast<CCappUndoItem*>(m_listItem.GetAt(pos));
}

CCappUndoItem* CCappDefUndo::NewItem(int nKind, int nType, int nID)
{
    auto* pItem = new CCappUndoItem(nKind, m_nTransAction, nType, nID);
    RemoveRedoItem();
    m_listItem.AddTail(pItem);
    ++m_nCurIndex;
    return pItem;
}

void CCappDefUndo::AddCellLine(int nType, int nID, int nStartID, int nEndID, int nPos)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindAdd, nType, nID);
    pItem->m_nValue[0] = nStartID;
    pItem->m_nValue[1] = nEndID;
    pItem->m_nValue[2] = nPos;
}

void CCappDefUndo::DelCellLine(int nType, int nID, int nStartID, int nEndID, int nPos, int nWidth, COLORREF crColor,
                               int nIndex)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindDelete, nType, nID);
    pItem->m_nValue[0] = nStartID;
    pItem->m_nValue[1] = nEndID;
    pItem->m_nValue[2] = nPos;
    pItem->m_nValue[3] = nWidth;
    pItem->m_nValue[4] = static_cast<int>(crColor);
    pItem->m_nValue[5] = nIndex;
}

void CCappDefUndo::MoveCellLine(int nType, int nID, int nOldPos, int nNewPos, int nIndex)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindMove, nType, nID);
    pItem->m_nValue[0] = nOldPos;
    pItem->m_nValue[1] = nNewPos;
    pItem->m_nValue[2] = nIndex;
}

void CCappDefUndo::ReachCellLine(int nType, int nID, int nOldStartID, int nNewStartID, int nOldEndID, int nNewEndID)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindReach, nType, nID);
    pItem->m_nValue[0] = nOldStartID;
    pItem->m_nValue[1] = nNewStartID;
    pItem->m_nValue[2] = nOldEndID;
    pItem->m_nValue[3] = nNewEndID;
}

void CCappDefUndo::CutCellLine(int nType, int nID, int nP, int nQ)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindCut, nType, nID);
    pItem->m_nValue[0] = nP;
    pItem->m_nValue[1] = nQ;
}

void CCappDefUndo::LinkCellLine(int nType, int nID, int nP, int nQ, int nWidth, COLORREF crColor, int nIndex)
{
    CCappUndoItem* pItem = NewItem(CCappUndoItem::kindLink, nType, nID);
    pItem->m_nValue[0] = nP;
    pItem->m_nValue[1] = nQ;
    pItem->m_nValue[2] = nWidth;
    pItem->m_nValue[3] = static_cast<int>(crColor);
    pItem->m_nValue[4] = nIndex;
}

BOOL CCappDefUndo::Restore(CCappLine* pLine, int nType, int nWidth, int nColor, int nIndex)
{
    if (pLine == nullptr) {
        return FALSE;
    }
    pLine->m_nWidth = nWidth;
    pLine->m_crColor = static_cast<COLORREF>(nColor);
    m_pSheet->PlaceLine(nType, pLine->m_nID, nIndex);
    return TRUE;
}

void CCappDefUndo::RemoveRedoItem()
{
    while (m_listItem.GetCount() > m_nCurIndex + 1) {
        delete m_listItem.RemoveTail();
    }
}

void CCappDefUndo::SetTransAction(int nFlag)
{
    m_nTransAction = nFlag;
    if (nFlag == 0 && m_nCurIndex >= 0) {
        if (CCappUndoItem* pItem = ItemAt(m_nCurIndex)) {
            pItem->m_nGroup = 0;
        }
    }
}

int CCappDefUndo::CanUndo() const
{
    return m_nCurIndex >= 0 && m_nCurIndex < m_listItem.GetCount() ? 1 : 0;
}

int CCappDefUndo::CanRedo() const
{
    return !m_listItem.IsEmpty() && m_nCurIndex < m_listItem.GetCount() - 1 ? 1 : 0;
}

BOOL CCappDefUndo::UndoItem()
{
    CCappUndoItem* pItem = m_nCurIndex >= 0 ? ItemAt(m_nCurIndex) : nullptr;
    if (pItem == nullptr || m_pSheet == nullptr) {
        return FALSE;
    }
    const int nType = pItem->m_nLineType;
    const int nID = pItem->m_nLineID;
    const int* v = pItem->m_nValue;
    BOOL bDone = FALSE;
    switch (pItem->m_nKind) {
    case CCappUndoItem::kindAdd:
        bDone = m_pSheet->DelCellLine(nType, nID, 0) != 0;
        break;
    case CCappUndoItem::kindDelete:
        bDone = Restore(m_pSheet->AddCellLineBySpace(static_cast<UINT>(nType), nID, v[2], v[0], v[1], 0), nType, v[3],
                        v[4], v[5]);
        break;
    case CCappUndoItem::kindMove:
        bDone = m_pSheet->MoveCellLine(nType, nID, v[0], 0) != 0;
        if (bDone) {
            m_pSheet->PlaceLine(nType, nID, v[2]);
        }
        break;
    case CCappUndoItem::kindReach:
        bDone = m_pSheet->ReachCellLine(nType, nID, v[0], v[2], 0) != 0;
        break;
    case CCappUndoItem::kindCut:
        bDone = m_pSheet->LinkCellLine(nType, nID, v[0], 0) != 0;
        break;
    case CCappUndoItem::kindLink:
        bDone = Restore(m_pSheet->CutCellLine(nType, nID, v[1], v[0], 0), nType, v[2], v[3], v[4]);
        break;
    default:
        break;
    }
    if (bDone) {
        --m_nCurIndex;
    }
    return bDone;
}

BOOL CCappDefUndo::RedoItem()
{
    CCappUndoItem* pItem = m_nCurIndex < m_listItem.GetCount() - 1 ? ItemAt(m_nCurIndex + 1) : nullptr;
    if (pItem == nullptr || m_pSheet == nullptr) {
        return FALSE;
    }
    const int nType = pItem->m_nLineType;
    const int nID = pItem->m_nLineID;
    const int* v = pItem->m_nValue;
    BOOL bDone = FALSE;
    switch (pItem->m_nKind) {
    case CCappUndoItem::kindAdd:
        bDone = m_pSheet->AddCellLineBySpace(static_cast<UINT>(nType), nID, v[2], v[0], v[1], 0) != nullptr;
        break;
    case CCappUndoItem::kindDelete:
        bDone = m_pSheet->DelCellLine(nType, nID, 0) != 0;
        break;
    case CCappUndoItem::kindMove:
        bDone = m_pSheet->MoveCellLine(nType, nID, v[1], 0) != 0;
        break;
    case CCappUndoItem::kindReach:
        bDone = m_pSheet->ReachCellLine(nType, nID, v[1], v[3], 0) != 0;
        break;
    case CCappUndoItem::kindCut:
        bDone = m_pSheet->CutCellLine(nType, nID, v[1], v[0], 0) != nullptr;
        break;
    case CCappUndoItem::kindLink:
        bDone = m_pSheet->LinkCellLine(nType, nID, v[0], 0) != 0;
        break;
    default:
        break;
    }
    if (bDone) {
        ++m_nCurIndex;
    }
    return bDone;
}

void CCappDefUndo::Undo()
{
    do {
        if (!UndoItem()) {
            return;
        }
    } while (m_nCurIndex >= 0 && ItemAt(m_nCurIndex)->m_nGroup != 0);
}

void CCappDefUndo::Redo()
{
    while (RedoItem()) {
        if (ItemAt(m_nCurIndex)->m_nGroup == 0) {
            break;
        }
    }
}

void CCappDefUndo::DetachUndoList()
{
    CappFreeList(m_listItem);
    m_nCurIndex = -1;
}
