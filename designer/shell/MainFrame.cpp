#include "designer/shell/MainFrame.h"

#include <shellapi.h>

#include <cmath>
#include <cstdlib>

#include "core/CappDCHelper.h"
#include "core/CardCommFun.h"
#include "core/PrinterDeviceHelper.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefDoc.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/DesignOptionSh.h"
#include "designer/template/NewTemplateDlg.h"
#include "designer/script/SampleDoc.h"
#include "designer/script/ScriptFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/ToolBarSetDlg.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwMenuBarFeature.h"
#include "framework/FwWorksheet.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNCREATE(CMainFrame, FwWorkbook)

FX_BEGIN_MESSAGE_MAP(CMainFrame, FwWorkbook)
FX_ON_WM_CREATE()
FX_ON_WM_CLOSE()
FX_ON_MESSAGE(WM_DESIGN_TIP, OnDesignTip)
FX_ON_MESSAGE(WM_DESIGN_ERROR, OnDesignError)
FX_ON_MESSAGE(WM_DESIGN_PROGRESS, OnDesignProgress)
FX_ON_COMMAND(ID_DESIGN_OPEN, OnDesignOpen)
FX_ON_COMMAND(ID_DESIGN_NEW, OnFileNew)
FX_ON_COMMAND(ID_DESIGN_SAVE_ALL, OnSaveAll)
FX_ON_COMMAND(ID_DESIGN_CLOSE_ALL, OnCloseAll)
FX_ON_UPDATE_COMMAND_UI(ID_DESIGN_CLOSE_ALL, OnUpdateCloseAll)
FX_ON_COMMAND(ID_DESIGN_OPTIONS, OnOptions)
FX_ON_COMMAND(ID_DESIGN_TOOLBARS, OnToolBars)
FX_ON_COMMAND(ID_VIEW_OUTPUT_BAR, OnViewOutputBar)
FX_ON_UPDATE_COMMAND_UI(ID_VIEW_OUTPUT_BAR, OnUpdateViewOutputBar)
FX_ON_COMMAND(ID_VIEW_WORKSPACE_BAR, OnViewWorkSpaceBar)
FX_ON_UPDATE_COMMAND_UI(ID_VIEW_WORKSPACE_BAR, OnUpdateViewWorkSpaceBar)
FX_ON_COMMAND(ID_LOAD_PRINT_SETTINGS, OnLoadPrintSettings)
FX_ON_COMMAND(ID_SAVE_PRINT_SETTINGS, OnSavePrintSettings)
FX_ON_COMMAND(ID_DESIGN_HELP, OnHelp)
FX_ON_COMMAND(ID_DESIGN_API_HELP, OnApiHelp)
FX_ON_COMMAND(ID_DESIGN_NOTHING, OnNothing)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_PANE1, OnUpdatePane)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_PANE2, OnUpdatePane)
FX_END_MESSAGE_MAP()

