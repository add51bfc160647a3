#include "designer/sheet/FreeObjEditTool.h"

#include <cstdlib>
#include <vector>

#include "core/CappCircleArrow.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeRoundArrow.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "designer/sheet/SheetToolHost.h"
#include "designer/freeobj/FreeObjCopyFun.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/Wnd.h"

namespace
{
// Half the side of a new object: 100 by 100 units around the click.
const int kCreateHalf = 50;
// How far a repaint around a dragged handle reaches beyond the outline.
const int kHandleRepaint = 10;

template <class F> void ForEachObj(const CObList& list, F f)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        f(static_cast<CCappFreeObj*>(list.GetNext(pos)));
    }
}

CCappFreeObj* NewObjOfKind(int nKind)
{
    switch (nKind) {
    case CCappFreeObj::kindLine:
        return new CCappFreeLine;
    case CCappFreeObj::kindRect:
        return new CCappFreeRect;
    case CCappFreeObj::kindCircle:
        return new CCappFreeCircle;
    case CCappFreeObj::kindTriangle:
        return new CCappFreeTriangle;
    case CCappFreeObj::kindRound:
        return new CCappFreeRound;
    case CCappFreeObj::kindCloud:
        return new CCappFreeCloud;
    case CCappFreeObj::kindRectArrow:
        return new CCappFreeRectArrow;
    case CCappFreeObj::kindRoundArrow:
        return new CCappFreeRoundArrow;
    case CCappFreeObj::kindCircleArrow:
        return new CCappCircleArrow;
    case CCappFreeObj::kindLineArrow:
        return new CCappFreeLineArrow;
    case CCappFreeObj::kindSpline:
        return new CCappFreeSpline;
    default:
        return nullptr;
    }
}

BOOL IsShiftHeld(UINT nFlags)
{
    return (nFlags & MK_SHIFT) != 0;
}
} // namespace

CFreeObjEditTool::CFreeObjEditTool() : m_listFreeObj(10)
{
}

CFreeObjEditTool::~CFreeObjEditTool()
{
    DetachList();
    while (!m_listSpline.IsEmpty()) {
        delete m_listSpline.RemoveHead();
    }
}

BOOL CFreeObjEditTool::IsFocused(const CCappFreeObj* pObj)
{
    return pObj != nullptr && pObj->m_bSelected != 0 && pObj->m_bInvertHandles != 0;
}

BOOL CFreeObjEditTool::IsFloatVar(const CCappFreeObj* pObj)
{
    return pObj != nullptr && pObj->m_nReserved2 != 0;
}

int CFreeObjEditTool::GetCellID(const CCappFreeObj* pObj)
{
    return pObj != nullptr ? pObj->m_nReserved3 : 0;
}

void CFreeObjEditTool::BindCell(CCappFreeObj* pObj, int nCellID)
{
    pObj->m_nReserved2 = 1;
    pObj->m_nReserved3 = nCellID;
}

void CFreeObjEditTool::DetachList()
{
    while (!m_listFreeObj.IsEmpty()) {
        delete m_listFreeObj.RemoveHead();
    }
    m_nDragState = dragNone;
}

void CFreeObjEditTool::LoadCopies(const CObList& listFrom)
{
    DetachList();
    ForEachObj(listFrom, [this](CCappFreeObj* pObj) { AddCopy(m_listFreeObj, pObj); });
}

void CFreeObjEditTool::StoreCopies(CObList& listTo) const
{
    while (!listTo.IsEmpty()) {
        delete listTo.RemoveHead();
    }
    ForEachObj(m_listFreeObj, [&listTo](CCappFreeObj* pObj) {
        if (CCappFreeObj* pCopy = CFreeObjCopyFun::Clone(pObj)) {
            pCopy->m_bSelected = 0;
            pCopy->m_bInvertHandles = 0;
            listTo.AddTail(pCopy);
        }
    });
}

BOOL CFreeObjEditTool::CanDelete(CCappFreeObj*)
{
    return TRUE;
}

BOOL CFreeObjEditTool::RunPropertySheet(CWnd* pParent, CCappFreeObj* pObj)
{
    CString strCaption;
    strCaption.LoadString(IDS_CELL_STYLE_CAPTION);
    CFreeObjSh sheet(strCaption, pParent, 0, pObj->m_nKind);
    sheet.CreateWorkObj(pObj);
    if (sheet.m_pObj == nullptr || sheet.DoModal() != IDOK) {
        return FALSE;
    }
    return sheet.CopyWorkObjTo(pObj);
}

