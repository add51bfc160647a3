#include "core/CardCommFun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/CappCardVarItem.h"
#include "core/CappCell.h"
#include "core/CappListArchive.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "core/GraphEntity.h"
#include "core/SortItem.h"
#include "core/SortRecord.h"
#include "core/res/resource.h"
#include "platform/base/File.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/ObList.h"
#include "platform/base/Rect.h"
#include "platform/base/StringArray.h"
#include "platform/base/Time.h"
#include "platform/base/UIntArray.h"
#include "platform/win/MsgBox.h"

// A sheet's y axis grows downwards: each figure draws with flag 0.
int CCardCommFun::SGEDrawList(CDC* pDC, CObList& listSGE)
{
    if (pDC == nullptr) {
        return 0;
    }
    int nDrawn = 0;
    POSITION pos = listSGE.GetHeadPosition();
    while (pos != nullptr) {
        CObject* pObject = listSGE.GetNext(pos);
        if (pObject != nullptr && pObject->IsKindOf(FX_RUNTIME_CLASS(CGraphEntity))) {
            nDrawn += static_cast<CGraphEntity*>(pObject)->Draw(pDC, 0);
        }
    }
    return nDrawn;
}

int CCardCommFun::SGESetList(const CString& strText, CObList& listSGE, CString& strError, int nFlag)
{
    CappFreeList(listSGE);
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nEnd = strText.Find("\r\n", nStart);
        if (nEnd < 0) {
            nEnd = strText.GetLength();
        }
        CString strLine = strText.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 2;
        strLine.TrimLeft();
        if (strLine.IsEmpty() || strLine[0] == '\'') {
            continue;
        }
        auto* pEntity = new CGraphEntity;
        if (!pEntity->SetData(strLine, strError, nFlag)) {
            // A refused figure draws nothing; keeping it would only hide the failure.
            delete pEntity;
            return 0;
        }
        listSGE.AddTail(pEntity);
    }
    return 1;
}

CString CCardCommFun::GetFileExtName(const CString& strPath)
{
    // A dot inside a folder name is no extension.
    const int nDot = strPath.ReverseFind('.');
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    if (nDot < 0 || nDot < nSlash) {
        return CString();
    }
    return strPath.Mid(nDot + 1);
}

// Card helpers -----------------------------------------------------------------------------

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{

// Splits at a one-byte delimiter, stepping over GBK characters; a trailing delimiter adds no
// element.
void SplitText(const CString& strText, char ch, CStringArray& arr)
{
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nAt = CCardCommFun::FindChar(strText, ch, nStart);
        if (nAt < 0) {
            nAt = strText.GetLength();
        }
        arr.Add(strText.Mid(nStart, nAt - nStart));
        nStart = nAt + 1;
    }
}

// 1 when the pattern matches an entry that is a directory (bDir) or not.
int MatchEntry(const CString& strPattern, BOOL bDir)
{
    WIN32_FIND_DATAA data = {};
    CFxFindHandle find;
    if (!find.FindFirst(strPattern, data)) {
        return 0;
    }
    int nFound = 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) {
            continue;
        }
        const BOOL bIsDir = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (bIsDir == bDir) {
            nFound = 1;
        }
    } while (nFound == 0 && find.FindNext(data));
    return nFound;
}

} // namespace

int CCardCommFun::FindChar(const CString& strText, char ch, int nStart)
{
    for (int i = std::max(nStart, 0); i < strText.GetLength(); i += CString::CharLength(strText.GetString() + i)) {
        if (strText[i] == ch) {
            return i;
        }
    }
    return -1;
}

int CCardCommFun::ReverseFindChar(const CString& strText, char ch)
{
    int nLast = -1;
    for (int i = 0; i < strText.GetLength(); i += CString::CharLength(strText.GetString() + i)) {
        if (strText[i] == ch) {
            nLast = i;
        }
    }
    return nLast;
}

void CCardCommFun::SplitString(const CString& strText, const CString& strDelimiter, CStringArray& arrPieces)
{
    arrPieces.RemoveAll();
    const int nDelimiter = strDelimiter.GetLength();
    if (nDelimiter == 0) {
        if (!strText.IsEmpty()) {
            arrPieces.Add(strText);
        }
        return;
    }
    int nStart = 0;
    int i = 0;
    while (i < strText.GetLength()) {
        if (std::strncmp(strText.GetString() + i, strDelimiter.GetString(), static_cast<size_t>(nDelimiter)) == 0) {
            arrPieces.Add(strText.Mid(nStart, i - nStart));
            i += nDelimiter;
            nStart = i;
            continue;
        }
        i += CString::CharLength(strText.GetString() + i);
    }
    if (nStart < strText.GetLength()) {
        arrPieces.Add(strText.Mid(nStart));
    }
}

