#include "framework/FwWndPlugIn.h"

FX_IMPLEMENT_DYNAMIC(FwWndPlugIn, CWnd)

FwWndPlugIn::FwWndPlugIn()
    : m_bHandled(FALSE), m_bCallDefault(FALSE), m_bResultGiven(FALSE), m_lResult(0), m_bAttached(FALSE)
{
}

FwWndPlugIn::~FwWndPlugIn()
{
    m_hWnd = nullptr;
    m_bAttached = FALSE;
}

void FwWndPlugIn::SetResult(LRESULT lResult)
{
    m_lResult = lResult;
    m_bResultGiven = TRUE;
}

BOOL FwWndPlugIn::Attach(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) {
        return FALSE;
    }
    // Borrowed only: the plug-in is not entered in the handle map, so the host keeps its object.
    m_hWnd = pWnd->m_hWnd;
    m_bAttached = TRUE;
    return TRUE;
}

void FwWndPlugIn::Detach()
{
    m_hWnd = nullptr;
    m_bAttached = FALSE;
}

BOOL FwWndPlugIn::OfferMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    const BOOL bHandled = OnWndMsg(message, wParam, lParam, &lResult);
    if (pResult != nullptr) {
        *pResult = lResult;
    }
    return bHandled;
}

BOOL FwWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bAttached) {
        return FALSE;
    }
    m_bHandled = FALSE;
    m_bCallDefault = FALSE;
    LRESULT lResult = 0;
    m_bHandled = OnPlugInMessage(message, wParam, lParam, &lResult);
    if (m_bResultGiven) {
        lResult = m_lResult;
        m_bResultGiven = FALSE;
    }
    if (pResult != nullptr) {
        *pResult = lResult;
    }
    return m_bHandled;
}

BOOL FwWndPlugIn::OnPlugInMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL FwWndPlugIn::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    return m_bAttached ? CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) : FALSE;
}

LRESULT FwWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bAttached || !m_bCallDefault) {
        return 0;
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}
