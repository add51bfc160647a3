#include "framework/FwDockContext.h"

#include "framework/FwControlBar.h"
#include "platform/frame/ControlBar.h"

namespace
{
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
    // Saved before the drag: a bar that floats keeps the fraction it had docked.
    if (pFw != nullptr && !bWasFloating) {
        pFw->m_fSavedFraction = pFw->m_fWidthFraction;
        m_fMRUFraction = pFw->m_fWidthFraction;
    }
    CDockContext::StartDrag(pt);
    if (pFw != nullptr && bWasFloating && !m_pBar->IsFloating()) {
        pFw->m_fWidthFraction = pFw->m_fSavedFraction;
    }
    NoteDockChange(bWasFloating);
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
