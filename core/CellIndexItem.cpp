#include "core/CellIndexItem.h"

FX_IMPLEMENT_SERIAL(CCellIndexItem, CObject, 0)

CCellIndexItem::CCellIndexItem() : m_nOrder(0), m_nStep(1)
{
}

void CCellIndexItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nOrder << m_strVarName << m_strInitValue << m_nStep;
    } else {
        ar >> m_nOrder >> m_strVarName >> m_strInitValue >> m_nStep;
    }
}