void CFreeObjEditTool::EditProperties(CCappFreeObj* pObj)
{
    if (pObj != nullptr && RunPropertySheet(m_pHost != nullptr ? m_pHost->GetToolWnd() : nullptr, pObj)) {
        InvalidateArea(pObj->GetOutIineRect());
    }
}

CCappFreeObj* CFreeObjEditTool::CreateObj(int nKind, int x, int y)
{
    CCappFreeObj* pObj = NewObjOfKind(nKind);
    if (pObj == nullptr) {
        return nullptr;
    }
    Deselect(nullptr, TRUE);
    if (auto* pLine = dynamic_cast<CCappFreeLine*>(pObj)) {
        pLine->m_ptStart.SetValue(x - kCreateHalf, y);
        pLine->m_ptEnd.SetValue(x + kCreateHalf, y);
        if (auto* pArrow = dynamic_cast<CCappFreeLineArrow*>(pObj)) {
            pArrow->CalcArrow();
        }
    } else if (auto* pSpline = dynamic_cast<CCappFreeSpline*>(pObj)) {
        POSITION pos = m_listSpline.GetHeadPosition();
        while (pos != nullptr) {
            pSpline->AddPoint(static_cast<CFreeObjPoint*>(m_listSpline.GetNext(pos))->pt());
        }
    } else if (auto* pTriangle = dynamic_cast<CCappFreeTriangle*>(pObj)) {
        pTriangle->SetBoxRect(CRect(x - kCreateHalf, y - kCreateHalf, x + kCreateHalf, y + kCreateHalf));
    } else if (auto* pBox = dynamic_cast<CCappFreeBox*>(pObj)) {
        pBox->SetBoxRect(CRect(x - kCreateHalf, y - kCreateHalf, x + kCreateHalf, y + kCreateHalf));
    }
    m_listFreeObj.AddTail(pObj);
    pObj->m_bSelected = 1;
    pObj->m_bInvertHandles = 1;
    InvalidateArea(pObj->GetOutIineRect());
    OnObjectsChanged();
    return pObj;
}

void CFreeObjEditTool::DeleteObj(CCappFreeObj* pObj)
{
    if (pObj != nullptr) {
        POSITION pos = m_listFreeObj.Find(pObj);
        if (pos == nullptr || !CanDelete(pObj)) {
            return;
        }
        m_listFreeObj.RemoveAt(pos);
        InvalidateArea(pObj->GetOutIineRect());
        // The tool owns its objects: one taken out of the list is gone.
        delete pObj;
        OnObjectsChanged();
        return;
    }
    BOOL bDeleted = FALSE;
    POSITION pos = m_listFreeObj.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posThis = pos;
        auto* pEach = static_cast<CCappFreeObj*>(m_listFreeObj.GetNext(pos));
        if (pEach->m_bSelected == 0 || !CanDelete(pEach)) {
            continue;
        }
        m_listFreeObj.RemoveAt(posThis);
        InvalidateArea(pEach->GetOutIineRect());
        delete pEach;
        bDeleted = TRUE;
    }
    m_nDragState = dragNone;
    if (bDeleted) {
        OnObjectsChanged();
    }
}

void CFreeObjEditTool::InvalidateArea(const CRect& rcSheet)
{
    if (m_pHost != nullptr && m_pHost->GetToolWnd()->m_hWnd != nullptr) {
        ::InvalidateRect(m_pHost->GetToolWnd()->m_hWnd, &rcSheet, FALSE);
    }
}

void CFreeObjEditTool::OnObjDblClk(CCappFreeObj* pObj)
{
    EditProperties(pObj);
    InvalidateArea(pObj->GetOutIineRect());
}

void CFreeObjEditTool::AddCopy(CObList& list, CCappFreeObj* pObj)
{
    if (pObj == nullptr) {
        return;
    }
    int nHandle = -1;
    pObj->AdjustPoint(-1, nHandle);
    if (CCappFreeObj* pCopy = CFreeObjCopyFun::Clone(pObj)) {
        list.AddTail(pCopy);
    }
}

void CFreeObjEditTool::Draw(CDC* pDC)
{
    // The handles of selected objects are drawn with the DC's pen and brush.
    CFxSelectGuard penGuard(pDC, BLACK_PEN);
    CFxSelectGuard brushGuard(pDC, WHITE_BRUSH);
    ForEachObj(m_listFreeObj, [pDC](CCappFreeObj* pObj) { pObj->Draw(pDC); });
}

