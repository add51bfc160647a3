#include "simulator/SimDataFile.h"

#include <objbase.h>
#include <msxml2.h>

#include "platform/base/FxBstr.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxSafeSave.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/FxMsXml.h"

namespace
{
// The document element of one part; null when the text does not parse.
BOOL ParsePart(const CString& strPart, CFxComPtr<IXMLDOMDocument>& pDoc, CFxComPtr<IXMLDOMElement>& pRoot)
{
    if (FAILED(CoCreateInstance(kClsidDOMDocument, nullptr, CLSCTX_INPROC_SERVER, kIidXMLDOMDocument,
                                pDoc.ReceiveVoid()))) {
        return FALSE;
    }
    pDoc->put_async(VARIANT_FALSE);
    CFxBstr bstrText(strPart.AllocSysString());
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (FAILED(pDoc->loadXML(bstrText, &bLoaded)) || bLoaded != VARIANT_TRUE) {
        return FALSE;
    }
    return SUCCEEDED(pDoc->get_documentElement(pRoot.Receive())) && pRoot.IsValid();
}

CString NodeText(IXMLDOMNode* pNode)
{
    BSTR raw = nullptr;
    if (FAILED(pNode->get_text(&raw))) {
        return CString();
    }
    CFxBstr bstr(raw);
    return raw != nullptr ? CString(static_cast<LPCWSTR>(raw)) : CString();
}

// The ";"-joined names of the VARS attribute; a missing last ";" is taken as there.
void ReadNames(IXMLDOMNode* pNode, CStringArray& arrNames)
{
    arrNames.RemoveAll();
    CFxComPtr<IXMLDOMElement> pElem;
    if (FAILED(pNode->QueryInterface(kIidXMLDOMElement, pElem.ReceiveVoid()))) {
        return;
    }
    CFxVariant value;
    CFxBstr bstrName(SysAllocString(L"VARS"));
    if (SUCCEEDED(pElem->getAttribute(bstrName, &value)) && value.vt == VT_BSTR && value.bstrVal != nullptr) {
        arrNames.Split(CString(static_cast<LPCWSTR>(value.bstrVal)), ';', FALSE);
    }
}

// The element children in order; text and comments between them are no values.
template <class Fn> void ForEachElement(IXMLDOMNode* pParent, Fn fnElement)
{
    CFxComPtr<IXMLDOMNode> pChild;
    if (FAILED(pParent->get_firstChild(pChild.Receive()))) {
        return;
    }
    while (pChild.IsValid()) {
        DOMNodeType type = NODE_INVALID;
        if (SUCCEEDED(pChild->get_nodeType(&type)) && type == NODE_ELEMENT) {
            fnElement(static_cast<IXMLDOMNode*>(pChild));
        }
        CFxComPtr<IXMLDOMNode> pNext;
        if (FAILED(pChild->get_nextSibling(pNext.Receive()))) {
            return;
        }
        pChild.Attach(pNext.Detach());
    }
}

CString JoinNames(const CStringArray& arrNames)
{
    CString strList;
    for (int i = 0; i < arrNames.GetSize(); ++i) {
        strList += CSimDataFile::EscapeXml(arrNames[i]) + ";";
    }
    return strList;
}

CString ValueText(const CString& strValue)
{
    return "<VAL>" + CSimDataFile::EscapeXml(strValue) + "</VAL>";
}
} // namespace

CSimDataFile::CSimDataFile() : m_nRows(0)
{
}

int CSimDataFile::GetRowCount() const
{
    return m_nRows;
}

CString CSimDataFile::GetRowValue(int nRow, int nCol) const
{
    const int nCols = static_cast<int>(m_arrMDVars.GetSize());
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= nCols) {
        return CString();
    }
    return m_arrMDValues[nRow * nCols + nCol];
}

void CSimDataFile::AddRow(const CStringArray& arrValues)
{
    const int nCols = static_cast<int>(m_arrMDVars.GetSize());
    for (int i = 0; i < nCols; ++i) {
        m_arrMDValues.Add(i < arrValues.GetSize() ? arrValues[i] : CString());
    }
    ++m_nRows;
}

void CSimDataFile::RemoveAll()
{
    m_arrHeadVars.RemoveAll();
    m_arrHeadVals.RemoveAll();
    m_strMDName.Empty();
    m_arrMDVars.RemoveAll();
    m_arrMDValues.RemoveAll();
    m_nRows = 0;
}

CString CSimDataFile::EscapeXml(const CString& strText)
{
    // Every byte replaced is below 0x40, so no GBK trail byte is taken for one.
    CString strOut;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        switch (ch) {
        case '&':
            strOut += "&amp;";
            break;
        case '<':
            strOut += "&lt;";
            break;
        case '>':
            strOut += "&gt;";
            break;
        case '\'':
            strOut += "&apos;";
            break;
        case '"':
            strOut += "&quot;";
            break;
        case '\r':
            strOut += "&#13;";
            break;
        case '\n':
            strOut += "&#10;";
            break;
        default:
            strOut += ch;
            break;
        }
    }
    return strOut;
}

