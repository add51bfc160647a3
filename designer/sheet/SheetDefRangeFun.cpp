#include "designer/sheet/SheetDefRangeFun.h"

#include <climits>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"

namespace
{
template <typename T, typename Fn> void ForEachIn(const CObList& list, Fn fn)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        if (auto* p = dynamic_cast<T*>(list.GetNext(pos))) {
            fn(p);
        }
    }
}

// Every owner list of cells: head, page, outline and each detail area's.
template <typename Fn> void ForEachCellList(const CCappSheet& sheet, Fn fn)
{
    fn(const_cast<CObList&>(sheet.m_HeadCellList));
    fn(const_cast<CObList&>(sheet.m_PageCellList));
    fn(const_cast<CObList&>(sheet.m_OutCellList));
    ForEachIn<CCappMidData>(sheet.m_MidDataList, [&](CCappMidData* pMid) { fn(pMid->m_listMidCell); });
}

BOOL RemoveFromList(CObList& list, CObject* p)
{
    if (POSITION pos = list.Find(p)) {
        list.RemoveAt(pos);
        return TRUE;
    }
    return FALSE;
}
} // namespace

CCappRange CSheetDefRangeFun::GetRange(const CCappSheet& sheet, CPoint pt)
{
    CCappRange range;
    if (!sheet.m_rcFrame.PtInRect(pt)) {
        return range;
    }
    int yTop = INT_MIN;
    int yBottom = INT_MAX;
    ForEachIn<CCappLine>(sheet.m_HCellLineList, [&](CCappLine* pLine) {
        CPoint ptStart;
        CPoint ptEnd;
        if (!sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0) || pt.x < ptStart.x || pt.x >= ptEnd.x) {
            return;
        }
        if (ptStart.y <= pt.y && ptStart.y > yTop) {
            yTop = ptStart.y;
            range.m_pTopLine = pLine;
        } else if (ptStart.y > pt.y && ptStart.y < yBottom) {
            yBottom = ptStart.y;
            range.m_pBottomLine = pLine;
        }
    });
    int xLeft = INT_MIN;
    int xRight = INT_MAX;
    ForEachIn<CCappLine>(sheet.m_VCellLineList, [&](CCappLine* pLine) {
        CPoint ptStart;
        CPoint ptEnd;
        if (!sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0) || pt.y < ptStart.y || pt.y >= ptEnd.y) {
            return;
        }
        if (ptStart.x <= pt.x && ptStart.x > xLeft) {
            xLeft = ptStart.x;
            range.m_pLeftLine = pLine;
        } else if (ptStart.x > pt.x && ptStart.x < xRight) {
            xRight = ptStart.x;
            range.m_pRightLine = pLine;
        }
    });
    if (range.m_pTopLine == nullptr || range.m_pBottomLine == nullptr || range.m_pLeftLine == nullptr ||
        range.m_pRightLine == nullptr) {
        range.ResertVal();
        return range;
    }
    range.m_nKind = 1;
    range.m_rect.SetRect(xLeft, yTop, xRight, yBottom);
    return range;
}

CCappCell* CSheetDefRangeFun::GetCell(const CCappSheet& sheet, const CCappRange& range)
{
    if (IsEmpty(range) || range.m_pTopLine == nullptr || range.m_pLeftLine == nullptr ||
        range.m_pRightLine == nullptr || range.m_pBottomLine == nullptr) {
        return nullptr;
    }
    CCappCell* pFound = nullptr;
    ForEachCellList(sheet, [&](CObList& list) {
        ForEachIn<CCappCell>(list, [&](CCappCell* pCell) {
            if (pFound == nullptr && pCell->m_nTopLineID == range.m_pTopLine->m_nID &&
                pCell->m_nLeftLineID == range.m_pLeftLine->m_nID &&
                pCell->m_nRightLineID == range.m_pRightLine->m_nID &&
                pCell->m_nBottomLineID == range.m_pBottomLine->m_nID) {
                pFound = pCell;
            }
        });
    });
    return pFound;
}

CCappMidData* CSheetDefRangeFun::GetMidData(const CCappSheet& sheet, CPoint pt)
{
    CCappMidData* pFound = nullptr;
    ForEachIn<CCappMidData>(sheet.m_MidDataList, [&](CCappMidData* pMid) {
        ForEachIn<CCappMDSeatItem>(pMid->m_listSeatItem, [&](CCappMDSeatItem* pSeat) {
            CRect rc;
            if (pFound == nullptr &&
                sheet.GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID,
                                   pSeat->m_nBottomLineID, rc) &&
                rc.PtInRect(pt)) {
                pFound = pMid;
            }
        });
    });
    return pFound;
}

CCappMidData* CSheetDefRangeFun::GetMidData(const CCappSheet& sheet, const CString& strName)
{
    // By the same exact name the card finds an area with when it fills and pages it.
    return sheet.FindMidData(strName);
}

