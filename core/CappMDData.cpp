#include "core/CappMDData.h"

#include <algorithm>
#include <vector>

#include "common/KvStringMgr.h"
#include "core/CappCardVarItem.h"
#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappMidRow.h"
#include "core/CappVarDataFun.h"
#include "core/CellFieldDataItem.h"

FX_IMPLEMENT_SERIAL(CCappMDData, CObject, 0)

namespace
{

const char kVersion[] = "3.6";

// Takes nCount rows out of the list at nStart (both checked by the caller).
std::vector<CObject*> TakeRows(CObList& list, int nStart, int nCount)
{
    std::vector<CObject*> rows;
    rows.reserve(static_cast<size_t>(nCount));
    POSITION pos = list.FindIndex(nStart);
    for (int i = 0; i < nCount && pos != nullptr; ++i) {
        POSITION posRow = pos;
        rows.push_back(list.GetNext(pos));
        list.RemoveAt(posRow);
    }
    return rows;
}

// Inserts the rows in order so that the first stands at nIndex (at the end past the last row).
void PutRows(CObList& list, int nIndex, const std::vector<CObject*>& rows)
{
    POSITION posBefore = list.FindIndex(nIndex);
    for (CObject* pRow : rows) {
        if (posBefore != nullptr) {
            list.InsertBefore(posBefore, pRow);
        } else {
            list.AddTail(pRow);
        }
    }
}

} // namespace

CCappMDData::CCappMDData()
    : m_nID(0), m_nNewRowID(1), m_listRowData(10), m_listCardVar(10), m_bModify(FALSE), m_pCardData(nullptr),
      m_listDeledRowData(10), m_nLockRowID(0)
{
}

CCappMDData::~CCappMDData()
{
    Empty();
}

void CCappMDData::Empty()
{
    CappFreeList(m_listRowData);
    CappFreeList(m_listCardVar);
    CappFreeList(m_listDeledRowData);
    m_arrVarName.RemoveAll();
}

int CCappMDData::operator=(const CCappMDData& src)
{
    if (this == &src) {
        return 1;
    }
    m_strVersion = src.m_strVersion;
    m_nID = src.m_nID;
    m_pCardData = src.m_pCardData;
    m_strName = src.m_strName;
    m_nNewRowID = src.m_nNewRowID;
    Empty();
    m_arrVarName.Copy(src.m_arrVarName);
    CCappVarDataFun::CopyList<CCappCardVarItem>(src.m_listCardVar, m_listCardVar);
    CCappVarDataFun::CopyList<CCappMidRow>(src.m_listDeledRowData, m_listDeledRowData);
    CCappVarDataFun::CopyList<CCappMidRow>(src.m_listRowData, m_listRowData);
    return 1;
}

CCappMidRow* CCappMDData::GetRow(int nIndex) const
{
    POSITION pos = GetRowPosition(nIndex);
    return pos != nullptr ? static_cast<CCappMidRow*>(m_listRowData.GetAt(pos)) : nullptr;
}

POSITION CCappMDData::GetRowPosition(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetRowCount()) {
        return nullptr;
    }
    if (m_nRowPosChanges != m_listRowData.GetChangeCount() || m_arrRowPos.GetSize() != GetRowCount()) {
        m_arrRowPos.SetSize(GetRowCount());
        INT_PTR i = 0;
        for (POSITION pos = m_listRowData.GetHeadPosition(); pos != nullptr; m_listRowData.GetNext(pos)) {
            m_arrRowPos[i++] = pos;
        }
        m_nRowPosChanges = m_listRowData.GetChangeCount();
    }
    return static_cast<POSITION>(m_arrRowPos[nIndex]);
}

