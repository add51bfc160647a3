#include "designer/shell/VornDesignApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "designer/shell/AboutDlg.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefDoc.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/script/SampleDoc.h"
#include "designer/script/SampleView.h"
#include "designer/script/ScriptFrame.h"
#include "designer/res/resource.h"
#include "gridkit/GkGridWnd.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/doc/NewTypeDlg.h"
#include "platform/frame/FrameIds.h"
#include "platform/ole/OleControlWnd.h"
#include "platform/print/PrintDialog.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"
#include "platform/win/Dialog.h"

FX_IMPLEMENT_DYNAMIC(CVornDesignApp, CWinApp)

FX_BEGIN_MESSAGE_MAP(CVornDesignApp, CWinApp)
FX_ON_COMMAND(ID_DESIGN_ABOUT, OnAppAbout)
FX_ON_COMMAND(ID_FILE_NEW, OnDesignFileNew)
FX_ON_COMMAND(ID_FILE_OPEN, OnDesignFileOpen)
FX_ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
FX_ON_COMMAND(ID_APP_EXIT, OnAppExit)
FX_ON_COMMAND_RANGE(ID_DESIGN_MRU_FIRST, ID_DESIGN_MRU_LAST, OnOpenRecentFile)
FX_ON_UPDATE_COMMAND_UI(ID_DESIGN_MRU_FIRST, OnUpdateRecentFileMenu)
FX_END_MESSAGE_MAP()

namespace
{
const char kRecentSection[] = "Recent File List";

} // namespace

CVornDesignApp::CVornDesignApp() : CWinApp("VornDesign"), m_nCmdShow(SW_SHOWNORMAL)
{
}

CVornDesignApp::~CVornDesignApp()
{
}

CMainFrame* CVornDesignApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

BOOL CVornDesignApp::InitInstance()
{
    FxEnableControlContainer();
    ::LoadLibraryA("riched20.dll");
    ::OleInitialize(nullptr);
    GkInitLibrary(1536, 0, 0);
    SetRegistryKey("Vorn");
    LoadRecentFileList();

    AddDocTemplate(new CMultiDocTemplate(IDR_CAPPSHEETDEF, FX_RUNTIME_CLASS(CCappSheetDefDoc),
                                         FX_RUNTIME_CLASS(CCappSheetDefChildFrame),
                                         FX_RUNTIME_CLASS(CCappSheetDefView)));
    AddDocTemplate(new CMultiDocTemplate(IDR_SCRIPT, FX_RUNTIME_CLASS(CSampleDoc), FX_RUNTIME_CLASS(CScriptFrame),
                                         FX_RUNTIME_CLASS(CSampleView)));

    // Overlapped window with the document title in the caption.
    auto* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, 0xCF8000, nullptr, nullptr)) {
        delete pFrame;
        return FALSE;
    }
    m_pMainWnd = pFrame;

    // A file named on the command line opens the one way every template opens, once the frame is
    // up; without one start-up asks which kind of window to open.
    const CString strFile = FileFromCommandLine(m_strCmdLine);
    if (strFile.IsEmpty()) {
        NewWindowOfChosenKind();
    }

    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    pFrame->m_wndWorkSpace.FirstFill();
    pFrame->ReadVarNames();

    if (!strFile.IsEmpty()) {
        pFrame->OpenTemplate(strFile);
    }
    return TRUE;
}

CString CVornDesignApp::FileFromCommandLine(LPCSTR lpszCmdLine)
{
    CString strFile;
    if (lpszCmdLine == nullptr) {
        return strFile;
    }
    const char* p = lpszCmdLine;
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t') {
            ++p;
        }
        if (*p == '\0') {
            break;
        }
        CString strToken;
        if (*p == '"') {
            ++p;
            while (*p != '\0' && *p != '"') {
                strToken += *p++;
            }
            if (*p == '"') {
                ++p;
            }
        } else {
            while (*p != '\0' && *p != ' ' && *p != '\t') {
                strToken += *p++;
            }
        }
        // Switches ("/dde", "-Embedding"...) are not files.
        if (!strToken.IsEmpty() && strToken[0] != '/' && strToken[0] != '-') {
            return strToken;
        }
    }
    return strFile;
}

void CVornDesignApp::LoadRecentFileList()
{
    m_arrRecent.RemoveAll();
    for (int i = 0; i < kRecentFileCount; ++i) {
        CString strEntry;
        strEntry.Format("File%d", i + 1);
        const CString strPath = GetProfileString(kRecentSection, strEntry, "");
        if (!strPath.IsEmpty()) {
            m_arrRecent.Add(strPath);
        }
    }
}

