#include "designer/sheet/TableLineTool.h"

#include <algorithm>
#include <cstdlib>

#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "designer/sheet/SheetToolHost.h"
#include "designer/cells/LineAttrDlg.h"
#include "designer/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/Wnd.h"

namespace
{
// Sheet units: how near an end the extend tool reacts, the inset of a move's band, the marker.
const int kEndTolerance = 10;
const int kMoveInset = 3;
const int kMarkerRadius = 15;
const COLORREF kMarkerColor = RGB(200, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

BOOL IsHorzType(int nType)
{
    return nType == CCappLine::typeHCell || nType == CCappLine::typeHFrame;
}

BOOL IsVertType(int nType)
{
    return nType == CCappLine::typeVCell || nType == CCappLine::typeVFrame;
}

// A client DC mapped to sheet units, drawing marks in R2_NOTXORPEN with a dotted 1-pixel pen.
class CMarkDC
{
public:
    CMarkDC(CSheetToolHost* pHost, COLORREF crPen, int nPenStyle)
        : m_dc(pHost->GetToolWnd()->m_hWnd), m_pen(nPenStyle, 0, crPen), m_penGuard(&m_dc, &m_pen),
          m_brushGuard(&m_dc, NULL_BRUSH)
    {
        // A pen of width 0 stays one pixel at every zoom.
        pHost->PrepareToolDC(&m_dc);
        m_nOldRop = m_dc.SetROP2(R2_NOTXORPEN);
        m_nOldBk = m_dc.SetBkMode(TRANSPARENT);
    }
    ~CMarkDC()
    {
        m_dc.SetBkMode(m_nOldBk);
        m_dc.SetROP2(m_nOldRop);
    }
    CMarkDC(const CMarkDC&) = delete;
    CMarkDC& operator=(const CMarkDC&) = delete;
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return &m_dc; }

private:
    CClientDC m_dc;
    CPen m_pen;
    CFxSelectGuard m_penGuard;
    CFxSelectGuard m_brushGuard;
    int m_nOldRop = R2_COPYPEN;
    int m_nOldBk = OPAQUE;
};

// The line a rubber line from the anchor ends on, among the parallel lines of the type that reach
// across ptAt: the one under the point (within the tolerance, either side), else the next one
// further on, else, past the last line, the last one passed. Never the start line, nor one at or
// behind the anchor.
CCappLine* FindEndLine(const CCappSheet& sheet, UINT nType, CPoint ptAt, int nAnchor, BOOL bForward,
                       const CCappLine* pStart)
{
    const BOOL bHorz = nType == CCappLine::typeHCell;
    const int nAt = bHorz ? ptAt.y : ptAt.x;
    const int nOrigin = bHorz ? sheet.m_rcFrame.top : sheet.m_rcFrame.left;
    CCappLine* pAhead = nullptr;
    CCappLine* pBehind = nullptr;
    if (bForward) {
        sheet.FindNextNearLine(nType, ptAt, pAhead);
        sheet.FindPrevNearLine(nType, ptAt, pBehind);
    } else {
        sheet.FindPrevNearLine(nType, ptAt, pAhead);
        sheet.FindNextNearLine(nType, ptAt, pBehind);
    }
    auto usable = [&](const CCappLine* pLine) {
        const int nBeyond = bForward ? nOrigin + pLine->m_nPos - nAnchor : nAnchor - nOrigin - pLine->m_nPos;
        return pLine != pStart && nBeyond > 0;
    };
    auto distance = [&](const CCappLine* pLine) { return std::abs(nOrigin + pLine->m_nPos - nAt); };
    if (pAhead != nullptr && !usable(pAhead)) {
        pAhead = nullptr;
    }
    if (pBehind != nullptr && !usable(pBehind)) {
        pBehind = nullptr;
    }
    // A release on a line lands a little past it as often as short of it.
    if (pBehind != nullptr && distance(pBehind) <= kEndTolerance &&
        (pAhead == nullptr || distance(pBehind) < distance(pAhead))) {
        return pBehind;
    }
    return pAhead != nullptr ? pAhead : pBehind;
}

// The client rectangle in sheet units.
CRect ClientInSheet(CSheetToolHost* pHost, CDC* pDC)
{
    CRect rc;
    pHost->GetToolWnd()->GetClientRect(&rc);
    pDC->DPtoLP(&rc);
    rc.NormalizeRect();
    return rc;
}
} // namespace

CTableLineTool::CTableLineTool(CSheetToolHost* pHost)
    : m_pHost(pHost), m_pGuideLine(nullptr), m_pStartLine(nullptr), m_pTargetLine(nullptr), m_ptLast(0, 0),
      m_ptAnchor(0, 0), m_ptMarker(0, 0), m_bDragging(FALSE), m_nDirection(0), m_bNavigate(FALSE), m_bGuideShown(FALSE),
      m_bRubberShown(FALSE), m_bTrackerShown(FALSE), m_bTrackerHorz(FALSE), m_bHaveAnchor(FALSE),
      m_bCursorClipped(FALSE), m_nMoveMin(0), m_nMoveMax(0)
{
}

