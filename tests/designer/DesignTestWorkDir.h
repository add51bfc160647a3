// A work directory of the designer's own for a test: HKLM "SOFTWARE\Vorn" "WorkDir" points at a
// folder with a "Template" folder while the object lives, then gets its old value back. With the
// small file helpers the template tests share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/String.h"
#include "platform/res/resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

inline std::string DesignReadBytes(const CString& strPath)
{
    std::string bytes;
    CFxHandle hFile(::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (hFile == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hFile, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0) {
        bytes.append(buffer, dwRead);
    }
    return bytes;
}

inline BOOL DesignWriteBytes(const CString& strPath, const std::string& bytes)
{
    CFxHandle hFile(::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (hFile == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    DWORD dwWritten = 0;
    const BOOL bOk = ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
    return bOk && dwWritten == bytes.size();
}

// Starts the designer; without a file on its command line start-up asks which kind of window
// to open, and is cancelled: no window opens.
inline BOOL DesignStartApp(CVornDesignApp& app)
{
    CTestUi ui;
    ui.OnDialog(IDD_FX_NEWTYPE, [](CTestDlg& d) { d.Cancel(); });
    return app.InitInstance();
}

// The texts of the item's children, sorted (the file system gives no order).
inline std::vector<std::string> DesignChildNames(const CTreeCtrl& tree, HTREEITEM hParent)
{
    std::vector<std::string> names;
    for (HTREEITEM h = tree.GetChildItem(hParent); h != nullptr; h = tree.GetNextSiblingItem(h)) {
        names.push_back(static_cast<LPCSTR>(tree.GetItemText(h)));
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::vector<std::string> DesignTreeNames(CMainFrame* pFrame)
{
    const CTreeCtrl& tree = pFrame->m_wndWorkSpace.m_wndTree;
    return DesignChildNames(tree, tree.GetRootItem());
}

// Points HKLM "SOFTWARE\Vorn" "WorkDir" at a folder while the object lives, then puts the old value
// back.
class CDesignWorkDirSetting
{
public:
    explicit CDesignWorkDirSetting(const CString& strDir)
    {
        CFxRegKey key;
        if (key.Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", KEY_ALL_ACCESS) != ERROR_SUCCESS) {
            return;
        }
        char szOld[MAX_PATH] = {};
        DWORD cb = sizeof szOld - 1;
        m_bHadValue =
            ::RegQueryValueExA(key, "WorkDir", nullptr, nullptr, reinterpret_cast<BYTE*>(szOld), &cb) == ERROR_SUCCESS;
        m_strOld = szOld;
        Set(key, strDir);
    }
    ~CDesignWorkDirSetting()
    {
        CFxRegKey key;
        if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", KEY_ALL_ACCESS) != ERROR_SUCCESS) {
            return;
        }
        if (m_bHadValue) {
            Set(key, m_strOld);
        } else {
            ::RegDeleteValueA(key, "WorkDir");
        }
    }
    CDesignWorkDirSetting(const CDesignWorkDirSetting&) = delete;
    CDesignWorkDirSetting& operator=(const CDesignWorkDirSetting&) = delete;

private:
    static void Set(HKEY hKey, const CString& strValue)
    {
        ::RegSetValueExA(hKey, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                         static_cast<DWORD>(strValue.GetLength() + 1));
    }

    BOOL m_bHadValue = FALSE;
    CString m_strOld;
};

// The bundled work directory, samples/workdir, as a full path.
inline CString DesignSampleWorkDir()
{
    char szFull[MAX_PATH] = {};
    ::GetFullPathNameA(TestDataPath("..\\..\\..\\samples\\workdir"), MAX_PATH, szFull, nullptr);
    return szFull;
}

// A work directory of the test's own with a "Template" folder, set as the designer's while the
// object lives.
class CDesignTestWorkDir
{
public:
    explicit CDesignTestWorkDir(const CString& strDir) : m_strDir(strDir), m_setting(strDir)
    {
        ::CreateDirectoryA(m_strDir + "\\Template", nullptr);
    }
    CDesignTestWorkDir(const CDesignTestWorkDir&) = delete;
    CDesignTestWorkDir& operator=(const CDesignTestWorkDir&) = delete;

    const CString& GetDir() const { return m_strDir; }
    CString GetTemplateDir() const { return m_strDir + "\\Template"; }
    // A path under the template folder ("a.znt", "Folder\\b.znt").
    CString TemplatePath(LPCSTR lpszRelative) const { return GetTemplateDir() + "\\" + lpszRelative; }
    // Copies a bundled sample template in; its path.
    CString AddSample(LPCSTR lpszSample, LPCSTR lpszRelative) const
    {
        const CString strTarget = TemplatePath(lpszRelative);
        ::SetFileAttributesA(strTarget, FILE_ATTRIBUTE_NORMAL);
        ::CopyFileA(TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + lpszSample, strTarget, FALSE);
        return strTarget;
    }

private:
    CString m_strDir;
    CDesignWorkDirSetting m_setting;
};
