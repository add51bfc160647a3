#include "designer/sheet/CappSheetDefView.h"

#include <algorithm>
#include <memory>

#include "core/CappDCHelper.h"
#include "core/CappLine.h"
#include "core/CardCommFun.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefDoc.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"
#include "platform/win/Menu.h"

FX_IMPLEMENT_DYNCREATE(CCappSheetDefView, CKvZoomView)

namespace
{
// A new sheet's paper until a template is loaded: A4 upright in sheet units.
const int kBlankWidth = 2100;
const int kBlankHeight = 2970;
} // namespace

CCappSheetDefView::CCappSheetDefView()
    : m_pSheet(nullptr), m_nSaveState(saveStateNew), m_bChangedSinceNew(FALSE), m_freeObjTool(this), m_lineTool(this),
      m_aux(this), m_bLoaded(FALSE)
{
}

CCappSheetDefView::~CCappSheetDefView()
{
}

int CCappSheetDefView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKvZoomView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // The document joined the view in the base's create: its sheet is the one shown.
    if (CCappSheetDefDoc* pDoc = GetDocument()) {
        m_pSheet = pDoc->GetSheet();
    }
    return 0;
}

CCappSheetDefDoc* CCappSheetDefView::GetDocument() const
{
    return dynamic_cast<CCappSheetDefDoc*>(m_pDocument);
}

void CCappSheetDefView::OnInitialUpdate()
{
    SetZoomMode(modeFree);
    // A template loaded through the framework's open keeps its page.
    const BOOL bPage = m_bLoaded && m_pSheet != nullptr;
    SetScrollSizes(MM_ANISOTROPIC,
                   bPage ? CSize(std::max(1, m_pSheet->m_nPageWidth), std::max(1, m_pSheet->m_nPageHeight))
                         : CSize(kBlankWidth, kBlankHeight));
    CKvZoomView::OnInitialUpdate();
    SetZoomMinMax(0.02f, 22.0f);
    SetZoomMoveCursorID(0);
    SetZoomMoveCursorBeginID(0);
    SetZoomRectCursorID(0);
    m_nZoomPrint = static_cast<int>(FxGetApp()->GetProfileInt("DesignOption", "ZoomPrint", 0));
    // Cells dragged within or between sheet windows arrive as the drop target's messages.
    if (m_dropTarget.GetRegisteredWnd() == nullptr) {
        m_dropTarget.m_pOwner = this;
        m_dropTarget.Register(this);
    }
}

void CCappSheetDefView::OnDestroy()
{
    m_dropTarget.Revoke();
    m_dropTarget.m_pOwner = nullptr;
    CKvZoomView::OnDestroy();
}

void CCappSheetDefView::OnDraw(CDC* pDC)
{
    if (m_pSheet != nullptr && m_bLoaded) {
        DrawSheetView(pDC);
    }
}

namespace
{
// The window's background and the off-screen bitmap's fill.
const COLORREF kViewGrey = RGB(190, 190, 190);
// Pixels a repainted area grows by on every side, for the pens drawn on its edge.
const int kRepaintMargin = 2;
} // namespace

CDesignShellLink* CCappSheetDefView::GetShellLink() const
{
    CCappSheetDefChildFrame* pFrame = GetSheetFrame();
    return pFrame != nullptr ? pFrame->GetShellLink() : nullptr;
}

void CCappSheetDefView::CaptureMouse()
{
    if (m_hWnd != nullptr) {
        ::SetCapture(m_hWnd);
    }
}

void CCappSheetDefView::ReportTip(LPCSTR lpszText)
{
    if (CDesignShellLink* pShell = GetShellLink()) {
        pShell->ReportTip(lpszText);
    }
}

CCappSheetDefChildFrame* CCappSheetDefView::GetSheetFrame() const
{
    return dynamic_cast<CCappSheetDefChildFrame*>(GetParentFrame());
}

void CCappSheetDefView::UpdateFrameRulers()
{
    if (CCappSheetDefChildFrame* pFrame = GetSheetFrame()) {
        pFrame->UpdateRulers();
    }
}

