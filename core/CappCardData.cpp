#include "core/CappCardData.h"

#include <cstdlib>

#include "common/KvStringMgr.h"
#include "core/CappCardVarItem.h"
#include "core/CappFreeObj.h"
#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMsgFun.h"
#include "core/CappSheet.h"
#include "core/CappVarDataFun.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "core/PageMaker.h"
#include "core/res/resource.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

FX_IMPLEMENT_SERIAL(CCappCardData, CObject, 0)

namespace
{

const char kVersion[] = "4.2";
// The page a range "to the end" stops at.
constexpr int kLastPage = 10000;

// Byte position of the first ch at or after nStart, stepping over GBK characters; -1 when none.
int FindChar(const CString& strText, char ch, int nStart)
{
    for (int i = nStart; i < strText.GetLength(); i += CString::CharLength(strText.GetString() + i)) {
        if (strText[i] == ch) {
            return i;
        }
    }
    return -1;
}

// The bracketed names of the text, each once; a "[" without "]" after it or an empty name ends
// the scan.
void PickVars(const CString& strText, CStringArray& arrNames)
{
    int nOpen = FindChar(strText, '[', 0);
    while (nOpen >= 0) {
        const int nClose = FindChar(strText, ']', nOpen + 1);
        if (nClose < 0 || nClose == nOpen + 1) {
            return;
        }
        CString strName = strText.Mid(nOpen + 1, nClose - nOpen - 1);
        bool bKnown = false;
        for (INT_PTR i = 0; i < arrNames.GetSize() && !bKnown; ++i) {
            bKnown = arrNames[i] == strName;
        }
        if (!bKnown) {
            arrNames.Add(strName);
        }
        nOpen = FindChar(strText, '[', nClose + 1);
    }
}

} // namespace

CCappCardData::CCappCardData()
    : m_strVersion(kVersion), m_nReserved1(0), m_nReserved2(0), m_nPageCount(0), m_nNextID(1), m_listFreeObj(10),
      m_nReserved3(0), m_pCardObj(nullptr), m_listPageMaker(10)
{
    m_HFData.m_pCardData = this;
    m_PgData.m_pCardData = this;
}

CCappCardData::~CCappCardData()
{
    DetachList(CString());
}

void CCappCardData::DetachList(const CString& strName)
{
    CCappVarDataFun::DetachList(
        strName,
        {{"m_MDDataList", &m_MDDataList}, {"m_listFreeObj", &m_listFreeObj}, {"m_listPageMaker", &m_listPageMaker}},
        TRUE);
}

BOOL CCappCardData::GetVarData(const CString& strName, int nIndex, int nInheritMode, CString& strValue) const
{
    if (m_HFData.GetVarData(strName, strValue) || m_PgData.GetVarData(nIndex, strName, strValue)) {
        return TRUE;
    }
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos));
        if (pMDData->GetVarData(nIndex, strName, strValue, nInheritMode)) {
            return TRUE;
        }
    }
    strValue.Empty();
    return FALSE;
}

BOOL CCappCardData::SetVarData(const CString& strName, int nIndex, CString strValue)
{
    if (m_HFData.SetVarData(strName, strValue) || m_PgData.SetVarData(nIndex, strName, strValue)) {
        return TRUE;
    }
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos));
        if (pMDData->SetVarData(nIndex, strName, strValue)) {
            return TRUE;
        }
    }
    return FALSE;
}

CCellFieldDataItem* CCappCardData::GetVarDataItem(const CString& strName, long nIndex, int* pnKind,
                                                  CString* pstrMDName) const
{
    const int nRow = static_cast<int>(nIndex);
    CCellFieldDataItem* pItem = m_HFData.GetVarDataItem(strName);
    int nKind = partHeadFoot;
    const CCappMDData* pFound = nullptr;
    if (pItem == nullptr) {
        pItem = m_PgData.GetVarDataItem(nRow, strName);
        nKind = partPage;
    }
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pItem == nullptr && pos != nullptr) {
        pFound = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos));
        pItem = pFound->GetVarDataItem(nRow, strName);
        nKind = partDetail;
    }
    if (pItem == nullptr) {
        return nullptr;
    }
    if (pnKind != nullptr) {
        *pnKind = nKind;
    }
    if (pstrMDName != nullptr && nKind == partDetail) {
        *pstrMDName = pFound->m_strName;
    }
    return pItem;
}

int CCappCardData::GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const
{
    int nIndex = m_HFData.GetCardVarItem(strName, pItem);
    if (nIndex < 0) {
        nIndex = m_PgData.GetCardVarItem(strName, pItem);
    }
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (nIndex < 0 && pos != nullptr) {
        nIndex = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos))->GetCardVarItem(strName, pItem);
    }
    return nIndex;
}

CCappMDData* CCappCardData::GetMDData(const CString& strName) const
{
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos));
        if (pMDData->m_strName == strName) {
            return pMDData;
        }
    }
    return nullptr;
}

