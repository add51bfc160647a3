#include "core/CappPgData.h"

#include "core/CappCardVarItem.h"
#include "core/CappListArchive.h"
#include "core/CappMidRow.h"
#include "core/CappPgRow.h"
#include "core/CappVarDataFun.h"
#include "core/CellFieldDataItem.h"

FX_IMPLEMENT_SERIAL(CCappPgData, CObject, 0)

namespace
{

const char kVersion[] = "3.6";

} // namespace

CCappPgData::CCappPgData()
    : m_bModify(FALSE), m_listCardVar(10), m_listRowData(10), m_listDeledRowData(10), m_pCardData(nullptr)
{
}

CCappPgData::~CCappPgData()
{
    Empty();
}

void CCappPgData::Empty()
{
    CappFreeList(m_listCardVar);
    CappFreeList(m_listRowData);
    CappFreeList(m_listDeledRowData);
    m_arrVarName.RemoveAll();
}

int CCappPgData::operator=(const CCappPgData& src)
{
    if (this == &src) {
        return 1;
    }
    Empty();
    m_strVersion = src.m_strVersion;
    m_bModify = src.m_bModify;
    m_pCardData = src.m_pCardData;
    m_arrVarName.Copy(src.m_arrVarName);
    CCappVarDataFun::CopyList<CCappCardVarItem>(src.m_listCardVar, m_listCardVar);
    CCappVarDataFun::CopyList<CCappPgRow>(src.m_listDeledRowData, m_listDeledRowData);
    CCappVarDataFun::CopyList<CCappPgRow>(src.m_listRowData, m_listRowData);
    return 1;
}

CCappPgRow* CCappPgData::InsertRowData(int nIndex)
{
    auto* pRow = new CCappPgRow;
    pRow->m_nState = CCappMidRow::stateNew;
    CCappVarDataFun::AddEmptyValues(m_listCardVar, pRow->m_listVarData);
    // Without a row at the index the new page goes last: put first, it would shift every
    // page's values onto the next page.
    POSITION pos = nIndex >= 0 ? m_listRowData.FindIndex(nIndex) : nullptr;
    if (pos != nullptr) {
        m_listRowData.InsertBefore(pos, pRow);
    } else {
        m_listRowData.AddTail(pRow);
    }
    return pRow;
}

CCappPgRow* CCappPgData::GetRow(int nPage) const
{
    POSITION pos = nPage >= 1 ? m_listRowData.FindIndex(nPage - 1) : nullptr;
    return pos != nullptr ? static_cast<CCappPgRow*>(m_listRowData.GetAt(pos)) : nullptr;
}

BOOL CCappPgData::DelRowData(int nPage)
{
    POSITION pos = nPage >= 1 ? m_listRowData.FindIndex(nPage - 1) : nullptr;
    if (pos == nullptr) {
        return FALSE;
    }
    auto* pRow = static_cast<CCappPgRow*>(m_listRowData.GetAt(pos));
    CCappVarDataFun::DeleteRow(m_listRowData, pos, pRow->m_nState, m_listDeledRowData);
    return TRUE;
}

BOOL CCappPgData::GetVarData(int nPage, const CString& strName, CString& strValue) const
{
    strValue.Empty();
    const CCappPgRow* pRow = GetRow(nPage);
    const int nVar = GetVarIndex(strName);
    if (pRow == nullptr || nVar < 0) {
        return FALSE;
    }
    const CCellFieldDataItem* pItem = CCappVarDataFun::GetValue(pRow->m_listVarData, nVar);
    if (pItem != nullptr) {
        strValue = pItem->GetData();
    }
    return TRUE;
}

BOOL CCappPgData::SetVarData(int nPage, const CString& strName, CString& strValue)
{
    CCappPgRow* pRow = GetRow(nPage);
    CCappCardVarItem* pCardVar = nullptr;
    const int nVar = GetCardVarItem(strName, pCardVar);
    if (pRow == nullptr || nVar < 0) {
        return FALSE;
    }
    // Written by the definition's position, as the head/foot data does.
    CCellFieldDataItem* pItem = CCappVarDataFun::GetValue(pRow->m_listVarData, nVar);
    if (pItem == nullptr || !CCappVarDataFun::StoreValue(pCardVar, *pItem, strValue, m_pCardData)) {
        return FALSE;
    }
    if (pRow->m_nState == CCappMidRow::stateUnchanged) {
        pRow->m_nState = CCappMidRow::stateModified;
    }
    m_bModify = TRUE;
    return TRUE;
}

CCellFieldDataItem* CCappPgData::GetVarDataItem(int nPage, int nVar) const
{
    const CCappPgRow* pRow = GetRow(nPage);
    return pRow != nullptr && nVar >= 0 ? CCappVarDataFun::GetValue(pRow->m_listVarData, nVar) : nullptr;
}

CCellFieldDataItem* CCappPgData::GetVarDataItem(int nPage, const CString& strName) const
{
    return GetVarDataItem(GetRow(nPage), strName);
}

CCellFieldDataItem* CCappPgData::GetVarDataItem(const CCappPgRow* pRow, const CString& strName) const
{
    const int nVar = GetVarIndex(strName);
    return pRow != nullptr && nVar >= 0 ? CCappVarDataFun::GetValue(pRow->m_listVarData, nVar) : nullptr;
}

int CCappPgData::GetVarIndex(const CString& strName) const
{
    return CCappVarDataFun::FindName(m_arrVarName, strName);
}

CString CCappPgData::GetVarName(int nIndex) const
{
    return CCappVarDataFun::GetName(m_arrVarName, nIndex);
}

int CCappPgData::GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const
{
    return CCappVarDataFun::FindCardVar(m_listCardVar, strName, pItem);
}

CCappCardVarItem* CCappPgData::GetCardVarItemByIndex(int nIndex) const
{
    return CCappVarDataFun::GetCardVar(m_listCardVar, nIndex);
}

BOOL CCappPgData::IsEmptyRow(const CCappPgRow* pRow) const
{
    return pRow != nullptr && CCappVarDataFun::IsEmptyValues(pRow->m_listVarData);
}

void CCappPgData::ResertDataList()
{
    CPtrArray arrValueList;
    POSITION pos = m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        arrValueList.Add(&static_cast<CCappPgRow*>(m_listRowData.GetNext(pos))->m_listVarData);
    }
    CCappVarDataFun::AlignWithCardVars(m_listCardVar, m_arrVarName, arrValueList);
}

void CCappPgData::DetachList(const CString& strName)
{
    CCappVarDataFun::DetachList(strName,
                                {{"m_listRowData", &m_listRowData},
                                 {"m_listCardVar", &m_listCardVar},
                                 {"m_listDeledRowData", &m_listDeledRowData}},
                                FALSE);
}

void CCappPgData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion;
        SerializeTable(ar);
        return;
    }
    CappLoadOrEmpty([&] { Load(ar); }, [this] { Empty(); });
}

void CCappPgData::Load(CArchive& ar)
{
    ar >> m_strVersion;
    SerializeTable(ar);
}

void CCappPgData::SerializeTable(CArchive& ar)
{
    CappSerializeRowTable(ar, m_strVersion, kVersion, m_arrVarName, m_listRowData, FX_RUNTIME_CLASS(CCappPgRow),
                          m_listCardVar);
}
