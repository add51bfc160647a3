#include "work/CardCellEditor.h"

#include <algorithm>
#include <cstdio>

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
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "work/CappCardView.h"
#include "work/CardCellFun.h"

namespace
{
// Sheet units: ruling lines are at most half a millimetre wide.
constexpr int kCellInset = 5;

bool IsMoveKey(UINT nKey)
{
    return nKey == VK_TAB || nKey == VK_RETURN || nKey == VK_LEFT || nKey == VK_RIGHT || nKey == VK_UP ||
           nKey == VK_DOWN;
}

bool IsSelectable(const CCappCell* pCell)
{
    return !pCell->IsHide() && pCell->m_nContentKind == CCappCell::kindVariable;
}

// The next (or previous) selectable cell of the list, cyclically; *pWrapped tells the walk
// passed the list's end (or start).
CCappCell* NextInList(CObList& list, CCappCell* pFrom, bool bBack, bool* pWrapped)
{
    *pWrapped = false;
    POSITION posStart = list.Find(pFrom);
    if (posStart == nullptr) {
        return nullptr;
    }
    POSITION pos = posStart;
    for (;;) {
        if (bBack) {
            list.GetPrev(pos);
            if (pos == nullptr) {
                pos = list.GetTailPosition();
                *pWrapped = true;
            }
        } else {
            list.GetNext(pos);
            if (pos == nullptr) {
                pos = list.GetHeadPosition();
                *pWrapped = true;
            }
        }
        auto* pCell = static_cast<CCappCell*>(list.GetAt(pos));
        if (IsSelectable(pCell)) {
            return pCell;
        }
        if (pos == posStart) {
            return nullptr;
        }
    }
}

CString RectText(const CRect& rc)
{
    CString str;
    str.Format("%d,%d,%d,%d", rc.left, rc.top, rc.right, rc.bottom);
    return str;
}

bool ParseRect(const CString& str, CRect& rc)
{
    long l = 0;
    long t = 0;
    long r = 0;
    long b = 0;
    if (std::sscanf(str.GetString(), "%ld,%ld,%ld,%ld", &l, &t, &r, &b) != 4) {
        return false;
    }
    rc.SetRect(l, t, r, b);
    return true;
}

} // namespace

CCardCellEditor::CCardCellEditor() : m_pView(nullptr), m_bEditing(FALSE), m_pEditCtrl(nullptr), m_nInEditorKey(0)
{
}

CCardCellEditor::~CCardCellEditor() = default;

void CCardCellEditor::ShowCurCell(BOOL bSelect)
{
    if (m_pView == nullptr) {
        return;
    }
    CCappCardView& view = *m_pView;
    view.m_rcCurCell.SetRectEmpty();
    CCappSheet* pSheet = view.GetCurSheet();
    if (!bSelect || view.m_pCurCell == nullptr || pSheet == nullptr) {
        if (!bSelect) {
            view.m_pCurCell = nullptr;
            view.m_pCurMidData = nullptr;
            view.m_pCurShowMidData = nullptr;
            view.m_nCurRow = -1;
        }
        SetCurRowMarks(-1, -1);
        view.NotifyParent(CCappCardView::msgSelChanged, 0, 0);
        return;
    }
    int nLastRow = view.m_nCurRow;
    CRect rc;
    if (view.m_pCurShowMidData != nullptr && view.m_pCurMidData != nullptr) {
        CCappMidData* pArea = view.m_pCurMidData;
        CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, view.m_nCurRow);
        if (!row.bBeyond && row.nDataRow >= 0) {
            nLastRow = view.m_nCurRow + row.nLinesHere - 1;
        }
        CString strSub;
        int nSubFirst = -1;
        int nSubLast = -1;
        if (pArea->GetSubMDInfo(view.m_nCurRow, strSub, nSubFirst, nSubLast)) {
            nLastRow = std::min(nLastRow, nSubLast);
        }
        // A row that runs on to the next page is framed down to this page's last grid row.
        nLastRow = std::min(nLastRow, std::max(pArea->m_nRowsPerPage - 1, view.m_nCurRow));
        CCellDataItem* pFirst = CCardCellFun::GetDataRange(view.m_pCurCell, view.m_nCurRow);
        CCellDataItem* pLast = CCardCellFun::GetDataRange(view.m_pCurCell, nLastRow);
        if (pFirst == nullptr || pLast == nullptr) {
            CString strText;
            strText.Format(" 当前卡片格式不对(原因：表中'%s' 的卡片变量 '%s' 找不到变量 ) ",
                           pArea->m_strName.GetString(), view.m_pCurCell->m_strVarName.GetString());
            CCardCellFun::ShowMainText(strText);
            view.NotifyParent(CCappCardView::msgSelChanged, 0, 0);
            return;
        }
        rc = pFirst->m_rect;
        rc.bottom = pLast->m_rect.bottom;
    } else {
        rc = pSheet->GetCellRect(view.m_pCurCell);
    }
    // Inside the ruling, so that the frame shows on the cell rather than on its lines.
    rc.DeflateRect(kCellInset, kCellInset);
    view.m_rcCurCell = rc;
    SetCurRowMarks(view.m_nCurRow, nLastRow);
    view.ScrollToShow(view.m_rcCurCell);
    view.NotifyParent(CCappCardView::msgSelChanged, 0, 0);
}