BOOL CSheetDefRangeFun::HaveCellInRange(const CCappSheet& sheet, const CCappRange& range)
{
    if (IsEmpty(range)) {
        return FALSE;
    }
    BOOL bFound = FALSE;
    auto inside = [&](CCappCell* pCell) {
        const CRect rc = sheet.GetCellRect(pCell);
        if (!rc.IsRectEmpty() && rc.left >= range.m_rect.left && rc.top >= range.m_rect.top &&
            rc.right <= range.m_rect.right && rc.bottom <= range.m_rect.bottom) {
            bFound = TRUE;
        }
    };
    ForEachIn<CCappCell>(sheet.m_HeadCellList, inside);
    ForEachIn<CCappMidData>(sheet.m_MidDataList,
                            [&](CCappMidData* pMid) { ForEachIn<CCappCell>(pMid->m_listMidCell, inside); });
    return bFound;
}

BOOL CSheetDefRangeFun::ExistCardVarCell(const CCappSheet& sheet, const CString& strName)
{
    BOOL bFound = FALSE;
    ForEachCellList(sheet, [&](CObList& list) {
        ForEachIn<CCappCell>(list, [&](CCappCell* pCell) {
            if ((pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage) &&
                pCell->m_strVarName == strName) {
                bFound = TRUE;
            }
        });
    });
    return bFound;
}

int CSheetDefRangeFun::CleanMack(CCappSheet& sheet)
{
    int nDeleted = 0;
    auto clean = [&](CObList& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const POSITION posThis = pos;
            auto* pCell = dynamic_cast<CCappCell*>(list.GetNext(pos));
            if (pCell == nullptr) {
                continue;
            }
            const BOOL bVariable =
                pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage;
            if ((bVariable && pCell->m_strVarName.IsEmpty()) || (!bVariable && pCell->m_strText.IsEmpty())) {
                list.RemoveAt(posThis);
                delete pCell;
                ++nDeleted;
            }
        }
    };
    clean(sheet.m_HeadCellList);
    clean(sheet.m_PageCellList);
    ForEachIn<CCappMidData>(sheet.m_MidDataList, [&](CCappMidData* pMid) { clean(pMid->m_listMidCell); });
    return nDeleted;
}

void CSheetDefRangeFun::AddCell(CCappSheet& sheet, const CString& strArea, CCappCell* pCell)
{
    if (pCell->m_nCellID <= 0) {
        pCell->m_nCellID = sheet.GetNewCellID();
    }
    CCappMidData* pMid = pCell->m_nDataPos == CCappCell::seatMidData ? GetMidData(sheet, strArea) : nullptr;
    if (pMid != nullptr) {
        pMid->m_listMidCell.AddTail(pCell);
        return;
    }
    switch (pCell->m_nDataPos) {
    case CCappCell::seatPage:
        sheet.m_PageCellList.AddTail(pCell);
        break;
    case CCappCell::seatOut:
        sheet.m_OutCellList.AddTail(pCell);
        break;
    default:
        pCell->m_nDataPos = CCappCell::seatHead;
        sheet.m_HeadCellList.AddTail(pCell);
        break;
    }
}

BOOL CSheetDefRangeFun::RemoveCell(CCappSheet& sheet, CCappCell* pCell)
{
    BOOL bRemoved = FALSE;
    ForEachCellList(sheet, [&](CObList& list) { bRemoved = bRemoved || RemoveFromList(list, pCell); });
    if (bRemoved) {
        delete pCell;
    }
    return bRemoved;
}

CCappRange CSheetDefRangeFun::Union(const CCappRange& first, const CCappRange& second)
{
    if (IsEmpty(second)) {
        return first;
    }
    if (IsEmpty(first)) {
        return second;
    }
    CCappRange range = first;
    if (second.m_rect.left < first.m_rect.left) {
        range.m_rect.left = second.m_rect.left;
        range.m_pLeftLine = second.m_pLeftLine;
    }
    if (second.m_rect.top < first.m_rect.top) {
        range.m_rect.top = second.m_rect.top;
        range.m_pTopLine = second.m_pTopLine;
    }
    if (second.m_rect.right > first.m_rect.right) {
        range.m_rect.right = second.m_rect.right;
        range.m_pRightLine = second.m_pRightLine;
    }
    if (second.m_rect.bottom > first.m_rect.bottom) {
        range.m_rect.bottom = second.m_rect.bottom;
        range.m_pBottomLine = second.m_pBottomLine;
    }
    return range;
}

BOOL CSheetDefRangeFun::IsEmpty(const CCappRange& range)
{
    return range.m_nKind == 0 || range.m_rect.IsRectEmpty();
}

BOOL CSheetDefRangeFun::IsSameRange(const CCappRange& a, const CCappRange& b)
{
    return a.m_nKind == b.m_nKind && a.m_rect == b.m_rect;
}