CCappMidRow* CCappMDData::InsertRowData(int nIndex, int nRowID)
{
    auto* pRow = new CCappMidRow;
    pRow->m_nState = CCappMidRow::stateNew;
    pRow->m_nRowID = nRowID > 0 ? nRowID : GetNewRowID();
    CCappVarDataFun::AddEmptyValues(m_listCardVar, pRow->m_listVarData);
    POSITION pos = nIndex >= 0 ? m_listRowData.FindIndex(nIndex) : nullptr;
    if (pos != nullptr) {
        m_listRowData.InsertBefore(pos, pRow);
    } else {
        m_listRowData.AddTail(pRow);
    }
    return pRow;
}

BOOL CCappMDData::DelRowData(int nIndex)
{
    POSITION pos = nIndex >= 0 ? m_listRowData.FindIndex(nIndex) : nullptr;
    if (pos == nullptr) {
        return FALSE;
    }
    auto* pRow = static_cast<CCappMidRow*>(m_listRowData.GetAt(pos));
    CCappVarDataFun::DeleteRow(m_listRowData, pos, pRow->m_nState, m_listDeledRowData);
    return TRUE;
}

void CCappMDData::DelAllRowData()
{
    // From the last row up, as row by row, without looking each row up from the head.
    POSITION pos = m_listRowData.GetTailPosition();
    while (pos != nullptr) {
        POSITION posRow = pos;
        auto* pRow = static_cast<CCappMidRow*>(m_listRowData.GetPrev(pos));
        CCappVarDataFun::DeleteRow(m_listRowData, posRow, pRow->m_nState, m_listDeledRowData);
    }
}

BOOL CCappMDData::IsEmptyRow(const CCappMidRow* pRow) const
{
    return pRow != nullptr && CCappVarDataFun::IsEmptyValues(pRow->m_listVarData);
}

BOOL CCappMDData::IsEmptyRow(int nIndex) const
{
    return IsEmptyRow(GetRow(nIndex));
}

int CCappMDData::GetNewRowID()
{
    return m_nNewRowID++;
}

int CCappMDData::GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const
{
    return CCappVarDataFun::FindCardVar(m_listCardVar, strName, pItem);
}

CCappCardVarItem* CCappMDData::GetCardVarItemByIndex(int nIndex) const
{
    return CCappVarDataFun::GetCardVar(m_listCardVar, nIndex);
}

int CCappMDData::GetVarIndex(const CString& strName) const
{
    return CCappVarDataFun::FindName(m_arrVarName, strName);
}

CString CCappMDData::GetVarName(int nIndex) const
{
    return CCappVarDataFun::GetName(m_arrVarName, nIndex);
}

CString CCappMDData::TransitionData(const CString& strName, const CString& strValue) const
{
    return CCappVarDataFun::TransitionData(m_listCardVar, strName, strValue);
}

CCellFieldDataItem* CCappMDData::GetVarDataItem(int nRow, int nVar) const
{
    const CCappMidRow* pRow = GetRow(nRow);
    return pRow != nullptr && nVar >= 0 ? CCappVarDataFun::GetValue(pRow->m_listVarData, nVar) : nullptr;
}

CCellFieldDataItem* CCappMDData::GetVarDataItem(int nRow, const CString& strName) const
{
    const int nVar = GetVarIndex(strName);
    return nVar >= 0 ? GetVarDataItem(nRow, nVar) : nullptr;
}

CCellFieldDataItem* CCappMDData::GetVarDataItem(CCappMidRow*& pRow, const CString& strName) const
{
    const int nVar = GetVarIndex(strName);
    return pRow != nullptr && nVar >= 0 ? CCappVarDataFun::GetValue(pRow->m_listVarData, nVar) : nullptr;
}

