// The state of one command's user-interface item (a menu item or a bar's button) while its
// update handler runs: the handler enables, checks or renames it.
#pragma once

#include "platform/win/MsgMap.h"

class CCmdTarget;
class CMenu;
class CWnd;

class FX_API CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;
    // A menu item: the menu and the item's position; else the other item (a bar or a button).
    CMenu* m_pMenu;
    CWnd* m_pOther;
    // A handler sets it to let the update route on to the next target.
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons only).
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // Routes the update to pTarget; when nobody answered and bDisableIfNoHandler, an item whose
    // command has no handler either is disabled. TRUE when a handler answered.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    // Whether the last DoUpdate found an update handler or left the item enabled.
    BOOL m_bEnableChanged;
};