int CCardCommFun::GetCappWorkDir(CString& strDir)
{
    strDir.Empty();
    // Reading needs no write access; asking for it fails for a user without admin rights.
    CFxRegKey key;
    if (key.OpenForRead(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn") != ERROR_SUCCESS) {
        CString strText;
        strText.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), IDS_CARD_NO_REGISTRY);
        FxMessageBox(nullptr, strText, nullptr, MB_OK);
        return 0;
    }
    char szDir[MAX_PATH + 1] = {};
    DWORD cbDir = MAX_PATH;
    DWORD dwType = 0;
    const LONG lResult = RegQueryValueExA(key, "WorkDir", nullptr, &dwType, reinterpret_cast<BYTE*>(szDir), &cbDir);
    if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ)) {
        return 0;
    }
    strDir = szDir;
    if (!strDir.IsEmpty() && ReverseFindChar(strDir, '\\') == strDir.GetLength() - 1) {
        strDir = strDir.Left(strDir.GetLength() - 1);
    }
    return strDir.IsEmpty() ? 0 : 1;
}

int CCardCommFun::GetTempWorkDir(CString& strDir)
{
    char szDir[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, szDir);
    strDir = szDir;
    if (!strDir.IsEmpty() && ReverseFindChar(strDir, '\\') == strDir.GetLength() - 1) {
        strDir = strDir.Left(strDir.GetLength() - 1);
    }
    return 1;
}

int CCardCommFun::GetDefFileName(const CString& strName, CString& strPath)
{
    CString strDir;
    GetTempWorkDir(strDir);
    strPath = strDir + "\\" + strName + ".znt";
    return 1;
}

int CCardCommFun::ExistFile(const CString& strPattern)
{
    return MatchEntry(strPattern, FALSE);
}

int CCardCommFun::ExistDir(const CString& strPattern)
{
    return MatchEntry(strPattern, TRUE);
}

CString CCardCommFun::GetFileName(const CString& strPath)
{
    const int nSlash = ReverseFindChar(strPath, '\\');
    return nSlash > 0 ? strPath.Mid(nSlash + 1) : strPath;
}

CString CCardCommFun::GetFileName_NoExt(const CString& strPath)
{
    const CString strName = GetFileName(strPath);
    const int nDot = ReverseFindChar(strName, '.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

int CCardCommFun::ReadTextFromFile(const CString& strPath, CString& strText)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone)) {
        return 0;
    }
    try {
        char buffer[4096];
        UINT nRead = 0;
        while ((nRead = file.Read(buffer, sizeof(buffer))) > 0) {
            strText += CString(buffer, static_cast<int>(nRead));
        }
    } catch (CException* e) {
        e->Delete();
    }
    return 1;
}

int CCardCommFun::GetCardDBInfo(const CString& strTable, int& nKind, CString& strMD)
{
    strMD.Empty();
    if (strTable.Left(15) == "TN_CARDDB_HEAD_") {
        nKind = 5;
        return 1;
    }
    if (strTable.Left(15) == "TN_CARDDB_PAGE_") {
        nKind = 2;
        return 1;
    }
    if (strTable.Left(13) == "TN_CARDDB_MD_") {
        nKind = 1;
        strMD = strTable.Mid(ReverseFindChar(strTable, '_') + 1);
        return 1;
    }
    return 0;
}

CString CCardCommFun::FormatTime(const CTime& time)
{
    CString str;
    str.Format("%d/%d/%d %d:%d", time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute());
    return str;
}

void CCardCommFun::PickVars(const CString& strText, CStringArray& arrNames)
{
    arrNames.RemoveAll();
    int nOpen = FindChar(strText, '[', 0);
    while (nOpen >= 0) {
        const int nClose = FindChar(strText, ']', nOpen + 1);
        if (nClose < 0 || nClose == nOpen + 1) {
            return;
        }
        const CString strName = strText.Mid(nOpen + 1, nClose - nOpen - 1);
        if (FindStringInArray(arrNames, strName) < 0) {
            arrNames.Add(strName);
        }
        nOpen = FindChar(strText, '[', nClose + 1);
    }
}