namespace
{
const UINT kFileButtons[21] = {0x80CA,
                               0,
                               0x8004,
                               0x8008,
                               0,
                               ID_FILE_PRINT,
                               ID_FILE_PRINT_PREVIEW,
                               0,
                               ID_EDIT_CUT,
                               ID_EDIT_COPY,
                               ID_EDIT_PASTE,
                               0,
                               0x8045,
                               0x8046,
                               0,
                               0x8048,
                               0x8049,
                               0x804C,
                               0x8079,
                               0,
                               0x844A};
const UINT kLineButtons[10] = {0x8BC8, 0, 0x8BC5, 0x8BC1, 0x8BC9, 0x8BC2, 0x8BC6, 0x8087, 0, 0x8BC7};
const UINT kViewButtons[6] = {0x8051, 0x7FF9, 0x7FFA, 0x7FFB, 0x804D, 0x7FFC};
const UINT kCellButtons[10] = {0x800B, 0x8072, 0, 0x80A2, 0, 0x8012, 0x800E, 0x8010, 0, 0x8BCA};
const UINT kFreeButtons[18] = {0x8069, 0,      0x806A, 0x806B, 0x806C, 0x8093, 0x8096, 0x84CC, 0,
                               0x8110, 0x8111, 0x8112, 0x8113, 0x8114, 0x8115, 0x8116, 0x8117, 0x8118};
const UINT kIndicators[6] = {ID_SEPARATOR,      ID_INDICATOR_PANE1, ID_INDICATOR_PANE2,
                             ID_INDICATOR_CAPS, ID_INDICATOR_NUM,   ID_INDICATOR_SCRL};
const UINT kProgressID = 1;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

// The open or save dialog for print-setting files; empty when cancelled.
CString AskPrintSettingFile(HWND hOwner, BOOL bOpen)
{
    FxFileDialogParams params;
    params.pszFilter = bOpen ? "pst File(*.pst)\0*.pst\0\0" : "prt Files(*.pst)\0*.pst\0\0";
    params.pszDefExt = "*.pst";
    params.dwFlags = OFN_EXPLORER | OFN_HIDEREADONLY |
                     (bOpen ? static_cast<DWORD>(OFN_PATHMUSTEXIST) : static_cast<DWORD>(OFN_OVERWRITEPROMPT));
    CString strPath;
    return FxAskFileName(hOwner, bOpen, params, strPath) ? strPath : CString();
}
} // namespace

CMainFrame::CMainFrame()
    : m_bKeepBarState(FALSE), m_bCellCopied(FALSE), m_bProgressShown(FALSE), m_pToolBarManager(nullptr),
      m_pMDIMenuBar(nullptr)
{
    m_pToolBarManager = new FwToolBarManager(this, nullptr);
    SetToolBarManager(m_pToolBarManager);
    m_pMDIMenuBar = new FwMDIMenuBar;
    SetMenuBar(m_pMDIMenuBar);
    EnableBmpMenus(TRUE, TRUE);
}

CMainFrame::~CMainFrame()
{
    delete m_pMDIMenuBar;
    delete m_pToolBarManager;
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (!FwIsCustomizing(m_pToolBarManager) && m_pMDIMenuBar != nullptr && m_pMDIMenuBar->TranslateMenuKey(pMsg)) {
        return TRUE;
    }
    return FwWorkbook::PreTranslateMessage(pMsg);
}

