// The card view's side of the host exchange that reads: answers in the row format loaded into
// cells and card data, and the data-source hooks behind the editor's resource menu items.
#include "work/CappCardView.h"

#include <objbase.h>
#include <msxml2.h>

#include <utility>
#include <vector>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CardXmlText.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/FxComScope.h"
#include "platform/ole/FxXmlReader.h"
#include "platform/gdi/ClientDC.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardCellFun.h"
#include "work/CardXml.h"

namespace
{
// One "ROW" of an answer: its columns' names and values in document order.
using AnswerRow = std::vector<std::pair<CString, CString>>;

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

// The "ROW" children of the root (only the first with bFirstOnly) with their "COLITEM" columns.
// Everything is read before anything is stored, so a malformed answer changes nothing.
BOOL ReadAnswerRows(IXMLDOMElement* pRoot, bool bFirstOnly, std::vector<AnswerRow>& rows)
{
    rows.clear();
    if (pRoot == nullptr) {
        return FALSE;
    }
    return ForEachNamedChild(pRoot, "ROW", [&](IXMLDOMNode* pRow) {
        if (bFirstOnly && !rows.empty()) {
            return TRUE;
        }
        AnswerRow row;
        const BOOL bRead = ForEachNamedChild(pRow, "COLITEM", [&](IXMLDOMNode* pItem) {
            CString strName;
            CString strValue;
            // A column without "NAME" cannot be placed: the answer is malformed.
            if (!CFxXmlReader::GetAttribute(pItem, L"NAME", strName) || !CFxXmlReader::GetNodeText(pItem, strValue)) {
                return FALSE;
            }
            row.emplace_back(strName, strValue);
            return TRUE;
        });
        if (!bRead) {
            return FALSE;
        }
        rows.push_back(std::move(row));
        return TRUE;
    });
}

// Loads the answer into a DOM document and hands its root to fnParse; 0 when the text is no
// XML or holds a document type.
template <class Fn> int LoadAnswer(const CString& strAnswer, Fn fnParse)
{
    if (strAnswer.IsEmpty() || CCardXml::HasDocType(strAnswer)) {
        return 0;
    }
    CFxComScope com;
    // Declared after the scope: every interface is released before COM is uninitialised.
    CFxXmlReader reader;
    if (!reader.Create() || !CCardXmlText::LoadXml(reader.GetDocument(), strAnswer)) {
        return 0;
    }
    CFxComPtr<IXMLDOMElement> pRoot;
    return reader.GetRoot(pRoot) ? fnParse(static_cast<IXMLDOMElement*>(pRoot)) : 0;
}

BOOL SheetHasVarCell(const CCappSheet* pSheet, const CString& strVarName)
{
    if (pSheet == nullptr) {
        return FALSE;
    }
    if (CCardCellFun::FindCellByKind(pSheet, CCappCell::seatHead, "", strVarName) != nullptr ||
        CCardCellFun::FindCellByKind(pSheet, CCappCell::seatPage, "", strVarName) != nullptr) {
        return TRUE;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        if (static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetNext(pos))->GetCellByName(strVarName) !=
            nullptr) {
            return TRUE;
        }
    }
    return FALSE;
}

// Parses the answer's rows from the DOM, then stores them: nothing is stored unless all of it
// was read.
template <class Fn> int ApplyRows(IXMLDOMElement* pRoot, bool bFirstOnly, Fn fnStore)
{
    std::vector<AnswerRow> rows;
    if (!ReadAnswerRows(pRoot, bFirstOnly, rows) || rows.empty()) {
        return 0;
    }
    return fnStore(rows);
}
} // namespace

CString CCappCardView::GetResInitDataInfo(CCappCell* pCell, int nRow)
{
    if (pCell == nullptr || pCell->m_listRelRes.IsEmpty()) {
        return CString();
    }
    const auto* pRes = static_cast<const CRelResItem*>(pCell->m_listRelRes.GetHead());
    if (pRes == nullptr) {
        return CString();
    }
    CCardObj* pCard = GetCard();
    CStringArray arrNames;
    CStringArray arrValues;
    CString strValue;
    if (m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->GetData(strValue);
    } else if (pCard != nullptr) {
        pCard->m_CardData.GetVarData(pCell->m_strVarName, nRow, CCappMDData::inheritNever, strValue);
    }
    arrNames.Add(pCell->m_strVarName);
    arrValues.Add(strValue);
    if (pRes->m_bFormatsOn != 0 && pCard != nullptr) {
        const CCappSheet* pMaster = pCard->GetMasterSheet();
        POSITION pos = pRes->m_listFormat.GetHeadPosition();
        while (pos != nullptr) {
            const auto* pFormat = static_cast<const CRelVarFormat*>(pRes->m_listFormat.GetNext(pos));
            if (!SheetHasVarCell(pMaster, pFormat->m_strColumn)) {
                continue;
            }
            CString strFormatValue;
            pCard->m_CardData.GetVarData(pFormat->m_strColumn, nRow, CCappMDData::inheritNever, strFormatValue);
            arrNames.Add(pFormat->m_strColumn);
            arrValues.Add(strFormatValue);
        }
    }
    return CCardXml::BodyText(CCardXml::RowText(arrNames, arrValues));
}

