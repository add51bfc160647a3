#include "work/CardXml.h"

#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CellFieldDataItem.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"

CString CCardXml::EscapeXml(const CString& text)
{
    CString out;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char ch = text[i];
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += ch;
            break;
        }
    }
    return out;
}

CString CCardXml::CData(const CString& text)
{
    CString out = "<![CDATA[";
    for (int i = 0; i < text.GetLength(); ++i) {
        if (i + 2 < text.GetLength() && text[i] == ']' && text[i + 1] == ']' && text[i + 2] == '>') {
            // End the section between "]]" and ">" and open a new one.
            out += "]]]]><![CDATA[>";
            i += 2;
            continue;
        }
        out += text[i];
    }
    out += "]]>";
    return out;
}

CString CCardXml::SqlLiteral(const CString& value)
{
    CString out = "'";
    for (int i = 0; i < value.GetLength(); ++i) {
        if (value[i] == '\'') {
            out += '\'';
        }
        out += value[i];
    }
    out += "'";
    return out;
}

CString CCardXml::EscapeText(const CString& text)
{
    CString out;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char ch = text[i];
        if (ch == '&') {
            out += "&amp;";
        } else if (ch == '<') {
            out += "&lt;";
        } else if (ch == '>') {
            out += "&gt;";
        } else {
            out += ch;
        }
    }
    return out;
}

CString CCardXml::SqlCondition(const CString& strCondition, VarLookup pfnLookup, void* pContext)
{
    // Quotes are single bytes below 0x40, so no GBK trail byte is mistaken for one.
    CString strOut;
    bool bInQuotes = false;
    int i = 0;
    while (i < strCondition.GetLength()) {
        const char ch = strCondition[i];
        if (ch == '[') {
            const int nClose = strCondition.Find(']', i + 1);
            if (nClose < 0) {
                strOut += strCondition.Mid(i);
                break;
            }
            const CString strValue =
                pfnLookup != nullptr ? pfnLookup(pContext, strCondition.Mid(i + 1, nClose - i - 1)) : CString();
            if (bInQuotes) {
                const CString strLiteral = SqlLiteral(strValue);
                strOut += strLiteral.Mid(1, strLiteral.GetLength() - 2);
            } else {
                strOut += SqlLiteral(strValue);
            }
            i = nClose + 1;
            continue;
        }
        if (ch == '\'') {
            bInQuotes = !bInQuotes;
        }
        strOut += ch;
        ++i;
    }
    return strOut;
}

namespace
{
// Where a cell keeps the text every request sends as APART. Cell text 6 is taken: it holds the
// compute expression.
const CString& ApartText(const CCappCell* pCell)
{
    return pCell->m_strCellText7;
}

CString FormatItems(const CCappCell* pCell, const CRelResItem* pRes)
{
    CString strOut;
    POSITION pos = pRes->m_listFormat.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pFormat = static_cast<const CRelVarFormat*>(pRes->m_listFormat.GetNext(pos));
        // The attributes are the template's own markup ("SIZE = '0' ..."): they go as written.
        strOut += "\r\n<COLITEM NAME = '" + CCardXml::EscapeXml(pFormat->m_strColumn) + "' APART= '" +
                  CCardXml::EscapeXml(ApartText(pCell)) + "' " + pFormat->m_strAttributes + "  > ";
        strOut += "\r\n" + CCardXml::EscapeText(pFormat->m_strFormat);
        strOut += "\r\n</COLITEM>";
    }
    return strOut;
}
} // namespace

