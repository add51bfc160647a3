#include <algorithm>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"

void CCappSheet::ReCreateSheetCell()
{
    POSITION pos = m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(m_MidDataList.GetNext(pos));
        if (pArea->m_listSeatItem.IsEmpty()) {
            continue;
        }
        const auto* pSeat = static_cast<const CCappMDSeatItem*>(pArea->m_listSeatItem.GetHead());
        int nBottom = 0;
        if (!GetLineSpace(CCappLine::typeHCell, pSeat->m_nBottomLineID, nBottom)) {
            continue;
        }
        BOOL bFirst = TRUE;
        POSITION posCell = pArea->m_listMidCell.GetHeadPosition();
        while (posCell != nullptr) {
            auto* pCell = static_cast<CCappCell*>(pArea->m_listMidCell.GetNext(posCell));
            pCell->DetachList("m_listCellData");
            int nTop = 0;
            int nLeft = 0;
            if (!GetLineSpace(CCappLine::typeHCell, pCell->m_nTopLineID, nTop) ||
                !GetLineSpace(CCappLine::typeVCell, pCell->m_nLeftLineID, nLeft)) {
                continue;
            }
            // The horizontal lines from the cell's top down to the area's bottom, by position.
            std::vector<std::pair<int, int>> lines;
            POSITION posLine = m_HCellLineList.GetHeadPosition();
            while (posLine != nullptr) {
                const auto* pLine = static_cast<const CCappLine*>(m_HCellLineList.GetNext(posLine));
                int nStart = 0;
                int nEnd = 0;
                // Only lines that run under the cell divide its column.
                if (pLine->m_nPos < nTop || pLine->m_nPos > nBottom ||
                    !GetLineSpace(CCappLine::typeVCell, pLine->m_nStartID, nStart) ||
                    !GetLineSpace(CCappLine::typeVCell, pLine->m_nEndID, nEnd) || nLeft < std::min(nStart, nEnd) ||
                    nLeft >= std::max(nStart, nEnd)) {
                    continue;
                }
                {
                    lines.emplace_back(pLine->m_nPos, pLine->m_nID);
                }
            }
            std::sort(lines.begin(), lines.end());
            lines.erase(std::unique(lines.begin(), lines.end(),
                                    [](const auto& a, const auto& b) { return a.first == b.first; }),
                        lines.end());
            for (size_t i = 1; i < lines.size(); ++i) {
                auto* pRange = new CCellDataItem;
                GetRectSpace(lines[i - 1].second, pCell->m_nLeftLineID, pCell->m_nRightLineID, lines[i].second,
                             pRange->m_rect);
                pCell->m_listCellData.AddTail(pRange);
            }
            if (bFirst) {
                pArea->m_nRowsPerPage = static_cast<int>(pCell->m_listCellData.GetCount());
                bFirst = FALSE;
            }
        }
    }
}

void CCappSheet::SetPageCellFormat(const CStringArray& arrNames, const CStringArray& arrFormats)
{
    POSITION pos = m_PageCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(m_PageCellList.GetNext(pos));
        for (INT_PTR i = 0; i < arrNames.GetSize() && i < arrFormats.GetSize(); ++i) {
            if (!pCell->m_strVarName.IsEmpty() && arrNames[i] == pCell->m_strVarName) {
                pCell->m_strFormat = arrFormats[i];
                break;
            }
        }
    }
}

void CCappSheet::UpdateHFCellData()
{
    if (m_pCardObj == nullptr) {
        return;
    }
    POSITION pos = m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(m_HeadCellList.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable && !pCell->m_strVarName.IsEmpty()) {
            CString strValue;
            if (m_pCardObj->m_CardData.m_HFData.GetVarData(pCell->m_strVarName, strValue)) {
                pCell->m_strText = strValue;
            }
        }
    }
}

void CCappSheet::UpdatePgCellData()
{
    if (m_pCardObj == nullptr) {
        return;
    }
    POSITION pos = m_PageCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(m_PageCellList.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable && !pCell->m_strVarName.IsEmpty()) {
            CString strValue;
            if (m_pCardObj->m_CardData.m_PgData.GetVarData(m_pCardObj->m_nCurPage, pCell->m_strVarName, strValue)) {
                pCell->m_strText = strValue;
            }
        }
    }
}
