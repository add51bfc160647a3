#include "core/CappMDSeatItem.h"

FX_IMPLEMENT_SERIAL(CCappMDSeatItem, CObject, 0)

CCappMDSeatItem::CCappMDSeatItem() : CCappMDSeatItem(-1, -1, -1, -1)
{
}

CCappMDSeatItem::CCappMDSeatItem(int nTopLineID, int nLeftLineID, int nRightLineID, int nBottomLineID)
    : m_nTopLineID(nTopLineID), m_nLeftLineID(nLeftLineID), m_nRightLineID(nRightLineID), m_nBottomLineID(nBottomLineID)
{
}

void CCappMDSeatItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nTopLineID << m_nLeftLineID << m_nRightLineID << m_nBottomLineID;
    } else {
        ar >> m_nTopLineID >> m_nLeftLineID >> m_nRightLineID >> m_nBottomLineID;
    }
}