CTableLineTool::~CTableLineTool()
{
    // A view closed in the middle of a move must not leave the cursor caged.
    FreeCursor();
}

// ---------------------------------------------------------------------------------------------
// Marks

void CTableLineTool::XorGuide(const CCappLine* pGuide)
{
    CMarkDC dc(m_pHost, RGB(0, 0, 0), PS_DOT);
    const CRect rcClient = ClientInSheet(m_pHost, dc.Get());
    const CRect& rcFrame = m_pHost->GetSheet()->m_rcFrame;
    if (IsHorzType(pGuide->m_nType)) {
        const int y = rcFrame.top + pGuide->m_nPos;
        dc->MoveTo(rcClient.left, y);
        dc->LineTo(rcClient.right, y);
    } else {
        const int x = rcFrame.left + pGuide->m_nPos;
        dc->MoveTo(x, rcClient.top);
        dc->LineTo(x, rcClient.bottom);
    }
}

void CTableLineTool::XorTracker(CPoint point, BOOL bHorz)
{
    CMarkDC dc(m_pHost, RGB(0, 0, 0), PS_DOT);
    const CRect rcClient = ClientInSheet(m_pHost, dc.Get());
    if (bHorz) {
        dc->MoveTo(rcClient.left, point.y);
        dc->LineTo(rcClient.right, point.y);
    } else {
        dc->MoveTo(point.x, rcClient.top);
        dc->LineTo(point.x, rcClient.bottom);
    }
}

void CTableLineTool::XorRubber(CPoint ptFrom, CPoint ptTo)
{
    CMarkDC dc(m_pHost, RGB(0, 0, 0), PS_DOT);
    dc->MoveTo(ptFrom);
    dc->LineTo(ptTo);
}

void CTableLineTool::XorMarker(CPoint point)
{
    CMarkDC dc(m_pHost, kMarkerColor, PS_SOLID);
    dc->Ellipse(point.x - kMarkerRadius, point.y - kMarkerRadius, point.x + kMarkerRadius, point.y + kMarkerRadius);
}

void CTableLineTool::EraseRubber()
{
    if (m_bRubberShown) {
        XorRubber(m_ptAnchor, m_ptLast);
        m_bRubberShown = FALSE;
    }
}

void CTableLineTool::EraseMarker()
{
    if (m_ptMarker != CPoint(0, 0)) {
        XorMarker(m_ptMarker);
        m_ptMarker = CPoint(0, 0);
    }
}

void CTableLineTool::EraseGuide()
{
    if (m_bGuideShown && m_pGuideLine != nullptr) {
        XorGuide(m_pGuideLine);
    }
    m_bGuideShown = FALSE;
}

void CTableLineTool::DrawLineColored(const CCappLine* pLine, BOOL bRed)
{
    if (!bRed) {
        m_pHost->RepaintLine(pLine);
        return;
    }
    CClientDC dc(m_pHost->GetToolWnd()->m_hWnd);
    m_pHost->PrepareToolDC(&dc);
    m_pHost->GetSheet()->DrawLine(&dc, pLine, kRed);
}

void CTableLineTool::SetToolCursor(UINT nID)
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nID), RT_GROUP_CURSOR);
    HCURSOR hCursor = hInst != nullptr ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(nID)) : nullptr;
    ::SetCursor(hCursor != nullptr ? hCursor : ::LoadCursorA(nullptr, IDC_ARROW));
}

void CTableLineTool::ResetState()
{
    if (m_bDragging || m_bRubberShown) {
        CancelDrag();
    }
    // Undo and redo free lines and repaint the view and leave the mode at 0: in modes 0 and 6
    // nothing of the tool is on screen and its line pointers may be stale.
    const int nMode = m_pHost->GetEditMode();
    if (nMode != modeSelect && nMode != modeOverLine) {
        EraseGuide();
        EraseMarker();
        if (m_pStartLine != nullptr && nMode == modeDelete) {
            // The red line goes back to its own pen.
            m_pHost->RepaintLine(m_pStartLine);
        }
    }
    m_bGuideShown = FALSE;
    m_ptMarker = CPoint(0, 0);
    m_pGuideLine = nullptr;
    m_pStartLine = nullptr;
    m_pTargetLine = nullptr;
    m_bHaveAnchor = FALSE;
    m_nDirection = 0;
}

// ---------------------------------------------------------------------------------------------
// Cursor

BOOL CTableLineTool::OnSetCursor()
{
    UINT nID = 0;
    switch (m_pHost->GetEditMode()) {
    case modeMoveVert:
        nID = IDC_LINE_MOVE_VERT;
        break;
    case modeMoveHorz:
        nID = IDC_LINE_MOVE_HORZ;
        break;
    case modeDraw:
    case modeDrawing:
        nID = IDC_LINE_DRAW;
        break;
    case modeDelete:
        nID = IDC_LINE_DELETE;
        break;
    case modeOverLine:
        nID = IDC_LINE_OVER;
        break;
    case modeCut:
        nID = IDC_LINE_CUT;
        break;
    case modeExtend:
    case modeExtending:
        nID = IDC_LINE_EXTEND;
        break;
    case modeMerge:
        nID = m_pTargetLine != nullptr ? IDC_LINE_OVER : 0;
        break;
    default:
        break;
    }
    if (nID == 0) {
        return FALSE;
    }
    SetToolCursor(nID);
    return TRUE;
}

