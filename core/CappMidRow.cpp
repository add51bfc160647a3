#include "core/CappMidRow.h"

#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappVarDataFun.h"
#include "core/CellFieldDataItem.h"

FX_IMPLEMENT_SERIAL(CCappMidRow, CObject, 0)

namespace
{

const char kVersion[] = "2.5";

} // namespace

CCappMidRow::CCappMidRow()
    : m_strVersion(kVersion), m_nLineCount(1), m_listVarData(10), m_nRowID(0), m_nState(stateUnchanged), m_nEmptyRow(0)
{
}

CCappMidRow::~CCappMidRow()
{
    CappFreeList(m_listVarData);
}

CCappMidRow::CCappMidRow(const CCappMidRow& src) : CCappMidRow()
{
    *this = src;
}

CCappMidRow& CCappMidRow::operator=(const CCappMidRow& src)
{
    if (this == &src) {
        return *this;
    }
    m_nState = src.m_nState;
    m_nEmptyRow = src.m_nEmptyRow;
    m_nRowID = src.m_nRowID;
    m_nLineCount = src.m_nLineCount;
    m_strInheritNames = src.m_strInheritNames;
    CappFreeList(m_listVarData);
    CCappVarDataFun::CopyList<CCellFieldDataItem>(src.m_listVarData, m_listVarData);
    return *this;
}

void CCappMidRow::SetEmptyRow(int nEmptyRow)
{
    if (m_nEmptyRow != nEmptyRow) {
        m_nEmptyRow = nEmptyRow;
        SetModified();
    }
}

void CCappMidRow::SetModified()
{
    if (m_nState == stateUnchanged) {
        m_nState = stateModified;
    }
}

void CCappMidRow::EmptyRow()
{
    POSITION pos = m_listVarData.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCellFieldDataItem*>(m_listVarData.GetNext(pos))->SetData(CString());
    }
}

void CCappMidRow::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_nRowID << m_nLineCount << m_nEmptyRow;
    } else {
        ar >> m_strVersion >> m_nRowID >> m_nLineCount >> m_nEmptyRow;
    }
    CCappLoadScope::COpen open(this);
    CappSerializeList(ar, m_listVarData, FX_RUNTIME_CLASS(CCellFieldDataItem));
}
