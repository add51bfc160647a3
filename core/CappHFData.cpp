#include "core/CappHFData.h"

#include "core/CappCardData.h"
#include "core/CappCardVarItem.h"
#include "core/CappListArchive.h"
#include "core/CappVarDataFun.h"
#include "core/CellFieldDataItem.h"

FX_IMPLEMENT_SERIAL(CCappHFData, CObject, 0)

namespace
{

const char kVersion[] = "3.6";
const char kPageCountName[] = "_SYS_PRVPAGECOUNT_";

} // namespace

CCappHFData::CCappHFData()
    : m_bModify(FALSE), m_listCardVar(10), m_nSpare1(0), m_nSpare2(0), m_pCardData(nullptr), m_strVersion("2.5"),
      m_listVarData(10)
{
}

CCappHFData::~CCappHFData()
{
    Empty();
}

void CCappHFData::Empty()
{
    CappFreeList(m_listCardVar);
    CappFreeList(m_listVarData);
    m_arrVarName.RemoveAll();
}

int CCappHFData::operator=(const CCappHFData& src)
{
    if (this == &src) {
        return 1;
    }
    Empty();
    m_nSpare1 = src.m_nSpare1;
    m_nSpare2 = src.m_nSpare2;
    m_strSpare = src.m_strSpare;
    m_strVersion = src.m_strVersion;
    m_arrVarName.Copy(src.m_arrVarName);
    CCappVarDataFun::CopyList<CCappCardVarItem>(src.m_listCardVar, m_listCardVar);
    CCappVarDataFun::CopyList<CCellFieldDataItem>(src.m_listVarData, m_listVarData);
    return 1;
}

BOOL CCappHFData::GetVarData(const CString& strName, CString& strValue) const
{
    strValue.Empty();
    if (strName == kPageCountName) {
        strValue.Format("%d", m_pCardData != nullptr ? m_pCardData->m_nPageCount : 0);
        return TRUE;
    }
    const int nVar = GetVarIndex(strName);
    if (nVar < 0) {
        return FALSE;
    }
    const CCellFieldDataItem* pItem = CCappVarDataFun::GetValue(m_listVarData, nVar);
    if (pItem != nullptr) {
        strValue = pItem->GetData();
    }
    return TRUE;
}

BOOL CCappHFData::SetVarData(const CString& strName, CString& strValue)
{
    // Values are written by the definition's position; ResertDataList makes it the name's.
    CCappCardVarItem* pCardVar = nullptr;
    const int nVar = GetCardVarItem(strName, pCardVar);
    CCellFieldDataItem* pItem = nVar >= 0 ? CCappVarDataFun::GetValue(m_listVarData, nVar) : nullptr;
    if (pItem == nullptr || !CCappVarDataFun::StoreValue(pCardVar, *pItem, strValue, m_pCardData)) {
        return FALSE;
    }
    m_bModify = TRUE;
    return TRUE;
}

CCellFieldDataItem* CCappHFData::GetVarDataItem(const CString& strName) const
{
    if (strName.IsEmpty()) {
        return nullptr;
    }
    const int nVar = GetVarIndex(strName);
    return nVar >= 0 ? CCappVarDataFun::GetValue(m_listVarData, nVar) : nullptr;
}

int CCappHFData::GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const
{
    return CCappVarDataFun::FindCardVar(m_listCardVar, strName, pItem);
}

CCappCardVarItem* CCappHFData::GetCardVarItemByIndex(int nIndex) const
{
    return CCappVarDataFun::GetCardVar(m_listCardVar, nIndex);
}

int CCappHFData::GetVarIndex(const CString& strName) const
{
    return CCappVarDataFun::FindName(m_arrVarName, strName);
}

CString CCappHFData::GetVarName(int nIndex) const
{
    return CCappVarDataFun::GetName(m_arrVarName, nIndex);
}

CString CCappHFData::TransitionData(const CString& strName, const CString& strValue) const
{
    return CCappVarDataFun::TransitionData(m_listCardVar, strName, strValue);
}

void CCappHFData::ResertDataList()
{
    CPtrArray arrValueList;
    arrValueList.Add(&m_listVarData);
    CCappVarDataFun::AlignWithCardVars(m_listCardVar, m_arrVarName, arrValueList);
}

BOOL CCappHFData::EmptyAllData(int /*nUnused*/)
{
    POSITION pos = m_listVarData.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCellFieldDataItem*>(m_listVarData.GetNext(pos))->SetData(CString());
    }
    return TRUE;
}

void CCappHFData::DetachList(const CString& strName)
{
    CCappVarDataFun::DetachList(strName, {{"m_listCardVar", &m_listCardVar}, {"m_listVarData", &m_listVarData}}, FALSE);
}

void CCappHFData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion;
        m_arrVarName.Serialize(ar);
        CappSerializeList(ar, m_listVarData, FX_RUNTIME_CLASS(CCellFieldDataItem));
        CappSerializeList(ar, m_listCardVar, FX_RUNTIME_CLASS(CCappCardVarItem));
        return;
    }
    Empty();
    try {
        ar >> m_strVersion;
        m_arrVarName.Serialize(ar);
        CappSerializeList(ar, m_listVarData, FX_RUNTIME_CLASS(CCellFieldDataItem));
        CappSerializeList(ar, m_listCardVar, FX_RUNTIME_CLASS(CCappCardVarItem));
    } catch (...) {
        Empty();
        throw;
    }
}