void CMainFrame::OnInitMenuPopup(HMENU hPopup)
{
    if (m_hWndMDIClient != nullptr &&
        ::GetMenuState(hPopup, ID_WINDOW_CASCADE, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        // The workbook's subclass of the client does not pass these on to the system's MDI client
        // procedure, which keeps the list: that procedure is asked directly.
        auto pfnClient = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(m_hWndMDIClient, GCLP_WNDPROC));
        ::CallWindowProcA(pfnClient, m_hWndMDIClient, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(hPopup));
        ::CallWindowProcA(pfnClient, m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    FwWorkbook::OnInitMenuPopup(hPopup);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwWorkbook::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_pToolBarManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_MAINFRAME),
                                               MAKEINTRESOURCEA(IDR_MAINFRAME_LARGE)) ||
        !m_pToolBarManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_LINE_TOOLS),
                                               MAKEINTRESOURCEA(IDR_LINE_TOOLS_LARGE)) ||
        !m_pToolBarManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_FREE_TOOLS),
                                               MAKEINTRESOURCEA(IDR_FREE_TOOLS_LARGE)) ||
        // Pictures of the commands found on the menus only.
        !m_pToolBarManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_MENU_IMAGES),
                                               MAKEINTRESOURCEA(IDR_MENU_IMAGES_LARGE))) {
        return -1;
    }
    m_pToolBarManager->AddDefaultToolBar(ID_BAR_FILE, LoadText(IDS_BAR_FILE), 21, kFileButtons, CBRS_ALIGN_ANY,
                                         FX_IDW_DOCKBAR_TOP, 0, TRUE, TRUE);
    m_pToolBarManager->AddDefaultToolBar(ID_BAR_TABLE_LINE, LoadText(IDS_BAR_TABLE_LINE), 10, kLineButtons,
                                         CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP, ID_BAR_FILE, TRUE, TRUE);
    m_pToolBarManager->AddDefaultToolBar(ID_BAR_VIEW, LoadText(IDS_BAR_VIEW), 6, kViewButtons, CBRS_ALIGN_ANY,
                                         FX_IDW_DOCKBAR_TOP, ID_BAR_TABLE_LINE, TRUE, TRUE);
    m_pToolBarManager->AddDefaultToolBar(ID_BAR_CELL, LoadText(IDS_BAR_CELL), 10, kCellButtons, CBRS_ALIGN_ANY,
                                         FX_IDW_DOCKBAR_LEFT, 0, TRUE, TRUE);
    m_pToolBarManager->AddDefaultToolBar(ID_BAR_FREE_OBJECT, LoadText(IDS_BAR_FREE_OBJECT), 18, kFreeButtons,
                                         CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_LEFT, ID_BAR_CELL, TRUE, TRUE);
    m_pToolBarManager->EnableCoolLook(TRUE, 0x300);

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, FX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 6)) {
        return -1;
    }
    EnableDocking(CBRS_ALIGN_ANY);

    if (!m_wndOutput.Create(this, "Output Window", 0x10008214, 0xF31, IDW_OUTPUT_BAR)) {
        return -1;
    }
    m_wndOutput.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarEx(&m_wndOutput, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
    ShowControlBar(&m_wndOutput, FALSE, FALSE);

    if (!m_wndWorkSpace.Create(this, "Project Workspace", 0x10001404, 0xF30, IDW_WORKSPACE_BAR)) {
        return -1;
    }
    m_wndWorkSpace.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarEx(&m_wndWorkSpace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 220);
    ShowControlBar(&m_wndWorkSpace, FALSE, FALSE);

    if (!m_pToolBarManager->SetMenuBarMenus(3, IDR_MAINFRAME, IDR_CAPPSHEETDEF, IDR_SCRIPT)) {
        return -1;
    }
    m_pToolBarManager->CreateDefaultToolBars();
    return 0;
}

void CMainFrame::OnClose()
{
    // Children close from the last tab to the first; one that stays (its user cancelled) keeps
    // the frame open.
    for (int i = GetWorksheetCount() - 1; i >= 0; --i) {
        if (FwWorksheet* pSheet = GetWorksheet(i)) {
            pSheet->SendMessage(WM_CLOSE);
        }
    }
    if (GetWorksheetCount() > 0) {
        return;
    }
    if (m_bKeepBarState) {
        SaveBarState("DesignBarState");
    }
    FwWorkbook::OnClose();
}

void CMainFrame::AppendLine(CEdit& edit, int nTab, LPCSTR lpszText)
{
    if (!::IsWindow(m_wndOutput.m_hWnd)) {
        return;
    }
    CString strLine(lpszText);
    strLine += "\r\n";
    if (!m_wndOutput.IsWindowVisible()) {
        ShowControlBar(&m_wndOutput, TRUE, FALSE);
    }
    const int nLength = ::GetWindowTextLengthA(edit.m_hWnd);
    edit.SendMessage(EM_SETSEL, nLength, nLength);
    edit.SendMessage(EM_SCROLLCARET);
    edit.SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strLine)));
    m_wndOutput.m_wndTabs.ActivateTab(nTab);
}

void CMainFrame::AppendTip(LPCSTR lpszText)
{
    AppendLine(m_wndOutput.m_editTips, 0, lpszText);
}

void CMainFrame::AppendError(LPCSTR lpszText)
{
    AppendLine(m_wndOutput.m_editErrors, 1, lpszText);
}

