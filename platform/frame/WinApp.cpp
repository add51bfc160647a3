#include "platform/frame/WinApp.h"

#include <vector>

#include "platform/base/Firewall.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/FxResMgr.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/NewTypeDlg.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

namespace
{
CWinApp* g_pApp = nullptr;

void FreeGlobal(HGLOBAL& h)
{
    if (h != nullptr) {
        GlobalFree(h);
        h = nullptr;
    }
}

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    return FxCallbackEntry("idle window enumeration", FALSE, [&]() -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
        return TRUE;
    });
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(GetModuleHandleA(nullptr)), m_pMainWnd(nullptr), m_hDevMode(nullptr), m_hDevNames(nullptr),
      m_msgCur(), m_nDispatchDepth(0), m_ptLastMouse{-1, -1}
{
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
    } else {
        char szPath[MAX_PATH] = {};
        GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
        char szTitle[MAX_PATH] = {};
        _splitpath(szPath, nullptr, nullptr, szTitle, nullptr);
        m_strAppName = szTitle;
    }
    g_pApp = this;
    FxSetMessageBoxTitle(m_strAppName);
}

CWinApp::~CWinApp()
{
    while (!m_templateList.IsEmpty()) {
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
    }
    FreeGlobal(m_hDevMode);
    FreeGlobal(m_hDevNames);
    if (g_pApp == this) {
        g_pApp = nullptr;
        FxSetMessageBoxTitle(nullptr);
    }
}

CWinApp* FxGetApp()
{
    return g_pApp;
}

CWnd* FxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

UINT FxGetIdleUpdateMessage()
{
    static const UINT nMsg = RegisterWindowMessageA("VornFxIdleUpdateCmdUI");
    return nMsg;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run()
{
    LONG lIdleCount = 0;
    BOOL bIdle = TRUE;
    for (;;) {
        // An exception thrown by our own idle or translation code must not end the loop.
        try {
            while (bIdle && !PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
                if (!OnIdle(lIdleCount++)) {
                    bIdle = FALSE;
                }
            }
            do {
                if (!PumpMessage()) {
                    return ExitInstance();
                }
                if (IsIdleMessage(&m_msgCur)) {
                    bIdle = TRUE;
                    lIdleCount = 0;
                }
            } while (PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
        } catch (...) {
            FxReportException("message loop");
            bIdle = TRUE;
            lIdleCount = 0;
        }
    }
}

BOOL CWinApp::PumpMessage()
{
    if (GetMessageA(&m_msgCur, nullptr, 0, 0) <= 0) {
        return FALSE;
    }
    ++m_nDispatchDepth;
    struct Leave
    {
        int& n;
        ~Leave() { --n; }
    } leave{m_nDispatchDepth};
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        if (m_pMainWnd != nullptr && m_pMainWnd->IsWindow()) {
            // Collected first: an update may create or destroy windows.
            std::vector<HWND> windows{m_pMainWnd->m_hWnd};
            EnumChildWindows(m_pMainWnd->m_hWnd, CollectWindow, reinterpret_cast<LPARAM>(&windows));
            // Items without a handler are disabled unless the main frame says otherwise.
            BOOL bDisableIfNoHandler = TRUE;
            if (m_pMainWnd->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
                bDisableIfNoHandler = static_cast<CFrameWnd*>(m_pMainWnd)->m_bAutoMenuEnable;
            }
            for (HWND hWnd : windows) {
                if (CWnd::FromHandlePermanent(hWnd) != nullptr) {
                    ::SendMessageA(hWnd, FxGetIdleUpdateMessage(), static_cast<WPARAM>(bDisableIfNoHandler), 0);
                }
            }
        }
        return TRUE;
    }
    // A nested loop inside a handler may idle too: that handler may still hold temporaries.
    if (lCount == 1 && m_nDispatchDepth == 0) {
        FxDeleteTempMaps();
    }
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    HWND hStop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(hStop, pMsg);
}

BOOL CWinApp::IsIdleMessage(const MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == m_ptLastMouse.x && pMsg->pt.y == m_ptLastMouse.y) {
            return FALSE;
        }
        m_ptLastMouse = pMsg->pt;
        return TRUE;
    }
    // 0x0118: the system's caret blink timer.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate != nullptr) {
        m_templateList.AddTail(pTemplate);
    }
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPos));
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templateList.IsEmpty()) {
        return nullptr;
    }
    return static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(lpszFileName);
}

BOOL CWinApp::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified()) {
            return FALSE;
        }
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        GetNextDocTemplate(pos)->CloseAllDocuments();
    }
}

void CWinApp::OnFileNew()
{
    if (m_templateList.IsEmpty()) {
        return;
    }
    CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    if (m_templateList.GetCount() > 1) {
        // Several kinds: the user picks one, or none.
        CNewTypeDlg dlg(m_pMainWnd);
        for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
            dlg.AddTemplate(GetNextDocTemplate(pos));
        }
        if (dlg.GetTemplateCount() > 1) {
            if (dlg.DoModal() != IDOK || dlg.GetChosen() == nullptr) {
                return;
            }
            pTemplate = dlg.GetChosen();
        }
    }
    pTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    FxFileDialogParams params;
    params.dwFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    CString strPath;
    if (FxAskFileName(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, TRUE, params, strPath)) {
        OpenDocumentFile(strPath);
    }
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_CLOSE);
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    HINSTANCE hInst =
        CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    return hInst != nullptr ? ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource)) : nullptr;
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    HINSTANCE hInst =
        CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    return hInst != nullptr ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(nIDResource)) : nullptr;
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey != nullptr ? lpszRegistryKey : "";
}