BOOL CCappSheetDefView::GetPageRectDevice(CRect& rcDevice, CSize& sizeTenthMm)
{
    if (m_hWnd == nullptr || m_pSheet == nullptr) {
        return FALSE;
    }
    CRect rc = m_pSheet->m_rcFrame;
    sizeTenthMm = CSize(rc.Width(), rc.Height());
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    dc.LPtoDP(&rc);
    rc.NormalizeRect();
    rcDevice = rc;
    return TRUE;
}

void CCappSheetDefView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CKvZoomView::OnPrepareDC(pDC, pInfo);
    if (!pDC->IsPrinting()) {
        return;
    }
    pDC->SetMapMode(MM_ANISOTROPIC);
    const int cxDpi = pDC->GetDeviceCaps(LOGPIXELSX);
    const int cyDpi = pDC->GetDeviceCaps(LOGPIXELSY);
    if (m_nZoomPrint == 1) {
        // The screen's zoom carried to the printer: a level equal to the screen's dots per tenth
        // of a millimetre prints at true size.
        double dxScreen = 0.0;
        double dyScreen = 0.0;
        if (!CCappDCHelper::GetScreenDotPerTMM(dxScreen, dyScreen) || dxScreen <= 0.0 || dyScreen <= 0.0) {
            dxScreen = dyScreen = 96.0 / CCappDCHelper::kTenthMMPerInch;
        }
        const double dLevel = GetZoomLevel();
        const int nScale = 10000;
        pDC->SetWindowExt(nScale, nScale);
        pDC->SetViewportExt(
            static_cast<int>(nScale * dLevel * cxDpi / CCappDCHelper::kTenthMMPerInch / dxScreen + 0.5),
            static_cast<int>(nScale * dLevel * cyDpi / CCappDCHelper::kTenthMMPerInch / dyScreen + 0.5));
        pDC->SetViewportOrg(0, 0);
        return;
    }
    // True size from the paper's corner. Exact ratios: extents cut from millimetre sizes would
    // stretch the print by up to half a percent.
    pDC->SetWindowExt(CCappDCHelper::kTenthMMPerInch, CCappDCHelper::kTenthMMPerInch);
    pDC->SetViewportExt(cxDpi, cyDpi);
    pDC->SetViewportOrg(-pDC->GetDeviceCaps(PHYSICALOFFSETX), -pDC->GetDeviceCaps(PHYSICALOFFSETY));
}

BOOL CCappSheetDefView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (m_pSheet != nullptr) {
        pInfo->m_pPD->SetPageSetup(CPrintPageSetup::FromPageSize(m_pSheet->m_nPageWidth, m_pSheet->m_nPageHeight));
    }
    return CKvZoomView::OnPreparePrinting(pInfo);
}

void CCappSheetDefView::DrawSheetView(CDC* pDC)
{
    const BOOL bPrinting = pDC->IsPrinting();
    CDC* pDrawDC = pDC;
    CBitmap bitmap;
    CDC dcMem;
    std::unique_ptr<CFxSelectGuard> pBitmapGuard;
    CRect rcClipDev;
    if (m_bFreeObjOn) {
        CRect rcClip;
        pDC->GetClipBox(&rcClip);
        rcClipDev = rcClip;
        pDC->LPtoDP(&rcClipDev);
        rcClipDev.NormalizeRect();
        if (!bPrinting && !rcClipDev.IsRectEmpty() && dcMem.CreateCompatibleDC(pDC) &&
            bitmap.CreateCompatibleBitmap(pDC, rcClipDev.Width(), rcClipDev.Height())) {
            pBitmapGuard = std::make_unique<CFxSelectGuard>(&dcMem, &bitmap);
            OnPrepareDC(&dcMem, nullptr);
            const CPoint ptOrg = dcMem.SetViewportOrg(0, 0);
            dcMem.SetViewportOrg(ptOrg.x - rcClipDev.left, ptOrg.y - rcClipDev.top);
            ::SetBrushOrgEx(dcMem.GetSafeHdc(), -(rcClipDev.left % 8), -(rcClipDev.top % 8), nullptr);
            pDrawDC = &dcMem;
        }
        CRect rcFill;
        pDrawDC->GetClipBox(&rcFill);
        pDrawDC->FillSolidRect(&rcFill, kViewGrey);
    }
    m_pSheet->DrawSheet(pDrawDC);
    if (!bPrinting) {
        m_aux.DrawMarks(pDrawDC);
        if (m_pHighlightLine != nullptr) {
            // Drawn over in red: the line's own colour comes back at once.
            const COLORREF crOwn = m_pHighlightLine->m_crColor;
            m_pHighlightLine->m_crColor = RGB(255, 0, 0);
            m_pSheet->DrawLine(pDrawDC, m_pHighlightLine);
            m_pHighlightLine->m_crColor = crOwn;
        }
    }
    m_freeObjTool.Draw(pDrawDC);
    if (pDrawDC == &dcMem) {
        for (CDC* pEach : {pDC, static_cast<CDC*>(&dcMem)}) {
            pEach->SetMapMode(MM_TEXT);
            pEach->SetViewportOrg(0, 0);
            pEach->SetWindowOrg(0, 0);
        }
        pDC->BitBlt(rcClipDev.left, rcClipDev.top, rcClipDev.Width(), rcClipDev.Height(), &dcMem, 0, 0, SRCCOPY);
    }
}

