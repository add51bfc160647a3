#include "work/CardDataMlReader.h"

#include <objbase.h>
#include <msxml2.h>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CardXmlText.h"
#include "platform/gdi/ClientDC.h"
#include "platform/ole/FxComScope.h"
#include "platform/ole/FxMsXml.h"
#include "platform/ole/FxXmlReader.h"
#include "platform/win/Wnd.h"
#include "work/CardXml.h"

namespace
{
// Calls fn for each element child named pszName, in document order; FALSE when the DOM fails
// or fn refuses.
template <class Fn> BOOL ForEachNamedChild(IXMLDOMNode* pParent, LPCSTR pszName, Fn fn)
{
    return CFxXmlReader::ForEachElement(pParent, [&](IXMLDOMNode* pChild) {
        CString strName;
        if (!CFxXmlReader::GetNodeName(pChild, strName)) {
            return FALSE;
        }
        return strName == pszName ? fn(pChild) : TRUE;
    });
}
} // namespace

CCardDataMlReader::CCardDataMlReader() = default;

CCardDataMlReader::~CCardDataMlReader() = default;

BOOL CCardDataMlReader::LoadDocument(const CString& strAnswer, CFxXmlReader& doc, CFxComPtr<IXMLDOMElement>& pRoot)
{
    if (strAnswer.IsEmpty() || CCardXml::HasDocType(strAnswer)) {
        return FALSE;
    }
    return doc.Create() && CCardXmlText::LoadXml(doc.GetDocument(), strAnswer) && doc.GetRoot(pRoot);
}

BOOL CCardDataMlReader::Read(IXMLDOMElement* pRoot, BOOL bFirstOnly)
{
    m_rows.clear();
    if (pRoot == nullptr) {
        return FALSE;
    }
    const BOOL bRead = ForEachNamedChild(pRoot, "ROW", [&](IXMLDOMNode* pRow) {
        if (bFirstOnly && !m_rows.empty()) {
            return TRUE;
        }
        std::vector<std::pair<CString, CString>> row;
        const BOOL bColumns = ForEachNamedChild(pRow, "COLITEM", [&](IXMLDOMNode* pItem) {
            CString strName;
            CString strValue;
            // A column without "NAME" cannot be placed: the answer is malformed.
            if (!CFxXmlReader::GetAttribute(pItem, L"NAME", strName) || !CFxXmlReader::GetNodeText(pItem, strValue)) {
                return FALSE;
            }
            row.emplace_back(strName, strValue);
            return TRUE;
        });
        if (!bColumns) {
            return FALSE;
        }
        m_rows.push_back(std::move(row));
        return TRUE;
    });
    if (!bRead || m_rows.empty()) {
        m_rows.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL CCardDataMlReader::Read(const CString& strAnswer, BOOL bFirstOnly)
{
    m_rows.clear();
    CFxComScope com;
    // Declared after the scope: every interface is released before COM is uninitialised.
    CFxXmlReader doc;
    CFxComPtr<IXMLDOMElement> pRoot;
    return LoadDocument(strAnswer, doc, pRoot) && Read(static_cast<IXMLDOMElement*>(pRoot), bFirstOnly);
}

int CCardDataMlReader::GetRowCount() const
{
    return static_cast<int>(m_rows.size());
}

int CCardDataMlReader::GetColumnCount(int nRow) const
{
    return nRow >= 0 && nRow < GetRowCount() ? static_cast<int>(m_rows[static_cast<size_t>(nRow)].size()) : 0;
}

CString CCardDataMlReader::GetColumnName(int nRow, int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount(nRow) ? m_rows[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)].first
                                                    : CString();
}

CString CCardDataMlReader::GetColumnValue(int nRow, int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount(nRow)
               ? m_rows[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)].second
               : CString();
}

void CCardDataMlReader::Store(CCardObj& card, int nKind, CCappMidData* pArea, int nStartRow, CWnd* pMeasureWnd) const
{
    CCappCardData& data = card.m_CardData;
    int nRow = nStartRow;
    for (const auto& row : m_rows) {
        if (pArea != nullptr) {
            while (pArea->m_pMDData->GetRowCount() <= nRow) {
                pArea->InsertRowData(-1);
            }
        }
        for (const auto& column : row) {
            CString strValue = column.second;
            if (nKind == CCappCell::seatHead) {
                data.m_HFData.SetVarData(column.first, strValue);
            } else if (nKind == CCappCell::seatPage) {
                data.m_PgData.SetVarData(nRow, column.first, strValue);
            } else if (pArea != nullptr) {
                pArea->m_pMDData->SetVarData(nRow, column.first, strValue);
            }
        }
        if (pArea != nullptr && pMeasureWnd != nullptr && pMeasureWnd->IsWindow()) {
            CCappMidRow* pRow = pArea->m_pMDData->GetRow(nRow);
            CClientDC dc(pMeasureWnd->GetSafeHwnd());
            BOOL bChanged = FALSE;
            pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
        }
        ++nRow;
    }
}
