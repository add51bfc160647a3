#include "core/CappVarDataFun.h"

#include "core/CappCardData.h"
#include "core/CappCardVarItem.h"
#include "core/CappListArchive.h"
#include "core/CappMidRow.h"
#include "core/CappObj.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "platform/base/File.h"

int CCappVarDataFun::FindCardVar(const CObList& listCardVar, const CString& strName, CCappCardVarItem*& pItem)
{
    int nIndex = 0;
    POSITION pos = listCardVar.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCardVar = static_cast<CCappCardVarItem*>(listCardVar.GetNext(pos));
        if (pCardVar->m_strName == strName) {
            pItem = pCardVar;
            return nIndex;
        }
        ++nIndex;
    }
    pItem = nullptr;
    return -1;
}

CCappCardVarItem* CCappVarDataFun::GetCardVar(const CObList& listCardVar, INT_PTR nIndex)
{
    POSITION pos = listCardVar.FindIndex(nIndex);
    return pos != nullptr ? static_cast<CCappCardVarItem*>(listCardVar.GetAt(pos)) : nullptr;
}

int CCappVarDataFun::FindName(const CStringArray& arrName, const CString& strName)
{
    for (INT_PTR i = 0; i < arrName.GetSize(); ++i) {
        if (arrName[i] == strName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CString CCappVarDataFun::GetName(const CStringArray& arrName, INT_PTR nIndex)
{
    return nIndex >= 0 && nIndex < arrName.GetSize() ? arrName[nIndex] : CString();
}

CCellFieldDataItem* CCappVarDataFun::GetValue(const CObList& listValue, INT_PTR nIndex)
{
    POSITION pos = listValue.FindIndex(nIndex);
    return pos != nullptr ? static_cast<CCellFieldDataItem*>(listValue.GetAt(pos)) : nullptr;
}

CString CCappVarDataFun::TransitionData(const CObList& listCardVar, const CString& strName, const CString& strValue)
{
    CCappCardVarItem* pCardVar = nullptr;
    return FindCardVar(listCardVar, strName, pCardVar) >= 0 ? pCardVar->TransitionData(strValue) : CString();
}

namespace
{
// A file that can be opened for reading: a missing file, a folder or a locked file is refused
// before an item code is spent on it.
BOOL CanReadFile(const CString& strPath)
{
    if (strPath.IsEmpty()) {
        return FALSE;
    }
    CFile file;
    return file.Open(strPath, CFile::modeRead | CFile::shareDenyNone);
}

BOOL ImportSubFile(CCellFieldDataItem& item, const CString& strPath, CCappCardData* pOwner)
{
    CCappObj* pCappObj = pOwner != nullptr && pOwner->m_pCardObj != nullptr ? pOwner->m_pCardObj->m_pCappObj : nullptr;
    if (pCappObj == nullptr || !CanReadFile(strPath)) {
        return FALSE;
    }
    // The item keeps its old value unless the copy succeeds.
    CString strStoredName;
    CString strFullPath;
    if (!pCappObj->ImputSubFile(strPath, strStoredName, strFullPath)) {
        return FALSE;
    }
    item.SetData(strStoredName);
    item.m_strFilePath = strFullPath;
    return TRUE;
}
} // namespace

BOOL CCappVarDataFun::StoreValue(const CCappCardVarItem* pCardVar, CCellFieldDataItem& item, CString& strValue,
                                 CCappCardData* pOwner)
{
    if (pCardVar != nullptr) {
        if (pCardVar->m_nKind == CCappCardVarItem::kindFile) {
            return ImportSubFile(item, strValue, pOwner);
        }
        strValue = pCardVar->TransitionData(strValue);
    }
    item.SetData(strValue);
    return TRUE;
}

void CCappVarDataFun::DeleteRow(CObList& listRow, POSITION pos, int& nState, CObList& listDeleted)
{
    CObject* pRow = listRow.GetAt(pos);
    listRow.RemoveAt(pos);
    if (nState == CCappMidRow::stateNew) {
        delete pRow;
    } else {
        nState = CCappMidRow::stateDeleted;
        listDeleted.AddTail(pRow);
    }
}

void CCappVarDataFun::DetachList(const CString& strName, std::initializer_list<NamedList> lists, BOOL bEmptyMeansAll)
{
    for (const NamedList& named : lists) {
        if ((bEmptyMeansAll && strName.IsEmpty()) || strName == named.pszName) {
            CappFreeList(*named.pList);
        }
    }
}

void CCappVarDataFun::AddEmptyValues(const CObList& listCardVar, CObList& listValue)
{
    for (INT_PTR i = 0; i < listCardVar.GetCount(); ++i) {
        listValue.AddTail(new CCellFieldDataItem);
    }
}

BOOL CCappVarDataFun::IsEmptyValues(const CObList& listValue)
{
    POSITION pos = listValue.GetHeadPosition();
    while (pos != nullptr) {
        CString strValue = static_cast<CCellFieldDataItem*>(listValue.GetNext(pos))->GetData();
        if (!strValue.TrimRight().IsEmpty()) {
            return FALSE;
        }
    }
    return TRUE;
}

void CCappVarDataFun::AlignWithCardVars(const CObList& listCardVar, CStringArray& arrName,
                                        const CPtrArray& arrValueList)
{
    // A loaded row can hold fewer values than there are names; give it the missing ones first
    // so that every name has a value to move with it.
    for (INT_PTR r = 0; r < arrValueList.GetSize(); ++r) {
        auto* pList = static_cast<CObList*>(arrValueList[r]);
        while (pList->GetCount() < arrName.GetSize()) {
            pList->AddTail(new CCellFieldDataItem);
        }
    }

    INT_PTR i = 0;
    POSITION posVar = listCardVar.GetHeadPosition();
    while (posVar != nullptr) {
        const CString& strName = static_cast<CCappCardVarItem*>(listCardVar.GetNext(posVar))->m_strName;
        INT_PTR j = i;
        while (j < arrName.GetSize() && arrName[j] != strName) {
            ++j;
        }
        const BOOL bFound = j < arrName.GetSize();
        if (bFound && j == i) {
            ++i;
            continue;
        }
        if (bFound) {
            arrName.RemoveAt(j);
        }
        arrName.InsertAt(i, strName);
        for (INT_PTR r = 0; r < arrValueList.GetSize(); ++r) {
            auto* pList = static_cast<CObList*>(arrValueList[r]);
            CObject* pValue = nullptr;
            if (bFound) {
                POSITION posFrom = pList->FindIndex(j);
                pValue = pList->GetAt(posFrom);
                pList->RemoveAt(posFrom);
            } else {
                pValue = new CCellFieldDataItem;
            }
            POSITION posTo = pList->FindIndex(i);
            if (posTo != nullptr) {
                pList->InsertBefore(posTo, pValue);
            } else {
                pList->AddTail(pValue);
            }
        }
        ++i;
    }

    const INT_PTR nCount = listCardVar.GetCount();
    if (arrName.GetSize() > nCount) {
        arrName.SetSize(nCount);
    }
    for (INT_PTR r = 0; r < arrValueList.GetSize(); ++r) {
        auto* pList = static_cast<CObList*>(arrValueList[r]);
        while (pList->GetCount() > nCount) {
            delete pList->RemoveTail();
        }
    }
}
