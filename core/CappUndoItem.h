// One recorded line edit of a sheet, with what its undo and redo replay.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCappUndoItem : public CObject
{
    FX_DECLARE_DYNAMIC(CCappUndoItem)
public:
    enum {
        kindAdd = 1,
        kindDelete = 2,
        kindMove = 3,
        kindReach = 4,
        kindCut = 5,
        kindLink = 6,
    };
    static constexpr int kValueCount = 7;

    CCappUndoItem(int nKind, int nGroup, int nLineType, int nLineID);

    int m_nKind;
    // The transaction flag when recorded: 1 for every item of a group but its last.
    int m_nGroup;
    int m_nLineType;
    int m_nLineID;
    // add: start id, end id, position; delete: the same, then the line's width, colour and list
    // index; move: old, new position, old list index; reach: old start, new start, old end, new
    // end; cut: P, Q; link: P, Q, then the width, colour and list index of the line it removed.
    int m_nValue[kValueCount];
};