void CCardCellEditor::SetCurRowMarks(int nFirstRow, int nLastRow)
{
    CCappSheet* pSheet = m_pView != nullptr ? m_pView->GetCurSheet() : nullptr;
    if (pSheet == nullptr || !pSheet->m_bCurRow) {
        return;
    }
    pSheet->CleanCurRowRectItems();
    CCappCardView& view = *m_pView;
    if (view.m_pCurShowMidData == nullptr || view.m_pCurCell == nullptr || view.m_rcCurCell.IsRectEmpty() ||
        nFirstRow < 0 || nLastRow < 0) {
        return;
    }
    for (int nRow = nFirstRow; nRow <= nLastRow;) {
        CString strName;
        int nSubFirst = nRow;
        int nSubLast = nLastRow;
        if (view.m_pCurShowMidData->GetSubMDInfo(nRow, strName, nSubFirst, nSubLast)) {
            nSubLast = std::min(nSubLast, nLastRow);
        } else {
            strName = view.m_pCurShowMidData->m_strName;
            nSubLast = nLastRow;
        }
        CCellDataItem* pTop = CCardCellFun::GetDataRange(view.m_pCurCell, nRow);
        CCellDataItem* pBottom = CCardCellFun::GetDataRange(view.m_pCurCell, nSubLast);
        CCappMidData* pArea = CCardCellFun::FindArea(pSheet, strName);
        if (pTop != nullptr && pBottom != nullptr && pArea != nullptr) {
            POSITION pos = pArea->m_listSeatItem.GetHeadPosition();
            while (pos != nullptr) {
                const auto* pSeat = static_cast<const CCappMDSeatItem*>(pArea->m_listSeatItem.GetNext(pos));
                int nLeft = 0;
                int nRight = 0;
                pSheet->GetLineSpace(2, pSeat->m_nLeftLineID, nLeft);
                pSheet->GetLineSpace(2, pSeat->m_nRightLineID, nRight);
                pSheet->AddCurRowRectItem(CRect(pSheet->m_rcFrame.left + nLeft, pTop->m_rect.top,
                                                pSheet->m_rcFrame.left + nRight, pBottom->m_rect.bottom));
            }
        }
        nRow = std::max(nSubLast, nRow) + 1;
    }
}

void CCardCellEditor::GetSelRects(CStringArray& arrRects)
{
    arrRects.RemoveAll();
    if (m_pView == nullptr) {
        return;
    }
    CCappSheet* pSheet = m_pView->GetCurSheet();
    if (pSheet != nullptr && pSheet->m_bCurRow && m_pView->m_pCurShowMidData != nullptr) {
        arrRects.Append(pSheet->m_arrCurRowRect);
    }
    arrRects.Add(RectText(m_pView->m_rcCurCell));
}

void CCardCellEditor::InvalidateRects(CStringArray& arrRects)
{
    for (INT_PTR i = 0; i < arrRects.GetSize(); ++i) {
        CRect rc;
        if (m_pView != nullptr && ParseRect(arrRects[i], rc)) {
            m_pView->MyInvalidateRect(rc, 0);
        }
    }
}

void CCardCellEditor::InvalidateSel()
{
    CStringArray arr;
    GetSelRects(arr);
    InvalidateRects(arr);
}

BOOL CCardCellEditor::SameRects(CStringArray& arrA, CStringArray& arrB)
{
    if (arrA.GetSize() != arrB.GetSize()) {
        return FALSE;
    }
    for (INT_PTR i = 0; i < arrA.GetSize(); ++i) {
        if (arrA[i] != arrB[i]) {
            return FALSE;
        }
    }
    return TRUE;
}

void CCardCellEditor::InvalidateCell(CCappCell* pCell)
{
    CCappSheet* pSheet = m_pView != nullptr ? m_pView->GetCurSheet() : nullptr;
    if (pSheet != nullptr && pCell != nullptr) {
        m_pView->MyInvalidateRect(pSheet->GetCellRect(pCell), 0);
    }
}

