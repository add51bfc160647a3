// The application object: one per program. Owns the message loop with idle processing, the main
// window, the registry-backed profile and the application's printer selection.
#pragma once

#include "platform/base/ByteArray.h"
#include "platform/base/PtrList.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"

class CDocTemplate;
class CDocument;
class CWnd;

class FX_API CWinApp : public CCmdTarget
{
    FX_DECLARE_DYNAMIC(CWinApp)

public:
    // Becomes the program's application object until it is destroyed. A null name takes the
    // EXE's file title.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    CString m_strAppName;
    // Empty until SetRegistryKey: the profile is then unavailable (reads give the defaults).
    CString m_strRegistryKey;
    CWnd* m_pMainWnd;
    // The selected printer (global memory the application owns); null until one is chosen.
    HGLOBAL m_hDevMode;
    HGLOBAL m_hDevNames;

    virtual BOOL InitInstance();
    // Its result is Run's exit code.
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, idling whenever the queue is empty; then ExitInstance.
    virtual int Run();
    // FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Count 0: command-UI updates of the main window's frames and bars; count 1: temporary
    // wrappers are freed (never while a message is being handled). TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    // Offers the message to the window chain from its target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Mouse moves that do not move and the caret blink do not restart idle processing.
    virtual BOOL IsIdleMessage(const MSG* pMsg);

    // Templates: the application owns and deletes them.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    // Through the first template; null when it fails.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // Asks every modified document; FALSE when one was cancelled.
    virtual BOOL SaveAllModified();
    void CloseAllDocuments();
    // Command handlers an application may put in its map.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;

    // Profile under HKCU "Software\<key>\<app name>\<section>".
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // FALSE, and rData empty, when the value is missing or not binary.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, CByteArray& rData);
    // A null entry deletes the section; a null string deletes the entry.
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData, UINT nBytes);

    // Printer: the selected one, else the system default, copied into the print dialog's handles
    // (the application keeps owning them). FALSE when there is no printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
    // Takes ownership of both handles; the old ones are freed when bFreeOld.
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
    // Asks the system for its default printer when none is selected (or always when forced).
    BOOL UpdatePrinterSelection(BOOL bForceDefaults);

protected:
    MSG m_msgCur;

private:
    CString SectionPath(LPCSTR lpszSection) const;
    CPtrList m_templateList;
    int m_nDispatchDepth;
    POINT m_ptLastMouse;
};

// The program's application object; null when there is none (a library used by a foreign host).
FX_API CWinApp* FxGetApp();
// The application's main window; null without an application or main window.
FX_API CWnd* FxGetMainWnd();
// Sent (registered message) to the main window and its descendants on idle: frames and bars
// update their commands' state. wParam: TRUE to disable items without a handler.
FX_API UINT FxGetIdleUpdateMessage();
