// Picking lines of the grid for the designer's table-line tool.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/CappLine.h"
#include "core/CappSheet.h"

namespace
{

const int kPickTolerance = 10;

template <class F> void ForEachLine(const CObList& list, F fn)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        fn(static_cast<CCappLine*>(list.GetNext(pos)));
    }
}

} // namespace

int CCappSheet::pickLine(CPoint point, CCappLine*& pLine, CPoint& ptFoot) const
{
    pLine = nullptr;
    int nBest = INT_MAX;
    auto fnTry = [&](CCappLine* pOther) {
        CPoint ptStart;
        CPoint ptEnd;
        if (!GetLineCoordinate(pOther, ptStart, ptEnd, 0)) {
            return;
        }
        // Along the line the point must lie between its ends; across it within the tolerance.
        const BOOL bHorz = ptStart.y == ptEnd.y;
        const int nAlong = bHorz ? point.x : point.y;
        if (nAlong < (bHorz ? ptStart.x : ptStart.y) || nAlong > (bHorz ? ptEnd.x : ptEnd.y)) {
            return;
        }
        const int nDist = std::abs(bHorz ? point.y - ptStart.y : point.x - ptStart.x);
        if (nDist <= kPickTolerance && nDist < nBest) {
            nBest = nDist;
            pLine = pOther;
            ptFoot = bHorz ? CPoint(point.x, ptStart.y) : CPoint(ptStart.x, point.y);
        }
    };
    CRect rcPick = m_rcFrame;
    rcPick.InflateRect(m_nFrameWidth, m_nFrameWidth);
    if (point.x >= rcPick.left && point.x <= rcPick.right && point.y >= rcPick.top && point.y <= rcPick.bottom) {
        ForEachLine(m_HCellLineList, fnTry);
        ForEachLine(m_VCellLineList, fnTry);
    }
    // Left-hand outline lines lie left of the frame.
    ForEachLine(m_LHOutLineList, fnTry);
    return pLine != nullptr ? 1 : 0;
}

int CCappSheet::pickBaseLine(UINT nCode, CPoint point, CCappLine*& pLine) const
{
    pLine = nullptr;
    const BOOL bHorz = nCode == 101;
    if (!bHorz && nCode != 102) {
        return 0;
    }
    const CObList& list = bHorz ? m_HCellLineList : m_VCellLineList;
    const int nType = bHorz ? CCappLine::typeHCell : CCappLine::typeVCell;
    const int nAt = bHorz ? point.y - m_rcFrame.top : point.x - m_rcFrame.left;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pOther = static_cast<CCappLine*>(list.GetNext(pos));
        if (pOther->m_nType == nType && std::abs(pOther->m_nPos - nAt) <= kPickTolerance) {
            pLine = pOther;
            return 1;
        }
    }
    return 0;
}

int CCappSheet::PickCrossLine(const CCappLine* pLine, CPoint point, CCappLine*& pCross, CPoint& ptCross) const
{
    pCross = nullptr;
    CPoint ptStart;
    CPoint ptEnd;
    if (pLine == nullptr || pLine->m_nType == CCappLine::typeLHOut || !GetLineCoordinate(pLine, ptStart, ptEnd, 0)) {
        return 0;
    }
    const BOOL bHorz = pLine->IsHorizontal();
    int nBest = INT_MAX;
    ForEachLine(bHorz ? m_VCellLineList : m_HCellLineList, [&](CCappLine* pOther) {
        CPoint ptOtherStart;
        CPoint ptOtherEnd;
        if (!GetLineCoordinate(pOther, ptOtherStart, ptOtherEnd, 0)) {
            return;
        }
        const CPoint ptAt = bHorz ? CPoint(ptOtherStart.x, ptStart.y) : CPoint(ptStart.x, ptOtherStart.y);
        const BOOL bInside =
            bHorz ? (ptAt.x > ptStart.x && ptAt.x < ptEnd.x && ptAt.y > ptOtherStart.y && ptAt.y < ptOtherEnd.y)
                  : (ptAt.y > ptStart.y && ptAt.y < ptEnd.y && ptAt.x > ptOtherStart.x && ptAt.x < ptOtherEnd.x);
        const int nDist = std::max(std::abs(ptAt.x - point.x), std::abs(ptAt.y - point.y));
        if (bInside && nDist <= kPickTolerance && nDist < nBest) {
            nBest = nDist;
            pCross = pOther;
            ptCross = ptAt;
        }
    });
    return pCross != nullptr ? 1 : 0;
}

int CCappSheet::FindNearLine(UINT nType, CPoint point, BOOL bForward, CCappLine*& pLine) const
{
    pLine = nullptr;
    const BOOL bHorz = nType == CCappLine::typeHCell;
    if (!bHorz && nType != CCappLine::typeVCell) {
        return 0;
    }
    const int nAt = bHorz ? point.y : point.x;
    const int nAcross = bHorz ? point.x : point.y;
    int nBest = INT_MAX;
    ForEachLine(bHorz ? m_HCellLineList : m_VCellLineList, [&](CCappLine* pOther) {
        CPoint ptStart;
        CPoint ptEnd;
        if (!GetLineCoordinate(pOther, ptStart, ptEnd, 0)) {
            return;
        }
        // A line that does not reach across the point could not end a line drawn there.
        if (nAcross < (bHorz ? ptStart.x : ptStart.y) || nAcross > (bHorz ? ptEnd.x : ptEnd.y)) {
            return;
        }
        const int nDist = bForward ? (bHorz ? ptStart.y : ptStart.x) - nAt : nAt - (bHorz ? ptStart.y : ptStart.x);
        if (nDist >= 0 && nDist < nBest) {
            nBest = nDist;
            pLine = pOther;
        }
    });
    return pLine != nullptr ? 1 : 0;
}

int CCappSheet::FindNextNearLine(UINT nType, CPoint point, CCappLine*& pLine) const
{
    return FindNearLine(nType, point, TRUE, pLine);
}

int CCappSheet::FindPrevNearLine(UINT nType, CPoint point, CCappLine*& pLine) const
{
    return FindNearLine(nType, point, FALSE, pLine);
}