BOOL CTableLineTool::HasPendingLine() const
{
    switch (m_pHost->GetEditMode()) {
    case modeDelete:
        return m_pStartLine != nullptr;
    case modeCut:
        return m_pTargetLine != nullptr || m_ptMarker != CPoint(0, 0);
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------------------------
// Hover

BOOL CTableLineTool::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        TrackMove(point);
        return TRUE;
    }
    switch (m_pHost->GetEditMode()) {
    case modeSelect:
    case modeOverLine:
        HoverSelect(nFlags, point);
        return FALSE;
    case modeMoveVert:
    case modeMoveHorz:
    case modeMove:
        return HoverMove(nFlags, point);
    case modeDraw:
        HoverDraw(point);
        return TRUE;
    case modeDrawing:
        SnapRubber(nFlags, point);
        return TRUE;
    case modeDelete:
        HoverDelete(point);
        return TRUE;
    case modeCut:
        HoverCut(point);
        return TRUE;
    case modeExtend:
        HoverExtend(point);
        return TRUE;
    case modeExtending:
        SnapRubber(nFlags, point);
        return TRUE;
    case modeMerge:
        HoverMerge(point);
        return TRUE;
    default:
        return FALSE;
    }
}

void CTableLineTool::HoverSelect(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) != 0) {
        return;
    }
    m_pHost->SetEditMode(modeSelect);
    m_pTargetLine = nullptr;
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    if (m_pHost->GetSheet()->pickLine(point, pLine, ptFoot)) {
        m_pTargetLine = pLine;
        m_pHost->SetEditMode(modeOverLine);
    }
}

BOOL CTableLineTool::HoverMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) != 0) {
        return FALSE;
    }
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    if (!m_pHost->GetSheet()->pickLine(point, pLine, ptFoot)) {
        m_pTargetLine = nullptr;
        m_pHost->SetEditMode(modeMove);
        return FALSE;
    }
    m_pTargetLine = pLine;
    switch (pLine->m_nType) {
    case CCappLine::typeHCell:
    case CCappLine::typeLHOut:
        m_pHost->SetEditMode(modeMoveHorz);
        break;
    case CCappLine::typeVCell:
        m_pHost->SetEditMode(modeMoveVert);
        break;
    default:
        break;
    }
    return TRUE;
}

void CTableLineTool::HoverDraw(CPoint point)
{
    EraseGuide();
    m_pGuideLine = nullptr;
    m_pStartLine = nullptr;
    m_bHaveAnchor = FALSE;
    m_nDirection = 0;
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    if (!m_pHost->GetSheet()->pickLine(point, pLine, ptFoot)) {
        return;
    }
    UINT nGuideCode = 0;
    if (IsVertType(pLine->m_nType)) {
        m_nDirection = dirDrawHorz;
        nGuideCode = 101;
    } else if (IsHorzType(pLine->m_nType)) {
        m_nDirection = dirDrawVert;
        nGuideCode = 102;
    } else {
        // A left-hand outline line starts no table line.
        return;
    }
    m_pStartLine = pLine;
    m_ptAnchor = ptFoot;
    m_bHaveAnchor = TRUE;
    CCappLine* pGuide = nullptr;
    if (m_bNavigate && m_pHost->GetSheet()->pickBaseLine(nGuideCode, point, pGuide)) {
        m_pGuideLine = pGuide;
        XorGuide(pGuide);
        m_bGuideShown = TRUE;
    }
    SetToolCursor(IDC_LINE_DRAW_START);
}

void CTableLineTool::HoverDelete(CPoint point)
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    m_pTargetLine = nullptr;
    // Only a line the sheet would delete is offered: none that others end on, a cell stands on, or
    // of the frame.
    if (pSheet->pickLine(point, pLine, ptFoot) && pSheet->CanDelCellLine(pLine)) {
        m_pTargetLine = pLine;
    }
    if (m_pTargetLine == nullptr) {
        if (m_pStartLine != nullptr) {
            DrawLineColored(m_pStartLine, FALSE);
            m_pStartLine = nullptr;
        }
        return;
    }
    if (m_pTargetLine != m_pStartLine) {
        if (m_pStartLine != nullptr) {
            DrawLineColored(m_pStartLine, FALSE);
        }
        SetToolCursor(IDC_LINE_DELETE_ON);
        DrawLineColored(m_pTargetLine, TRUE);
        m_pStartLine = m_pTargetLine;
    }
}

void CTableLineTool::HoverCut(CPoint point)
{
    EraseMarker();
    m_pTargetLine = nullptr;
    CCappLine* pCross = nullptr;
    CPoint ptCross;
    if (m_pHost->GetSelectedLine() != nullptr &&
        m_pHost->GetSheet()->PickCrossLine(m_pHost->GetSelectedLine(), point, pCross, ptCross)) {
        m_pTargetLine = pCross;
        m_ptMarker = ptCross;
        SetToolCursor(IDC_LINE_CUT_AT);
        XorMarker(m_ptMarker);
    }
}

