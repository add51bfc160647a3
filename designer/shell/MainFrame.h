// The designer's main window: a workbook whose MDI children (template and script windows) show
// as tabs, with the tool-bar manager and menu bar, five default tool bars, the status bar and
// its progress control, the output bar and the workspace bar with the template tree. It is the
// shell the template and script windows reach through the links it hands them. Libraries write
// to the output bar through messages 0x441 (tip), 0x442 (error) and 0x443 (progress).
#pragma once

#include <vector>

#include "core/CappCell.h"
#include "designer/script/ScriptSheetLink.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/shell/OutputBar.h"
#include "designer/shell/WorkSpaceWnd.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwToolBarManager.h"
#include "framework/FwWorkbook.h"
#include "platform/base/StringArray.h"
#include "platform/frame/StatusBar.h"
#include "platform/win/ProgressCtrl.h"

class CCappSheetDefView;
class CFrameWnd;

// lParam: the address of a CString, copied before use; a null address is ignored.
const UINT WM_DESIGN_TIP = 0x441;
const UINT WM_DESIGN_ERROR = 0x442;
// wParam: the progress 0..100; 100 and above end it.
const UINT WM_DESIGN_PROGRESS = 0x443;

class CMainFrame : public FwWorkbook, public CDesignShellLink, public CScriptSheetLink
{
    FX_DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    void AppendTip(LPCSTR lpszText);
    void AppendError(LPCSTR lpszText);
    void SetProgress(int nPercent);
    // The one open routine of the menu, Ctrl+O, the command line, the tree and the recent files:
    // activates the window that holds the path, else loads it into a new sheet-definition window.
    // Always 0.
    int OpenTemplate(LPCSTR lpszPath);
    // The open command (menu and Ctrl+O): asks for a template, then opens it.
    void OnDesignOpen();
    // An empty sheet-definition window titled "新增"; its view, or null.
    CCappSheetDefView* NewSheetDefWindow();
    // A script window with the title ("新增" when empty); null when it cannot be made.
    CFrameWnd* NewScriptWindow(LPCSTR lpszTitle) override;
    void RefillTemplateTree();
    // The sheet-definition views of the open windows, in tab order.
    std::vector<CCappSheetDefView*> GetSheetDefViews() const;
    // New template (0x80CA): the New-template dialog, then a window with the chosen template
    // loaded as new, or a blank sheet sized in the page setup sheet.
    void OnFileNew();

    // What the sheet windows ask of the shell.
    void ReportTip(LPCSTR lpszText) override { AppendTip(lpszText); }
    void ReportError(LPCSTR lpszText) override { AppendError(lpszText); }
    void TemplateFileUsed(LPCSTR lpszPath, BOOL bFirstSave) override;
    CFrameWnd* FindScriptWindow(const CFrameWnd* pSheetFrame) override;
    void OpenScriptWindow(CFrameWnd* pSheetFrame) override;
    BOOL CloseScriptWindow(const CFrameWnd* pSheetFrame) override;
    BOOL StoreScriptWindow(const CFrameWnd* pSheetFrame) override;
    void SetCopiedCell(const CCappCell* pCell) override;
    BOOL HasCopiedCell() const override { return m_bCellCopied; }
    void PasteCopiedCell(CCappCell* pCell) const override;
    const CStringArray& GetVarNames() const override { return m_arrVarNames; }
    // What the script windows ask of the shell.
    CCappSheet* GetSheetOf(const CFrameWnd* pSheetFrame) const override;
    void MarkSheetChanged(const CFrameWnd* pSheetFrame) override;

    // The card-variable names of "VarName.ini" in the work directory.
    void ReadVarNames();
    // Entries "VARNAME0".. of section "VARNAME" of "<work dir>\VarName.ini", "count" of them,
    // empty ones kept; each at most 199 characters.
    static void ReadVarNameFile(LPCSTR lpszWorkDir, CStringArray& arrNames);

    CString m_strPane1;
    CString m_strPane2;
    BOOL m_bKeepBarState;
    CCappCell m_copiedCell;
    BOOL m_bCellCopied;
    CStringArray m_arrVarNames;
    CWorkSpaceWnd m_wndWorkSpace;
    BOOL m_bProgressShown;
    CProgressCtrl m_wndProgress;
    CStatusBar m_wndStatusBar;
    COutputBar m_wndOutput;
    FwToolBarManager* m_pToolBarManager;
    FwMDIMenuBar* m_pMDIMenuBar;

    // The menu bar's keys (Alt+letter, F10) wherever the focus is, then the frame's own.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    // The window menu lists every open window when it opens, also those shown after the last
    // activation.
    void OnInitMenuPopup(HMENU hPopup) override;
    LRESULT OnDesignTip(WPARAM wParam, LPARAM lParam);
    LRESULT OnDesignError(WPARAM wParam, LPARAM lParam);
    LRESULT OnDesignProgress(WPARAM wParam, LPARAM lParam);
    void OnSaveAll();
    void OnCloseAll();
    void OnUpdateCloseAll(CCmdUI* pCmdUI);
    void OnOptions();
    void OnToolBars();
    void OnViewOutputBar();
    void OnUpdateViewOutputBar(CCmdUI* pCmdUI);
    void OnViewWorkSpaceBar();
    void OnUpdateViewWorkSpaceBar(CCmdUI* pCmdUI);
    void OnLoadPrintSettings();
    void OnSavePrintSettings();
    void OnHelp();
    void OnApiHelp();
    void OnNothing();
    void OnUpdatePane(CCmdUI* pCmdUI);

    FX_DECLARE_MESSAGE_MAP()

private:
    // The view of a template window that is still among the workbook's windows; null otherwise.
    CCappSheetDefView* OpenSheetView(const CFrameWnd* pSheetFrame) const;
    void AppendLine(CEdit& edit, int nTab, LPCSTR lpszText);
    // The page "%s\..." under the work directory, handed to the shell; a missing page is told
    // to the user (FALSE).
    BOOL OpenHelpPage(LPCSTR lpszFormat);
};
