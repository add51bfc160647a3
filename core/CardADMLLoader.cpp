#include "core/CardADMLLoader.h"

#include <objbase.h>
#include <msxml2.h>
#include <ole2.h>

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
#include "platform/base/FxBstr.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/FxMsXml.h"

namespace
{
CString BstrText(BSTR bstr)
{
    return bstr != nullptr ? CString(static_cast<LPCWSTR>(bstr)) : CString();
}

CString NodeName(IXMLDOMNode* pNode)
{
    CFxBstr bstr;
    BSTR raw = nullptr;
    if (FAILED(pNode->get_nodeName(&raw))) {
        return CString();
    }
    bstr.Attach(raw);
    return BstrText(bstr);
}

BOOL NodeText(IXMLDOMNode* pNode, CString& strText)
{
    BSTR raw = nullptr;
    if (FAILED(pNode->get_text(&raw))) {
        return FALSE;
    }
    CFxBstr bstr(raw);
    strText = BstrText(bstr);
    return TRUE;
}

CString Attribute(IXMLDOMNode* pNode, LPCWSTR pwszName)
{
    CFxComPtr<IXMLDOMElement> pElem;
    if (FAILED(pNode->QueryInterface(kIidXMLDOMElement, pElem.ReceiveVoid()))) {
        return CString();
    }
    CFxVariant value;
    CFxBstr bstrName(SysAllocString(pwszName));
    CString strValue;
    if (SUCCEEDED(pElem->getAttribute(bstrName, &value)) && value.vt == VT_BSTR) {
        strValue = BstrText(value.bstrVal);
    }
    return strValue;
}

// The element children in order: comments, processing instructions and text between elements
// are no values and must not shift the values after them.
template <class Fn> BOOL ForEachElement(IXMLDOMNode* pParent, Fn fnElement)
{
    CFxComPtr<IXMLDOMNode> pChild;
    if (FAILED(pParent->get_firstChild(pChild.Receive()))) {
        return FALSE;
    }
    while (pChild.IsValid()) {
        DOMNodeType type = NODE_INVALID;
        if (FAILED(pChild->get_nodeType(&type))) {
            return FALSE;
        }
        if (type == NODE_ELEMENT && !fnElement(static_cast<IXMLDOMNode*>(pChild))) {
            return FALSE;
        }
        CFxComPtr<IXMLDOMNode> pNext;
        if (FAILED(pChild->get_nextSibling(pNext.Receive()))) {
            return FALSE;
        }
        pChild.Attach(pNext.Detach());
    }
    return TRUE;
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
    return ForEachElement(pNode, [&](IXMLDOMNode* pValue) {
        CString strText;
        if (!NodeText(pValue, strText)) {
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
    return ForEachElement(pItem, [&](IXMLDOMNode* pRowNode) {
        auto* pRow = new CCappMidRow;
        pRow->m_nRowID = pMDData->GetNewRowID();
        pRow->m_nState = CCappMidRow::stateNew;
        pMDData->m_listRowData.AddTail(pRow);
        return ReadValues(pRowNode, pRow->m_listVarData);
    });
}

CCappMidData* FindArea(CCappSheet* pSheet, const CString& strName)
{
    if (pSheet == nullptr) {
        return nullptr;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (pArea->m_strName == strName) {
            return pArea;
        }
    }
    return nullptr;
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
    CFxComPtr<IUnknown> pUnknown;
    if (FAILED(CoCreateInstance(kClsidDOMDocument, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                pUnknown.ReceiveVoid()))) {
        return FALSE;
    }
    OleRun(pUnknown);
    CFxComPtr<IXMLDOMDocument> pDoc;
    if (FAILED(pUnknown->QueryInterface(kIidXMLDOMDocument, pDoc.ReceiveVoid()))) {
        return FALSE;
    }
    pDoc->put_async(VARIANT_FALSE);
    if (!CCardXmlText::LoadXml(pDoc, strXml)) {
        return FALSE;
    }
    CFxComPtr<IXMLDOMElement> pRoot;
    if (SUCCEEDED(pDoc->get_documentElement(pRoot.Receive())) && pRoot.IsValid()) {
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
    const BOOL bWalked = ForEachElement(pRoot, [&](IXMLDOMNode* pNode) {
        const CString strName = NodeName(pNode);
        if (strName == "HEAD") {
            return ReadHead(cardData.m_HFData, pNode);
        }
        if (strName == "MD") {
            return ForEachElement(pNode, [&](IXMLDOMNode* pItem) {
                return NodeName(pItem) == "MDITEM" ? ReadMDItem(cardData, pItem) : TRUE;
            });
        }
        return TRUE;
    });
    CCappSheet* pMaster = pCardObj->GetMasterSheet();
    POSITION pos = cardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(cardData.m_MDDataList.GetNext(pos));
        CCappMidData* pArea = FindArea(pMaster, pMDData->m_strName);
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
