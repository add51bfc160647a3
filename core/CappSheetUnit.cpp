// Merging a closed range of the grid into one: which lines go, whether they can go, and the cuts
// and deletions that take them away as one undo group.
#include "core/CappSheet.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappMsgFun.h"
#include "core/CappRange.h"

namespace
{

struct LineRef
{
    int nType;
    int nID;
};

template <class T, class F> void ForEachIn(const CObList& list, F fn)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        fn(static_cast<T*>(list.GetNext(pos)));
    }
}

int CrossTypeOf(const CCappLine* pLine)
{
    return pLine->IsHorizontal() ? CCappLine::typeVCell : CCappLine::typeHCell;
}

// The positions a line runs between, low first; FALSE when a crossing line is missing.
BOOL GetSpan(const CCappSheet& sheet, const CCappLine* pLine, int& nLow, int& nHigh)
{
    const int nCrossType = CrossTypeOf(pLine);
    if (!sheet.GetLineSpace(nCrossType, pLine->m_nStartID, nLow) ||
        !sheet.GetLineSpace(nCrossType, pLine->m_nEndID, nHigh)) {
        return FALSE;
    }
    if (nLow > nHigh) {
        std::swap(nLow, nHigh);
    }
    return TRUE;
}

// Whether the lines of the list standing at nPos rule it all along from nLow to nHigh.
BOOL IsRuled(const CCappSheet& sheet, const CObList& list, int nPos, int nLow, int nHigh)
{
    std::vector<std::pair<int, int>> spans;
    ForEachIn<CCappLine>(list, [&](CCappLine* pLine) {
        int nFrom = 0;
        int nTo = 0;
        if (pLine->m_nPos == nPos && GetSpan(sheet, pLine, nFrom, nTo)) {
            spans.emplace_back(nFrom, nTo);
        }
    });
    std::sort(spans.begin(), spans.end());
    int nReached = nLow;
    for (const auto& span : spans) {
        if (span.first > nReached) {
            break;
        }
        nReached = std::max(nReached, span.second);
    }
    return nReached >= nHigh;
}

// The line of the list standing at nPos that reaches across nAt.
CCappLine* FindSideLine(const CCappSheet& sheet, const CObList& list, int nPos, int nAt)
{
    CCappLine* pFound = nullptr;
    ForEachIn<CCappLine>(list, [&](CCappLine* pLine) {
        int nFrom = 0;
        int nTo = 0;
        if (pFound == nullptr && pLine->m_nPos == nPos && GetSpan(sheet, pLine, nFrom, nTo) && nFrom <= nAt &&
            nAt <= nTo) {
            pFound = pLine;
        }
    });
    return pFound;
}

// The sides of a range in line positions: horizontal lines run between left and right, and lie
// between top and bottom; vertical lines the other way round.
void SidesFor(const CCappLine* pLine, const CRect& rcSpace, int& nLowSide, int& nHighSide, int& nLowPos, int& nHighPos)
{
    if (pLine->IsHorizontal()) {
        nLowSide = rcSpace.left;
        nHighSide = rcSpace.right;
        nLowPos = rcSpace.top;
        nHighPos = rcSpace.bottom;
    } else {
        nLowSide = rcSpace.top;
        nHighSide = rcSpace.bottom;
        nLowPos = rcSpace.left;
        nHighPos = rcSpace.right;
    }
}

// A cell line lies inside when it stands strictly between two sides and reaches into the span
// between the other two.
BOOL IsInnerLine(const CCappSheet& sheet, const CCappLine* pLine, const CRect& rcSpace)
{
    if (pLine->m_nType != CCappLine::typeHCell && pLine->m_nType != CCappLine::typeVCell) {
        return FALSE;
    }
    int nLowSide = 0;
    int nHighSide = 0;
    int nLowPos = 0;
    int nHighPos = 0;
    SidesFor(pLine, rcSpace, nLowSide, nHighSide, nLowPos, nHighPos);
    int nFrom = 0;
    int nTo = 0;
    return pLine->m_nPos > nLowPos && pLine->m_nPos < nHighPos && GetSpan(sheet, pLine, nFrom, nTo) &&
           nFrom < nHighSide && nTo > nLowSide;
}