void CFreeObjEditTool::Select(CCappFreeObj* pObj, BOOL bKeep)
{
    ForEachObj(m_listFreeObj, [this, bKeep](CCappFreeObj* pEach) {
        const int bSelected = bKeep ? pEach->m_bSelected : 0;
        if (pEach->m_bSelected != bSelected || pEach->m_bInvertHandles != 0) {
            pEach->m_bSelected = bSelected;
            pEach->m_bInvertHandles = 0;
            InvalidateArea(pEach->GetOutIineRect());
        }
    });
    if (pObj != nullptr) {
        pObj->m_bSelected = 1;
        pObj->m_bInvertHandles = 1;
        InvalidateArea(pObj->GetOutIineRect());
    }
}

void CFreeObjEditTool::Deselect(CCappFreeObj* pObj, BOOL bAll)
{
    auto drop = [this, bAll](CCappFreeObj* pEach) {
        if (bAll) {
            pEach->m_bSelected = 0;
        }
        pEach->m_bInvertHandles = 0;
        InvalidateArea(pEach->GetOutIineRect());
    };
    if (pObj != nullptr) {
        drop(pObj);
    } else {
        ForEachObj(m_listFreeObj, drop);
    }
}

void CFreeObjEditTool::DeselectAll()
{
    Deselect(nullptr, TRUE);
}

CCappFreeObj* CFreeObjEditTool::HitObject(CPoint point) const
{
    POSITION pos = m_listFreeObj.GetTailPosition();
    while (pos != nullptr) {
        auto* pObj = static_cast<CCappFreeObj*>(m_listFreeObj.GetPrev(pos));
        if (pObj->CanPick(point)) {
            return pObj;
        }
    }
    return nullptr;
}

CCappFreeObj* CFreeObjEditTool::GetFocused() const
{
    CCappFreeObj* pFocused = nullptr;
    ForEachObj(m_listFreeObj, [&pFocused](CCappFreeObj* pObj) {
        if (pFocused == nullptr && IsFocused(pObj)) {
            pFocused = pObj;
        }
    });
    return pFocused;
}

int CFreeObjEditTool::GetSelectedCount() const
{
    int nCount = 0;
    ForEachObj(m_listFreeObj, [&nCount](CCappFreeObj* pObj) { nCount += pObj->m_bSelected != 0 ? 1 : 0; });
    return nCount;
}

void CFreeObjEditTool::SetCreateKind(int nKind)
{
    m_nCreateKind = nKind;
    m_bCreatePending = nKind != 0;
}

CCappFreeObj* CFreeObjEditTool::FindByCellID(int nCellID) const
{
    if (nCellID <= 0) {
        return nullptr;
    }
    CCappFreeObj* pFound = nullptr;
    ForEachObj(m_listFreeObj, [&pFound, nCellID](CCappFreeObj* pObj) {
        if (pFound == nullptr && IsFloatVar(pObj) && GetCellID(pObj) == nCellID) {
            pFound = pObj;
        }
    });
    return pFound;
}

void CFreeObjEditTool::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pHost != nullptr) {
        m_pHost->CaptureMouse();
    }
    if (m_bCreatePending) {
        const int nKind = m_nCreateKind;
        m_nCreateKind = 0;
        m_bCreatePending = FALSE;
        m_nDragState = dragNone;
        CreateObj(nKind, point.x, point.y);
        m_ptLast = point;
        return;
    }
    m_nDragState = dragNone;
    CCappFreeObj* pFocused = GetFocused();
    if (pFocused != nullptr) {
        const int nHandle = pFocused->HitTest(point);
        if (nHandle > 0) {
            m_nHandle = nHandle;
            m_nDragState = dragHandle;
        }
    }
    if (m_nDragState != dragHandle) {
        if (CCappFreeObj* pObj = HitObject(point)) {
            m_nDragState = dragMove;
            if (pObj->m_bSelected == 0) {
                Select(pObj, IsShiftHeld(nFlags));
            } else if (IsShiftHeld(nFlags)) {
                Deselect(pObj, TRUE);
                // The focus moves on to the first object still selected.
                CCappFreeObj* pNext = nullptr;
                ForEachObj(m_listFreeObj, [&pNext](CCappFreeObj* pEach) {
                    if (pNext == nullptr && pEach->m_bSelected != 0) {
                        pNext = pEach;
                    }
                });
                if (pNext != nullptr) {
                    Select(pNext, TRUE);
                }
            }
        } else {
            if (!IsShiftHeld(nFlags)) {
                Deselect(nullptr, TRUE);
            }
            m_nDragState = dragEmpty;
        }
    }
    m_ptLast = point;
}

