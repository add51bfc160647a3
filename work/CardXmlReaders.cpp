// The card view's side of the host exchange that reads: answers in the row format loaded into
// cells and card data, and the data-source hooks behind the editor's resource menu items.
#include "work/CappCardView.h"

#include <objbase.h>
#include <msxml2.h>

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
#include "platform/ole/FxMsXml.h"
#include "platform/ole/FxXmlReader.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardCellFun.h"
#include "work/CardDataMlReader.h"
#include "work/CardXml.h"

namespace
{
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
    CCardDataMlReader reader;
    if (!reader.Read(pRoot, TRUE)) {
        return 0;
    }
    if (nKind == CCappCell::seatMidData) {
        CCappMDData* pData = m_pCurMidData->m_pMDData;
        while (pData->GetRowCount() <= nRow) {
            pData->InsertRowData(-1, 0);
        }
    }
    for (int nCol = 0; nCol < reader.GetColumnCount(0); ++nCol) {
        const CString strValue = CCardXml::StripComments(reader.GetColumnValue(0, nCol));
        CCappCell* pCell = CCardCellFun::FindCellByKind(pSheet, nKind, strMDName, reader.GetColumnName(0, nCol));
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
    CCardDataMlReader reader;
    if (!reader.Read(pRoot, FALSE)) {
        return 0;
    }
    reader.Store(*pCard, nKind, pArea, nStartRow, this);
    return 1;
}

int CCappCardView::LoadDataMlToCard(CString strAnswer, int nKind, CString strMDName, int nStartRow)
{
    CFxComScope com;
    // Declared after the scope: every interface is released before COM is uninitialised.
    CFxXmlReader doc;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!CCardDataMlReader::LoadDocument(strAnswer, doc, pRoot)) {
        return 0;
    }
    return ParseData(pRoot, nKind, strMDName, nStartRow);
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
    CFxComScope com;
    CFxXmlReader doc;
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!CCardDataMlReader::LoadDocument(strAnswer, doc, pRoot)) {
        return 0;
    }
    return ParseDataToCurEdit(pRoot, m_pCurCell->m_nDataPos, strMDName, nRow);
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
    {
        CFxComScope com;
        CFxXmlReader doc;
        CFxComPtr<IXMLDOMElement> pRoot;
        CCardDataMlReader reader;
        // Rows are made only for an answer that reads whole.
        if (!CCardDataMlReader::LoadDocument(strAnswer, doc, pRoot) || !reader.Read(pRoot, FALSE)) {
            return 0;
        }
        if (pArea != nullptr) {
            while (pArea->m_pMDData->GetRowCount() <= nRow) {
                pArea->InsertRowData(-1);
            }
        }
        if (ParseData(pRoot, nKind, strMDName, nRow) == 0) {
            return 0;
        }
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