void CVornDesignApp::SaveRecentFileList()
{
    for (int i = 0; i < kRecentFileCount; ++i) {
        CString strEntry;
        strEntry.Format("File%d", i + 1);
        WriteProfileString(kRecentSection, strEntry,
                           i < GetRecentFileCount() ? static_cast<LPCSTR>(m_arrRecent[i]) : nullptr);
    }
}

void CVornDesignApp::AddToRecentFileList(LPCSTR lpszPath)
{
    if (lpszPath == nullptr || *lpszPath == '\0') {
        return;
    }
    for (int i = GetRecentFileCount() - 1; i >= 0; --i) {
        if (m_arrRecent[i].CompareNoCase(lpszPath) == 0) {
            m_arrRecent.RemoveAt(i);
        }
    }
    m_arrRecent.InsertAt(0, lpszPath);
    while (GetRecentFileCount() > kRecentFileCount) {
        m_arrRecent.RemoveAt(GetRecentFileCount() - 1);
    }
    SaveRecentFileList();
}

CString CVornDesignApp::GetRecentFile(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetRecentFileCount() ? m_arrRecent[nIndex] : CString();
}

void CVornDesignApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainWnd);
    dlg.DoModal();
}

void CVornDesignApp::OnDesignFileNew()
{
    NewWindowOfChosenKind();
}

void CVornDesignApp::NewWindowOfChosenKind()
{
    CNewTypeDlg dlg(m_pMainWnd);
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        dlg.AddTemplate(GetNextDocTemplate(pos));
    }
    if (dlg.DoModal() != IDOK || dlg.GetChosen() == nullptr) {
        return;
    }
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame == nullptr) {
        return;
    }
    // An empty template window would have no page to draw on and nothing to save: a template is
    // made by the New command (a template to start from, or a page size), a script window empty.
    if (dlg.GetChosen()->GetResourceID() == IDR_SCRIPT) {
        pFrame->NewScriptWindow("");
    } else {
        pFrame->OnFileNew();
    }
}

void CVornDesignApp::OnDesignFileOpen()
{
    // Ctrl+O opens as the menu's open does.
    if (CMainFrame* pFrame = GetMainFrame()) {
        pFrame->OnDesignOpen();
    }
}

void CVornDesignApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    dlg.DoModal();
}

void CVornDesignApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pMenu == nullptr) {
        pCmdUI->Enable(GetRecentFileCount() > 0);
        return;
    }
    // The entries replace the placeholder (or the entries of the last opening) in place.
    HMENU hMenu = *pCmdUI->m_pMenu;
    const UINT nPos = pCmdUI->m_nIndex;
    while (::GetMenuItemCount(hMenu) > static_cast<int>(nPos)) {
        const UINT nID = ::GetMenuItemID(hMenu, static_cast<int>(nPos));
        if (nID < ID_DESIGN_MRU_FIRST || nID > ID_DESIGN_MRU_LAST) {
            break;
        }
        ::DeleteMenu(hMenu, nPos, MF_BYPOSITION);
    }
    if (GetRecentFileCount() == 0) {
        CString strEmpty;
        strEmpty.LoadString(IDS_RECENT_FILES_EMPTY);
        ::InsertMenuA(hMenu, nPos, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_DESIGN_MRU_FIRST, strEmpty);
        return;
    }
    for (int i = 0; i < GetRecentFileCount(); ++i) {
        CString strItem;
        strItem.Format("&%d %s", i + 1, static_cast<LPCSTR>(GetRecentFile(i)));
        // An ampersand in a path is shown, not taken as a mnemonic.
        CString strShown;
        for (int j = 0; j < strItem.GetLength(); ++j) {
            strShown += strItem[j];
            if (j > 0 && strItem[j] == '&') {
                strShown += '&';
            }
        }
        ::InsertMenuA(hMenu, nPos + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                      ID_DESIGN_MRU_FIRST + static_cast<UINT>(i), strShown);
    }
}

void CVornDesignApp::OnOpenRecentFile(UINT nID)
{
    const CString strPath = GetRecentFile(static_cast<int>(nID - ID_DESIGN_MRU_FIRST));
    if (!strPath.IsEmpty()) {
        if (CMainFrame* pFrame = GetMainFrame()) {
            pFrame->OpenTemplate(strPath);
        }
    }
}
