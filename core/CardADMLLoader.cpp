#include "core/CardADMLLoader.h"

#include <objbase.h>
#include <msxml2.h>

#include <utility>

#include "core/CappCardData.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardCommFun.h"
#include "core/CardObj.h"
#include "core/CardXmlText.h"
#include "core/CellFieldDataItem.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/FxComScope.h"
#include "platform/ole/FxXmlReader.h"

namespace
{
CString NodeName(IXMLDOMNode* pNode)
{
    CString strName;
    CFxXmlReader::GetNodeName(pNode, strName);
    return strName;
}

CString Attribute(IXMLDOMNode* pNode, LPCWSTR pwszName)
{
    CString strValue;
    CFxXmlReader::GetAttribute(pNode, pwszName, strValue);
    return strValue;
}

// ";"-separated names; a trailing ";" adds no name. One pass over the text: a list of tens of
// thousands of names must not be copied once per name.
void SplitNames(const CString& strText, CStringArray& arrNames)
{
    arrNames.RemoveAll();
    const int nLength = strText.GetLength();
    int nStart = 0;
    while (nStart < nLength) {
        int nAt = CCardCommFun::FindChar(strText, ';', nStart);
        if (nAt < 0) {
            nAt = nLength;
        }
        arrNames.Add(strText.Mid(nStart, nAt - nStart));
        nStart = nAt + 1;
    }
}

// The text moves into the value: tens of thousands of values make a copy per value count.
CCellFieldDataItem* NewValue(CString&& strText)
{
    auto* pItem = new CCellFieldDataItem;
    pItem->m_strText2 = strText;
    pItem->m_strValue = std::move(strText);
    return pItem;
}

// Appends one value per element child of pNode to listValues.
BOOL ReadValues(IXMLDOMNode* pNode, CObList& listValues)
{
    return CFxXmlReader::ForEachElement(pNode, [&](IXMLDOMNode* pValue) {
        CString strText;
        if (!CFxXmlReader::GetNodeText(pValue, strText)) {
            return FALSE;
        }
        listValues.AddTail(NewValue(std::move(strText)));
        return TRUE;
    });
}

BOOL ReadHead(CCappHFData& hfData, IXMLDOMNode* pHead)
{
    hfData.DetachList("m_listVarData");
    SplitNames(Attribute(pHead, L"VARS"), hfData.m_arrVarName);
    if (hfData.m_arrVarName.GetSize() == 0) {
        return TRUE;
    }
    return ReadValues(pHead, hfData.m_listVarData);
}

BOOL ReadMDItem(CCappCardData& cardData, IXMLDOMNode* pItem)
{
    const CString strName = Attribute(pItem, L"NAME");
    CCappMDData* pMDData = nullptr;
    if (strName.IsEmpty()) {
        if (!cardData.m_MDDataList.IsEmpty()) {
            pMDData = static_cast<CCappMDData*>(cardData.m_MDDataList.GetHead());
        }
    } else {
        pMDData = cardData.GetMDData(strName);
    }
    if (pMDData == nullptr) {
        return TRUE;
    }
    pMDData->DetachList("m_listRowData");
    SplitNames(Attribute(pItem, L"VARS"), pMDData->m_arrVarName);
    if (pMDData->m_arrVarName.GetSize() == 0) {
        return TRUE;
    }
    return CFxXmlReader::ForEachElement(pItem, [&](IXMLDOMNode* pRowNode) {
        auto* pRow = new CCappMidRow;
        pRow->m_nRowID = pMDData->GetNewRowID();
        pRow->m_nState = CCappMidRow::stateNew;
        pMDData->m_listRowData.AddTail(pRow);
        return ReadValues(pRowNode, pRow->m_listVarData);
    });
}
} // namespace

void CCardADMLLoader::LoadADMLDataToObj(CCardObj* pCardObj, const CString& strXml, long nReserved)
{
    LoadADMLText(pCardObj, strXml, nReserved);
}

BOOL CCardADMLLoader::LoadADMLText(CCardObj* pCardObj, const CString& strXml, long /*nReserved*/)
{
    if (pCardObj == nullptr) {
        return FALSE;
    }
    CFxComScope com;
    CFxXmlReader reader;
    if (!reader.Create() || !CCardXmlText::LoadXml(reader.GetDocument(), strXml)) {
        return FALSE;
    }
    CFxComPtr<IXMLDOMElement> pRoot;
    if (reader.GetRoot(pRoot)) {
        ParseADMLData(pCardObj, pRoot);
    }
    CCappCardData& cardData = pCardObj->m_CardData;
    cardData.m_HFData.ResertDataList();
    cardData.m_PgData.ResertDataList();
    POSITION pos = cardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappMDData*>(cardData.m_MDDataList.GetNext(pos))->ResertDataList();
    }
    return TRUE;
}

BOOL CCardADMLLoader::ParseADMLData(CCardObj* pCardObj, IXMLDOMElement* pRoot)
{
    if (pCardObj == nullptr || pRoot == nullptr) {
        return FALSE;
    }
    CCappCardData& cardData = pCardObj->m_CardData;
    const BOOL bWalked = CFxXmlReader::ForEachElement(pRoot, [&](IXMLDOMNode* pNode) {
        const CString strName = NodeName(pNode);
        if (strName == "HEAD") {
            return ReadHead(cardData.m_HFData, pNode);
        }
        if (strName == "MD") {
            return CFxXmlReader::ForEachElement(pNode, [&](IXMLDOMNode* pItem) {
                return NodeName(pItem) == "MDITEM" ? ReadMDItem(cardData, pItem) : TRUE;
            });
        }
        return TRUE;
    });
    CCappSheet* pMaster = pCardObj->GetMasterSheet();
    POSITION pos = cardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(cardData.m_MDDataList.GetNext(pos));
        CCappMidData* pArea = pMaster != nullptr ? pMaster->FindMidData(pMDData->m_strName) : nullptr;
        if (pArea == nullptr) {
            continue;
        }
        if ((pArea->m_nMidFlags & CCappMidData::midSortAuto) != 0) {
            CCardCommFun::SortMDData(pArea->m_strSortInfo, pMDData);
        }
        const int nMerge = CCappMidData::midMergeAuto | CCappMidData::midMergeRows;
        if ((pArea->m_nMidFlags & nMerge) == nMerge) {
            CCardCommFun::MergeData(pCardObj, pMDData);
        }
    }
    return bWalked;
}