BOOL CCappSheetDefView::OnEraseBkgnd(CDC* pDC)
{
    CBrush brush(kViewGrey);
    CFxSelectGuard guard(pDC, &brush);
    CRect rc;
    pDC->GetClipBox(&rc);
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    return TRUE;
}

CPoint CCappSheetDefView::ClientToSheet(CPoint point)
{
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    dc.DPtoLP(&point, 1);
    return point;
}

void CCappSheetDefView::RepaintSheetRect(const CRect& rcSheet)
{
    if (rcSheet.IsRectEmpty() || m_hWnd == nullptr) {
        return;
    }
    CRect rc = rcSheet;
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    dc.LPtoDP(&rc);
    rc.NormalizeRect();
    rc.InflateRect(kRepaintMargin, kRepaintMargin);
    InvalidateRect(&rc, FALSE);
}

void CCappSheetDefView::RepaintLine(const CCappLine* pLine)
{
    CPoint ptStart;
    CPoint ptEnd;
    if (pLine == nullptr || !m_pSheet->GetLineCoordinate(pLine, ptStart, ptEnd, 0)) {
        return;
    }
    const int nWidth = std::max(1, pLine->m_nWidth);
    // Horizontal lines grow downwards, vertical ones to the right.
    const CRect rc = pLine->IsHorizontal() ? CRect(ptStart.x, ptStart.y, ptEnd.x, ptStart.y + nWidth)
                                           : CRect(ptStart.x, ptStart.y, ptStart.x + nWidth, ptEnd.y);
    RepaintSheetRect(rc);
}

void CCappSheetDefView::ClearHighlightLine()
{
    if (m_pHighlightLine != nullptr) {
        const CCappLine* pLine = m_pHighlightLine;
        m_pHighlightLine = nullptr;
        RepaintLine(pLine);
    }
}

void CCappSheetDefView::ResetSelection()
{
    RepaintSheetRect(CSheetDefRangeFun::Union(m_rangeSel, m_rangeTrack).m_rect);
    m_rangeSel.ResertVal();
    m_rangeTrack.ResertVal();
}

void CCappSheetDefView::SelectAt(CPoint ptSheet)
{
    m_aux.SelectAt(ptSheet);
}

CCappFreeObj* CCappSheetDefView::FindFreeObjOfCell(int nCellID) const
{
    return m_freeObjTool.FindByCellID(nCellID);
}

void CCappSheetDefView::DeleteFreeObj(CCappFreeObj* pObj)
{
    m_freeObjTool.DeleteObj(pObj);
}

void CCappSheetDefView::SelectLine(CCappLine* pLine)
{
    if (pLine == m_pHighlightLine) {
        return;
    }
    ResetSelection();
    ClearHighlightLine();
    m_pHighlightLine = pLine;
    RepaintLine(pLine);
}