LRESULT CMainFrame::OnDesignTip(WPARAM, LPARAM lParam)
{
    if (const auto* pText = reinterpret_cast<const CString*>(lParam)) {
        const CString strText(*pText);
        AppendTip(strText);
    }
    return 0;
}

LRESULT CMainFrame::OnDesignError(WPARAM, LPARAM lParam)
{
    if (const auto* pText = reinterpret_cast<const CString*>(lParam)) {
        const CString strText(*pText);
        AppendError(strText);
    }
    return 0;
}

LRESULT CMainFrame::OnDesignProgress(WPARAM wParam, LPARAM)
{
    SetProgress(static_cast<int>(static_cast<INT_PTR>(wParam)));
    return 0;
}

void CMainFrame::SetProgress(int nPercent)
{
    if (nPercent < 0) {
        nPercent = 0;
    }
    if (nPercent < 100) {
        if (!m_bProgressShown) {
            CRect rc;
            m_wndStatusBar.GetItemRect(0, &rc);
            if (rc.Width() > 250) {
                rc.right = rc.left + 250;
            }
            rc.top += 1;
            rc.bottom -= 2;
            if (!m_wndProgress.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, rc, &m_wndStatusBar, kProgressID)) {
                return;
            }
            m_wndProgress.SetRange(0, 100);
            m_wndProgress.SetStep(1);
            m_bProgressShown = TRUE;
        }
        m_wndProgress.SetPos(nPercent);
        return;
    }
    if (m_bProgressShown) {
        m_wndProgress.SetPos(100);
        m_wndProgress.DestroyWindow();
        m_bProgressShown = FALSE;
    }
}

int CMainFrame::OpenTemplate(LPCSTR lpszPath)
{
    // A window that holds the path takes it: the template never opens twice.
    for (CCappSheetDefView* pView : GetSheetDefViews()) {
        if (pView->GetPath() == lpszPath) {
            MDIActivate(pView->GetParentFrame());
            return 0;
        }
    }
    // A failed load is reported by the view and leaves the window empty.
    if (CCappSheetDefView* pView = NewSheetDefWindow()) {
        pView->LoadTemplate(lpszPath, FALSE);
    }
    return 0;
}

namespace
{

// The registered document template whose document name matches, without regard to case.
CDocTemplate* FindDocTemplate(LPCSTR lpszDocName)
{
    CWinApp* pApp = FxGetApp();
    for (POSITION pos = pApp != nullptr ? pApp->GetFirstDocTemplatePosition() : nullptr; pos != nullptr;) {
        CDocTemplate* pCandidate = pApp->GetNextDocTemplate(pos);
        CString strName;
        if (pCandidate->GetDocString(strName, CDocTemplate::docName) && strName.CompareNoCase(lpszDocName) == 0) {
            return pCandidate;
        }
    }
    return nullptr;
}

// A new document of the template in a new, visible frame with the given title; null on failure.
CFrameWnd* OpenNewWindow(LPCSTR lpszDocName, const CString& strTitle)
{
    CDocTemplate* pTemplate = FindDocTemplate(lpszDocName);
    if (pTemplate == nullptr) {
        return nullptr;
    }
    CDocument* pDoc = pTemplate->CreateNewDocument();
    if (pDoc == nullptr) {
        return nullptr;
    }
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDoc, nullptr);
    if (pFrame == nullptr) {
        delete pDoc;
        return nullptr;
    }
    if (auto* pSample = dynamic_cast<CSampleDoc*>(pDoc)) {
        pSample->InitText();
    }
    pTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
    pDoc->SetTitle(strTitle);
    return pFrame;
}

} // namespace

CCappSheetDefView* CMainFrame::NewSheetDefWindow()
{
    auto* pChild =
        dynamic_cast<CCappSheetDefChildFrame*>(OpenNewWindow("CAppSheetDef", LoadText(IDS_NEW_SCRIPT_TITLE)));
    if (pChild == nullptr) {
        return nullptr;
    }
    pChild->SetShellLink(this);
    return dynamic_cast<CCappSheetDefView*>(pChild->GetActiveView());
}

