#include "platform/win/CmdUI.h"

#include "platform/win/CmdTarget.h"
#include "platform/win/Menu.h"
#include "platform/win/Wnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pOther(nullptr), m_bContinueRouting(FALSE), m_bEnableChanged(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther != nullptr) {
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr) {
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr && bOn) {
        ::CheckMenuRadioItem(m_pMenu->m_hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu != nullptr) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_STRING;
        mii.dwTypeData = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
        ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
    } else if (m_pOther != nullptr) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (pTarget == nullptr) {
        return FALSE;
    }
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    const BOOL bHandled = pTarget->OnCmdMsg(m_nID, FX_CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!bHandled && bDisableIfNoHandler && !m_bEnableChanged) {
        // Only looked for: the command must not run while its item is being updated.
        int nProbe = 0;
        Enable(pTarget->OnCmdMsg(m_nID, FX_CN_COMMAND, nullptr, &nProbe));
    }
    return bHandled;
}