CString CWinApp::SectionPath(LPCSTR lpszSection) const
{
    CString strPath;
    strPath.Format("Software\\%s\\%s\\%s", static_cast<LPCSTR>(m_strRegistryKey), static_cast<LPCSTR>(m_strAppName),
                   lpszSection);
    return strPath;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD cb = sizeof(dwValue);
    CFxRegKey key;
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr ||
        key.OpenForRead(HKEY_CURRENT_USER, SectionPath(lpszSection)) != ERROR_SUCCESS ||
        RegQueryValueExA(key, lpszEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &cb) != ERROR_SUCCESS ||
        dwType != REG_DWORD) {
        return static_cast<UINT>(nDefault);
    }
    return dwValue;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    CString strDefault(lpszDefault != nullptr ? lpszDefault : "");
    CFxRegKey key;
    DWORD dwType = 0;
    DWORD cb = 0;
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr ||
        key.OpenForRead(HKEY_CURRENT_USER, SectionPath(lpszSection)) != ERROR_SUCCESS ||
        RegQueryValueExA(key, lpszEntry, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS || dwType != REG_SZ) {
        return strDefault;
    }
    CString strValue;
    LPSTR pBuf = strValue.GetBuffer(static_cast<int>(cb) + 1);
    if (RegQueryValueExA(key, lpszEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(pBuf), &cb) != ERROR_SUCCESS) {
        strValue.ReleaseBuffer(0);
        return strDefault;
    }
    // A stored string need not end with its terminator.
    pBuf[cb] = '\0';
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, CByteArray& rData)
{
    rData.RemoveAll();
    CFxRegKey key;
    DWORD dwType = 0;
    DWORD cb = 0;
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr ||
        key.OpenForRead(HKEY_CURRENT_USER, SectionPath(lpszSection)) != ERROR_SUCCESS ||
        RegQueryValueExA(key, lpszEntry, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS || dwType != REG_BINARY) {
        return FALSE;
    }
    rData.SetSize(static_cast<INT_PTR>(cb));
    if (cb != 0 && RegQueryValueExA(key, lpszEntry, nullptr, &dwType, rData.GetData(), &cb) != ERROR_SUCCESS) {
        rData.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    const DWORD dwValue = static_cast<DWORD>(nValue);
    CFxRegKey key;
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr || lpszEntry == nullptr ||
        key.Create(HKEY_CURRENT_USER, SectionPath(lpszSection), KEY_WRITE) != ERROR_SUCCESS) {
        return FALSE;
    }
    return RegSetValueExA(key, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)) ==
           ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr) {
        return FALSE;
    }
    if (lpszEntry == nullptr) {
        CFxRegKey keyApp;
        CString strApp;
        strApp.Format("Software\\%s\\%s", static_cast<LPCSTR>(m_strRegistryKey), static_cast<LPCSTR>(m_strAppName));
        if (keyApp.Open(HKEY_CURRENT_USER, strApp, KEY_WRITE | KEY_READ) != ERROR_SUCCESS) {
            return FALSE;
        }
        return RegDeleteTreeA(keyApp, lpszSection) == ERROR_SUCCESS;
    }
    CFxRegKey key;
    if (key.Create(HKEY_CURRENT_USER, SectionPath(lpszSection), KEY_WRITE) != ERROR_SUCCESS) {
        return FALSE;
    }
    if (lpszValue == nullptr) {
        return RegDeleteValueA(key, lpszEntry) == ERROR_SUCCESS;
    }
    return RegSetValueExA(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                          static_cast<DWORD>(strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData, UINT nBytes)
{
    CFxRegKey key;
    if (m_strRegistryKey.IsEmpty() || lpszSection == nullptr || lpszEntry == nullptr ||
        (pData == nullptr && nBytes != 0) ||
        key.Create(HKEY_CURRENT_USER, SectionPath(lpszSection), KEY_WRITE) != ERROR_SUCCESS) {
        return FALSE;
    }
    return RegSetValueExA(key, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

BOOL CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (m_hDevNames != nullptr && !bForceDefaults) {
        return TRUE;
    }
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&pd)) {
        return FALSE;
    }
    SelectPrinter(pd.hDevNames, pd.hDevMode, TRUE);
    return TRUE;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg)
{
    if (pPrintDlg == nullptr || !UpdatePrinterSelection(FALSE)) {
        return FALSE;
    }
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return m_hDevNames != nullptr;
}

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    if (bFreeOld) {
        if (m_hDevNames != hDevNames) {
            FreeGlobal(m_hDevNames);
        }
        if (m_hDevMode != hDevMode) {
            FreeGlobal(m_hDevMode);
        }
    }
    m_hDevNames = hDevNames;
    m_hDevMode = hDevMode;
}