void CCappSheetDefView::AutoScroll(CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const DWORD dwStyle = GetStyle();
    CPoint ptScroll(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
    const CPoint ptOld = ptScroll;
    if ((dwStyle & WS_HSCROLL) != 0 && point.x > rcClient.right) {
        ptScroll.x = std::min<LONG>(GetScrollLimit(SB_HORZ), ptScroll.x + point.x - rcClient.right);
    }
    if ((dwStyle & WS_VSCROLL) != 0 && point.y > rcClient.bottom) {
        ptScroll.y = std::min<LONG>(GetScrollLimit(SB_VERT), ptScroll.y + point.y - rcClient.bottom);
    }
    if (ptScroll != ptOld) {
        ScrollToDevicePosition(ptScroll);
        UpdateFrameRulers();
        UpdateWindow();
    }
}

BOOL CCappSheetDefView::ToolPoint(CPoint point, CPoint& ptSheet)
{
    if (GetZoomState() != stateNone) {
        return FALSE;
    }
    ptSheet = ClientToSheet(point);
    return TRUE;
}

void CCappSheetDefView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint pt;
    if (!ToolPoint(point, pt)) {
        CKvZoomView::OnLButtonDown(nFlags, point);
        return;
    }
    if (m_bFreeObjOn) {
        // The cells stay as they are while the free objects are edited.
        m_freeObjTool.OnLButtonDown(nFlags, pt);
        return;
    }
    if (!m_aux.OnLButtonDown(nFlags, pt) && !m_lineTool.OnLButtonDown(nFlags, pt)) {
        CKvZoomView::OnLButtonDown(nFlags, point);
    }
}

void CCappSheetDefView::OnMouseMove(UINT nFlags, CPoint point)
{
    // Only a captured mouse reports points past the client's edge.
    if (!m_bFreeObjOn) {
        AutoScroll(point);
    }
    CPoint pt;
    if (ToolPoint(point, pt)) {
        if (m_bFreeObjOn) {
            m_freeObjTool.OnMouseMove(nFlags, pt);
            return;
        }
        if (m_aux.OnMouseMove(nFlags, pt) || m_lineTool.OnMouseMove(nFlags, pt)) {
            return;
        }
    }
    CKvZoomView::OnMouseMove(nFlags, point);
}

void CCappSheetDefView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPoint pt;
    if (ToolPoint(point, pt)) {
        if (m_bFreeObjOn) {
            m_freeObjTool.OnLButtonUp(nFlags, pt);
            return;
        }
        if (m_aux.OnLButtonUp(nFlags, pt) || m_lineTool.OnLButtonUp(nFlags, pt)) {
            return;
        }
    }
    CKvZoomView::OnLButtonUp(nFlags, point);
}

void CCappSheetDefView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bFreeObjOn) {
        m_freeObjTool.OnLButtonDblClk(nFlags, ClientToSheet(point));
        return;
    }
    CPoint pt;
    if (ToolPoint(point, pt)) {
        // Cell tool: selecting starts tracking (mode 11); the mode the click came in decides.
        const int nClickMode = m_nEditMode;
        if (nClickMode == editSelect) {
            SelectAt(pt);
        }
        if (nClickMode != editSelect && nClickMode != editOverLine) {
            return;
        }
        if (m_aux.OnLButtonDblClk(nFlags, pt) || m_lineTool.OnLButtonDblClk(nFlags, pt)) {
            return;
        }
    }
    CKvZoomView::OnLButtonDblClk(nFlags, point);
}

void CCappSheetDefView::OnRButtonDown(UINT nFlags, CPoint point)
{
    CKvZoomView::OnRButtonDown(nFlags, point);
    CPoint pt;
    if (ToolPoint(point, pt)) {
        if (m_bFreeObjOn) {
            m_freeObjTool.OnRButtonDown(nFlags, pt);
        } else {
            const int nModeBefore = m_nEditMode;
            m_lineTool.OnRButtonDown(nFlags, pt);
            // The release of this click must not open the context menu over a tool it ended.
            m_bRightClickEndedTool = nModeBefore != editSelect && m_nEditMode == editSelect;
        }
    }
}

BOOL CCappSheetDefView::EscapeByRightClick()
{
    if (GetZoomState() == stateZoomRect) {
        EndZoomRect();
        return TRUE;
    }
    if (GetZoomState() == stateMove) {
        SetZoomMove(FALSE);
        return TRUE;
    }
    switch (m_nEditMode) {
    case 5:
    case 7:
        // Deleting and cutting keep their mode while a line is picked.
        if (m_lineTool.HasPendingLine()) {
            return FALSE;
        }
        m_nEditMode = editSelect;
        return TRUE;
    case 3:
    case 8:
    case 10:
    case 12:
    case 13:
    case 15:
    case 17:
        m_nEditMode = editSelect;
        return TRUE;
    default:
        return FALSE;
    }
}

