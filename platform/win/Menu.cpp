#include "platform/win/Menu.h"

#include <memory>
#include <unordered_map>

#include "platform/base/ResMgr.h"
#include "platform/win/Wnd.h"

namespace
{
std::unordered_map<HMENU, std::unique_ptr<CMenu>>& TempMenus()
{
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> map;
    return map;
}
} // namespace

CMenu::CMenu() : m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr) {
        return nullptr;
    }
    auto& temps = TempMenus();
    auto it = temps.find(hMenu);
    if (it != temps.end()) {
        return it->second.get();
    }
    auto pMenu = std::make_unique<CMenu>();
    pMenu->m_hMenu = hMenu;
    CMenu* pResult = pMenu.get();
    temps.emplace(hMenu, std::move(pMenu));
    return pResult;
}

void CMenu::DeleteTempMap()
{
    auto& temps = TempMenus();
    for (auto& item : temps) {
        item.second->Detach();
    }
    temps.clear();
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(4)); // RT_MENU
    if (hInst == nullptr) {
        return FALSE;
    }
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return ::DestroyMenu(Detach());
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr) {
        return FALSE;
    }
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

DWORD CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength + 1), nLength + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr, lpRect);
}
