#include "core/CardDataRelItem.h"

#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/FieldRelItem.h"

FX_IMPLEMENT_SERIAL(CCardDataRelItem, CObject, 0)

CCardDataRelItem::CCardDataRelItem() : m_nVersion(1), m_nKind(-1), m_nReserved(0), m_nFlag(1), m_listFieldRel(10)
{
}

CCardDataRelItem::~CCardDataRelItem()
{
    DetachList();
}

CCardDataRelItem::CCardDataRelItem(const CCardDataRelItem& src) : CCardDataRelItem()
{
    *this = src;
}

CCardDataRelItem& CCardDataRelItem::operator=(const CCardDataRelItem& src)
{
    if (this == &src) {
        return *this;
    }
    m_nVersion = src.m_nVersion;
    m_strReserved = src.m_strReserved;
    m_nKind = src.m_nKind;
    m_strName = src.m_strName;
    m_nReserved = src.m_nReserved;
    m_nFlag = src.m_nFlag;
    m_strConnect = src.m_strConnect;
    m_strSQL = src.m_strSQL;
    DetachList();
    POSITION pos = src.m_listFieldRel.GetHeadPosition();
    while (pos != nullptr) {
        auto* pItem = static_cast<CFieldRelItem*>(src.m_listFieldRel.GetNext(pos));
        m_listFieldRel.AddTail(new CFieldRelItem(*pItem));
    }
    return *this;
}

void CCardDataRelItem::Serialize(CArchive& ar)
{
    CCappLoadScope::COpen open(this);
    if (ar.IsStoring()) {
        m_nVersion = 1;
        ar << m_nVersion << m_strReserved << m_nKind << m_strName << m_nReserved << m_nFlag << m_strConnect << m_strSQL;
    } else {
        ar >> m_nVersion >> m_strReserved >> m_nKind >> m_strName >> m_nReserved >> m_nFlag >> m_strConnect >> m_strSQL;
    }
    CappSerializeList(ar, m_listFieldRel, FX_RUNTIME_CLASS(CFieldRelItem));
}

void CCardDataRelItem::DetachList()
{
    CappFreeList(m_listFieldRel);
}

void CCardDataRelItem::DetachDataRel()
{
    DetachList();
}

int CCardDataRelItem::NoRel() const
{
    return m_listFieldRel.IsEmpty() ? 1 : 0;
}

POSITION CCardDataRelItem::FindTempTabField(const CString& strField) const
{
    POSITION pos = m_listFieldRel.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posItem = pos;
        auto* pItem = static_cast<CFieldRelItem*>(m_listFieldRel.GetNext(pos));
        if (pItem->m_strTempTabField == strField) {
            return posItem;
        }
    }
    return nullptr;
}

POSITION CCardDataRelItem::FindCardVar(const CString& strVar) const
{
    POSITION pos = m_listFieldRel.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posItem = pos;
        auto* pItem = static_cast<CFieldRelItem*>(m_listFieldRel.GetNext(pos));
        if (pItem->m_strCardVar == strVar) {
            return posItem;
        }
    }
    return nullptr;
}

CString CCardDataRelItem::GetCardVarName(const CString& strField) const
{
    POSITION pos = FindTempTabField(strField);
    if (pos == nullptr) {
        return CString();
    }
    return static_cast<CFieldRelItem*>(m_listFieldRel.GetAt(pos))->m_strCardVar;
}

CString CCardDataRelItem::GetTempTabFieldName(const CString& strVar) const
{
    POSITION pos = FindCardVar(strVar);
    if (pos == nullptr) {
        return CString();
    }
    return static_cast<CFieldRelItem*>(m_listFieldRel.GetAt(pos))->m_strTempTabField;
}