BOOL CCappMDData::GetVarData(int nRow, const CString& strName, CString& strValue, int nInheritMode) const
{
    strValue.Empty();
    const int nVar = GetVarIndex(strName);
    if (nVar < 0) {
        return FALSE;
    }
    BOOL bInherit = nInheritMode == inheritAlways;
    if (nInheritMode == inheritByDefinition) {
        CCappCardVarItem* pCardVar = nullptr;
        bInherit = GetCardVarItem(strName, pCardVar) >= 0 && pCardVar->m_bInherit;
    }
    const CCellFieldDataItem* pItem = GetVarDataItem(nRow, nVar);
    if (pItem != nullptr) {
        strValue = pItem->GetData();
    }
    while (bInherit && strValue.IsEmpty() && nRow > 0) {
        // Rows past the end hold nothing: go straight to the last row.
        nRow = std::min(nRow - 1, GetRowCount() - 1);
        pItem = GetVarDataItem(nRow, nVar);
        if (pItem != nullptr) {
            strValue = pItem->GetData();
        }
    }
    return TRUE;
}

BOOL CCappMDData::SetVarData(int nRow, const CString& strName, CString& strValue)
{
    CCellFieldDataItem* pItem = GetVarDataItem(nRow, strName);
    if (pItem == nullptr) {
        return FALSE;
    }
    CCappCardVarItem* pCardVar = nullptr;
    GetCardVarItem(strName, pCardVar);
    if (!CCappVarDataFun::StoreValue(pCardVar, *pItem, strValue, m_pCardData)) {
        return FALSE;
    }
    GetRow(nRow)->SetModified();
    m_bModify = TRUE;
    return TRUE;
}

int CCappMDData::SetVarData(CCappMidRow*& pRow, const CString& strName, CString& strValue)
{
    CCellFieldDataItem* pItem = GetVarDataItem(pRow, strName);
    if (pItem == nullptr) {
        return 0;
    }
    POSITION pos = m_listCardVar.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCardVar = static_cast<CCappCardVarItem*>(m_listCardVar.GetNext(pos));
        if (pCardVar->m_strName == strName && CCappVarDataFun::StoreValue(pCardVar, *pItem, strValue, m_pCardData)) {
            pRow->SetModified();
            m_bModify = TRUE;
        }
    }
    return 0;
}

void CCappMDData::ResertDataList()
{
    CPtrArray arrValueList;
    POSITION pos = m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        arrValueList.Add(&static_cast<CCappMidRow*>(m_listRowData.GetNext(pos))->m_listVarData);
    }
    CCappVarDataFun::AlignWithCardVars(m_listCardVar, m_arrVarName, arrValueList);
}

void CCappMDData::SetInheritPrvData(CCappMidRow*& pPrevRow, CCappMidRow*& pRow)
{
    if (pPrevRow == nullptr || pRow == nullptr) {
        return;
    }
    CString strNames;
    int nVar = 0;
    POSITION pos = m_listCardVar.GetHeadPosition();
    for (; pos != nullptr; ++nVar) {
        auto* pCardVar = static_cast<CCappCardVarItem*>(m_listCardVar.GetNext(pos));
        if (!pCardVar->m_bInherit) {
            continue;
        }
        CCellFieldDataItem* pItem = CCappVarDataFun::GetValue(pRow->m_listVarData, nVar);
        if (pItem == nullptr || !pItem->GetData().IsEmpty()) {
            continue;
        }
        CCellFieldDataItem* pPrevItem = CCappVarDataFun::GetValue(pPrevRow->m_listVarData, nVar);
        pItem->SetData(pPrevItem != nullptr ? pPrevItem->GetData() : CString());
        strNames += pCardVar->m_strName + "\n";
        pRow->SetModified();
    }
    if (pRow->m_strInheritNames != strNames) {
        pRow->m_strInheritNames = strNames;
        pRow->SetModified();
    }
}

void CCappMDData::DelInheritPrvData(CCappMidRow*& pRow)
{
    if (pRow == nullptr) {
        return;
    }
    CStringArray arrName;
    CKvStringMgr::StringToArray(pRow->m_strInheritNames, arrName, "\n");
    for (INT_PTR i = 0; i < arrName.GetSize(); ++i) {
        CCellFieldDataItem* pItem = GetVarDataItem(pRow, arrName[i]);
        if (pItem != nullptr) {
            pItem->SetData(CString());
        }
    }
}