BOOL CCardCellEditor::HandleKey(UINT nKey, UINT /*nRepeat*/, UINT /*nFlags*/)
{
    if (m_pView == nullptr || m_pView->m_pCurCell == nullptr || nKey < VK_TAB || nKey > VK_DOWN) {
        return FALSE;
    }
    CCappCardView& view = *m_pView;
    CCardObj* pCard = view.GetCard();
    if (pCard == nullptr) {
        return FALSE;
    }
    const BOOL bWasEditing = m_bEditing;
    if (IsMoveKey(nKey)) {
        if (m_bEditing) {
            EndEdit(1);
        }
        if (view.m_pCurCell == nullptr) {
            return TRUE;
        }
        CStringArray arrOld;
        GetSelRects(arrOld);
        CCappCell* pOldCell = view.m_pCurCell;
        CCappMidData* pOldMid = view.m_pCurMidData;
        CCappMidData* pOldShowMid = view.m_pCurShowMidData;
        const int nOldRow = view.m_nCurRow;
        int nCrossed = 0;
        MoveCurCell(nKey, &nCrossed);
        const int nPage = pCard->m_nCurPage;
        if (nCrossed > 0 && nPage >= pCard->m_CardData.m_nPageCount) {
            if (bWasEditing) {
                view.AddNewPage(1, 0);
            } else {
                // Nothing lies below the last page until an edit asks for a page: stay put.
                view.m_pCurCell = pOldCell;
                view.m_pCurMidData = pOldMid;
                view.m_pCurShowMidData = pOldShowMid;
                view.m_nCurRow = nOldRow;
            }
        } else if (nCrossed > 0) {
            view.SetCurPage(nPage + 1, 0);
        } else if (nCrossed < 0) {
            view.SetCurPage(nPage - 1, 0);
        }
        ShowCurCell(1);
        CStringArray arrNew;
        GetSelRects(arrNew);
        if (!SameRects(arrOld, arrNew)) {
            InvalidateRects(arrOld);
            InvalidateRects(arrNew);
        }
        if (bWasEditing && view.m_pCurCell != nullptr) {
            BeginEdit(CPoint(0, 0));
        }
        return TRUE;
    }
    switch (nKey) {
    case VK_ESCAPE:
        if (m_bEditing) {
            EndEdit(1);
        }
        InvalidateSel();
        return FALSE;
    case VK_SPACE:
        BeginEdit(CPoint(0, 0));
        return FALSE;
    case VK_PRIOR:
        if (pCard->m_nCurPage >= 2) {
            view.SetCurPage(pCard->m_nCurPage - 1, 1);
        }
        return TRUE;
    case VK_NEXT:
        if (pCard->m_nCurPage < pCard->m_CardData.m_nPageCount) {
            view.SetCurPage(pCard->m_nCurPage + 1, 1);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CCardCellEditor::MoveCurCell(UINT nKey, int* pCrossedPage)
{
    int nCrossed = 0;
    CCappCardView& view = *m_pView;
    CCardObj* pCard = view.GetCard();
    if (pCard != nullptr && view.m_pCurCell != nullptr && view.m_pCurCell->m_nContentKind == CCappCell::kindVariable) {
        if (view.m_pCurShowMidData == nullptr) {
            MoveInCellList(nKey, &view.m_pCurCell);
        } else if (view.m_pCurMidData != nullptr) {
            const int nOldCount = static_cast<int>(view.m_pCurCell->m_listCellData.GetCount());
            const CString strAreaName = view.m_pCurMidData->m_strName;
            const int nFromDataRow = CCardCellFun::GetDataRowAt(view.m_pCurMidData, view.m_nCurRow).nDataRow;
            MoveInMidData(nKey, view.m_pCurMidData, &view.m_pCurCell, &view.m_nCurRow, &nCrossed);
            if (nCrossed != 0) {
                CCappSheet* pSheet = pCard->LoadSheetByPage(&view, pCard->m_nCurPage + nCrossed);
                CCappMidData* pArea = CCardCellFun::FindArea(pSheet, strAreaName);
                CCappCell* pCell = pArea != nullptr ? pArea->GetCellByName(view.m_pCurCell->m_strVarName) : nullptr;
                if (pCell == nullptr) {
                    CCardCellFun::ShowMainText("找不到相应的表中");
                    view.m_pCurCell = nullptr;
                    view.m_pCurMidData = nullptr;
                    view.m_pCurShowMidData = nullptr;
                    view.m_nCurRow = -1;
                    *pCrossedPage = nCrossed;
                    return;
                }
                if (nCrossed < 0) {
                    // Where the previous data row begins on the page before, as that page lays it out.
                    const int nRow =
                        CCardCellFun::FirstGridRowOnPage(*pCard, pCard->m_nCurPage - 1, strAreaName, nFromDataRow - 1);
                    const int nNewCount = static_cast<int>(pCell->m_listCellData.GetCount());
                    view.m_nCurRow = nRow >= 0 ? nRow : view.m_nCurRow + nNewCount - nOldCount;
                }
                view.m_pCurCell = pCell;
                view.m_pCurMidData = pArea;
                view.m_pCurShowMidData = pArea;
            }
            if (view.m_pCurMidData != nullptr) {
                CCappSheet* pSheet =
                    nCrossed != 0 ? pCard->GetSheetByPage(pCard->m_nCurPage + nCrossed, 1) : view.GetCurSheet();
                CCappMidData* pShow =
                    CCardCellFun::FindArea(pSheet, view.m_pCurMidData->GetMDNameByDataIndex(view.m_nCurRow));
                view.m_pCurShowMidData = pShow != nullptr ? pShow : view.m_pCurMidData;
            }
        }
    }
    // A selection that left its area, or its list, is dropped.
    const bool bDetail = view.m_pCurShowMidData != nullptr && view.m_pCurMidData != nullptr;
    if (view.m_pCurCell != nullptr &&
        (view.m_nCurRow < 0 || (bDetail && view.m_nCurRow >= view.m_pCurMidData->m_nRowsPerPage))) {
        view.m_pCurCell = nullptr;
        view.m_pCurMidData = nullptr;
        view.m_pCurShowMidData = nullptr;
    }
    *pCrossedPage = nCrossed;
}

void CCardCellEditor::MoveInMidData(UINT nKey, CCappMidData* pArea, CCappCell** ppCell, int* pRow, int* pCrossed)
{
    *pCrossed = 0;
    if (pArea == nullptr || ppCell == nullptr || *ppCell == nullptr || pRow == nullptr) {
        return;
    }
    bool bDown = nKey == VK_DOWN;
    if (nKey == VK_TAB || nKey == VK_RETURN || nKey == VK_LEFT || nKey == VK_RIGHT) {
        bool bWrapped = false;
        CCappCell* pNext = NextInList(pArea->m_listMidCell, *ppCell, nKey == VK_LEFT, &bWrapped);
        if (pNext == nullptr) {
            return;
        }
        *ppCell = pNext;
        bDown = bWrapped && (nKey == VK_TAB || nKey == VK_RETURN);
    }
    const int nCount = static_cast<int>((*ppCell)->m_listCellData.GetCount());
    if (bDown) {
        CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, *pRow);
        if (row.nDataRow < 0) {
            return;
        }
        const int nNext = row.nFirstGridRow + row.nLinesHere;
        if (nNext >= nCount) {
            *pCrossed = 1;
            *pRow = nNext - nCount;
        } else {
            *pRow = nNext;
        }
    } else if (nKey == VK_UP) {
        CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, *pRow);
        if (row.nDataRow <= 0) {
            return;
        }
        if (row.nFirstGridRow == 0) {
            // The previous data row lies on the page before; where, that page's layout tells.
            CCardObj* pCard = m_pView->GetCard();
            if (pCard == nullptr || pCard->m_nCurPage < 2) {
                return;
            }
            *pCrossed = -1;
            *pRow = -1;
            return;
        }
        *pRow = CCardCellFun::GetDataRowAt(pArea, row.nFirstGridRow - 1).nFirstGridRow;
    }
}

void CCardCellEditor::MoveInCellList(UINT nKey, CCappCell** ppCell)
{
    CCappSheet* pSheet = m_pView != nullptr ? m_pView->GetCurSheet() : nullptr;
    if (pSheet == nullptr || ppCell == nullptr || *ppCell == nullptr ||
        (*ppCell)->m_nContentKind != CCappCell::kindVariable) {
        return;
    }
    const bool bBack = nKey == VK_LEFT;
    if (!bBack && nKey != VK_TAB && nKey != VK_RETURN && nKey != VK_RIGHT) {
        return;
    }
    CObList& list = pSheet->m_PageCellList.Find(*ppCell) != nullptr ? pSheet->m_PageCellList : pSheet->m_HeadCellList;
    bool bWrapped = false;
    if (CCappCell* pNext = NextInList(list, *ppCell, bBack, &bWrapped)) {
        *ppCell = pNext;
    }
}

void CCardCellEditor::DrawCurCellFrame(CDC* pDC)
{
    if (m_pView == nullptr || m_pView->m_pCurCell == nullptr || m_pView->m_rcCurCell.IsRectEmpty()) {
        return;
    }
    // One device pixel whatever the zoom: a cosmetic pen.
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CFxSelectGuard guard(pDC, &pen);
    const CRect& rc = m_pView->m_rcCurCell;
    const POINT points[] = {{rc.left, rc.top},
                            {rc.right - 1, rc.top},
                            {rc.right - 1, rc.bottom - 1},
                            {rc.left, rc.bottom - 1},
                            {rc.left, rc.top}};
    pDC->Polyline(points, 5);
}
