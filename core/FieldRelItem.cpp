#include "core/FieldRelItem.h"

FX_IMPLEMENT_SERIAL(CFieldRelItem, CObject, 0)

CFieldRelItem::CFieldRelItem() : m_nRelInt(-1), m_nExtInt(0)
{
}

CFieldRelItem::CFieldRelItem(const CFieldRelItem& src) : CObject()
{
    *this = src;
}

CFieldRelItem& CFieldRelItem::operator=(const CFieldRelItem& src)
{
    m_strCardVar = src.m_strCardVar;
    m_strTempTabField = src.m_strTempTabField;
    m_nRelInt = src.m_nRelInt;
    m_nExtInt = src.m_nExtInt;
    return *this;
}

void CFieldRelItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strCardVar << m_nRelInt << m_strTempTabField;
    } else {
        ar >> m_strCardVar >> m_nRelInt >> m_strTempTabField;
    }
}

void CFieldRelItem::DetachRel()
{
    m_strCardVar.Empty();
    m_strTempTabField.Empty();
}

void CFieldRelItem::InitData()
{
    DetachRel();
}