CFrameWnd* CMainFrame::NewScriptWindow(LPCSTR lpszTitle)
{
    CString strTitle(lpszTitle != nullptr ? lpszTitle : "");
    if (strTitle.IsEmpty()) {
        strTitle = LoadText(IDS_NEW_SCRIPT_TITLE);
    }
    return OpenNewWindow("Script", strTitle);
}

void CMainFrame::RefillTemplateTree()
{
    m_wndWorkSpace.m_wndTree.Refresh();
}

void CMainFrame::TemplateFileUsed(LPCSTR lpszPath, BOOL bFirstSave)
{
    if (auto* pApp = dynamic_cast<CVornDesignApp*>(FxGetApp())) {
        pApp->AddToRecentFileList(lpszPath);
    }
    if (bFirstSave) {
        RefillTemplateTree();
    }
}

CFrameWnd* CMainFrame::FindScriptWindow(const CFrameWnd* pSheetFrame)
{
    return CScriptFrame::FindForSheet(pSheetFrame);
}

void CMainFrame::OpenScriptWindow(CFrameWnd* pSheetFrame)
{
    CScriptFrame::OpenForSheet(pSheetFrame);
}

BOOL CMainFrame::CloseScriptWindow(const CFrameWnd* pSheetFrame)
{
    return CScriptFrame::CloseForSheet(pSheetFrame);
}

BOOL CMainFrame::StoreScriptWindow(const CFrameWnd* pSheetFrame)
{
    return CScriptFrame::StoreForSheet(pSheetFrame);
}

CCappSheetDefView* CMainFrame::OpenSheetView(const CFrameWnd* pSheetFrame) const
{
    // A template window closed without closing its script window first is never reached through
    // the script window's pointer: only a frame still among the workbook's windows counts.
    for (int i = 0; i < GetWorksheetCount() && pSheetFrame != nullptr; ++i) {
        if (GetWorksheet(i) == pSheetFrame) {
            auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(GetWorksheet(i));
            return pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
        }
    }
    return nullptr;
}

CCappSheet* CMainFrame::GetSheetOf(const CFrameWnd* pSheetFrame) const
{
    CCappSheetDefView* pView = OpenSheetView(pSheetFrame);
    return pView != nullptr ? pView->m_pSheet : nullptr;
}

void CMainFrame::MarkSheetChanged(const CFrameWnd* pSheetFrame)
{
    if (CCappSheetDefView* pView = OpenSheetView(pSheetFrame)) {
        pView->MarkChanged();
    }
}

void CMainFrame::SetCopiedCell(const CCappCell* pCell)
{
    if (pCell == nullptr) {
        m_bCellCopied = FALSE;
        return;
    }
    m_copiedCell = *pCell;
    m_bCellCopied = TRUE;
}

void CMainFrame::PasteCopiedCell(CCappCell* pCell) const
{
    if (!m_bCellCopied || pCell == nullptr) {
        return;
    }
    // The format moves; the target's place stays.
    const int nTop = pCell->m_nTopLineID;
    const int nLeft = pCell->m_nLeftLineID;
    const int nRight = pCell->m_nRightLineID;
    const int nBottom = pCell->m_nBottomLineID;
    const CRect rc = pCell->m_rcOwn;
    *pCell = m_copiedCell;
    pCell->m_nTopLineID = nTop;
    pCell->m_nLeftLineID = nLeft;
    pCell->m_nRightLineID = nRight;
    pCell->m_nBottomLineID = nBottom;
    pCell->m_rcOwn = rc;
}

void CMainFrame::ReadVarNames()
{
    m_arrVarNames.RemoveAll();
    CString strWorkDir;
    if (CCardCommFun::GetCappWorkDir(strWorkDir)) {
        ReadVarNameFile(strWorkDir, m_arrVarNames);
    }
}

