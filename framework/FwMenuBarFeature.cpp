#include "framework/FwMenuBarFeature.h"

#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMenuBar.h"
#include "framework/FwToolBarManager.h"
#include "platform/base/Firewall.h"
#include "platform/frame/FrameWnd.h"

FX_IMPLEMENT_DYNAMIC(FwMenuBarFeature, FwBmpMenuPlugIn)

FwMenuBarFeature::FwMenuBarFeature(FwMenuBar* pMenuBar)
    : FwBmpMenuPlugIn(TRUE), m_pMenuBar(pMenuBar), m_bIconDoubleClicked(FALSE)
{
}

BOOL FwMenuBarFeature::SwitchMenu(UINT nMenuID)
{
    if (m_pMenuBar == nullptr || !m_pMenuBar->SwitchMenu(nMenuID)) {
        return FALSE;
    }
    if (m_pMenuBar->m_hWnd != nullptr) {
        m_pMenuBar->Invalidate();
    }
    CFrameWnd* pFrame = m_pMenuBar->m_pDockSite;
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
        if (dynamic_cast<FwMDIFrameWnd*>(pFrame) != nullptr) {
            pFrame->DelayRecalcLayout();
        } else {
            pFrame->RecalcLayout();
        }
    }
    return TRUE;
}

FwMenuBarFeature* FwMenuBarFeature::s_pSystemMenuFeature = nullptr;
HHOOK FwMenuBarFeature::s_hSystemMenuHook = nullptr;

CRect FwMenuBarFeature::GetCaptionIconRect() const
{
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    rc.left += ::GetSystemMetrics(SM_CXSIZEFRAME);
    rc.top += ::GetSystemMetrics(SM_CYSIZEFRAME);
    rc.right = rc.left + ::GetSystemMetrics(SM_CXSIZE);
    rc.bottom = rc.top + ::GetSystemMetrics(SM_CYSIZE);
    return rc;
}

void FwMenuBarFeature::TrackSystemMenu()
{
    HMENU hSys = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSys == nullptr || s_pSystemMenuFeature != nullptr) {
        return;
    }
    const CRect rcIcon = GetCaptionIconRect();
    m_bIconDoubleClicked = FALSE;
    s_pSystemMenuFeature = this;
    s_hSystemMenuHook = ::SetWindowsHookExA(WH_MSGFILTER, SystemMenuFilterProc, nullptr, ::GetCurrentThreadId());
    const UINT nCmd = static_cast<UINT>(
        ::TrackPopupMenu(hSys, TPM_LEFTALIGN | TPM_RETURNCMD, rcIcon.left, rcIcon.bottom, 0, m_hWnd, nullptr));
    if (s_hSystemMenuHook != nullptr) {
        ::UnhookWindowsHookEx(s_hSystemMenuHook);
        s_hSystemMenuHook = nullptr;
    }
    s_pSystemMenuFeature = nullptr;
    if (m_bIconDoubleClicked) {
        const UINT nDefault = ::GetMenuDefaultItem(hSys, FALSE, 0);
        if (nDefault != static_cast<UINT>(-1)) {
            ::SendMessageA(m_hWnd, WM_SYSCOMMAND, nDefault, 0);
        }
    } else if (nCmd != 0) {
        ::SendMessageA(m_hWnd, WM_SYSCOMMAND, nCmd, 0);
    }
}

LRESULT CALLBACK FwMenuBarFeature::SystemMenuFilterProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const BOOL bTaken = FxCallbackEntry("FwMenuBarFeature::SystemMenuFilterProc", FALSE, [&]() -> BOOL {
        return nCode == MSGF_MENU && s_pSystemMenuFeature != nullptr && lParam != 0 &&
               s_pSystemMenuFeature->FilterSystemMenuMessage(reinterpret_cast<const MSG*>(lParam));
    });
    return bTaken ? TRUE : ::CallNextHookEx(s_hSystemMenuHook, nCode, wParam, lParam);
}

BOOL FwMenuBarFeature::FilterSystemMenuMessage(const MSG* pMsg)
{
    POINT pt = {static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ::ClientToScreen(pMsg->hwnd, &pt);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        break;
    default:
        return FALSE;
    }
    if (!GetCaptionIconRect().PtInRect(pt)) {
        return FALSE;
    }
    if (pMsg->message == WM_LBUTTONDBLCLK || pMsg->message == WM_NCLBUTTONDBLCLK) {
        m_bIconDoubleClicked = TRUE;
    }
    // Posted: the menu loop must not end inside its own filter call.
    ::PostMessageA(m_hWnd, WM_CANCELMODE, 0, 0);
    return TRUE;
}

BOOL FwMenuBarFeature::OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr) {
        switch (message) {
        case WM_SYSCHAR: {
            const char ch = static_cast<char>(wParam);
            if (ch == ' ') {
                TrackSystemMenu();
                return TRUE;
            }
            const int nIndex = m_pMenuBar->FindMnemonic(ch);
            if (nIndex < 0) {
                break;
            }
            m_pMenuBar->TrackTitle(nIndex, TRUE);
            return TRUE;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                // Alt alone or F10 (no letter) open the first title, a letter its title; Alt+Space
                // and letters no title has go to the system menu.
                const int nIndex = lParam == 0     ? m_pMenuBar->NextTitle(-1, 1)
                                   : lParam != ' ' ? m_pMenuBar->FindMnemonic(static_cast<char>(lParam))
                                                   : -1;
                if (nIndex >= 0 && m_pMenuBar->IsWindowVisible()) {
                    m_pMenuBar->TrackTitle(nIndex, TRUE);
                } else {
                    TrackSystemMenu();
                }
                return TRUE;
            }
            break;
        case WM_NOTIFY: {
            const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
            if (pHdr == nullptr || pHdr->hwndFrom != m_pMenuBar->m_hWnd ||
                pHdr->code != static_cast<UINT>(FWMBN_OPEN)) {
                break;
            }
            const FwMenuBar::OpenNotify* pOpen = reinterpret_cast<const FwMenuBar::OpenNotify*>(lParam);
            m_pMenuBar->TrackTitle(pOpen->nIndex, pOpen->bKeyboard);
            *pResult = 1;
            return TRUE;
        }
        default:
            break;
        }
    }
    return FwBmpMenuPlugIn::OnPlugInMessage(message, wParam, lParam, pResult);
}

FwWndPlugIn* FwCreateFramePlugIn(CWnd* pFrame, FwMenuBar* pMenuBar, BOOL bBmpMenus, FwControlBarManager* pManager)
{
    FwBmpMenuPlugIn* pPlugIn = nullptr;
    if (pMenuBar != nullptr) {
        pPlugIn = new FwMenuBarFeature(pMenuBar);
    } else if (bBmpMenus) {
        pPlugIn = new FwBmpMenuPlugIn(TRUE);
    }
    if (pPlugIn == nullptr) {
        return nullptr;
    }
    pPlugIn->Attach(pFrame);
    FwToolBarManager* pToolBars = dynamic_cast<FwToolBarManager*>(pManager);
    if (bBmpMenus && pToolBars != nullptr) {
        pPlugIn->SetBmpMgr(pToolBars->GetBmpMgr());
    }
    return pPlugIn;
}

BOOL FwIsCustomizing(const FwControlBarManager* pManager)
{
    const FwToolBarManager* pToolBars = dynamic_cast<const FwToolBarManager*>(pManager);
    return pToolBars != nullptr && pToolBars->IsCustomizing();
}
