// Owns a menu; the temporaries FromHandle and GetSubMenu give never destroy theirs.
#pragma once

#include "platform/base/String.h"

class FX_API CMenu
{
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu;
    operator HMENU() const { return m_hMenu; }

    // A view (never destroys the menu) kept until FxDeleteTempMaps; null for null.
    static CMenu* FromHandle(HMENU hMenu);

    // From the current resource module, then the chain of library modules.
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCSTR lpszResourceName);
    // FALSE, and the menu kept, for a view: only the owner destroys.
    BOOL DestroyMenu();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

private:
    BOOL m_bOwner;
};