void CCappSheetDefView::OnRButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bEscaped = m_bRightClickEndedTool || EscapeByRightClick();
    m_bRightClickEndedTool = FALSE;
    if (!bEscaped && m_bFreeObjOn) {
        m_freeObjTool.SetCreateKind(0);
    } else if (!bEscaped) {
        CMenu menu;
        int nPopup = 0;
        if (BuildContextMenu(menu, nPopup)) {
            CPoint ptScreen = point;
            ::ClientToScreen(m_hWnd, &ptScreen);
            menu.GetSubMenu(nPopup)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
        }
    }
    CKvZoomView::OnRButtonUp(nFlags, point);
}

BOOL CCappSheetDefView::BuildContextMenu(CMenu& menu, int& nPopup)
{
    if (CSheetDefRangeFun::IsEmpty(m_rangeSel) || !menu.LoadMenu(IDR_SHEET_CELL_MENU)) {
        return FALSE;
    }
    const CCappRange rangeMenu = CSheetDefRangeFun::Union(m_rangeSel, m_rangeTrack);
    nPopup = CSheetDefRangeFun::GetMidData(*m_pSheet, m_rangeSel.m_rect.CenterPoint()) != nullptr ? 1 : 0;
    CMenu* pPopup = menu.GetSubMenu(nPopup);
    // Cell tool: the role items are always enabled.
    // Detail-area items need a tracked range, the properties item a cell in the range.
    if (CSheetDefRangeFun::IsEmpty(m_rangeTrack)) {
        for (UINT nID : {ID_SHEET_MD_NEW, ID_SHEET_MD_MERGE, ID_SHEET_MD_CONTINUE}) {
            pPopup->EnableMenuItem(nID, MF_BYCOMMAND | MF_GRAYED);
        }
    }
    if (!CSheetDefRangeFun::HaveCellInRange(*m_pSheet, rangeMenu)) {
        pPopup->EnableMenuItem(ID_SHEET_CELL_PROPERTIES, MF_BYCOMMAND | MF_GRAYED);
    }
    return TRUE;
}

void CCappSheetDefView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL && !m_bCtrlHeld && GetZoomState() != stateMove) {
        m_bCtrlHeld = TRUE;
        OnZoomMove();
    }
    if (m_bFreeObjOn) {
        m_freeObjTool.OnKeyDown(nChar);
        return;
    }
    m_aux.OnKeyDown(nChar);
    // Table-line tool: Escape ends a drag.
    if (nChar == VK_ESCAPE) {
        m_lineTool.CancelDrag();
    }
    // End of the table-line tool block.
    CKvZoomView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CCappSheetDefView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL && m_bCtrlHeld) {
        m_bCtrlHeld = FALSE;
        OnZoomMove();
    }
    if (m_bFreeObjOn) {
        m_freeObjTool.OnKeyUp(nChar);
    }
    CKvZoomView::OnKeyUp(nChar, nRepCnt, nFlags);
}

LRESULT CCappSheetDefView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tools choose the cursor over the client while no zoom tool runs.
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT && GetZoomState() == stateNone &&
        (m_aux.OnSetCursor() || m_lineTool.OnSetCursor())) {
        return TRUE;
    }
    // Table-line tool: a drag ends when another window takes the mouse.
    if (message == WM_CAPTURECHANGED) {
        m_lineTool.OnCaptureChanged(reinterpret_cast<HWND>(lParam));
    }
    // End of the table-line tool block.
    const LRESULT lResult = CKvZoomView::WindowProc(message, wParam, lParam);
    // After the scroll, so that the rulers show where the sheet went.
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        UpdateFrameRulers();
    }
    return lResult;
}

void CCappSheetDefView::ZoomLevelChanged()
{
    CKvZoomView::ZoomLevelChanged();
    if (m_hWnd != nullptr) {
        UpdateFrameRulers();
    }
}

void CCappSheetDefView::ZoomViewScroll()
{
    CKvZoomView::ZoomViewScroll();
    UpdateFrameRulers();
}
