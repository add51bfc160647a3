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
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // A wrapper that does not own the menu, kept until DeleteTempMap; null for null.
    static CMenu* FromHandle(HMENU hMenu);
    static void DeleteTempMap();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // From the current resource module, then the chain of library modules.
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL DestroyMenu();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    // The previous state, or -1 (Win32's result).
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    DWORD CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};
