#include "simulator/SimDataFile.h"

#include <objbase.h>
#include <msxml2.h>

#include "platform/base/FxComPtr.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxSafeSave.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/FxComScope.h"
#include "platform/ole/FxXmlReader.h"

namespace
{
// The document element of one part; FALSE when the text does not parse.
BOOL ParsePart(const CString& strPart, CFxXmlReader& reader, CFxComPtr<IXMLDOMElement>& pRoot)
{
    return reader.Create() && reader.LoadText(strPart) && reader.GetRoot(pRoot);
}

CString NodeText(IXMLDOMNode* pNode)
{
    CString strText;
    CFxXmlReader::GetNodeText(pNode, strText);
    return strText;
}

// The ";"-joined names of the VARS attribute; a missing last ";" is taken as there.
void ReadNames(IXMLDOMNode* pNode, CStringArray& arrNames)
{
    arrNames.RemoveAll();
    CString strNames;
    if (CFxXmlReader::GetAttribute(pNode, L"VARS", strNames)) {
        arrNames.Split(strNames, ';', FALSE);
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
    CFxXmlReader reader;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!ParsePart(strPart, reader, pRoot)) {
        return FALSE;
    }
    ReadNames(pRoot, m_arrHeadVars);
    CFxXmlReader::ForEachElement(pRoot, [&](IXMLDOMNode* pVal) {
        if (m_arrHeadVals.GetSize() < m_arrHeadVars.GetSize()) {
            m_arrHeadVals.Add(NodeText(pVal));
        }
        return TRUE;
    });
    while (m_arrHeadVals.GetSize() < m_arrHeadVars.GetSize()) {
        m_arrHeadVals.Add(CString());
    }
    return TRUE;
}

BOOL CSimDataFile::LoadMDPart(const CString& strPart)
{
    CFxXmlReader reader;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!ParsePart(strPart, reader, pRoot)) {
        return FALSE;
    }
    // The first MDITEM only: the simulator keeps one detail area.
    CFxComPtr<IXMLDOMNode> pItem;
    if (!CFxXmlReader::NextElement(pRoot, pItem) || !pItem.IsValid()) {
        return TRUE;
    }
    ReadNames(pItem, m_arrMDVars);
    CFxXmlReader::GetAttribute(pItem, L"NAME", m_strMDName);
    CFxXmlReader::ForEachElement(pItem, [&](IXMLDOMNode* pRow) {
        CStringArray arrValues;
        CFxXmlReader::ForEachElement(pRow, [&](IXMLDOMNode* pVal) {
            arrValues.Add(NodeText(pVal));
            return TRUE;
        });
        AddRow(arrValues);
        return TRUE;
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