CString CCardCommFun::PickVars(const CString& strText)
{
    CStringArray arrNames;
    PickVars(strText, arrNames);
    CString strNames;
    for (INT_PTR i = 0; i < arrNames.GetSize(); ++i) {
        strNames += arrNames[i] + ",";
    }
    return strNames;
}

CString CCardCommFun::RepliceVar(const CString& strText, const CStringArray& arrNames, const CStringArray& arrValues)
{
    CString strResult;
    int nDone = 0;
    int nOpen = FindChar(strText, '[', 0);
    while (nOpen >= 0) {
        const int nClose = FindChar(strText, ']', nOpen + 1);
        if (nClose < 0) {
            break;
        }
        const int nIndex = FindStringInArray(arrNames, strText.Mid(nOpen + 1, nClose - nOpen - 1));
        if (nIndex < 0) {
            nOpen = FindChar(strText, '[', nOpen + 1);
            continue;
        }
        strResult += strText.Mid(nDone, nOpen - nDone);
        if (nIndex < arrValues.GetSize()) {
            strResult += arrValues[nIndex];
        }
        nDone = nClose + 1;
        nOpen = FindChar(strText, '[', nDone);
    }
    return strResult + strText.Mid(nDone);
}

CString CCardCommFun::RepliceVar(const CString& strText, const CString& strNames, const CString& strValues)
{
    CStringArray arrNames;
    CStringArray arrValues;
    SplitText(strNames, '\n', arrNames);
    SplitText(strValues, '\n', arrValues);
    return RepliceVar(strText, arrNames, arrValues);
}

CString CCardCommFun::RepliceVar(const CString& strText, const CStringArray& arrNames, const CUIntArray& arrValues)
{
    CStringArray arrTexts;
    for (INT_PTR i = 0; i < arrValues.GetSize(); ++i) {
        CString str;
        str.Format("%u", arrValues[i]);
        arrTexts.Add(str);
    }
    return RepliceVar(strText, arrNames, arrTexts);
}