void CTableLineTool::HoverExtend(CPoint point)
{
    EraseMarker();
    m_nDirection = 0;
    const CCappLine* pLine = m_pHost->GetSelectedLine();
    CPoint ptStart;
    CPoint ptEnd;
    if (pLine == nullptr || !m_pHost->GetSheet()->GetLineCoordinate(pLine, ptStart, ptEnd, 0)) {
        return;
    }
    const BOOL bHorz = IsHorzType(pLine->m_nType);
    auto fnNear = [&](CPoint pt) {
        return std::abs(point.x - pt.x) <= kEndTolerance && std::abs(point.y - pt.y) <= kEndTolerance;
    };
    if (fnNear(ptStart)) {
        m_ptMarker = ptStart;
        m_nDirection = bHorz ? dirExtendHorzStart : dirExtendVertStart;
    } else if (fnNear(ptEnd)) {
        m_ptMarker = ptEnd;
        m_nDirection = bHorz ? dirExtendHorzEnd : dirExtendVertEnd;
    }
    if (m_nDirection != 0 && (bHorz || IsVertType(pLine->m_nType))) {
        XorMarker(m_ptMarker);
    } else {
        m_ptMarker = CPoint(0, 0);
        m_nDirection = 0;
    }
}

void CTableLineTool::HoverMerge(CPoint point)
{
    m_pTargetLine = nullptr;
    const CCappLine* pSel = m_pHost->GetSelectedLine();
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    if (pSel != nullptr && m_pHost->GetSheet()->pickLine(point, pLine, ptFoot) && pLine != pSel &&
        pLine->m_nStartID == pSel->m_nEndID && pLine->m_nType == pSel->m_nType) {
        m_pTargetLine = pLine;
    }
}

// ---------------------------------------------------------------------------------------------
// Rubber line

int CTableLineTool::TrackSnap(UINT nFlags, CPoint point, int nDirection, int nAllowed, CCappLine*& pTarget)
{
    if ((nFlags & MK_LBUTTON) == 0) {
        return 0;
    }
    pTarget = nullptr;
    CPoint ptSnap = point;
    CCappSheet* pSheet = m_pHost->GetSheet();
    const int dx = point.x - m_ptAnchor.x;
    const int dy = point.y - m_ptAnchor.y;
    const BOOL bVertRubber =
        nDirection == dirDrawVert || nDirection == dirExtendVertStart || nDirection == dirExtendVertEnd;
    const BOOL bHorzRubber =
        nDirection == dirDrawHorz || nDirection == dirExtendHorzStart || nDirection == dirExtendHorzEnd;
    if (bVertRubber && std::abs(dy) > 2 * std::abs(dx)) {
        // Searched along the anchor's x, where the new line will stand.
        const CPoint ptAt(m_ptAnchor.x, point.y);
        const BOOL bForward = dy >= 1;
        if ((nAllowed & (bForward ? snapForwards : snapBackwards)) != 0) {
            pTarget = FindEndLine(*pSheet, CCappLine::typeHCell, ptAt, m_ptAnchor.y, bForward, m_pStartLine);
        }
        if (pTarget != nullptr) {
            ptSnap = CPoint(m_ptAnchor.x, pSheet->m_rcFrame.top + pTarget->m_nPos);
        }
    } else if (bHorzRubber && std::abs(dx) > 2 * std::abs(dy)) {
        const CPoint ptAt(point.x, m_ptAnchor.y);
        const BOOL bForward = dx >= 1;
        if ((nAllowed & (bForward ? snapForwards : snapBackwards)) != 0) {
            pTarget = FindEndLine(*pSheet, CCappLine::typeVCell, ptAt, m_ptAnchor.x, bForward, m_pStartLine);
        }
        if (pTarget != nullptr) {
            ptSnap = CPoint(pSheet->m_rcFrame.left + pTarget->m_nPos, m_ptAnchor.y);
        }
    }
    EraseRubber();
    XorRubber(m_ptAnchor, ptSnap);
    m_bRubberShown = TRUE;
    m_ptLast = ptSnap;
    return pTarget != nullptr ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Buttons

BOOL CTableLineTool::OnLButtonDown(UINT nFlags, CPoint point)
{
    // One handler for each mode the button acts in.
    switch (m_pHost->GetEditMode()) {
    case modeOverLine:
        PressOverLine();
        return TRUE;
    case modeMoveVert:
    case modeMoveHorz:
        PressMove(nFlags, point);
        return TRUE;
    case modeDraw:
        PressDraw(point);
        return TRUE;
    case modeDelete:
        PressDelete();
        return TRUE;
    case modeCut:
        PressCut();
        return TRUE;
    case modeExtend:
        PressExtend(point);
        return TRUE;
    case modeMerge:
        PressMerge();
        return TRUE;
    default:
        return FALSE;
    }
}

void CTableLineTool::PressOverLine()
{
    if (m_pTargetLine != nullptr) {
        m_pHost->SelectLine(m_pTargetLine);
    }
}

void CTableLineTool::PressMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) != 0 && m_pTargetLine != nullptr) {
        BeginMove(point);
    }
}

