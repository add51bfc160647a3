#include "core/PageItem.h"

FX_IMPLEMENT_SERIAL(CPageItem, CObject, 0)

CPageItem::CPageItem() : m_nValue(0), m_nPage(-1)
{
}

void CPageItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nPage;
    } else {
        ar >> m_nPage;
    }
}