BOOL CCappMDData::ExchangeRow(int nStart1, int nStart2, int nCount1, int nCount2)
{
    if (nStart2 < nStart1) {
        std::swap(nStart1, nStart2);
        std::swap(nCount1, nCount2);
    }
    const long long nRows = GetRowCount();
    if (nStart1 < 0 || nCount1 <= 0 || nCount2 <= 0 || static_cast<long long>(nStart1) + nCount1 > nStart2 ||
        static_cast<long long>(nStart2) + nCount2 > nRows) {
        return FALSE;
    }
    std::vector<CObject*> block1 = TakeRows(m_listRowData, nStart1, nCount1);
    PutRows(m_listRowData, nStart2 - nCount1 + nCount2, block1);
    std::vector<CObject*> block2 = TakeRows(m_listRowData, nStart2 - nCount1, nCount2);
    PutRows(m_listRowData, nStart1, block2);
    return TRUE;
}

BOOL CCappMDData::MoveRow(int nStart, int nCount, int nTarget)
{
    const long long nRows = GetRowCount();
    const long long nEnd = static_cast<long long>(nStart) + nCount;
    if (nStart < 0 || nCount <= 0 || nTarget < 0 || nEnd > nRows || (nTarget >= nStart && nTarget <= nEnd) ||
        nTarget > nRows) {
        return FALSE;
    }
    std::vector<CObject*> block = TakeRows(m_listRowData, nStart, nCount);
    PutRows(m_listRowData, nTarget < nStart ? nTarget : nTarget - nCount, block);
    return TRUE;
}

int CCappMDData::RowIDToRowIndex(int nValue, int bToRowID) const
{
    if (bToRowID) {
        const CCappMidRow* pRow = GetRow(nValue);
        return pRow != nullptr ? pRow->m_nRowID : -1;
    }
    int nIndex = 0;
    POSITION pos = m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        if (static_cast<CCappMidRow*>(m_listRowData.GetNext(pos))->m_nRowID == nValue) {
            return nIndex;
        }
        ++nIndex;
    }
    return -1;
}

BOOL CCappMDData::LockRowCorrespondAction(int nEditIndex, int nAction, int nCount)
{
    if (m_nLockRowID <= 0 || nCount <= 0) {
        return FALSE;
    }
    const int nLocked = RowIDToRowIndex(m_nLockRowID, FALSE);
    if (nLocked < 0) {
        return FALSE;
    }
    if (nAction == lockRowsInserted) {
        if (nEditIndex < nLocked) {
            for (int i = 0; i < nCount; ++i) {
                InsertRowData(nLocked, 0);
            }
        }
        return TRUE;
    }
    if (nAction != lockRowsDeleted || nEditIndex >= nLocked) {
        return FALSE;
    }
    // Walk up from just above the locked row. A deletion slides the rows below up by one, and
    // those are the non-empty rows already passed and the locked row itself: go on above.
    int nDeleted = 0;
    for (int i = nLocked - 1; i > nEditIndex; --i) {
        if (IsEmptyRow(i)) {
            DelRowData(i);
            if (++nDeleted == nCount) {
                return TRUE;
            }
        }
    }
    return FALSE;
}

int CCappMDData::FindRowIndex(const CString& strName, const CString& strText) const
{
    const int nVar = GetVarIndex(strName);
    if (nVar < 0) {
        return -1;
    }
    int nIndex = 0;
    POSITION pos = m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        auto* pRow = static_cast<CCappMidRow*>(m_listRowData.GetNext(pos));
        const CCellFieldDataItem* pItem = CCappVarDataFun::GetValue(pRow->m_listVarData, nVar);
        if (pItem == nullptr) {
            return -1;
        }
        if (pItem->m_strValue == strText) {
            return nIndex;
        }
        ++nIndex;
    }
    return -1;
}

