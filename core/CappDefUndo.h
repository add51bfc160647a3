// Undo and redo of a sheet's line edits: a list of recorded edits that are replayed through the
// sheet's own line operations, with recording off.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class CCappLine;
class CCappSheet;
class CCappUndoItem;

class VORNCARD_API CCappDefUndo : public CObject
{
    FX_DECLARE_DYNAMIC(CCappDefUndo)
public:
    CCappDefUndo();
    ~CCappDefUndo() override;
    CCappDefUndo(const CCappDefUndo&) = delete;
    CCappDefUndo& operator=(const CCappDefUndo&) = delete;

    // Recording; the arguments are those the sheet's operation was called with or produced.
    // A deleted line, and the line a link removes, come back with their own pen on undo; given
    // its index in its list before the edit (nIndex, -1 unknown), a deleted, moved or linked-away
    // line also comes back to that place, so that saving gives the bytes of before the edit.
    void AddCellLine(int nType, int nID, int nStartID, int nEndID, int nPos);
    void DelCellLine(int nType, int nID, int nStartID, int nEndID, int nPos, int nWidth = 2, COLORREF crColor = 0,
                     int nIndex = -1);
    void MoveCellLine(int nType, int nID, int nOldPos, int nNewPos, int nIndex = -1);
    void ReachCellLine(int nType, int nID, int nOldStartID, int nNewStartID, int nOldEndID, int nNewEndID);
    void CutCellLine(int nType, int nID, int nP, int nQ);
    void LinkCellLine(int nType, int nID, int nP, int nQ, int nWidth = 2, COLORREF crColor = 0, int nIndex = -1);

    // Frees every item after the current one.
    void RemoveRedoItem();
    // 1 opens a group; 0 closes it by clearing the group flag of the current item.
    void SetTransAction(int nFlag);

    int CanUndo() const;
    int CanRedo() const;
    // A whole group back or forward; stops at an item that cannot be replayed.
    void Undo();
    void Redo();
    // One item back or forward; FALSE, with the position unchanged, when the sheet refuses the
    // replay.
    BOOL UndoItem();
    BOOL RedoItem();
    // Frees all items; nothing is left to undo or redo.
    void DetachUndoList();

    int GetCurIndex() const { return m_nCurIndex; }
    INT_PTR GetCount() const { return m_listItem.GetCount(); }

    CCappSheet* m_pSheet;

private:
    CCappUndoItem* NewItem(int nKind, int nType, int nID);
    // Restores the pen and list place a line had when it was removed; FALSE without a line.
    BOOL Restore(CCappLine* pLine, int nType, int nWidth, int nColor, int nIndex);
    CCappUndoItem* ItemAt(int nIndex) const;

    int m_nCurIndex;
    int m_nTransAction;
    CObList m_listItem; // CCappUndoItem, owned
};