void CMainFrame::OnFileNew()
{
    CNewTemplateDlg dlg(this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    CCappSheetDefView* pView = NewSheetDefWindow();
    if (pView == nullptr) {
        return;
    }
    if (dlg.m_bLoadFile) {
        pView->NewFromTemplate(dlg.m_strPath);
        return;
    }
    if (!pView->NewBlankTemplate()) {
        // Nothing was made: the window goes without asking whether to save it.
        pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        pView->GetParentFrame()->SendMessage(WM_CLOSE);
    }
}

void CMainFrame::OnDesignOpen()
{
    CString strPath;
    if (CTemplateFile::AskPath(m_hWnd, FALSE, strPath)) {
        OpenTemplate(strPath);
    }
}

void CMainFrame::OnSaveAll()
{
    for (int i = 0; i < GetWorksheetCount(); ++i) {
        FwWorksheet* pSheet = GetWorksheet(i);
        if (pSheet == nullptr) {
            continue;
        }
        // A new template nobody touched has nothing to save: no file dialog for it.
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(pSheet);
        CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
        if (pView != nullptr && pView->IsUntouchedNew()) {
            continue;
        }
        pSheet->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
    }
}

void CMainFrame::OnCloseAll()
{
    const int nChildren = GetWorksheetCount();
    for (int i = 0; i < nChildren; ++i) {
        const int nBefore = GetWorksheetCount();
        FwWorksheet* pFirst = nBefore > 0 ? GetWorksheet(0) : nullptr;
        if (pFirst == nullptr) {
            return;
        }
        pFirst->SendMessage(WM_CLOSE);
        if (GetWorksheetCount() == nBefore) {
            return;
        }
    }
}

void CMainFrame::OnUpdateCloseAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWorksheetCount() > 0);
}

void CMainFrame::OnOptions()
{
    CDesignOptionSh sheet(this);
    if (sheet.DoModal() != IDOK) {
        return;
    }
    const int nZoomPrint = static_cast<int>(FxGetApp()->GetProfileInt("DesignOption", "ZoomPrint", 0));
    for (CCappSheetDefView* pView : GetSheetDefViews()) {
        pView->SetZoomPrint(nZoomPrint);
    }
}

std::vector<CCappSheetDefView*> CMainFrame::GetSheetDefViews() const
{
    std::vector<CCappSheetDefView*> views;
    for (int i = 0; i < GetWorksheetCount(); ++i) {
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(GetWorksheet(i));
        if (CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr) {
            views.push_back(pView);
        }
    }
    return views;
}

