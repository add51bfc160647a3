// The designer's application object: start-up in a fixed order (controls, OLE, the grid
// library, profile and recent files, the two window kinds, the main frame, the command line, the
// template tree and the card-variable names), About and the recent-file commands.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/frame/WinApp.h"

class CCmdUI;
class CMainFrame;

class CVornDesignApp : public CWinApp
{
    FX_DECLARE_DYNAMIC(CVornDesignApp)

public:
    CVornDesignApp();
    ~CVornDesignApp() override;

    enum { kRecentFileCount = 4 };

    BOOL InitInstance() override;

    // The command line after the program name (WinMain's), parsed by InitInstance.
    CString m_strCmdLine;
    // The show state the program was started with.
    int m_nCmdShow;

    // The first file named on a command line (quotes removed); empty when there is none.
    static CString FileFromCommandLine(LPCSTR lpszCmdLine);

    // Recent files, newest first, kept in the profile section "Recent File List".
    void AddToRecentFileList(LPCSTR lpszPath);
    int GetRecentFileCount() const { return static_cast<int>(m_arrRecent.GetSize()); }
    CString GetRecentFile(int nIndex) const;
    void LoadRecentFileList();

    CMainFrame* GetMainFrame() const;
    // Start-up without a file and the script window's New: asks which kind of window to open, by
    // the names of the document templates ("表格模板", "脚本"); a template window comes from the
    // designer's New command, a script window empty. Cancel opens none.
    void NewWindowOfChosenKind();

protected:
    void OnAppAbout();
    void OnDesignFileNew();
    void OnDesignFileOpen();
    void OnFilePrintSetup();
    void OnOpenRecentFile(UINT nID);
    // The File menu's recent files ("&1 path" ...), or the grayed placeholder when there are none.
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    FX_DECLARE_MESSAGE_MAP()

private:
    void SaveRecentFileList();
    CStringArray m_arrRecent;
};
