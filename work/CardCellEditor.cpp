#include "work/CardCellEditor.h"

#include "core/CappCell.h"
#include "core/CappSheet.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/SelectGuard.h"
#include "work/CappCardView.h"

namespace
{
// Sheet units: ruling lines are at most half a millimetre wide.
constexpr int kCellInset = 5;
} // namespace

CCardCellEditor::CCardCellEditor() : m_pView(nullptr), m_bEditing(FALSE), m_pEditCtrl(nullptr)
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
    if (bSelect && view.m_pCurCell != nullptr && pSheet != nullptr && view.m_pCurShowMidData == nullptr) {
        // Inside the ruling, so that the frame shows on the cell rather than on its lines.
        view.m_rcCurCell = pSheet->GetCellRect(view.m_pCurCell);
        view.m_rcCurCell.DeflateRect(kCellInset, kCellInset);
    }
    if (!bSelect) {
        view.m_pCurCell = nullptr;
        view.m_pCurMidData = nullptr;
        view.m_pCurShowMidData = nullptr;
        view.m_nCurRow = -1;
    }
    view.NotifyParent(CCappCardView::msgSelChanged, 0, 0);
}

void CCardCellEditor::EndEdit(BOOL /*bSave*/)
{
    if (m_pEditCtrl == nullptr) {
        return;
    }
    m_pEditCtrl = nullptr;
    m_bEditing = FALSE;
}

BOOL CCardCellEditor::HandleKey(UINT nKey, UINT /*nRepeat*/, UINT /*nFlags*/)
{
    if (m_pView == nullptr || m_pView->m_pCurCell == nullptr || nKey < VK_TAB || nKey > VK_DOWN) {
        return FALSE;
    }
    CCappCardView& view = *m_pView;
    switch (nKey) {
    case VK_TAB:
    case VK_RETURN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        EndEdit(1);
        const CRect rcOld = view.m_rcCurCell;
        // Detail cells move by rows and pages; only head and page cells move here.
        if (view.m_pCurShowMidData == nullptr) {
            MoveInCellList(nKey, &view.m_pCurCell);
        }
        ShowCurCell(1);
        if (rcOld != view.m_rcCurCell) {
            view.MyInvalidateRect(rcOld, 0);
            view.MyInvalidateRect(view.m_rcCurCell, 0);
        }
        return TRUE;
    }
    case VK_ESCAPE:
        EndEdit(1);
        return FALSE;
    default:
        return FALSE;
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
    POSITION posStart = list.Find(*ppCell);
    if (posStart == nullptr) {
        return;
    }
    POSITION pos = posStart;
    for (;;) {
        if (bBack) {
            list.GetPrev(pos);
            if (pos == nullptr) {
                pos = list.GetTailPosition();
            }
        } else {
            list.GetNext(pos);
            if (pos == nullptr) {
                pos = list.GetHeadPosition();
            }
        }
        if (pos == posStart) {
            return;
        }
        auto* pCell = static_cast<CCappCell*>(list.GetAt(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable) {
            *ppCell = pCell;
            return;
        }
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
