#include "symbols/UndoItem.h"

#include "symbols/ContentSegment.h"

CUndoItem::CUndoItem() : m_nAction(0), m_nRow(0), m_nCol(0), m_nCaretX(0), m_nCaretY(0), m_listContSeg(10)
{
}

CUndoItem::~CUndoItem()
{
    DetachContSegList();
}

void CUndoItem::DetachContSegList()
{
    POSITION pos = m_listContSeg.GetHeadPosition();
    while (pos != nullptr)
        delete m_listContSeg.GetNext(pos);
    m_listContSeg.RemoveAll();
}