BOOL CCappMDData::GetPageBegDataRowIndex(int nPage, int& nRow, int& nLineOffset) const
{
    if (nPage < 1 || nPage > m_arrPageBegRow.GetSize()) {
        nRow = -1;
        nLineOffset = -1;
        return FALSE;
    }
    nRow = static_cast<int>(m_arrPageBegRow[nPage - 1]);
    nLineOffset = static_cast<int>(m_arrPageBegLineOffset[nPage - 1]);
    return TRUE;
}

BOOL CCappMDData::SetPageBegDataRowIndex(int nPage, int nRow, int nLineOffset)
{
    if (nPage < 1) {
        return FALSE;
    }
    while (m_arrPageBegRow.GetSize() < nPage) {
        m_arrPageBegRow.Add(static_cast<DWORD>(-1));
        m_arrPageBegLineOffset.Add(static_cast<DWORD>(-1));
    }
    m_arrPageBegRow[nPage - 1] = static_cast<DWORD>(nRow);
    m_arrPageBegLineOffset[nPage - 1] = static_cast<DWORD>(nLineOffset);
    return TRUE;
}

void CCappMDData::SetPageBegDataRowIndexSize(int nSize)
{
    nSize = std::max(nSize, 0);
    if (nSize < m_arrPageBegRow.GetSize()) {
        m_arrPageBegRow.SetSize(nSize);
        m_arrPageBegLineOffset.SetSize(nSize);
    }
}

int CCappMDData::GetPageByRowIndex(int nRow) const
{
    if (nRow < 0) {
        return 0;
    }
    const INT_PTR nSize = m_arrPageBegRow.GetSize();
    for (INT_PTR i = 0; i < nSize; ++i) {
        // Unsigned: an unset entry (-1) lies beyond every row.
        if (m_arrPageBegRow[i] > static_cast<DWORD>(nRow)) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(nSize);
}

BOOL CCappMDData::GetRowPageInfo(int nRow, int& nFirstPage, int& nSecond) const
{
    nFirstPage = -1;
    nSecond = -1;
    if (m_arrPageBegRow.IsEmpty()) {
        nFirstPage = 0;
        nSecond = 0;
        return TRUE;
    }
    // The last page that begins before the row, or with the row's first line.
    nFirstPage = 1;
    for (INT_PTR i = 0; i < m_arrPageBegRow.GetSize(); ++i) {
        const int nBegRow = static_cast<int>(m_arrPageBegRow[i]);
        const int nOffset = static_cast<int>(m_arrPageBegLineOffset[i]);
        if (nBegRow >= 0 && (nBegRow < nRow || (nBegRow == nRow && nOffset <= 0))) {
            nFirstPage = static_cast<int>(i) + 1;
        }
    }
    nSecond = 0;
    return TRUE;
}

void CCappMDData::DetachList(const CString& strName)
{
    CCappVarDataFun::DetachList(strName,
                                {{"m_listRowData", &m_listRowData},
                                 {"m_listCardVar", &m_listCardVar},
                                 {"m_listDeledRowData", &m_listDeledRowData}},
                                FALSE);
}

void CCappMDData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_strName << m_nID << m_nNewRowID;
        SerializeTable(ar);
        return;
    }
    CappLoadOrEmpty([&] { Load(ar); }, [this] { Empty(); });
}

void CCappMDData::Load(CArchive& ar)
{
    CString strFirst;
    ar >> strFirst;
    // Older records start with the name and carry no version.
    if (strFirst.Find('.') < 0) {
        m_strVersion.Empty();
        m_strName = strFirst;
    } else {
        m_strVersion = strFirst;
        ar >> m_strName;
    }
    ar >> m_nID >> m_nNewRowID;
    CCappLoadScope::COpen open(this);
    SerializeTable(ar);
}

void CCappMDData::SerializeTable(CArchive& ar)
{
    CappSerializeRowTable(ar, m_strVersion, kVersion, m_arrVarName, m_listRowData, FX_RUNTIME_CLASS(CCappMidRow),
                          m_listCardVar);
}
