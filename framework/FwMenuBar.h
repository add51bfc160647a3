// The dockable menu bar that replaces a frame's window menu: one title button per top-level item
// of one or more menu resources, masks to show one menu's titles, popups tracked under a title
// with the mouse and the keyboard; the MDI form adds the maximised child's icon and caption buttons.
#pragma once

#include <windows.h>

#include <map>

#include "framework/FwBarButton.h"
#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwCustomToolBar.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/Font.h"
#include "platform/win/Menu.h"

class FwMenuBar;

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

// A title button: its text, menu and position, and its mnemonic.
class FwTextButton : public FwBarButton
{
public:
    FwTextButton();
    static FwBarButton* CreateObject() { return new FwTextButton; }

    void Measure() override;
    void Paint(CDC* pDC, FwButtonPaintCache* pCache) override;
    BOOL OnPress() override;
    virtual char GetMnemonic() const { return m_chMnemonic; }
    void SetText(const CString& strText);

    CString m_strText;
    UINT m_nMenuID;
    int m_nPos;
    DWORD m_dwMask;
    char m_chMnemonic;
};

class FwMenuBar : public FwCustomToolBar
{
    FX_DECLARE_DYNCREATE(FwMenuBar)

public:
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

// The MDI form: the maximised child's system-menu icon first, its caption buttons last.
class FwMDIMenuBar : public FwMenuBar
{
    FX_DECLARE_DYNCREATE(FwMDIMenuBar)

public:
    FwMDIMenuBar();
    ~FwMDIMenuBar() override;

    // Shows or hides the icon and caption buttons for the active MDI child; TRUE when they changed.
    virtual BOOL UpdateChildButtons();
    BOOL HasChildButtons() const { return m_bChildButtons; }
    void ResetMenu(BOOL bNoLayout) override;
    void RemoveAllButtons() override;
    void SaveButtons(FwCustomToolBarInfoEx* pInfoEx) override;
    void RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx) override;
    // Presses a caption part at a client point: 0 minimise, 1 restore, 2 close; -1 none.
    int CaptionPartFromPoint(CPoint point) const;
    // The caption buttons keep to the right end of the bar's first row.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void TakeOutChildButtons();
    void PutBackChildButtons();

    FwBarButton* m_pIcon;
    FwBarButton* m_pCaption;
    BOOL m_bChildButtons;
    HWND m_hWndChild;
    int m_nPressedPart;
};

// The frame's plug-in when it has a menu bar: bitmap menus plus keyboard access to the bar.
class FwMenuBarFeature : public FwBmpMenuPlugIn
{
    FX_DECLARE_DYNAMIC(FwMenuBarFeature)

public:
    explicit FwMenuBarFeature(FwMenuBar* pMenuBar);

    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // Shows the titles of a menu and lays the frame out again; FALSE when the bar has no such menu.
    BOOL SwitchMenu(UINT nMenuID);
    // Tracks the frame's system menu at its caption icon and sends the chosen command. While it is
    // open a click on the icon closes it and a double click there sends the menu's default command.
    void TrackSystemMenu();
    // The frame's caption icon (screen): the window less its sizing border, one caption button high.
    CRect GetCaptionIconRect() const;

protected:
    BOOL OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The system menu's filter: TRUE for a press or double click on the caption icon, taken here.
    BOOL FilterSystemMenuMessage(const MSG* pMsg);
    static LRESULT CALLBACK SystemMenuFilterProc(int nCode, WPARAM wParam, LPARAM lParam);

    FwMenuBar* m_pMenuBar;
    BOOL m_bIconDoubleClicked;
    static FwMenuBarFeature* s_pSystemMenuFeature;
    static HHOOK s_hSystemMenuHook;
};

class FwControlBarManager;

// What both framework frames share of their plug-in. The plug-in that fits a frame: the menu-bar
// feature with a menu bar, else the bitmap-menu plug-in with bitmap menus on, attached and given
// the tool-bar manager's images when bitmap menus are on; null when neither applies.
FwWndPlugIn* FwCreateFramePlugIn(CWnd* pFrame, FwMenuBar* pMenuBar, BOOL bBmpMenus, FwControlBarManager* pManager);
// Whether the frame's tool-bar manager is in its customising mode.
BOOL FwIsCustomizing(const FwControlBarManager* pManager);