CCappMDData* CCappCardData::GetMDData(int nID) const
{
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_MDDataList.GetNext(pos));
        if (pMDData->m_nID == nID) {
            return pMDData;
        }
    }
    return nullptr;
}

int CCappCardData::GetNewID()
{
    return m_nNextID++;
}

CString CCappCardData::GetNewItemIDCode()
{
    CString strCode;
    strCode.Format("%s_%d", m_strDataName.GetString(), GetNewID());
    return strCode;
}

void CCappCardData::SetInheritData(const CString& strName, int nSeat, const CString& /*strUnused*/,
                                   const CString& strValue)
{
    if (nSeat == 0) {
        CString strSet = strValue;
        m_HFData.SetVarData(strName, strSet);
    }
}

CString CCappCardData::ReplaceDataOnHead(const CString& strText) const
{
    CStringArray arrNames;
    PickVars(strText, arrNames);
    CString strResult;
    int nDone = 0;
    int nOpen = FindChar(strText, '[', 0);
    while (nOpen >= 0) {
        const int nClose = FindChar(strText, ']', nOpen + 1);
        if (nClose < 0) {
            break;
        }
        const CString strName = strText.Mid(nOpen + 1, nClose - nOpen - 1);
        bool bPicked = false;
        for (INT_PTR i = 0; i < arrNames.GetSize() && !bPicked; ++i) {
            bPicked = arrNames[i] == strName;
        }
        if (!bPicked) {
            nOpen = FindChar(strText, '[', nOpen + 1);
            continue;
        }
        CString strValue;
        m_HFData.GetVarData(strName, strValue);
        strResult += strText.Mid(nDone, nOpen - nDone);
        strResult += strValue;
        nDone = nClose + 1;
        nOpen = FindChar(strText, '[', nDone);
    }
    strResult += strText.Mid(nDone);
    return strResult;
}

void CCappCardData::RelData(CCappSheet*& pSheet) const
{
    if (pSheet == nullptr) {
        return;
    }
    // An area without detail data of its name is reported and bound to null, and the others
    // are still bound: stopping there would leave the later areas pointing at detail data of an
    // earlier card.
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (pArea->m_nType != CCappMidData::typeTemplate && pArea->m_nType != CCappMidData::typeRunTime) {
            continue;
        }
        pArea->m_pMDData = GetMDData(pArea->m_strName);
        if (pArea->m_pMDData == nullptr) {
            CString strFormat;
            strFormat.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), IDS_MDDATA_NOT_FOUND);
            CString strText;
            strText.Format(strFormat, pArea->m_strName.GetString());
            CCappMsgFun::ShowText(pSheet->m_pWnd, strText);
        }
    }
}

BOOL CCappCardData::IsModify() const
{
    if (m_HFData.m_bModify || m_PgData.m_bModify) {
        return TRUE;
    }
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        if (static_cast<CCappMDData*>(m_MDDataList.GetNext(pos))->m_bModify) {
            return TRUE;
        }
    }
    return FALSE;
}

void CCappCardData::PageMake(int nFirst, int nLast, const CString& strCardName)
{
    if (nLast < 0) {
        nLast = kLastPage;
    }
    BOOL bCutting = FALSE;
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posEntry = pos;
        auto* pEntry = static_cast<CPageMaker*>(m_listPageMaker.GetNext(pos));
        if (!bCutting) {
            if (pEntry->m_nFirstPage == nFirst) {
                // The page already starts an entry: it keeps its card name.
                bCutting = TRUE;
                continue;
            }
            if (pEntry->m_nFirstPage < nFirst) {
                continue;
            }
            m_listPageMaker.InsertBefore(posEntry, new CPageMaker(nFirst, strCardName));
            bCutting = TRUE;
            if (nLast < pEntry->m_nFirstPage) {
                return;
            }
        }
        // Entries that start within the range are cut back to its end. One that starts past
        // the range keeps its pages, and so does the part of the last entry past the range.
        if (pEntry->m_nFirstPage <= nFirst || pEntry->m_nFirstPage > nLast) {
            return;
        }
        const int nNextFirst =
            pos != nullptr ? static_cast<CPageMaker*>(m_listPageMaker.GetAt(pos))->m_nFirstPage : kLastPage + 1;
        if (nNextFirst > nLast + 1) {
            pEntry->m_nFirstPage = nLast + 1;
            return;
        }
        m_listPageMaker.RemoveAt(posEntry);
        delete pEntry;
        if (nNextFirst == nLast + 1) {
            return;
        }
    }
    if (!bCutting) {
        m_listPageMaker.AddTail(new CPageMaker(nFirst, strCardName));
    }
}

