// The dockable menu bar that replaces a frame's window menu: one title button per top-level item
// of one or more menu resources, masks to show one menu's titles, popups tracked under a title
// with the mouse and the keyboard.
#pragma once

#include <windows.h>

#include <map>

#include "framework/FwBarButton.h"
#include "framework/FwCustomToolBar.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/Font.h"
#include "platform/win/Menu.h"

typedef FwBarButton* (*FwCreateButtonFn)();

// One title of the menu bar; a list of them ends with an all-zero entry.
struct FwMenuBarEntry
{
    FwCreateButtonFn pfnCreate;
    UINT nID;
    DWORD dwStyle;
    UINT nMenuID;
    int nPos;
    int nText;
    DWORD dwMask;
};

// The first command id given to a title.
#define FW_MENUBAR_FIRSTID 0x80000001u
// The framework's own open notification of a title (WM_NOTIFY to the frame).
#define FWMBN_OPEN (-2120)

class FwMenuBar : public FwCustomToolBar
{
    FX_DECLARE_DYNCREATE(FwMenuBar)

public:
    // The open notification: which title, and whether the keyboard opened it.
    struct OpenNotify
    {
        NMHDR hdr;
        int nIndex;
        BOOL bKeyboard;
    };

    FwMenuBar();
    ~FwMenuBar() override;

    BOOL Create(DWORD dwExStyle, CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle) override;
    using FwCustomToolBar::Create;

    // Parses the menus into titles and masks and returns a new entry list (new[], ended by a zero
    // entry), or null when no resource gave a title.
    FwMenuBarEntry* ParseMenus(int nCount, const UINT* pIDs);
    // The bar's own list (when it has no manager); buttons are set at once.
    virtual BOOL SetMenus(int nCount, ...);
    virtual int FindMnemonic(char ch) const;
    virtual void ShowMenu(DWORD dwMask, BOOL bRedraw);
    virtual void ResetMenu(BOOL bNoLayout);
    // TRUE when the menu has a mask (20514 stands for the main frame's menu).
    BOOL SwitchMenu(UINT nMenuID);
    DWORD GetMask() const { return m_dwMask; }
    UINT GetShownMenu() const { return m_nShownMenu; }
    DWORD GetMenuMask(UINT nMenuID) const;
    const CStringArray& GetTitles() const { return m_arrTitles; }
    HFONT GetMenuFont() const override;
    BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRedraw) override;
    FwBarButton* CreateButton(UINT nID) override;

    // Sends the open notification for a title; the frame's feature tracks it, or else the bar.
    void OpenTitle(int nIndex, BOOL bKeyboard);
    // Tracks the popup of a title, then of any title the mouse or the arrows switch to.
    virtual void TrackTitle(int nIndex, BOOL bKeyboard);
    // The popup of a title: the frame answers "WM_FWGETMENU", else the bar loads the menu itself.
    HMENU GetTitlePopup(int nIndex);
    int NextTitle(int nIndex, int nStep) const;
    // The title whose popup is open, -1 when none.
    int GetTrackingTitle() const { return m_nTracking; }
    // A key the message loop meets in any window of the frame, before the focus window sees it:
    // Alt+letter opens the title with that mnemonic, F10 the first title, both from the keyboard.
    // TRUE when taken.
    BOOL TranslateMenuKey(const MSG* pMsg);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Floating asks for the floating frame's close box to go at the next idle update.
    void SetBarStyle(DWORD dwStyle) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    static UINT GetMenuMessage();
    static UINT GetProdMessage();

protected:
    const FwMenuBarEntry* GetEntries() const;
    static LRESULT CALLBACK MsgFilterProc(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL FilterMenuMessage(MSG* pMsg);
    void MakeMenuFont();

    std::map<UINT, DWORD> m_mapMasks;
    CStringArray m_arrTitles;
    BOOL m_bFloatRestyle;
    CFont m_fontMenu;
    DWORD m_dwMask;
    UINT m_nShownMenu;
    FwMenuBarEntry* m_pEntries;
    // Menus the bar loaded itself for titles the frame gave no popup for.
    std::map<UINT, CMenu> m_mapLoaded;
    int m_nTracking;
    int m_nRequested;
    BOOL m_bRequestKeyboard;
    POINT m_ptLastMouse;

    static FwMenuBar* s_pTracking;
    static HHOOK s_hHook;
};