void CTableLineTool::PressDraw(CPoint point)
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    if (!m_bHaveAnchor || m_pStartLine == nullptr) {
        return;
    }
    if (m_bGuideShown && m_pGuideLine != nullptr) {
        EraseGuide();
        if (IsHorzType(m_pGuideLine->m_nType)) {
            m_ptAnchor.y = pSheet->m_rcFrame.top + m_pGuideLine->m_nPos;
        } else {
            m_ptAnchor.x = pSheet->m_rcFrame.left + m_pGuideLine->m_nPos;
        }
    } else {
        m_pGuideLine = nullptr;
    }
    m_ptMarker = m_ptAnchor;
    XorMarker(m_ptMarker);
    m_pHost->SetEditMode(modeDrawing);
    m_pHost->CaptureMouse();
    m_ptLast = point;
    m_pTargetLine = nullptr;
}

void CTableLineTool::PressDelete()
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    if (m_pStartLine != nullptr) {
        const int nType = m_pStartLine->m_nType;
        const int nID = m_pStartLine->m_nID;
        if (m_pHost->GetSelectedLine() == m_pStartLine) {
            m_pHost->ClearHighlightLine();
        }
        m_pStartLine = nullptr;
        m_pTargetLine = nullptr;
        if (pSheet->DelCellLine(nType, nID, 1)) {
            m_pHost->MarkChanged();
        }
        m_pHost->RepaintAll();
    }
}

void CTableLineTool::PressCut()
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    CCappLine* pSel = m_pHost->GetSelectedLine();
    if (m_pTargetLine == nullptr || pSel == nullptr) {
        return;
    }
    EraseMarker();
    CPoint ptStart;
    CPoint ptEnd;
    pSheet->GetLineCoordinate(pSel, ptStart, ptEnd, 0);
    const int nCrossID = m_pTargetLine->m_nID;
    m_pTargetLine = nullptr;
    if (CCappLine* pPiece = pSheet->CutCellLine(pSel->m_nType, pSel->m_nID, nCrossID, -1, 1)) {
        m_pHost->MarkChanged();
        const int nWidth = std::max(1, pSel->m_nWidth);
        m_pHost->RepaintSheetRect(CRect(ptStart.x, ptStart.y, ptEnd.x + nWidth, ptEnd.y + nWidth));
        m_pHost->RepaintLine(pPiece);
    }
}

void CTableLineTool::PressExtend(CPoint point)
{
    if (m_ptMarker == CPoint(0, 0) || m_nDirection == 0) {
        return;
    }
    m_pHost->CaptureMouse();
    m_ptAnchor = m_ptMarker;
    m_ptLast = point;
    m_pTargetLine = nullptr;
    m_pHost->SetEditMode(modeExtending);
}

void CTableLineTool::PressMerge()
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    CCappLine* pSel = m_pHost->GetSelectedLine();
    if (pSel == nullptr || m_pTargetLine == nullptr) {
        return;
    }
    CPoint ptStart;
    CPoint ptEnd;
    pSheet->GetLineCoordinate(m_pTargetLine, ptStart, ptEnd, 0);
    const int nWidth = std::max(1, m_pTargetLine->m_nWidth);
    const int nTargetID = m_pTargetLine->m_nID;
    const BOOL bSameType = m_pTargetLine->m_nType == pSel->m_nType;
    // A joined line is freed by the sheet: forget it first.
    m_pTargetLine = nullptr;
    if (bSameType && pSheet->LinkCellLine(pSel->m_nType, pSel->m_nID, nTargetID, 1)) {
        m_pHost->MarkChanged();
        m_pHost->RepaintSheetRect(CRect(ptStart.x - nWidth, ptStart.y - nWidth, ptEnd.x + nWidth, ptEnd.y + nWidth));
        m_pHost->RepaintLine(pSel);
    } else {
        CString strText;
        strText.LoadString(IDS_LINE_CANNOT_MERGE);
        m_pHost->GetToolWnd()->MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
    }
}

BOOL CTableLineTool::OnLButtonUp(UINT, CPoint point)
{
    switch (m_pHost->GetEditMode()) {
    case modeMoveVert:
    case modeMoveHorz:
        ReleaseMove();
        return TRUE;
    case modeDrawing:
        ReleaseDrawing(point);
        return TRUE;
    case modeExtending:
        ReleaseExtending(point);
        return TRUE;
    default:
        return FALSE;
    }
}

void CTableLineTool::ReleaseMove()
{
    if (m_bDragging) {
        EndMove();
    }
}