int CCardCommFun::FindStringInArray(const CStringArray& arr, const CString& str)
{
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        if (arr[i] == str) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CCardCommFun::TransStringData(CString& strText)
{
    const int nLength = strText.GetLength();
    if (nLength < 8 || strText.Left(6) != "__A16(" || strText[nLength - 1] != ')') {
        return;
    }
    const CString strHex = strText.Mid(6, nLength - 7);
    CString strResult;
    for (int i = 0; i + 1 < strHex.GetLength(); i += 2) {
        const char ch = static_cast<char>(HexStrToDec(strHex.Mid(i, 2)));
        strResult += CString(&ch, 1);
    }
    strText = strResult;
}

int CCardCommFun::HexStrToDec(const CString& strHex)
{
    if (strHex.GetLength() < 2) {
        return strHex.IsEmpty() ? 0 : CharToInt(strHex[0]);
    }
    return CharToInt(strHex[0]) * 16 + CharToInt(strHex[1]);
}

int CCardCommFun::CharToInt(char ch)
{
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return ch - 48;
}

CString CCardCommFun::OptimizeValue(const CString& strValue)
{
    if (FindChar(strValue, '.', 1) < 1) {
        return strValue;
    }
    CString str = strValue;
    str.TrimRight('0');
    str.TrimRight('.');
    return str;
}

void CCardCommFun::SetCardVarItem(CCappCardVarItem*& pItem, CCappCell* pCell)
{
    if (pItem == nullptr || pCell == nullptr) {
        return;
    }
    pItem->m_strName = pCell->m_strVarName;
    pItem->m_nDataType = pCell->m_nDataType;
    pItem->m_nLength = pCell->m_nLength;
    pItem->m_nSrcOption = pCell->m_nSrcOption;
    pItem->m_nKind = pCell->m_nContentKind;
    pItem->m_nPrecision = pCell->m_nDecimals;
    pItem->m_bInherit = pCell->m_bInheritPrev;
    pItem->m_bBlankZero = pCell->m_bHideZero;
    pItem->m_bTrimZeros = pCell->m_bTrimZero;
    pItem->m_bHidden = pCell->IsHide();
}

void CCardCommFun::SetCellFieldItem(CCappCardVarItem*& pItem, CCappCell* pCell)
{
    SetCardVarItem(pItem, pCell);
}

void CCardCommFun::GetDisSubData(const CObList& listItems, CStringArray& arrShown)
{
    POSITION pos = listItems.GetHeadPosition();
    while (pos != nullptr) {
        arrShown.Add(static_cast<const CCellFieldDataItem*>(listItems.GetNext(pos))->m_strText2);
    }
}

void CCardCommFun::DeflateCellTextRect(CRect& rect)
{
    rect.left += 10;
    rect.right -= 10;
}

void CCardCommFun::GetPageSetType(const CString& strText, CStringArray& arrNames, CStringArray& arrFormats)
{
    CStringArray arrEntries;
    SplitText(strText, ';', arrEntries);
    for (INT_PTR i = 0; i < arrEntries.GetSize(); ++i) {
        const CString& strEntry = arrEntries[i];
        const int nBar = FindChar(strEntry, '|', 1);
        if (nBar < 1) {
            continue;
        }
        arrNames.Add(strEntry.Left(nBar));
        arrFormats.Add(strEntry.Mid(nBar + 1));
    }
}

void CCardCommFun::SetPageSetType(CString& strText, const CStringArray& arrNames, const CStringArray& arrFormats)
{
    strText.Empty();
    for (INT_PTR i = 0; i < arrNames.GetSize(); ++i) {
        strText += arrNames[i] + "|" + (i < arrFormats.GetSize() ? arrFormats[i] : CString()) + ";";
    }
}

void CCardCommFun::GetSortItemListFromSortInfo(const CString& strInfo, CObList& listKeys)
{
    while (!listKeys.IsEmpty()) {
        delete listKeys.RemoveHead();
    }
    CStringArray arrLines;
    SplitText(strInfo, '\n', arrLines);
    for (INT_PTR i = 1; i < arrLines.GetSize(); ++i) {
        CStringArray arrFields;
        SplitText(arrLines[i], ',', arrFields);
        auto* pKey = new CSortItem;
        pKey->m_strFieldName = arrFields.GetSize() > 0 ? arrFields[0] : CString();
        pKey->m_nValue1 = arrFields.GetSize() > 1 ? std::atoi(arrFields[1]) : 0;
        pKey->m_nValue2 = arrFields.GetSize() > 2 ? std::atoi(arrFields[2]) : 0;
        listKeys.AddTail(pKey);
    }
}

void CCardCommFun::GetSortInfoFromSortItemList(CString& strInfo, const CObList& listKeys)
{
    strInfo = "1";
    POSITION pos = listKeys.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pKey = static_cast<const CSortItem*>(listKeys.GetNext(pos));
        strInfo.AppendFormat("\n%s,%d,%d", pKey->m_strFieldName.GetString(), pKey->m_nValue1, pKey->m_nValue2);
    }
}

void CCardCommFun::InitArray(const CCappMDData* pMDData, CPtrArray& arrRecords)
{
    POSITION pos = pMDData->m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pRow = static_cast<const CCappMidRow*>(pMDData->m_listRowData.GetNext(pos));
        auto* pRecord = new CStringArray;
        POSITION posValue = pRow->m_listVarData.GetHeadPosition();
        while (posValue != nullptr) {
            pRecord->Add(static_cast<const CCellFieldDataItem*>(pRow->m_listVarData.GetNext(posValue))->m_strValue);
        }
        arrRecords.Add(pRecord);
    }
}

