#include "core/CappPgRow.h"

#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappMidRow.h"
#include "core/CappVarDataFun.h"
#include "core/CellFieldDataItem.h"

FX_IMPLEMENT_SERIAL(CCappPgRow, CObject, 0)

CCappPgRow::CCappPgRow() : m_nRowWord(0), m_listVarData(10), m_nState(0), m_nPageOrder(0), m_nSpare(0)
{
}

CCappPgRow::~CCappPgRow()
{
    CappFreeList(m_listVarData);
}

CCappPgRow::CCappPgRow(const CCappPgRow& src) : CCappPgRow()
{
    *this = src;
}

CCappPgRow& CCappPgRow::operator=(const CCappPgRow& src)
{
    if (this == &src) {
        return *this;
    }
    m_nRowWord = src.m_nRowWord;
    m_nState = src.m_nState;
    m_nPageOrder = src.m_nPageOrder;
    m_nSpare = src.m_nSpare;
    CappFreeList(m_listVarData);
    CCappVarDataFun::CopyList<CCellFieldDataItem>(src.m_listVarData, m_listVarData);
    return *this;
}

void CCappPgRow::SetPageOrder(int nPageOrder)
{
    if (m_nPageOrder != nPageOrder) {
        m_nPageOrder = nPageOrder;
        if (m_nState == CCappMidRow::stateUnchanged) {
            m_nState = CCappMidRow::stateModified;
        }
    }
}

void CCappPgRow::DetachList(const CString& strName)
{
    if (strName == "m_listVarData") {
        CappFreeList(m_listVarData);
    }
}

void CCappPgRow::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nRowWord;
    } else {
        ar >> m_nRowWord;
    }
    CCappLoadScope::COpen open(this);
    CappSerializeList(ar, m_listVarData, FX_RUNTIME_CLASS(CCellFieldDataItem));
}