void CTableLineTool::SnapRubber(UINT nFlags, CPoint point)
{
    // Drawing snaps either way; extending only beyond the end being moved.
    const BOOL bBack = m_nDirection == dirExtendHorzStart || m_nDirection == dirExtendVertStart;
    const int nAllowed = m_pHost->GetEditMode() == modeExtending ? (bBack ? snapBackwards : snapForwards) : snapBoth;
    CCappLine* pTarget = nullptr;
    TrackSnap(nFlags, point, m_nDirection, nAllowed, pTarget);
    m_pTargetLine = pTarget;
}

void CTableLineTool::ReleaseDrawing(CPoint point)
{
    // The line ends where the button comes up, which the last move need not have reached.
    SnapRubber(MK_LBUTTON, point);
    CCappLine* pTarget = m_pTargetLine;
    const int nDragged = std::max(std::abs(point.x - m_ptAnchor.x), std::abs(point.y - m_ptAnchor.y));
    const BOOL bAdded = EndDrawing(TRUE);
    if (!bAdded && pTarget == nullptr && nDragged > kEndTolerance) {
        TellNoLine();
    }
}

void CTableLineTool::ReleaseExtending(CPoint point)
{
    SnapRubber(MK_LBUTTON, point);
    EndExtending(TRUE);
}

void CTableLineTool::TellNoLine()
{
    // A drag that ends on no parallel line makes none; the tips pane says so, without a box in
    // the middle of drawing.
    m_pHost->ReportTip("未画线：请沿水平或竖直方向把线拖到另一条表格线上。");
}

BOOL CTableLineTool::EndDrawing(BOOL bAdd)
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    EraseRubber();
    EraseMarker();
    m_pHost->SetEditMode(modeDraw);
    CCappLine* pTarget = m_pTargetLine;
    CCappLine* pStart = m_pStartLine;
    CCappLine* pGuide = m_pGuideLine;
    const int nDirection = m_nDirection;
    m_pTargetLine = nullptr;
    m_pGuideLine = nullptr;
    m_bHaveAnchor = FALSE;
    // Cleared before the release: losing the capture comes back here as a cancel.
    if (m_pHost->HasMouseCapture()) {
        ::ReleaseCapture();
    }
    if (!bAdd || pTarget == nullptr || pStart == nullptr) {
        return FALSE;
    }
    const BOOL bStartFirst = pStart->m_nPos < pTarget->m_nPos;
    const int nStartID = bStartFirst ? pStart->m_nID : pTarget->m_nID;
    const int nEndID = bStartFirst ? pTarget->m_nID : pStart->m_nID;
    const UINT nType = nDirection == dirDrawVert ? CCappLine::typeVCell : CCappLine::typeHCell;
    int nPos = 0;
    if (pGuide != nullptr) {
        nPos = pGuide->m_nPos;
    } else {
        nPos = nType == CCappLine::typeVCell ? m_ptAnchor.x - pSheet->m_rcFrame.left
                                             : m_ptAnchor.y - pSheet->m_rcFrame.top;
    }
    if (CCappLine* pNew = pSheet->AddCellLineBySpace(nType, -1, nPos, nStartID, nEndID, 1)) {
        m_pHost->MarkChanged();
        CClientDC dc(m_pHost->GetToolWnd()->m_hWnd);
        m_pHost->PrepareToolDC(&dc);
        pSheet->DrawLine(&dc, pNew);
        return TRUE;
    }
    return FALSE;
}

void CTableLineTool::EndExtending(BOOL bReach)
{
    CCappSheet* pSheet = m_pHost->GetSheet();
    EraseRubber();
    EraseMarker();
    m_pHost->SetEditMode(modeExtend);
    CCappLine* pTarget = m_pTargetLine;
    const int nDirection = m_nDirection;
    m_pTargetLine = nullptr;
    m_ptAnchor = CPoint(0, 0);
    m_nDirection = 0;
    if (m_pHost->HasMouseCapture()) {
        ::ReleaseCapture();
    }
    CCappLine* pLine = m_pHost->GetSelectedLine();
    if (!bReach || pTarget == nullptr || pLine == nullptr) {
        return;
    }
    // The end at the top or left is the one named first, unless the line was stored end first.
    int nStartPos = 0;
    int nEndPos = 0;
    const int nCrossType = IsHorzType(pLine->m_nType) ? CCappLine::typeVCell : CCappLine::typeHCell;
    pSheet->GetLineSpace(nCrossType, pLine->m_nStartID, nStartPos);
    pSheet->GetLineSpace(nCrossType, pLine->m_nEndID, nEndPos);
    const BOOL bStoredForward = nStartPos <= nEndPos;
    const BOOL bTopLeftEnd = nDirection == dirExtendHorzStart || nDirection == dirExtendVertStart;
    CPoint ptStart;
    CPoint ptEnd;
    pSheet->GetLineCoordinate(pLine, ptStart, ptEnd, 0);
    int nResult = 0;
    if (bTopLeftEnd == bStoredForward) {
        nResult = pSheet->ReachCellLine(pLine->m_nType, pLine->m_nID, pTarget->m_nID, pLine->m_nEndID, 1);
    } else {
        nResult = pSheet->ReachCellLine(pLine->m_nType, pLine->m_nID, pLine->m_nStartID, pTarget->m_nID, 1);
    }
    if (nResult) {
        m_pHost->MarkChanged();
        m_pHost->RepaintSheetRect(CRect(ptStart.x, ptStart.y, ptEnd.x + 1, ptEnd.y + 1));
        m_pHost->RepaintLine(pLine);
    }
}