CString CCardXml::ResRequest(const CCappCell* pCell, int nForm, VarLookup pfnLookup, void* pContext)
{
    if (pCell == nullptr || pCell->m_listRelRes.IsEmpty()) {
        return CString();
    }
    CString strBody = "<BODY>\r\n";
    POSITION pos = pCell->m_listRelRes.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pRes = static_cast<const CRelResItem*>(pCell->m_listRelRes.GetNext(pos));
        CString strBlock;
        if (nForm == formRes) {
            strBlock = "<RES NAME = '" + EscapeXml(pRes->m_strName) + "' >";
        } else {
            strBlock = "<RES NAME = 'Res' >";
        }
        if (!pRes->m_strCondition.IsEmpty()) {
            const CString strCond = SqlCondition(pRes->m_strCondition, pfnLookup, pContext);
            if (nForm == formRes) {
                strBlock += "\r\n<WHERE>" + EscapeText(strCond) + "</WHERE>";
            } else if (nForm == formOtherTable) {
                strBlock += "\r\n<SQL>" + CData(strCond) + "</SQL>";
            } else {
                CString strConnect;
                CString strSql;
                const int nAt = strCond.Find("$@$");
                if (nAt >= 0) {
                    strConnect = strCond.Left(nAt);
                    strSql = strCond.Mid(nAt + 3);
                }
                strBlock += "\r\n<SQL>" + CData(strSql) + "</SQL>";
                strBlock += "\r\n<CONNECTSTRING>" + EscapeText(strConnect) + "</CONNECTSTRING>";
            }
        }
        strBlock += "\r\n<COLITEM NAME = '" + EscapeXml(pCell->m_strVarName) +
                    "' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= '" + EscapeXml(ApartText(pCell)) + "' > ";
        strBlock += "\r\n" + EscapeText(pRes->m_strColumnText) + "\r\n</COLITEM>";
        if (pRes->m_bFormatsOn != 0 || (nForm == formOtherDb && !pRes->m_listFormat.IsEmpty())) {
            strBlock += FormatItems(pCell, pRes);
        }
        strBlock += "\r\n</RES>";
        strBody += "\r\n" + strBlock;
        if (nForm != formRes) {
            break;
        }
    }
    strBody += "\r\n</BODY>";
    return strBody;
}

CString CCardXml::RowText(const CStringArray& arrNames, const CStringArray& arrValues)
{
    CString strRow = "<ROW>\r\n";
    for (int i = 0; i < arrNames.GetSize(); ++i) {
        const CString strValue = i < arrValues.GetSize() ? arrValues[i] : CString();
        strRow += "<COLITEM NAME='" + EscapeXml(arrNames[i]) + "'>" + CData(strValue) + "</COLITEM>\r\n\r\n";
    }
    strRow += "</ROW>";
    return strRow;
}

CString CCardXml::RowsText(const CCappMDData* pMDData, int nFirst, int nLast)
{
    if (pMDData == nullptr) {
        return CString();
    }
    CString strRows;
    for (int nRow = nFirst; nRow <= nLast; ++nRow) {
        CStringArray arrValues;
        for (int nVar = 0; nVar < pMDData->m_arrVarName.GetSize(); ++nVar) {
            const CCellFieldDataItem* pItem = pMDData->GetVarDataItem(nRow, nVar);
            arrValues.Add(pItem != nullptr ? pItem->m_strValue : CString());
        }
        strRows += RowText(pMDData->m_arrVarName, arrValues);
    }
    return BodyText(strRows);
}

CString CCardXml::BodyText(const CString& strRows)
{
    return "<BODY>\r\n" + strRows + "</BODY>";
}

CString CCardXml::StripComments(const CString& strValue)
{
    CString strOut = strValue;
    for (;;) {
        const int nOpen = strOut.Find("/*");
        const int nClose = strOut.Find("*/");
        if (nOpen < 0 || nClose <= nOpen) {
            return strOut;
        }
        strOut = strOut.Left(nOpen) + strOut.Mid(nClose + 2);
    }
}

BOOL CCardXml::IsDataMLFormat(const CString& strFormat)
{
    return strFormat.CompareNoCase("FDataML") == 0;
}

BOOL CCardXml::HasDocType(const CString& strAnswer)
{
    // '<' and '!' are below every GBK trail byte, so a plain search cannot start mid-character.
    return strAnswer.Find("<!DOCTYPE") >= 0;
}

int CCardXml::GetFillMode(const CCappCell* pCell)
{
    return pCell != nullptr ? pCell->m_wCellWord : 0;
}

int CCardXml::GetResKind(const CCappCell* pCell)
{
    return pCell != nullptr ? pCell->m_byCellByte : 0;
}
