#include "work/CardCellFun.h"

#include <algorithm>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Wnd.h"

namespace
{
int LinesOf(const CCappMDData* pMDData, int nRow)
{
    const CCappMidRow* pRow = nRow < pMDData->GetRowCount() ? pMDData->GetRow(nRow) : nullptr;
    return pRow != nullptr ? std::max(pRow->m_nLineCount, 1) : 1;
}
} // namespace

CCardCellFun::MDRow CCardCellFun::GetDataRowAt(CCappMidData* pArea, int nGridRow)
{
    MDRow row;
    int nDataRow = 0;
    int nLine = 0;
    BOOL bBeyond = FALSE;
    CString strError;
    if (pArea == nullptr || nGridRow < 0 || !pArea->GetMDCellInfoIndex(nGridRow, nDataRow, nLine, bBeyond, strError)) {
        return row;
    }
    row.nDataRow = nDataRow;
    row.bBeyond = bBeyond != FALSE;
    if (bBeyond) {
        row.nFirstGridRow = nGridRow;
        row.nLinesHere = 1;
        return row;
    }
    // The page's first row may begin with lines an earlier page showed.
    const int nShownBefore = nDataRow == pArea->m_nPageStartRow ? std::max(pArea->m_nFirstLine, 0) : 0;
    row.nFirstGridRow = nGridRow - (nLine - nShownBefore);
    row.nLinesHere = LinesOf(pArea->m_pMDData, nDataRow) - nShownBefore;
    return row;
}

int CCardCellFun::FirstGridRowOnPage(const CCardObj& card, int nPage, const CString& strArea, int nDataRow)
{
    const CCappMDData* pMDData = card.m_CardData.GetMDData(strArea);
    int nStart = 0;
    int nOffset = 0;
    int bLast = 0;
    if (pMDData == nullptr || nDataRow < 0 || !card.GetPageBegDataRowIndex(nPage, strArea, nStart, nOffset, bLast) ||
        nDataRow < nStart) {
        return -1;
    }
    int nGrid = 0;
    for (int nRow = nStart; nRow < nDataRow; ++nRow) {
        nGrid += LinesOf(pMDData, nRow) - (nRow == nStart ? nOffset : 0);
    }
    return nGrid;
}

CCellDataItem* CCardCellFun::GetDataRange(const CCappCell* pCell, int nGridRow)
{
    POSITION pos = pCell != nullptr && nGridRow >= 0 ? pCell->m_listCellData.FindIndex(nGridRow) : nullptr;
    return pos != nullptr ? static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos)) : nullptr;
}

CCappMidData* CCardCellFun::FindArea(const CCappSheet* pSheet, const CString& strName)
{
    return pSheet != nullptr && !strName.IsEmpty() ? pSheet->FindMidData(strName) : nullptr;
}

CCappMidData* CCardCellFun::AreaAtPoint(const CCappSheet* pSheet, CPoint pt)
{
    if (pSheet == nullptr) {
        return nullptr;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (pArea->m_nType == CCappMidData::typeTemporary) {
            continue;
        }
        POSITION posSeat = pArea->m_listSeatItem.GetHeadPosition();
        while (posSeat != nullptr) {
            const auto* pSeat = static_cast<const CCappMDSeatItem*>(pArea->m_listSeatItem.GetNext(posSeat));
            CRect rc;
            if (pSheet->GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID,
                                     pSeat->m_nBottomLineID, rc) &&
                rc.PtInRect(pt)) {
                return pArea;
            }
        }
    }
    return nullptr;
}

CCappCell* CCardCellFun::FindCellByKind(const CCappSheet* pSheet, int nKind, const CString& strMDName,
                                        const CString& strVarName)
{
    if (pSheet == nullptr || strVarName.IsEmpty()) {
        return nullptr;
    }
    if (nKind == CCappCell::seatMidData) {
        const CCappMidData* pArea = CCardCellFun::FindArea(pSheet, strMDName);
        return pArea != nullptr ? pArea->GetCellByName(strVarName) : nullptr;
    }
    const CObList* pList = nullptr;
    if (nKind == CCappCell::seatHead) {
        pList = &pSheet->m_HeadCellList;
    } else if (nKind == CCappCell::seatPage) {
        pList = &pSheet->m_PageCellList;
    } else {
        return nullptr;
    }
    POSITION pos = pList->GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
        if (pCell->m_strVarName == strVarName) {
            return pCell;
        }
    }
    return nullptr;
}

int CCardCellFun::GetEditorKind(const CCappCell* pCell)
{
    return pCell->m_nDataType;
}

bool CCardCellFun::IsChangeNotice(const CCappCell* pCell)
{
    return pCell->m_nCellInt1 != 0;
}

bool CCardCellFun::IsContinuationEditable(const CCappCell* pCell)
{
    return pCell->m_nCellInt7 == 1;
}

void CCardCellFun::ShowMainText(const CString& strText)
{
    CWnd* pMain = FxGetMainWnd();
    if (pMain != nullptr && pMain->IsWindow()) {
        pMain->SendMessage(0x442, 0, reinterpret_cast<LPARAM>(&strText));
    }
}
