// The tool-bar manager of a frame: button images, default bar definitions, the ToolTips, CoolLook
// and LargeButtons settings, the menu bar's items, the shared painting cache and the customise phase.
#pragma once

#include <windows.h>

#include "framework/FwButtonPaintCache.h"
#include "framework/FwControlBarManager.h"
#include "platform/base/DWordArray.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/PtrArray.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"

class CWnd;
class FwBmpMgr;
struct FwButtonMapEntry;
class FwCustomToolBar;
class FwMenuBar;
struct FwMenuBarEntry;

// Type ids the manager gives the saved records of its bars.
#define FW_BARTYPE_TOOLBAR 14946
#define FW_BARTYPE_MENUBAR 14947
// The menu bar's control id and the range of user bars below it.
#define FW_IDW_MENUBAR 0xE8FF
#define FW_IDW_FIRSTUSERBAR 0xE820
// Codes of "WM_BARNOTIFY".
#define FWBN_SHOWN 0
#define FWBN_HIDDEN 1
#define FWBN_CREATED 2
#define FWBN_DESTROYED 3
#define FWBN_SELCHANGED 4

class FwToolBarManager : public FwControlBarManager
{
    FX_DECLARE_DYNAMIC(FwToolBarManager)

public:
    FwToolBarManager(CFrameWnd* pFrame, CWnd* pOwner);
    ~FwToolBarManager() override;
    FwToolBarManager(const FwToolBarManager&) = delete;
    FwToolBarManager& operator=(const FwToolBarManager&) = delete;

    BOOL LoadStateFromNode(FwPersistentTreeNode* pParent) override;
    void LoadState(LPCSTR lpszProfileName) override;
    BOOL SaveStateToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent) override;
    void SaveState(LPCSTR lpszProfileName) override;
    DWORD GetBarTypeID(CControlBar* pBar) override;
    FwControlBarInfoEx* CreateBarInfo(FwControlBarInfo* pInfo) override;
    CControlBar* CreateBarFromInfo(FwControlBarInfo* pInfo) override;
    virtual FwCustomToolBar* FindToolBarInRect(LPCRECT lpRect);
    virtual FwCustomToolBar* FindToolBar(UINT nID);
    virtual void CreateDefaultToolBars();
    virtual BOOL ApplyLargeButtons();
    virtual void RefreshToolBars();

    BOOL AddToolBarResource(LPCSTR lpszSmall, LPCSTR lpszLarge);
    BOOL NoOp() { return TRUE; }
    // pButtons stays the caller's; 0 stands for a separator.
    void AddDefaultToolBar(UINT nID, LPCSTR lpszTitle, int nButtons, const UINT* pButtons, DWORD dwAlignment,
                           UINT nDockBarID, UINT nDockBehindID, BOOL bDocked, BOOL bVisible);
    BOOL GetDefaultToolBar(UINT nID, int& nButtons, const UINT*& pButtons) const;
    int GetDefaultToolBarCount() const { return static_cast<int>(m_arrDefaults.GetSize()); }

    void EnableToolTips(BOOL bEnable);
    BOOL EnableCoolLook(BOOL bEnable, DWORD dwExStyle);
    void EnableLargeButtons(BOOL bEnable);
    BOOL IsToolTips() const { return m_bToolTips; }
    BOOL IsCoolLook() const { return m_bCoolLook; }
    BOOL IsLargeButtons() const { return m_bLargeButtons; }
    void ApplyButtonSize(FwCustomToolBar* pBar);
    // The style of every bar the manager creates.
    DWORD GetBarStyle() const;

    // The first free id from 0xE820 (null when none below 0xE900); an empty title gives "ToolBar%d".
    FwCustomToolBar* CreateUserToolBar(LPCSTR lpszTitle);

    // Parses the menu resources into the menu bar's items; FALSE when no resource gave a title or
    // the frame has no menu bar.
    BOOL SetMenuBarMenus(int nCount, ...);
    void SetMenuBarButtons(int nCount, const UINT* pIDs);
    void GetMenuBarButtons(UINT*& pIDs, int& nCount) const;
    const FwMenuBarEntry* GetMenuBarEntries() const { return m_pMenuEntries; }
    // The frame's menu bar (a FwFrameWnd or FwMDIFrameWnd only), or null.
    FwMenuBar* GetFrameMenuBar() const;

    void BeginCustomize();
    void EndCustomize();
    BOOL IsCustomizing() const { return m_bCustomizing; }
    void SetCustomizeMode(BOOL bMode);
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    void SetCustomizeDialog(CWnd* pDialog) { m_pCustomizeDlg = pDialog; }
    void GetCustomizeDialogRect(LPRECT lpRect) const;

    void NotifyButtons(UINT nID, int nCode, const DWORD* pData);
    void AddNotifyWindow(CWnd* pWnd);
    void RemoveNotifyWindow(CWnd* pWnd);
    void NotifyBars(UINT nBarID, LPARAM lCode);

    FwButtonPaintCache* GetPaintCache() { return &m_paintCache; }
    FwBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    // Every custom tool bar of the frame (the menu bar too), in the frame's bar-list order.
    void GetToolBars(CPtrArray& arrBars) const;

    // The bar holding the one selected button of the frame.
    FwCustomToolBar* m_pSelectedBar;
    // While a bar's command runs: the screen rectangle of its button.
    struct CommandSource
    {
        int nRefs;
        CRect rcButton;
        BOOL bRunning;
    };
    CommandSource* m_pCommandSource;
    CRuntimeClass* m_pToolBarClass;
    CWnd* m_pOwner;
    // Special buttons of the manager's bars (null: only standard buttons).
    const FwButtonMapEntry* m_pButtonMap;

    // The registered "WM_BARNOTIFY" message.
    static UINT GetBarNotifyMessage();

protected:
    FwCustomToolBar* NewToolBar();
    // Owner, manager, images, window, button size, docking and auto-delete, as for every bar.
    BOOL SetUpBar(FwCustomToolBar* pBar, UINT nID, LPCSTR lpszTitle, BOOL bOwner, BOOL bAutoDelete);
    void FreeMenuEntries();

    CDWordArray m_arrDisabled;
    CPtrArray m_arrDefaults;
    CPtrArray m_arrNotify;
    CWnd* m_pCustomizeDlg;
    BOOL m_bCustomizing;
    BOOL m_bCustomizeMode;
    BOOL m_bToolTips;
    BOOL m_bFlyBy;
    BOOL m_bCoolLook;
    BOOL m_bLargeButtons;
    UINT* m_pMenuBarIDs;
    int m_nMenuBarIDs;
    FwMenuBarEntry* m_pMenuEntries;
    CFxComPtr<FwBmpMgr> m_pBmpMgr;
    FwButtonPaintCache m_paintCache;
};