void CMainFrame::OnToolBars()
{
    CToolBarSetDlg dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnViewOutputBar()
{
    ShowControlBar(&m_wndOutput, !m_wndOutput.IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateViewOutputBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndOutput.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::OnViewWorkSpaceBar()
{
    ShowControlBar(&m_wndWorkSpace, !m_wndWorkSpace.IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateViewWorkSpaceBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndWorkSpace.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::OnLoadPrintSettings()
{
    const CString strPath = AskPrintSettingFile(m_hWnd, TRUE);
    if (!strPath.IsEmpty() && !CPrinterDeviceHelper::LoadDefaultSettingFromFile(strPath)) {
        FxMessageBox(m_hWnd, "Load Error!", FxGetApp()->m_strAppName, MB_OK);
    }
}

void CMainFrame::OnSavePrintSettings()
{
    const CString strPath = AskPrintSettingFile(m_hWnd, FALSE);
    if (!strPath.IsEmpty() && !CPrinterDeviceHelper::SaveDefaultSettingIntoFile(strPath)) {
        FxMessageBox(m_hWnd, "Save Error!", FxGetApp()->m_strAppName, MB_OK);
    }
}

BOOL CMainFrame::OpenHelpPage(LPCSTR lpszFormat)
{
    CString strWorkDir;
    if (!CCardCommFun::GetCappWorkDir(strWorkDir)) {
        return FALSE;
    }
    CString strPage;
    strPage.Format(lpszFormat, static_cast<LPCSTR>(strWorkDir));
    // The help pages are not part of the work directory a user starts with: say which page and
    // which folder are missing instead of doing nothing.
    if (::GetFileAttributesA(strPage) == INVALID_FILE_ATTRIBUTES) {
        CString strFormat;
        strFormat.LoadString(IDS_DESIGN_NO_HELP);
        CString strText;
        strText.Format(strFormat, strPage.GetString(), strWorkDir.GetString());
        FxMessageBox(m_hWnd, strText, "系统提示", MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    ::ShellExecuteA(m_hWnd, "open", strPage, nullptr, nullptr, SW_SHOWNORMAL);
    return TRUE;
}

void CMainFrame::OnHelp()
{
    OpenHelpPage("%s\\vornhelp\\help\\Default.htm");
}

void CMainFrame::OnApiHelp()
{
    OpenHelpPage("%s\\vornhelp\\Funciton\\Vornfunction.htm");
}

void CMainFrame::OnNothing()
{
}

void CMainFrame::OnUpdatePane(CCmdUI* pCmdUI)
{
    CString strText = pCmdUI->m_nID == ID_INDICATOR_PANE1 ? m_strPane1 : m_strPane2;
    // With a template window active the first pane shows its zoom: 100% is the paper's true
    // size on this screen (the view's zoom level counts pixels per tenth of a millimetre).
    const CMDIChildWnd* pChild = MDIGetActive();
    const auto* pSheetView =
        pChild != nullptr ? dynamic_cast<const CCappSheetDefView*>(pChild->GetActiveView()) : nullptr;
    const double dDotPerTenthMm = CCappDCHelper::GetScreenDotPerTMM();
    if (pCmdUI->m_nID == ID_INDICATOR_PANE1 && pSheetView != nullptr && dDotPerTenthMm > 0.0) {
        strText.Format("%d%%", static_cast<int>(std::lround(pSheetView->GetZoomLevel() * 100.0 / dDotPerTenthMm)));
    }
    strText.Trim();
    const int nIndex = pCmdUI->m_nID == ID_INDICATOR_PANE1 ? 1 : 2;
    int cx = 0;
    if (::IsWindow(m_wndStatusBar.m_hWnd)) {
        CClientDC dc(m_wndStatusBar.m_hWnd);
        HGDIOBJ hOld = nullptr;
        if (HFONT hFont = reinterpret_cast<HFONT>(m_wndStatusBar.SendMessage(WM_GETFONT))) {
            hOld = ::SelectObject(dc.GetSafeHdc(), hFont);
        }
        SIZE size{};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), strText, strText.GetLength(), &size);
        cx = size.cx;
        if (hOld != nullptr) {
            ::SelectObject(dc.GetSafeHdc(), hOld);
        }
        m_wndStatusBar.SetPaneInfo(nIndex, pCmdUI->m_nID, 0, cx);
        m_wndStatusBar.SetPaneText(nIndex, strText);
    }
}

void CMainFrame::ReadVarNameFile(LPCSTR lpszWorkDir, CStringArray& arrNames)
{
    arrNames.RemoveAll();
    CString strFile;
    strFile.Format("%s\\VarName.ini", lpszWorkDir);
    char szValue[200] = {};
    ::GetPrivateProfileStringA("VARNAME", "count", "", szValue, sizeof szValue, strFile);
    const int nCount = atoi(szValue);
    for (int i = 0; i < nCount; ++i) {
        CString strKey;
        strKey.Format("VARNAME%d", i);
        ::GetPrivateProfileStringA("VARNAME", strKey, "", szValue, sizeof szValue, strFile);
        arrNames.Add(szValue);
    }
}