void CFreeObjEditTool::OnLButtonUp(UINT, CPoint)
{
    if (m_pHost != nullptr && m_pHost->HasMouseCapture()) {
        ::ReleaseCapture();
    }
    m_nDragState = dragNone;
}

void CFreeObjEditTool::OnMouseMove(UINT, CPoint point)
{
    const BOOL bCaptured = m_pHost != nullptr && m_pHost->HasMouseCapture();
    CCappFreeObj* pFocused = GetFocused();
    if (!bCaptured) {
        if (pFocused != nullptr) {
            const int nHandle = pFocused->HitTest(point);
            HCURSOR hCursor = nHandle > 0 ? pFocused->GetHandleCursor(nHandle) : nullptr;
            if (hCursor != nullptr) {
                ::SetCursor(hCursor);
            }
        }
        return;
    }
    if (GetSelectedCount() == 0) {
        return;
    }
    if (m_nDragState == dragMove && point != m_ptLast) {
        MoveSelectedBy(point.x - m_ptLast.x, point.y - m_ptLast.y);
        OnObjectsChanged();
    } else if (m_nDragState == dragHandle && m_nHandle > 0 && pFocused != nullptr) {
        CRect rcBefore = pFocused->GetOutIineRect();
        pFocused->MoveHandleTo(m_nHandle, point);
        int nHandle = m_nHandle;
        pFocused->AdjustPoint(m_nHandle, nHandle);
        m_nHandle = nHandle;
        CRect rcRepaint;
        const CRect rcAfter = pFocused->GetOutIineRect();
        rcRepaint.UnionRect(&rcBefore, &rcAfter);
        rcRepaint.InflateRect(kHandleRepaint, kHandleRepaint);
        InvalidateArea(rcRepaint);
        OnObjectsChanged();
    }
    m_ptLast = point;
    if (m_nDragState == dragHandle && m_nCreateKind == 0 && pFocused != nullptr) {
        if (HCURSOR hCursor = pFocused->GetHandleCursor(m_nHandle)) {
            ::SetCursor(hCursor);
        }
    }
}

void CFreeObjEditTool::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CCappFreeObj* pTarget = nullptr;
    CCappFreeObj* pFocused = GetFocused();
    if (GetSelectedCount() > 0 && pFocused != nullptr) {
        const int nHandle = pFocused->HitTest(point);
        if (nHandle > 0) {
            if (m_pHost != nullptr) {
                m_pHost->CaptureMouse();
            }
            m_nHandle = nHandle;
            m_nDragState = dragHandle;
            pTarget = pFocused;
        }
    }
    if (pTarget == nullptr) {
        pTarget = HitObject(point);
        if (pTarget != nullptr) {
            Select(pTarget, IsShiftHeld(nFlags));
        }
    }
    m_ptLast = point;
    if (pTarget != nullptr) {
        // The dialog takes the mouse: no drag outlives it.
        m_nDragState = dragNone;
        if (m_pHost != nullptr && m_pHost->HasMouseCapture()) {
            ::ReleaseCapture();
        }
        OnObjDblClk(pTarget);
    }
}

void CFreeObjEditTool::OnRButtonDown(UINT, CPoint)
{
}

void CFreeObjEditTool::OnKeyDown(UINT nChar)
{
    switch (nChar) {
    case VK_LEFT:
        MoveSelectedBy(-1, 0);
        break;
    case VK_UP:
        MoveSelectedBy(0, -1);
        break;
    case VK_RIGHT:
        MoveSelectedBy(1, 0);
        break;
    case VK_DOWN:
        MoveSelectedBy(0, 1);
        break;
    case VK_DELETE:
        DeleteObj(nullptr);
        return;
    default:
        return;
    }
    if (GetSelectedCount() > 0) {
        OnObjectsChanged();
    }
}

void CFreeObjEditTool::OnKeyUp(UINT)
{
}