std::vector<LineRef> CollectInnerLines(const CCappSheet& sheet, const CRect& rcSpace)
{
    std::vector<LineRef> inner;
    for (const CObList* pList : {&sheet.m_HCellLineList, &sheet.m_VCellLineList}) {
        ForEachIn<CCappLine>(*pList, [&](CCappLine* pLine) {
            if (IsInnerLine(sheet, pLine, rcSpace)) {
                inner.push_back({pLine->m_nType, pLine->m_nID});
            }
        });
    }
    return inner;
}

BOOL IsInList(const std::vector<LineRef>& lines, int nType, int nID)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const LineRef& ref) { return ref.nType == nType && ref.nID == nID; });
}

// Whether a line ends on one of the lines: its start and end ids name lines of the other direction.
BOOL JoinsAny(const CCappLine* pLine, const std::vector<LineRef>& lines)
{
    const int nCrossType = CrossTypeOf(pLine);
    return IsInList(lines, nCrossType, pLine->m_nStartID) || IsInList(lines, nCrossType, pLine->m_nEndID);
}

// Deleting refuses a line that others still end on: the inner lines can all go only when some
// order takes away, each time, a line no remaining inner line ends on.
BOOL CanDeleteInOrder(const CCappSheet& sheet, std::vector<LineRef> remaining)
{
    while (!remaining.empty()) {
        const auto it = std::find_if(remaining.begin(), remaining.end(), [&](const LineRef& ref) {
            return !std::any_of(remaining.begin(), remaining.end(), [&](const LineRef& other) {
                const CCappLine* pOther = sheet.FindLine(other.nType, other.nID);
                return pOther != nullptr && pOther->m_nType != ref.nType &&
                       (pOther->m_nStartID == ref.nID || pOther->m_nEndID == ref.nID);
            });
        });
        if (it == remaining.end()) {
            return FALSE;
        }
        remaining.erase(it);
    }
    return TRUE;
}

} // namespace

int CCappSheet::IsCloseLoop(const CCappRange& range) const
{
    if (range.m_nKind != 1 || range.m_pLeftLine == nullptr || range.m_pTopLine == nullptr ||
        range.m_pRightLine == nullptr || range.m_pBottomLine == nullptr || !range.m_pTopLine->IsHorizontal() ||
        !range.m_pBottomLine->IsHorizontal() || !range.m_pLeftLine->IsVertical() || !range.m_pRightLine->IsVertical()) {
        return 0;
    }
    const CRect rcSpace = range.GetRectSpace();
    if (rcSpace.left >= rcSpace.right || rcSpace.top >= rcSpace.bottom) {
        return 0;
    }
    return IsRuled(*this, m_HCellLineList, rcSpace.top, rcSpace.left, rcSpace.right) &&
                   IsRuled(*this, m_HCellLineList, rcSpace.bottom, rcSpace.left, rcSpace.right) &&
                   IsRuled(*this, m_VCellLineList, rcSpace.left, rcSpace.top, rcSpace.bottom) &&
                   IsRuled(*this, m_VCellLineList, rcSpace.right, rcSpace.top, rcSpace.bottom)
               ? 1
               : 0;
}

