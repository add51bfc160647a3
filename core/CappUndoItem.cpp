#include "core/CappUndoItem.h"

FX_IMPLEMENT_DYNAMIC(CCappUndoItem, CObject)

CCappUndoItem::CCappUndoItem(int nKind, int nGroup, int nLineType, int nLineID)
    : m_nKind(nKind), m_nGroup(nGroup), m_nLineType(nLineType), m_nLineID(nLineID), m_nValue{-1, -1, -1, -1, -1, -1, -1}
{
}
