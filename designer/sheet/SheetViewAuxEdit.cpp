// The cell tool's edits of the selected area: merging it, removing the cells inside it and the
// Delete key.
#include "designer/sheet/SheetViewAux.h"

#include <vector>

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "core/CappRange.h"
#include "core/CappSheet.h"
#include "designer/sheet/SheetToolHost.h"
#include "designer/cells/DelControlDlg.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "platform/frame/WinApp.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

namespace
{
// The range's rectangle on the sheet, taken again from its lines.
CRect GetRangeRect(const CCappSheet& sheet, const CCappRange& range)
{
    CRect rc = range.GetRectSpace();
    if (rc.IsRectEmpty()) {
        return range.m_rect;
    }
    rc.OffsetRect(sheet.m_rcFrame.left, sheet.m_rcFrame.top);
    return rc;
}

// The head, page and detail cells lying wholly inside the rectangle.
std::vector<CCappCell*> CollectCellsIn(const CCappSheet& sheet, const CRect& rcRange)
{
    std::vector<CCappCell*> cells;
    auto collect = [&](const CObList& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            auto* pCell = dynamic_cast<CCappCell*>(list.GetNext(pos));
            if (pCell == nullptr) {
                continue;
            }
            const CRect rc = sheet.GetCellRect(pCell);
            if (!rc.IsRectEmpty() && rc.left >= rcRange.left && rc.top >= rcRange.top && rc.right <= rcRange.right &&
                rc.bottom <= rcRange.bottom) {
                cells.push_back(pCell);
            }
        }
    };
    collect(sheet.m_HeadCellList);
    collect(sheet.m_PageCellList);
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        if (auto* pMid = dynamic_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))) {
            collect(pMid->m_listMidCell);
        }
    }
    return cells;
}
} // namespace

int CSheetViewAux::RemoveCellsIn(int nCode, const CCappRange& range)
{
    CCappSheet& sheet = *m_pHost->GetSheet();
    if (CSheetDefRangeFun::IsEmpty(range)) {
        return 0;
    }
    int nRemoved = 0;
    for (CCappCell* pCell : CollectCellsIn(sheet, GetRangeRect(sheet, range))) {
        if (nCode == CDelControlDlg::deleteAll || pCell->m_nContentKind == nCode) {
            RemoveCell(pCell, TRUE);
            ++nRemoved;
        }
    }
    return nRemoved;
}

int CSheetViewAux::MergeCells()
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappSheet& sheet = *m_pHost->GetSheet();
    CCappRange range = GetSelectedArea();
    if (CSheetDefRangeFun::IsEmpty(range)) {
        return 0;
    }
    // The cells go only once the sheet has said it will merge what remains.
    CString strReason;
    if (!sheet.CanUnitCell(range, TRUE, strReason)) {
        FxMessageBox(pWnd->m_hWnd, strReason, FxGetApp()->m_strAppName, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    m_pHost->ClearHighlightLine();
    RemoveCellsIn(CDelControlDlg::deleteAll, range);
    const int nMerged = sheet.UnitCell(range);
    m_pHost->MarkChanged();
    range.m_rect = GetRangeRect(sheet, range);
    m_pHost->RepaintSheetRect(range.m_rect);
    if (nMerged) {
        // The merged range becomes the selection: the lines the old one named may be gone, its
        // sides are not.
        m_pHost->SetSelRange(range);
        m_pHost->SetTrackRange(CCappRange());
    }
    return nMerged;
}

void CSheetViewAux::OnDeleteKey()
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappRange range = GetSelectedArea();
    if (CSheetDefRangeFun::IsEmpty(range)) {
        return;
    }
    CDelControlDlg dlg(pWnd);
    // Cancel keeps every cell.
    if (dlg.DoModal() != IDOK) {
        return;
    }
    if (RemoveCellsIn(dlg.m_nCode, range) > 0) {
        m_pHost->MarkChanged();
    }
    range.m_rect = GetRangeRect(*m_pHost->GetSheet(), range);
    m_pHost->RepaintSheetRect(range.m_rect);
}
