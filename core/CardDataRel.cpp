#include "core/CardDataRel.h"

#include "core/CappListArchive.h"
#include "core/CardDataRelItem.h"

FX_IMPLEMENT_SERIAL(CCardDataRel, CObject, 0)

CCardDataRel::CCardDataRel() : m_nVersion(1), m_nReserved(0), m_listRelItem(10)
{
}

CCardDataRel::~CCardDataRel()
{
    DetachList();
}

void CCardDataRel::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_nVersion = 1;
        ar << m_nVersion << m_nReserved;
    } else {
        ar >> m_nVersion >> m_nReserved;
    }
    CappSerializeList(ar, m_listRelItem, FX_RUNTIME_CLASS(CCardDataRelItem));
}

CCardDataRelItem* CCardDataRel::GetRelItem(int nKind, const CString& strName) const
{
    POSITION pos = m_listRelItem.GetHeadPosition();
    while (pos != nullptr) {
        auto* pItem = static_cast<CCardDataRelItem*>(m_listRelItem.GetNext(pos));
        if (pItem->m_nKind != nKind) {
            continue;
        }
        if (nKind == 0 || nKind == 1 || pItem->m_strName == strName) {
            return pItem;
        }
    }
    return nullptr;
}

void CCardDataRel::DetachList()
{
    CappFreeList(m_listRelItem);
}