BOOL CCappSheet::CanUnitCell(const CCappRange& range, BOOL bInnerCellsGo, CString& strReason) const
{
    if (!IsCloseLoop(range)) {
        strReason = "选中的区域不是封闭的区域，不能合并";
        return FALSE;
    }
    const CRect rcSpace = range.GetRectSpace();
    CRect rcRange = rcSpace;
    rcRange.OffsetRect(m_rcFrame.left, m_rcFrame.top);

    // A cell reaching into the range would lose an edge; one lying wholly inside goes only when
    // the caller removes it first.
    BOOL bCellInside = FALSE;
    CObList cells; // every cell of every owner list
    CollectCells(cells);
    ForEachIn<CCappCell>(cells, [&](CCappCell* pCell) {
        const CRect rcCell = GetCellRect(pCell);
        CRect rcCommon;
        if (rcCell.IsRectEmpty() || !rcCommon.IntersectRect(&rcCell, &rcRange)) {
            return;
        }
        const BOOL bWhollyInside = rcCell.left >= rcRange.left && rcCell.top >= rcRange.top &&
                                   rcCell.right <= rcRange.right && rcCell.bottom <= rcRange.bottom;
        // The caller removes head, page and detail cells; a cell outside the frame stays.
        const BOOL bGoes = bInnerCellsGo && bWhollyInside && m_OutCellList.Find(pCell) == nullptr;
        if (!bGoes) {
            bCellInside = TRUE;
        }
    });
    if (bCellInside) {
        strReason = "选中的区域内还有单元格，不能合并";
        return FALSE;
    }

    // A detail area's seat keeps its lines: one reaching into the range and not holding it whole
    // stands in the way.
    BOOL bSeatInside = FALSE;
    ForEachIn<CCappMidData>(m_MidDataList, [&](CCappMidData* pMid) {
        ForEachIn<CCappMDSeatItem>(pMid->m_listSeatItem, [&](CCappMDSeatItem* pSeat) {
            CRect rcSeat;
            CRect rcCommon;
            if (!GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID, pSeat->m_nBottomLineID,
                              rcSeat) ||
                !rcCommon.IntersectRect(&rcSeat, &rcRange)) {
                return;
            }
            if (rcSeat.left > rcRange.left || rcSeat.top > rcRange.top || rcSeat.right < rcRange.right ||
                rcSeat.bottom < rcRange.bottom) {
                bSeatInside = TRUE;
            }
        });
    });
    if (bSeatInside) {
        strReason = "选中的区域与明细区域相交，不能合并";
        return FALSE;
    }

    // A side made of pieces that meet on an inner line would keep that line.
    const std::vector<LineRef> inner = CollectInnerLines(*this, rcSpace);
    BOOL bSideJoined = FALSE;
    for (const CObList* pList : {&m_HCellLineList, &m_VCellLineList}) {
        ForEachIn<CCappLine>(*pList, [&](CCappLine* pLine) {
            if (IsInList(inner, pLine->m_nType, pLine->m_nID) || !JoinsAny(pLine, inner)) {
                return;
            }
            const BOOL bOnSide = pLine->IsHorizontal()
                                     ? (pLine->m_nPos == rcSpace.top || pLine->m_nPos == rcSpace.bottom)
                                     : (pLine->m_nPos == rcSpace.left || pLine->m_nPos == rcSpace.right);
            if (bOnSide) {
                bSideJoined = TRUE;
            }
        });
    }
    if (bSideJoined || !CanDeleteInOrder(*this, inner)) {
        strReason = "选中区域内的表格线相互连接，不能合并";
        return FALSE;
    }
    return TRUE;
}

int CCappSheet::UnitCell(CCappRange& range)
{
    CString strReason;
    if (!CanUnitCell(range, FALSE, strReason)) {
        CCappMsgFun::ShowText(m_pWnd, strReason);
        return 0;
    }
    const CRect rcSpace = range.GetRectSpace();
    const std::vector<LineRef> inner = CollectInnerLines(*this, rcSpace);

    m_DefUndo.SetTransAction(1);
    // Cut each inner line where it crosses a side, keeping the piece inside.
    std::vector<LineRef> pieces;
    for (const LineRef& ref : inner) {
        CCappLine* pLine = FindLine(ref.nType, ref.nID);
        int nLowSide = 0;
        int nHighSide = 0;
        int nLowPos = 0;
        int nHighPos = 0;
        SidesFor(pLine, rcSpace, nLowSide, nHighSide, nLowPos, nHighPos);
        const CObList& crossList = pLine->IsHorizontal() ? m_VCellLineList : m_HCellLineList;
        for (const int nSide : {nLowSide, nHighSide}) {
            int nFrom = 0;
            int nTo = 0;
            GetSpan(*this, pLine, nFrom, nTo);
            if (nFrom >= nSide || nTo <= nSide) {
                continue;
            }
            const CCappLine* pCross = FindSideLine(*this, crossList, nSide, pLine->m_nPos);
            CCappLine* pPiece =
                pCross != nullptr ? CutCellLine(ref.nType, pLine->m_nID, pCross->m_nID, -1, 1) : nullptr;
            if (pPiece != nullptr && IsInnerLine(*this, pPiece, rcSpace)) {
                pLine = pPiece;
            }
        }
        pieces.push_back({ref.nType, pLine->m_nID});
    }
    // Then delete the pieces, each once no other piece ends on it.
    BOOL bProgress = TRUE;
    while (!pieces.empty() && bProgress) {
        bProgress = FALSE;
        for (auto it = pieces.begin(); it != pieces.end();) {
            if (DelCellLine(it->nType, it->nID, 1)) {
                it = pieces.erase(it);
                bProgress = TRUE;
            } else {
                ++it;
            }
        }
    }
    m_DefUndo.SetTransAction(0);
    return pieces.empty() ? 1 : 0;
}