void CCardCommFun::SortMDData(const CString& strSortInfo, CCappMDData* pMDData)
{
    if (pMDData == nullptr || pMDData->GetRowCount() == 0) {
        return;
    }
    CObList listKeys;
    GetSortItemListFromSortInfo(strSortInfo, listKeys);
    CUIntArray arrColumns;
    CUIntArray arrDirections;
    CUIntArray arrTypes;
    BOOL bKnown = TRUE;
    POSITION pos = listKeys.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pKey = static_cast<const CSortItem*>(listKeys.GetNext(pos));
        const int nColumn = pMDData->GetVarIndex(pKey->m_strFieldName);
        CCappCardVarItem* pVar = nullptr;
        if (nColumn < 0 || pMDData->GetCardVarItem(pKey->m_strFieldName, pVar) < 0 || pVar == nullptr) {
            bKnown = FALSE;
            break;
        }
        int nType = pKey->m_nValue1;
        if (nType == 0) {
            nType = pVar->m_nDataType == CCappCardVarItem::typeInteger ? 1
                    : pVar->m_nDataType == CCappCardVarItem::typeReal  ? 2
                                                                       : 4;
        }
        arrColumns.Add(static_cast<UINT>(nColumn));
        arrDirections.Add(static_cast<UINT>(pKey->m_nValue2));
        arrTypes.Add(static_cast<UINT>(nType));
    }
    while (!listKeys.IsEmpty()) {
        delete listKeys.RemoveHead();
    }
    if (!bKnown || arrColumns.GetSize() == 0) {
        return;
    }
    CPtrArray arrRecords;
    InitArray(pMDData, arrRecords);
    CSortRecord sorter;
    CUIntArray arrOrder;
    const BOOL bSorted =
        sorter.SetSortKeys(arrColumns, arrDirections, arrTypes) && sorter.SortRecords(arrRecords, arrOrder);
    for (INT_PTR i = 0; i < arrRecords.GetSize(); ++i) {
        delete static_cast<CStringArray*>(arrRecords[i]);
    }
    if (!bSorted) {
        return;
    }
    CPtrArray arrRows;
    pos = pMDData->m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        arrRows.Add(pMDData->m_listRowData.GetNext(pos));
    }
    pMDData->m_listRowData.RemoveAll();
    for (INT_PTR i = 0; i < arrOrder.GetSize(); ++i) {
        pMDData->m_listRowData.AddTail(static_cast<CObject*>(arrRows[arrOrder[i]]));
    }
    for (int i = 0; i < pMDData->GetRowCount(); ++i) {
        CString strNumber;
        strNumber.Format("%d", i + 1);
        pMDData->SetVarData(i, "序号", strNumber);
    }
}

void CCardCommFun::MergeData(CCardObj* pCardObj, CCappMDData* pMDData)
{
    if (pCardObj == nullptr || pMDData == nullptr) {
        return;
    }
    // The master sheet's area: the one whose flags asked for the merge. The current sheet
    // may be none at all right after a load.
    const CCappSheet* pSheet = pCardObj->GetMasterSheet();
    const CCappMidData* pArea = pSheet != nullptr ? pSheet->FindMidData(pMDData->m_strName) : nullptr;
    if (pArea == nullptr) {
        return;
    }
    CStringArray arrKeys;
    CStringArray arrSums;
    POSITION pos = pArea->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(pArea->m_listMidCell.GetNext(pos));
        if ((pCell->m_nUniteFlags & 0x2) != 0) {
            arrKeys.Add(pCell->m_strVarName);
        }
        if ((pCell->m_nUniteFlags & 0x1) != 0) {
            arrSums.Add(pCell->m_strVarName);
        }
    }
    if (arrKeys.GetSize() == 0) {
        return;
    }
    auto valueOf = [pMDData](CCappMidRow* pRow, const CString& strName) {
        const CCellFieldDataItem* pItem = pMDData->GetVarDataItem(pRow, strName);
        return pItem != nullptr ? pItem->m_strValue : CString();
    };
    POSITION posRef = pMDData->m_listRowData.GetHeadPosition();
    if (posRef == nullptr) {
        return;
    }
    auto* pRef = static_cast<CCappMidRow*>(pMDData->m_listRowData.GetAt(posRef));
    pos = posRef;
    pMDData->m_listRowData.GetNext(pos);
    while (pos != nullptr) {
        POSITION posRow = pos;
        auto* pRow = static_cast<CCappMidRow*>(pMDData->m_listRowData.GetNext(pos));
        BOOL bSame = TRUE;
        for (INT_PTR i = 0; i < arrKeys.GetSize() && bSame; ++i) {
            bSame = valueOf(pRef, arrKeys[i]) == valueOf(pRow, arrKeys[i]);
        }
        if (!bSame) {
            pRef = pRow;
            continue;
        }
        for (INT_PTR i = 0; i < arrSums.GetSize(); ++i) {
            CCellFieldDataItem* pItem = pMDData->GetVarDataItem(pRef, arrSums[i]);
            if (pItem == nullptr) {
                continue;
            }
            CString strSum;
            strSum.Format("%f", std::atof(pItem->m_strValue) + std::atof(valueOf(pRow, arrSums[i])));
            pItem->m_strValue = OptimizeValue(strSum);
        }
        pMDData->m_listRowData.RemoveAt(posRow);
        delete pRow;
        pMDData->m_bModify = TRUE;
    }
}
