// One undo or redo step of the special edit control; owns the cloned segments it keeps.
#pragma once

#include "platform/base/ObList.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CUndoItem : public CObject
{
public:
    CUndoItem();
    ~CUndoItem() override;
    CUndoItem(const CUndoItem&) = delete;
    CUndoItem& operator=(const CUndoItem&) = delete;

    // Deletes every segment of the list and empties it.
    void DetachContSegList();

    int m_nAction;
    // Caret and selection of the editor when the step was taken.
    int m_nRow;
    int m_nCol;
    int m_nCaretX;
    int m_nCaretY;
    CObList m_listContSeg;
};
