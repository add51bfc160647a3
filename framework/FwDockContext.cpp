#include "framework/FwDockContext.h"

#include <cstdlib>

#include "framework/FwLoadTextOr.h"
#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/ControlBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"

namespace
{
// The drag's hint in the status line, and the status line's idle text.
const UINT idsDragHint = 0x5037;
const UINT idsIdleMessage = 0xE001;

// The status line the hints go to: the program's main window, else the bar's frame.
CWnd* StatusLineWindow(CFrameWnd* pDockSite)
{
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr) {
        return pApp->m_pMainWnd;
    }
    return pDockSite != nullptr && pDockSite->m_hWnd != nullptr ? pDockSite : nullptr;
}

FwControlBar* AsFwBar(CControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(FX_RUNTIME_CLASS(FwControlBar)) ? static_cast<FwControlBar*>(pBar)
                                                                             : nullptr;
}
} // namespace

FwDockContext::FwDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_fMRUFraction(1.0f), m_bPrevFloating(FALSE),
      m_sizeFrameExtra(
          ::GetSystemMetrics(SM_CXMENUSIZE) + 2 * ::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER),
          ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)),
      m_sizeScreen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN))
{
}

void FwDockContext::NoteDockChange(BOOL bWasFloating)
{
    FwControlBar* pFw = AsFwBar(m_pBar);
    if (pFw == nullptr || bWasFloating == m_pBar->IsFloating()) {
        return;
    }
    if (bWasFloating) {
        pFw->OnAfterDock();
    } else {
        pFw->OnAfterFloat();
    }
}

void FwDockContext::StartDrag(CPoint pt)
{
    FwControlBar* pFw = AsFwBar(m_pBar);
    const BOOL bWasFloating = m_pBar->IsFloating();
    m_ptDragStart = pt;
    // Saved before the drag: a bar that floats keeps the fraction it had docked.
    if (pFw != nullptr && !bWasFloating) {
        pFw->m_fSavedFraction = pFw->m_fWidthFraction;
        m_fMRUFraction = pFw->m_fWidthFraction;
    }
    CWnd* pStatus = StatusLineWindow(m_pBar->m_pDockSite);
    if (pStatus != nullptr) {
        const CString strHint = FwLoadTextOr(idsDragHint, "Press the Ctrl key to prevent docking.");
        pStatus->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strHint)));
    }
    CDockContext::StartDrag(pt);
    // Ended or cancelled: the status line goes back to its idle text.
    pStatus = StatusLineWindow(m_pBar->m_pDockSite);
    if (pStatus != nullptr) {
        pStatus->SendMessage(WM_SETMESSAGESTRING, idsIdleMessage, 0);
    }
    if (pFw != nullptr && bWasFloating && !m_pBar->IsFloating()) {
        pFw->m_fWidthFraction = pFw->m_fSavedFraction;
    }
    NoteDockChange(bWasFloating);
}

void FwDockContext::AdjustDragRects()
{
    const FwSystemColors& colors = FwGetSystemColors();
    m_rectDragHorz.DeflateRect(colors.m_cxBorder2, colors.m_cyBorder2);
    m_rectDragVert.DeflateRect(colors.m_cxBorder2, colors.m_cyBorder2);
}

void FwDockContext::ToggleDocking()
{
    FwControlBar* pFw = AsFwBar(m_pBar);
    const BOOL bWasFloating = m_pBar->IsFloating();
    if (pFw != nullptr) {
        if (bWasFloating) {
            if ((m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0) {
                return;
            }
            pFw->OnBeforeDock();
            pFw->m_fWidthFraction = pFw->m_fSavedFraction;
        } else {
            pFw->OnBeforeFloat();
            pFw->m_fSavedFraction = pFw->m_fWidthFraction;
            m_fMRUFraction = pFw->m_fWidthFraction;
        }
    }
    CDockContext::ToggleDocking();
    NoteDockChange(bWasFloating);
}

void FwDockContext::ToggleFloatInMain()
{
}

FwDockBar* FwDockContext::GetOverFwDockBar()
{
    if (!m_bDragging || m_dwOverDockStyle == 0 || m_pDockSite == nullptr) {
        return nullptr;
    }
    return dynamic_cast<FwDockBar*>(GetDockBar(m_dwOverDockStyle));
}

void FwDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    FwDockBar* pDockBar = bRemoveRect ? nullptr : GetOverFwDockBar();
    if (pDockBar == nullptr) {
        CDockContext::DrawFocusRect(bRemoveRect);
        return;
    }
    // The platform draws the drag rectangle of the orientation it docks in: that one shows the
    // place in the row for the moment of drawing.
    CRect& rcDrag = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0 ? m_rectDragHorz : m_rectDragVert;
    const CRect rcKeep(rcDrag);
    m_rectFeedback = pDockBar->GetDockingFeedbackRect(m_pBar, rcDrag, m_ptLast);
    rcDrag = m_rectFeedback;
    CDockContext::DrawFocusRect(FALSE);
    rcDrag = rcKeep;
}

void FwDockContext::EndDrag()
{
    // A floating bar nudged by less than 5 pixels only moves its frame.
    if (m_pBar->IsFloating() && std::abs(m_ptLast.x - m_ptDragStart.x) + std::abs(m_ptLast.y - m_ptDragStart.y) < 5) {
        m_dwOverDockStyle = 0;
    }
    FwDockBar* pDockBar = GetOverFwDockBar();
    if (pDockBar == nullptr) {
        CDockContext::EndDrag();
        return;
    }
    const CRect rcDrag = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0 ? m_rectDragHorz : m_rectDragVert;
    const CRect rcPlace = pDockBar->GetDockingFeedbackRect(m_pBar, rcDrag, m_ptLast);
    CancelLoop();
    m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
    m_rectMRUDockPos = rcPlace;
    ::MapWindowPoints(nullptr, pDockBar->m_hWnd, reinterpret_cast<POINT*>(&m_rectMRUDockPos), 2);
    if (FwControlBar* pFw = AsFwBar(m_pBar); pFw != nullptr && m_pBar->IsFloating()) {
        pFw->OnBeforeDock();
    }
    CPoint pt(m_ptLast);
    ::ScreenToClient(pDockBar->m_hWnd, &pt);
    pDockBar->DockControlBarAtPoint(m_pBar, pt);
    m_pDockSite->RecalcLayout();
}