BOOL CTableLineTool::OnLButtonDblClk(UINT, CPoint)
{
    const CCappLine* pLine = m_pHost->GetSelectedLine();
    if (pLine == nullptr) {
        return FALSE;
    }
    if (pLine->m_nType == CCappLine::typeHFrame || pLine->m_nType == CCappLine::typeVFrame) {
        m_pHost->SetupPage();
    } else {
        EditLineProperties();
    }
    return TRUE;
}

BOOL CTableLineTool::OnRButtonDown(UINT nFlags, CPoint)
{
    if (m_bDragging || m_bRubberShown) {
        CancelDrag();
    }
    if ((nFlags & MK_LBUTTON) != 0) {
        return FALSE;
    }
    switch (m_pHost->GetEditMode()) {
    case modeDraw:
    case modeExtend:
    case modeMove:
        ResetState();
        m_pHost->SetEditMode(modeSelect);
        return TRUE;
    case modeDelete:
        if (m_pStartLine == nullptr) {
            m_pHost->SetEditMode(modeSelect);
            return TRUE;
        }
        return FALSE;
    case modeCut:
        if (m_ptMarker == CPoint(0, 0)) {
            m_pTargetLine = nullptr;
            m_pHost->SetEditMode(modeSelect);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------------------------
// Moving a line

BOOL CTableLineTool::GetMoveLimits(const CCappLine* pLine, int& nMin, int& nMax) const
{
    const CCappSheet* pSheet = m_pHost->GetSheet();
    if (pLine == nullptr || pSheet == nullptr) {
        return FALSE;
    }
    const CRect& rcFrame = pSheet->m_rcFrame;
    switch (pLine->m_nType) {
    case CCappLine::typeHCell:
    case CCappLine::typeVCell: {
        // The band both crossing lines reach, 3 units inside at each side.
        const BOOL bHorz = pLine->m_nType == CCappLine::typeHCell;
        const int nCrossType = bHorz ? CCappLine::typeVCell : CCappLine::typeHCell;
        CPoint ptStartA;
        CPoint ptEndA;
        CPoint ptStartB;
        CPoint ptEndB;
        if (!pSheet->GetLineCoordinate(nCrossType, pLine->m_nStartID, ptStartA, ptEndA, 0) ||
            !pSheet->GetLineCoordinate(nCrossType, pLine->m_nEndID, ptStartB, ptEndB, 0)) {
            return FALSE;
        }
        if (bHorz) {
            nMin = std::max(ptStartA.y, ptStartB.y) + kMoveInset;
            nMax = std::min(ptEndA.y, ptEndB.y) - kMoveInset;
        } else {
            nMin = std::max(ptStartA.x, ptStartB.x) + kMoveInset;
            nMax = std::min(ptEndA.x, ptEndB.x) - kMoveInset;
        }
        return nMin <= nMax;
    }
    case CCappLine::typeLHOut:
        nMin = rcFrame.top;
        nMax = rcFrame.bottom;
        return TRUE;
    case CCappLine::typeHFrame:
        nMin = nMax = pLine->m_nID == 0 ? rcFrame.top : rcFrame.bottom;
        return TRUE;
    case CCappLine::typeVFrame:
        nMin = nMax = pLine->m_nID == 0 ? rcFrame.left : rcFrame.right;
        return TRUE;
    default:
        return FALSE;
    }
}

void CTableLineTool::ClipToLimits(const CCappLine* pLine)
{
    CClientDC dc(m_pHost->GetToolWnd()->m_hWnd);
    m_pHost->PrepareToolDC(&dc);
    CRect rcClient;
    m_pHost->GetToolWnd()->GetClientRect(&rcClient);
    CPoint ptLimits[2] = {CPoint(m_nMoveMin, m_nMoveMin), CPoint(m_nMoveMax, m_nMoveMax)};
    dc.LPtoDP(ptLimits, 2);
    CRect rcBand = rcClient;
    if (IsVertType(pLine->m_nType)) {
        rcBand.left = std::min(ptLimits[0].x, ptLimits[1].x);
        rcBand.right = std::max(ptLimits[0].x, ptLimits[1].x) + 1;
    } else {
        rcBand.top = std::min(ptLimits[0].y, ptLimits[1].y);
        rcBand.bottom = std::max(ptLimits[0].y, ptLimits[1].y) + 1;
    }
    CRect rcClip;
    if (!rcClip.IntersectRect(&rcBand, &rcClient)) {
        return;
    }
    CPoint ptCorners[2] = {rcClip.TopLeft(), rcClip.BottomRight()};
    ::ClientToScreen(m_pHost->GetToolWnd()->m_hWnd, &ptCorners[0]);
    ::ClientToScreen(m_pHost->GetToolWnd()->m_hWnd, &ptCorners[1]);
    const RECT rcScreen = {ptCorners[0].x, ptCorners[0].y, ptCorners[1].x, ptCorners[1].y};
    m_bCursorClipped = ::ClipCursor(&rcScreen);
}

void CTableLineTool::FreeCursor()
{
    if (m_bCursorClipped) {
        ::ClipCursor(nullptr);
        m_bCursorClipped = FALSE;
    }
}

void CTableLineTool::BeginMove(CPoint)
{
    if (m_bDragging) {
        EndMove();
    }
    CCappLine* pLine = m_pTargetLine;
    if (pLine == nullptr || !GetMoveLimits(pLine, m_nMoveMin, m_nMoveMax)) {
        return;
    }
    m_pHost->ResetSelection();
    CPoint ptStart;
    CPoint ptEnd;
    m_pHost->GetSheet()->GetLineCoordinate(pLine, ptStart, ptEnd, 0);
    m_bTrackerHorz = !IsVertType(pLine->m_nType);
    m_ptLast = ptStart;
    XorTracker(m_ptLast, m_bTrackerHorz);
    m_bTrackerShown = TRUE;
    m_bDragging = TRUE;
    m_pHost->CaptureMouse();
    ClipToLimits(pLine);
}

void CTableLineTool::TrackMove(CPoint point)
{
    // Messages may carry points the clip would not let the cursor reach.
    CPoint ptNew = m_ptLast;
    if (m_bTrackerHorz) {
        ptNew.y = std::clamp(static_cast<int>(point.y), m_nMoveMin, m_nMoveMax);
    } else {
        ptNew.x = std::clamp(static_cast<int>(point.x), m_nMoveMin, m_nMoveMax);
    }
    if (m_bTrackerShown) {
        XorTracker(m_ptLast, m_bTrackerHorz);
    }
    m_ptLast = ptNew;
    XorTracker(m_ptLast, m_bTrackerHorz);
    m_bTrackerShown = TRUE;
}

void CTableLineTool::EndMove()
{
    if (m_bTrackerShown) {
        XorTracker(m_ptLast, m_bTrackerHorz);
        m_bTrackerShown = FALSE;
    }
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    m_pHost->SetEditMode(modeMove);
    m_bDragging = FALSE;
    FreeCursor();
    if (m_pHost->HasMouseCapture()) {
        ::ReleaseCapture();
    }
    CCappLine* pLine = m_pTargetLine;
    if (pLine == nullptr) {
        return;
    }
    CCappSheet* pSheet = m_pHost->GetSheet();
    const int nOldPos = pLine->m_nPos;
    int nResult = 0;
    switch (pLine->m_nType) {
    case CCappLine::typeVCell:
        nResult = pSheet->MoveCellLine(CCappLine::typeVCell, pLine->m_nID, m_ptLast.x - pSheet->m_rcFrame.left, 1);
        break;
    case CCappLine::typeHCell:
    case CCappLine::typeLHOut:
        nResult = pSheet->MoveCellLine(pLine->m_nType, pLine->m_nID, m_ptLast.y - pSheet->m_rcFrame.top, 1);
        break;
    default:
        break;
    }
    if (nResult && pLine->m_nPos != nOldPos) {
        m_pHost->MarkChanged();
    }
    m_pHost->RepaintAll();
}

void CTableLineTool::CancelDrag()
{
    if (m_bDragging) {
        if (m_bTrackerShown) {
            XorTracker(m_ptLast, m_bTrackerHorz);
            m_bTrackerShown = FALSE;
        }
        m_bDragging = FALSE;
        m_pHost->SetEditMode(modeMove);
        FreeCursor();
        if (m_pHost->HasMouseCapture()) {
            ::ReleaseCapture();
        }
        return;
    }
    if (m_pHost->GetEditMode() == modeDrawing) {
        EndDrawing(FALSE);
    } else if (m_pHost->GetEditMode() == modeExtending) {
        EndExtending(FALSE);
    }
}

void CTableLineTool::OnCaptureChanged(HWND hWndNew)
{
    if (hWndNew != m_pHost->GetToolWnd()->m_hWnd) {
        CancelDrag();
    }
}

// ---------------------------------------------------------------------------------------------
// Properties

int CTableLineTool::EditLineProperties()
{
    CCappLine* pLine = m_pHost->GetSelectedLine();
    if (pLine == nullptr) {
        return 0;
    }
    CLineAttrDlg dlg(m_pHost->GetToolWnd());
    dlg.m_nWidth = pLine->m_nWidth;
    dlg.m_crColor = pLine->m_crColor;
    if (dlg.DoModal() != IDOK) {
        return 1;
    }
    if (dlg.m_nWidth != pLine->m_nWidth) {
        m_pHost->RepaintLine(pLine);
        pLine->m_nWidth = dlg.m_nWidth;
        m_pHost->RepaintLine(pLine);
    }
    if (dlg.m_crColor != pLine->m_crColor) {
        m_pHost->RepaintLine(pLine);
    }
    pLine->m_crColor = dlg.m_crColor;
    m_pHost->MarkChanged();
    return 1;
}
