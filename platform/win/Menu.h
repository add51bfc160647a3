// Owns a menu; the temporaries FromHandle and GetSubMenu give never destroy theirs.
#pragma once

#include "platform/base/String.h"

class CWnd;

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

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // lpszNewItem is the item's data (not text) for MF_OWNERDRAW items.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // The previous state, or (UINT)-1 when the item does not exist.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // Shows the popup at the screen point; the chosen command goes to pWnd (a frame routes it)
    // unless TPM_RETURNCMD asks for it as the result.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

private:
    BOOL m_bOwner;
};