CString CSimDataFile::BuildText() const
{
    CString strHeadVals;
    for (int i = 0; i < m_arrHeadVars.GetSize(); ++i) {
        strHeadVals += ValueText(i < m_arrHeadVals.GetSize() ? m_arrHeadVals[i] : CString());
    }
    CString strHead;
    strHead.Format("<HEAD VARS='%s'>%s</HEAD>", JoinNames(m_arrHeadVars).GetString(), strHeadVals.GetString());

    CString strRows;
    for (int nRow = 0; nRow < m_nRows; ++nRow) {
        CString strRow;
        for (int nCol = 0; nCol < m_arrMDVars.GetSize(); ++nCol) {
            strRow += ValueText(GetRowValue(nRow, nCol));
        }
        strRows += "<ROW>" + strRow + "</ROW>";
    }
    CString strMD;
    strMD.Format("<MD><MDITEM NAME='%s' VARS='%s'>%s</MDITEM></MD>", EscapeXml(m_strMDName).GetString(),
                 JoinNames(m_arrMDVars).GetString(), strRows.GetString());

    CString strText;
    strText.Format("<?xml version='1.0' encoding='gb2312' ?> <BODY>%s%s</BODY>", strHead.GetString(),
                   strMD.GetString());
    return strText;
}

BOOL CSimDataFile::LoadText(const CString& strText)
{
    RemoveAll();
    const int nHead = strText.Find("<HEAD");
    const int nMD = strText.Find("<MD>");
    const int nMDEnd = strText.Find("</MD>");
    if (nHead < 0 || nMD < 0 || nMDEnd < 0) {
        return FALSE;
    }
    CFxComScope com;
    // "<MD>" before "<HEAD" leaves no head part.
    if (nMD > nHead) {
        LoadHeadPart(strText.Mid(nHead, nMD - nHead));
    }
    if (nMDEnd > nMD) {
        LoadMDPart(strText.Mid(nMD, nMDEnd + 5 - nMD));
    }
    return TRUE;
}

BOOL CSimDataFile::LoadHeadPart(const CString& strPart)
{
    CFxComPtr<IXMLDOMDocument> pDoc;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!ParsePart(strPart, pDoc, pRoot)) {
        return FALSE;
    }
    ReadNames(pRoot, m_arrHeadVars);
    ForEachElement(pRoot, [&](IXMLDOMNode* pVal) {
        if (m_arrHeadVals.GetSize() < m_arrHeadVars.GetSize()) {
            m_arrHeadVals.Add(NodeText(pVal));
        }
    });
    while (m_arrHeadVals.GetSize() < m_arrHeadVars.GetSize()) {
        m_arrHeadVals.Add(CString());
    }
    return TRUE;
}

BOOL CSimDataFile::LoadMDPart(const CString& strPart)
{
    CFxComPtr<IXMLDOMDocument> pDoc;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!ParsePart(strPart, pDoc, pRoot)) {
        return FALSE;
    }
    // The first MDITEM only: the simulator keeps one detail area.
    CFxComPtr<IXMLDOMNode> pItem;
    ForEachElement(pRoot, [&](IXMLDOMNode* pChild) {
        if (!pItem.IsValid()) {
            pChild->AddRef();
            pItem.Attach(pChild);
        }
    });
    if (!pItem.IsValid()) {
        return TRUE;
    }
    ReadNames(pItem, m_arrMDVars);
    CFxComPtr<IXMLDOMElement> pItemElem;
    if (SUCCEEDED(pItem->QueryInterface(kIidXMLDOMElement, pItemElem.ReceiveVoid()))) {
        CFxVariant value;
        CFxBstr bstrName(SysAllocString(L"NAME"));
        if (SUCCEEDED(pItemElem->getAttribute(bstrName, &value)) && value.vt == VT_BSTR && value.bstrVal != nullptr) {
            m_strMDName = CString(static_cast<LPCWSTR>(value.bstrVal));
        }
    }
    ForEachElement(pItem, [&](IXMLDOMNode* pRow) {
        CStringArray arrValues;
        ForEachElement(pRow, [&](IXMLDOMNode* pVal) { arrValues.Add(NodeText(pVal)); });
        AddRow(arrValues);
    });
    return TRUE;
}

BOOL CSimDataFile::ReadFileText(const CString& strPath, CString& strText)
{
    strText.Empty();
    CFxHandle hFile(CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!hFile.IsValid()) {
        return FALSE;
    }
    const DWORD cbFile = GetFileSize(hFile, nullptr);
    BOOL bRead = cbFile != INVALID_FILE_SIZE;
    CString strAll;
    if (bRead && cbFile > 0) {
        char* pBuf = strAll.GetBuffer(static_cast<int>(cbFile));
        DWORD cbRead = 0;
        bRead = ReadFile(hFile, pBuf, cbFile, &cbRead, nullptr);
        strAll.ReleaseBuffer(bRead ? static_cast<int>(cbRead) : 0);
    }
    if (!bRead) {
        return FALSE;
    }
    const int nEnd = strAll.FindOneOf("\r\n");
    strText = nEnd >= 0 ? strAll.Left(nEnd) : strAll;
    return TRUE;
}

BOOL CSimDataFile::WriteFileText(const CString& strPath, const CString& strText)
{
    return CFxSafeSave::Save(strPath, [&](const CString& strTemp) {
        CFxHandle file(
            CreateFileA(strTemp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD cbWritten = 0;
        const DWORD cbText = static_cast<DWORD>(strText.GetLength());
        return file.IsValid() && (cbText == 0 || (WriteFile(file, strText.GetString(), cbText, &cbWritten, nullptr) &&
                                                  cbWritten == cbText));
    });
}