void CFreeObjEditTool::MoveObjBy(CCappFreeObj* pObj, int dx, int dy)
{
    if (dx == 0 && dy == 0) {
        return;
    }
    InvalidateArea(pObj->GetOutIineRect());
    pObj->MoveObj(CPoint(dx, dy));
    InvalidateArea(pObj->GetOutIineRect());
}

void CFreeObjEditTool::MoveSelectedBy(int dx, int dy)
{
    ForEachObj(m_listFreeObj, [this, dx, dy](CCappFreeObj* pObj) {
        if (pObj->m_bSelected != 0) {
            MoveObjBy(pObj, dx, dy);
        }
    });
}

void CFreeObjEditTool::Align(int nCode)
{
    CCappFreeObj* pFocused = GetFocused();
    if (pFocused == nullptr) {
        return;
    }
    const CRect rcRef = pFocused->GetOutRect();
    ForEachObj(m_listFreeObj, [this, nCode, &rcRef](CCappFreeObj* pObj) {
        if (pObj->m_bSelected == 0) {
            return;
        }
        const CRect rc = pObj->GetOutRect();
        switch (nCode) {
        case 0:
            MoveObjBy(pObj, rcRef.left - rc.left, 0);
            break;
        case 1:
            MoveObjBy(pObj, rcRef.right - rc.right, 0);
            break;
        case 2:
            MoveObjBy(pObj, 0, rcRef.top - rc.top);
            break;
        case 3:
            MoveObjBy(pObj, 0, rcRef.bottom - rc.bottom);
            break;
        default:
            break;
        }
    });
    OnObjectsChanged();
}

void CFreeObjEditTool::SameSize(int nCode)
{
    CCappFreeObj* pFocused = GetFocused();
    if (pFocused == nullptr) {
        return;
    }
    const CRect rcRef = pFocused->GetOutRect();
    const int nWidth = nCode == 4 || nCode == 6 ? rcRef.Width() : -1;
    const int nHeight = nCode == 5 || nCode == 6 ? rcRef.Height() : -1;
    ForEachObj(m_listFreeObj, [this, pFocused, nWidth, nHeight](CCappFreeObj* pObj) {
        if (pObj->m_bSelected == 0 || pObj == pFocused) {
            return;
        }
        InvalidateArea(pObj->GetOutIineRect());
        pObj->SetSize(nWidth, nHeight);
        InvalidateArea(pObj->GetOutIineRect());
    });
    OnObjectsChanged();
}

void CFreeObjEditTool::SpaceEvenlyX()
{
    SpaceEvenly(FALSE);
}

void CFreeObjEditTool::SpaceEvenlyY()
{
    SpaceEvenly(TRUE);
}

void CFreeObjEditTool::SpaceEvenly(BOOL bVertical)
{
    auto start = [bVertical](CCappFreeObj* pObj) {
        const CRect rc = pObj->GetOutRect();
        return bVertical ? rc.top : rc.left;
    };
    auto extent = [bVertical](CCappFreeObj* pObj) {
        const CRect rc = pObj->GetOutRect();
        return bVertical ? rc.Height() : rc.Width();
    };
    // Ordered by their leading edge; an object goes before the first whose edge lies further on.
    std::vector<CCappFreeObj*> objs;
    ForEachObj(m_listFreeObj, [&](CCappFreeObj* pObj) {
        if (pObj->m_bSelected == 0) {
            return;
        }
        auto it = objs.begin();
        while (it != objs.end() && start(*it) <= start(pObj)) {
            ++it;
        }
        objs.insert(it, pObj);
    });
    const int nCount = static_cast<int>(objs.size());
    if (nCount < 3) {
        return;
    }
    long long nFree = static_cast<long long>(start(objs.back())) - start(objs.front()) - extent(objs.front());
    for (int i = 1; i < nCount - 1; ++i) {
        nFree -= extent(objs[static_cast<size_t>(i)]);
    }
    const long long nGapAbs = std::llabs(nFree) / (nCount - 1);
    const int nGap = static_cast<int>(nFree < 0 ? -nGapAbs : nGapAbs);
    for (int i = 1; i < nCount - 1; ++i) {
        CCappFreeObj* pPrev = objs[static_cast<size_t>(i - 1)];
        CCappFreeObj* pObj = objs[static_cast<size_t>(i)];
        const int nTarget = start(pPrev) + extent(pPrev) + nGap;
        const int nStep = nTarget - start(pObj);
        MoveObjBy(pObj, bVertical ? 0 : nStep, bVertical ? nStep : 0);
    }
    OnObjectsChanged();
}