int CCappCardView::ParseDataToCurEdit(IXMLDOMElement* pRoot, int nKind, CString strMDName, int nRow)
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr || (nKind == CCappCell::seatMidData &&
                              (nRow < 0 || m_pCurMidData == nullptr || m_pCurMidData->m_pMDData == nullptr))) {
        return 0;
    }
    return ApplyRows(pRoot, true, [&](const std::vector<AnswerRow>& rows) {
        if (nKind == CCappCell::seatMidData) {
            CCappMDData* pData = m_pCurMidData->m_pMDData;
            while (pData->GetRowCount() <= nRow) {
                pData->InsertRowData(-1, 0);
            }
        }
        for (const auto& column : rows.front()) {
            const CString strValue = CCardXml::StripComments(column.second);
            CCappCell* pCell = CCardCellFun::FindCellByKind(pSheet, nKind, strMDName, column.first);
            if (pCell == nullptr) {
                continue;
            }
            if (pCell != m_pCurCell) {
                m_cellEditor.StoreCellValue(pCell, strValue, 0);
            } else if (CCardXml::GetFillMode(pCell) == 0) {
                m_cellEditor.InsertEditText(strValue);
            } else {
                m_cellEditor.ReplaceEditText(strValue);
            }
        }
        return 1;
    });
}

int CCappCardView::ParseData(IXMLDOMElement* pRoot, int nKind, CString strMDName, int nStartRow)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || nKind < CCappCell::seatHead || nKind > CCappCell::seatMidData) {
        return 0;
    }
    CCappMidData* pArea = nullptr;
    if (nKind == CCappCell::seatMidData) {
        pArea = CCardCellFun::FindArea(GetCurSheet(), strMDName);
        if (pArea == nullptr || pArea->m_pMDData == nullptr || nStartRow < 0) {
            return 0;
        }
    }
    return ApplyRows(pRoot, false, [&](const std::vector<AnswerRow>& rows) {
        CCappCardData& data = pCard->m_CardData;
        int nRow = nStartRow;
        for (const AnswerRow& row : rows) {
            if (pArea != nullptr) {
                while (pArea->m_pMDData->GetRowCount() <= nRow) {
                    pArea->InsertRowData(-1);
                }
            }
            for (const auto& column : row) {
                // The data decides what it takes: an unknown name stores nothing.
                CString strValue = column.second;
                if (nKind == CCappCell::seatHead) {
                    data.m_HFData.SetVarData(column.first, strValue);
                } else if (nKind == CCappCell::seatPage) {
                    data.m_PgData.SetVarData(nRow, column.first, strValue);
                } else if (pArea != nullptr) {
                    pArea->m_pMDData->SetVarData(nRow, column.first, strValue);
                }
            }
            if (pArea != nullptr && IsWindow()) {
                CCappMidRow* pRow = pArea->m_pMDData->GetRow(nRow);
                CClientDC dc(GetSafeHwnd());
                BOOL bChanged = FALSE;
                pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
            }
            ++nRow;
        }
        return 1;
    });
}

int CCappCardView::LoadDataMlToCard(CString strAnswer, int nKind, CString strMDName, int nStartRow)
{
    return LoadAnswer(strAnswer, [&](IXMLDOMElement* pRoot) { return ParseData(pRoot, nKind, strMDName, nStartRow); });
}

int CCappCardView::LoadDataToCurCell(CString strAnswer, CString strFormat)
{
    if (GetCard() == nullptr || m_pCurCell == nullptr || strAnswer.IsEmpty()) {
        return 0;
    }
    if (!CCardXml::IsDataMLFormat(strFormat)) {
        if (m_cellEditor.m_pEditCtrl == nullptr) {
            return 0;
        }
        if (CCardXml::GetFillMode(m_pCurCell) == 0) {
            m_cellEditor.InsertEditText(strAnswer);
        } else {
            m_cellEditor.ReplaceEditText(strAnswer);
        }
        return 1;
    }
    int nRow = 0;
    CString strMDName;
    if (m_pCurShowMidData != nullptr) {
        strMDName = m_pCurShowMidData->m_strName;
    }
    if (m_pCurShowMidData != nullptr && m_pCurMidData != nullptr) {
        nRow = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow).nDataRow;
    }
    const int nKind = m_pCurCell->m_nDataPos;
    return LoadAnswer(strAnswer,
                      [&](IXMLDOMElement* pRoot) { return ParseDataToCurEdit(pRoot, nKind, strMDName, nRow); });
}