void CCappCardData::SetPageMake(const CObList& listEntries)
{
    CappFreeList(m_listPageMaker);
    POSITION pos = listEntries.GetHeadPosition();
    while (pos != nullptr) {
        auto* pEntry = static_cast<CPageMaker*>(listEntries.GetNext(pos));
        m_listPageMaker.AddTail(new CPageMaker(pEntry->m_nFirstPage, pEntry->m_strCardName));
    }
}

void CCappCardData::SetPageMake(const CString& strText)
{
    CappFreeList(m_listPageMaker);
    CStringArray arrEntry;
    CKvStringMgr::StringToArray(strText, arrEntry, ";");
    for (INT_PTR i = 0; i < arrEntry.GetSize(); ++i) {
        CString strEntry = arrEntry[i];
        if (strEntry.IsEmpty()) {
            continue;
        }
        CString strCardName;
        CKvStringMgr::GetElementItem(strEntry, strCardName, ",");
        m_listPageMaker.AddTail(new CPageMaker(std::atoi(strEntry), strCardName));
    }
}

CString CCappCardData::GetCardNameByPage(int nPage) const
{
    // Without entries every page is the master card's, unless the owning card has no sheet to
    // show it with. Card data without an owner cannot tell and answers the master card.
    if (m_listPageMaker.IsEmpty() && m_pCardObj != nullptr && m_pCardObj->m_listSheet.IsEmpty()) {
        return CString();
    }
    CString strName = m_strMasterName;
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        auto* pEntry = static_cast<CPageMaker*>(m_listPageMaker.GetNext(pos));
        if (pEntry->m_nFirstPage == nPage) {
            return pEntry->m_strCardName;
        }
        if (pEntry->m_nFirstPage > nPage) {
            return strName;
        }
        strName = pEntry->m_strCardName;
    }
    return strName;
}

void CCappCardData::GetCardNames(CStringArray& arrNames) const
{
    arrNames.RemoveAll();
    arrNames.Add(m_strMasterName);
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        const CString& strName = static_cast<CPageMaker*>(m_listPageMaker.GetNext(pos))->m_strCardName;
        bool bKnown = false;
        for (INT_PTR i = 0; i < arrNames.GetSize() && !bKnown; ++i) {
            bKnown = arrNames[i] == strName;
        }
        if (!bKnown) {
            arrNames.Add(strName);
        }
    }
}

void CCappCardData::ClearModify()
{
    m_HFData.m_bModify = FALSE;
    m_PgData.m_bModify = FALSE;
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappMDData*>(m_MDDataList.GetNext(pos))->m_bModify = FALSE;
    }
}

void CCappCardData::Empty()
{
    DetachList(CString());
    for (const char* pszList : {"m_listCardVar", "m_listVarData"}) {
        m_HFData.DetachList(pszList);
    }
    m_HFData.m_arrVarName.RemoveAll();
    for (const char* pszList : {"m_listCardVar", "m_listRowData", "m_listDeledRowData"}) {
        m_PgData.DetachList(pszList);
    }
    m_PgData.m_arrVarName.RemoveAll();
    m_strVersion = kVersion;
    m_nReserved1 = 0;
    m_nReserved2 = 0;
    m_nReserved3 = 0;
    m_strDataName.Empty();
    m_nPageCount = 0;
    m_nNextID = 1;
    m_strPageSetType.Empty();
    m_strMasterName.Empty();
    m_strReserved.Empty();
}

void CCappCardData::Serialize(CArchive& ar)
{
    ClearModify();
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_strMasterName << m_strReserved << m_nPageCount << m_nReserved2 << m_nReserved1
           << m_strDataName << m_nNextID << m_strPageSetType << m_nReserved3;
        m_HFData.Serialize(ar);
        m_PgData.Serialize(ar);
        CappSerializeList(ar, m_MDDataList, FX_RUNTIME_CLASS(CCappMDData));
        CappSerializeList(ar, m_listFreeObj, FX_RUNTIME_CLASS(CCappFreeObj));
        CappSerializeList(ar, m_listPageMaker, FX_RUNTIME_CLASS(CPageMaker));
        return;
    }

    DetachList(CString());
    CCappLoadScope scope;
    try {
        Load(ar);
    } catch (...) {
        Empty();
        throw;
    }
}

void CCappCardData::Load(CArchive& ar)
{
    ar >> m_strVersion >> m_strMasterName >> m_strReserved >> m_nPageCount >> m_nReserved2 >> m_nReserved1 >>
        m_strDataName >> m_nNextID >> m_strPageSetType >> m_nReserved3;
    m_HFData.Serialize(ar);
    m_PgData.Serialize(ar);
    CappSerializeList(ar, m_MDDataList, FX_RUNTIME_CLASS(CCappMDData));
    CappSerializeList(ar, m_listFreeObj, FX_RUNTIME_CLASS(CCappFreeObj));
    CappSerializeList(ar, m_listPageMaker, FX_RUNTIME_CLASS(CPageMaker));
    POSITION pos = m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappMDData*>(m_MDDataList.GetNext(pos))->m_pCardData = this;
    }
}