int CCappCardView::ReplaceCurEditDataDataML(CString strAnswer)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurCell == nullptr || m_cellEditor.m_pEditCtrl == nullptr) {
        return 0;
    }
    const int nKind = m_pCurCell->m_nDataPos;
    CCappMidData* pArea = nullptr;
    int nRow = 0;
    if (nKind == CCappCell::seatMidData) {
        pArea = m_pCurShowMidData != nullptr ? m_pCurMidData : nullptr;
        if (pArea == nullptr || pArea->m_pMDData == nullptr) {
            return 0;
        }
        nRow = CCardCellFun::GetDataRowAt(pArea, m_nCurRow).nDataRow;
        if (nRow < 0) {
            return 0;
        }
    } else if (nKind == CCappCell::seatPage) {
        nRow = pCard->m_nCurPage;
    }
    const CString strMDName = pArea != nullptr ? pArea->m_strName : CString();
    const int nLoaded = LoadAnswer(strAnswer, [&](IXMLDOMElement* pRoot) {
        // Rows are made only for an answer that reads whole.
        std::vector<AnswerRow> rows;
        if (!ReadAnswerRows(pRoot, false, rows) || rows.empty()) {
            return 0;
        }
        if (pArea != nullptr) {
            while (pArea->m_pMDData->GetRowCount() <= nRow) {
                pArea->InsertRowData(-1);
            }
        }
        return ParseData(pRoot, nKind, strMDName, nRow);
    });
    if (nLoaded == 0) {
        return 0;
    }
    CString strValue;
    if (pArea != nullptr) {
        pArea->m_pMDData->GetVarData(nRow, m_pCurCell->m_strVarName, strValue, CCappMDData::inheritNever);
    } else if (nKind == CCappCell::seatPage) {
        pCard->m_CardData.m_PgData.GetVarData(nRow, m_pCurCell->m_strVarName, strValue);
    } else {
        pCard->m_CardData.m_HFData.GetVarData(m_pCurCell->m_strVarName, strValue);
    }
    if (CCardXml::GetFillMode(m_pCurCell) == 0) {
        m_cellEditor.InsertEditText(strValue);
    } else {
        m_cellEditor.ReplaceEditText(strValue);
    }
    return 1;
}

void CCappCardView::GetResData(int nResKind, int nFlag)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || (nFlag == 0 && m_pCurCell == nullptr)) {
        return;
    }
    int nRow = 0;
    if (m_pCurCell != nullptr && m_pCurCell->m_nDataPos == CCappCell::seatPage) {
        nRow = pCard->m_nCurPage;
    } else if (m_pCurShowMidData != nullptr && m_pCurMidData != nullptr) {
        nRow = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow).nDataRow;
    }
    CString strData;
    CString strFormat;
    int nResult = 0;
    if (nResKind == 1) {
        nResult = GetIDIData(m_pCurCell, nRow, strData, strFormat, nFlag);
    } else if (nResKind == 4 || nResKind == 5) {
        nResult = GetOtherTbData(m_pCurCell, nRow, strData, strFormat);
    }
    if (nResult != 0 && !strData.IsEmpty()) {
        LoadDataToCurCell(strData, strFormat);
        if (m_bAutoIndex) {
            m_cellEditor.AutoIndexEmptyRow();
        }
    }
}

void CCappCardView::GetResDataFromPdm(int /*nFlag*/)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurCell == nullptr || m_pCurCell->m_listRelRes.IsEmpty()) {
        return;
    }
    CString strData;
    CStringArray arrValues;
    if (GetPDMData(m_pCurCell, strData, arrValues) == 0 || strData.IsEmpty() || m_cellEditor.m_pEditCtrl == nullptr) {
        return;
    }
    if (m_pCurShowMidData != nullptr && m_pCurMidData != nullptr && m_pCurMidData->m_pMDData != nullptr) {
        const int nRow = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow).nDataRow;
        while (nRow >= 0 && m_pCurMidData->m_pMDData->GetRowCount() <= nRow) {
            m_pCurMidData->InsertRowData(-1);
        }
    }
    if (CCardXml::GetFillMode(m_pCurCell) == 0) {
        m_cellEditor.InsertEditText(strData);
    } else {
        m_cellEditor.ReplaceEditText(strData);
    }
    const CString strMDName = m_pCurShowMidData != nullptr ? m_pCurShowMidData->m_strName : CString();
    m_cellEditor.StoreVarValues(m_pCurCell, strMDName, arrValues);
}

int CCappCardView::GetIDIData(CCappCell*, int, CString&, CString&, int)
{
    return 0;
}

int CCappCardView::GetOtherTbData(CCappCell*, int, CString&, CString&)
{
    return 0;
}

int CCappCardView::GetPDMData(CCappCell*, CString&, CStringArray&)
{
    return 1;
}

LRESULT CCappCardView::OnPopupCurEditRes_ByMsg(WPARAM, LPARAM)
{
    const int nKind = CCardXml::GetResKind(m_pCurCell);
    if (m_pCurCell != nullptr && (nKind == 1 || nKind == 4 || nKind == 5)) {
        GetResData(nKind, 0);
    }
    return 0;
}

LRESULT CCappCardView::OnPopupCurEditPdm_ByMsg(WPARAM, LPARAM)
{
    GetResDataFromPdm(0);
    return 0;
}
