#include "tests/support/TestLink.h"

#include <string>

#include "platform/base/FxHandle.h"

namespace
{
// Bounds a wait on a Unix tool that failed and so changes nothing: the test fails instead of hanging.
const DWORD unixToolTimeoutMs = 30000;

BOOL Exists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

template <class Fn> Fn WineFunction(LPCSTR pszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), pszName)));
}

// Wine's name of a file for Unix programs (UTF-8); empty when there is none.
std::string UnixPath(const CString& strPath)
{
    auto pfn = WineFunction<char*(CDECL*)(LPCWSTR)>("wine_get_unix_file_name");
    int cch = MultiByteToWideChar(FX_CODEPAGE, 0, strPath, -1, nullptr, 0);
    std::wstring wstrPath(static_cast<size_t>(cch), L'\0');
    MultiByteToWideChar(FX_CODEPAGE, 0, strPath, -1, wstrPath.data(), cch);
    char* pszUnix = pfn != nullptr ? pfn(wstrPath.c_str()) : nullptr;
    std::string strUnix = pszUnix != nullptr ? pszUnix : "";
    HeapFree(GetProcessHeap(), 0, pszUnix);
    return strUnix;
}

// The Windows name of a Unix file (UTF-8 in, GBK out); empty when Wine has none.
CString DosPath(const std::string& strUnix)
{
    auto pfn = WineFunction<WCHAR*(CDECL*)(LPCSTR)>("wine_get_dos_file_name");
    WCHAR* pwszDos = pfn != nullptr ? pfn(strUnix.c_str()) : nullptr;
    CString strDos;
    if (pwszDos != nullptr) {
        char szDos[MAX_PATH * 2] = {};
        WideCharToMultiByte(FX_CODEPAGE, 0, pwszDos, -1, szDos, sizeof(szDos), nullptr, nullptr);
        strDos = szDos;
        HeapFree(GetProcessHeap(), 0, pwszDos);
    }
    return strDos;
}

// A Wine process is a Unix process: its Unix environment, PATH included, is in /proc/self/environ.
std::string UnixSearchPath()
{
    CFxHandle file(
        CreateFileA(DosPath("/proc/self/environ"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::string strEnv;
    char buf[4096];
    DWORD cbRead = 0;
    while (file.IsValid() && ReadFile(file, buf, sizeof(buf), &cbRead, nullptr) && cbRead > 0) {
        strEnv.append(buf, cbRead);
    }
    for (size_t i = 0; i < strEnv.size();) {
        size_t nEnd = strEnv.find('\0', i);
        if (nEnd == std::string::npos) {
            nEnd = strEnv.size();
        }
        if (strEnv.compare(i, 5, "PATH=") == 0) {
            return strEnv.substr(i + 5, nEnd - i - 5);
        }
        i = nEnd + 1;
    }
    return "/usr/bin:/bin";
}

// The Windows path of a Unix tool found on the Unix PATH; empty when it is nowhere.
CString FindUnixTool(LPCSTR pszName)
{
    std::string strPath = UnixSearchPath();
    for (size_t nStart = 0; nStart <= strPath.size();) {
        size_t nEnd = strPath.find(':', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strPath.size();
        }
        std::string strDir = strPath.substr(nStart, nEnd - nStart);
        if (!strDir.empty()) {
            CString strTool = DosPath(strDir + "/" + pszName);
            if (!strTool.IsEmpty() && Exists(strTool)) {
                return strTool;
            }
        }
        nStart = nEnd + 1;
    }
    return CString();
}

std::wstring Wide(const std::string& str, UINT nCodePage)
{
    int cch = MultiByteToWideChar(nCodePage, 0, str.c_str(), static_cast<int>(str.size()), nullptr, 0);
    std::wstring wstr(static_cast<size_t>(cch), L'\0');
    MultiByteToWideChar(nCodePage, 0, str.c_str(), static_cast<int>(str.size()), wstr.data(), cch);
    return wstr;
}

// Runs a Unix tool on Unix paths (UTF-8) and waits, on changes in strFolder, until isDone holds.
template <class Done>
BOOL RunUnixTool(LPCSTR pszTool, const std::string& strArgs, const CString& strFolder, Done isDone)
{
    CString strTool = FindUnixTool(pszTool);
    if (strTool.IsEmpty()) {
        return FALSE;
    }
    CFxHandle change(
        FindFirstChangeNotificationA(strFolder, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME),
        CFxHandle::changeNotification);
    if (!change.IsValid()) {
        return FALSE;
    }
    std::wstring wstrCommand =
        L"\"" + Wide(static_cast<LPCSTR>(strTool), FX_CODEPAGE) + L"\" " + Wide(strArgs, CP_UTF8);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, wstrCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return FALSE;
    }
    CFxHandle process(pi.hProcess);
    CFxHandle thread(pi.hThread);
    while (!isDone()) {
        if (WaitForSingleObject(change, unixToolTimeoutMs) != WAIT_OBJECT_0 || !FindNextChangeNotification(change)) {
            break;
        }
    }
    return isDone();
}

std::string Quoted(const std::string& str)
{
    return "\"" + str + "\"";
}

CString ParentOf(const CString& strPath)
{
    return strPath.Left(strPath.ReverseFind('\\'));
}
} // namespace

CTestLink::CTestLink() : m_chDrive(0), m_bUnix(FALSE)
{
}

CTestLink::~CTestLink()
{
    Remove();
}

BOOL CTestLink::IsWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

BOOL CTestLink::MakeSymbolic(const CString& strLink, const CString& strTarget, BOOL bDirectory)
{
    Remove();
    if (!IsWine()) {
        DWORD dwFlags = (bDirectory ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
        if (!CreateSymbolicLinkA(strLink, strTarget, dwFlags)) {
            return FALSE;
        }
        m_strLink = strLink;
        return TRUE;
    }
    std::string strUnixLink = UnixPath(strLink);
    std::string strUnixTarget = UnixPath(strTarget);
    if (strUnixLink.empty() || strUnixTarget.empty()) {
        return FALSE;
    }
    CString strFolder = ParentOf(strLink);
    if (!RunUnixTool("ln", "-s " + Quoted(strUnixTarget) + " " + Quoted(strUnixLink), strFolder,
                     [&] { return Exists(strLink); })) {
        return FALSE;
    }
    m_strLink = strLink;
    m_strWatched = strFolder;
    m_strUnixLink = strUnixLink.c_str();
    m_bUnix = TRUE;
    return TRUE;
}

BOOL CTestLink::MakeDrive(const CString& strFolder)
{
    Remove();
    for (char ch = 'Q'; ch <= 'Y'; ++ch) {
        CString strDrive = CString(ch) + ":";
        if (GetDriveTypeA(strDrive + "\\") != DRIVE_NO_ROOT_DIR) {
            continue;
        }
        if (!IsWine()) {
            if (!DefineDosDeviceA(0, strDrive, strFolder)) {
                continue;
            }
            m_strLink = strDrive;
            m_chDrive = ch;
            return TRUE;
        }
        // Wine's drives are the links "<prefix>/dosdevices/<letter>:", lower case.
        char szPrefix[MAX_PATH] = {};
        std::string strTarget = UnixPath(strFolder);
        if (GetEnvironmentVariableA("WINEPREFIX", szPrefix, MAX_PATH) == 0 || strTarget.empty()) {
            return FALSE;
        }
        std::string strDevices = std::string(szPrefix) + "/dosdevices";
        std::string strUnixLink = strDevices + "/" + static_cast<char>(ch - 'A' + 'a') + ":";
        CString strWatched = DosPath(strDevices);
        if (!RunUnixTool("ln", "-s " + Quoted(strTarget) + " " + Quoted(strUnixLink), strWatched,
                         [&] { return Exists(strDrive + "\\"); })) {
            return FALSE;
        }
        m_strLink = strDrive;
        m_strWatched = strWatched;
        m_strUnixLink = strUnixLink.c_str();
        m_chDrive = ch;
        m_bUnix = TRUE;
        return TRUE;
    }
    return FALSE;
}

BOOL CTestLink::Remove()
{
    if (m_strLink.IsEmpty()) {
        return TRUE;
    }
    // What Wine shows of a drive is its root; of a link, the link's own name.
    CString strShown = m_chDrive != 0 ? m_strLink + "\\" : m_strLink;
    BOOL bGone = TRUE;
    if (m_bUnix) {
        bGone = RunUnixTool("rm", "-f " + Quoted(static_cast<LPCSTR>(m_strUnixLink)), m_strWatched,
                            [&] { return !Exists(strShown); });
    } else if (m_chDrive != 0) {
        bGone = DefineDosDeviceA(DDD_REMOVE_DEFINITION, m_strLink, nullptr);
    } else if (Exists(m_strLink)) {
        // A directory link goes with RemoveDirectory, a file link with DeleteFile: neither touches the target.
        bGone = RemoveDirectoryA(m_strLink) || DeleteFileA(m_strLink);
    }
    m_strLink.Empty();
    m_strWatched.Empty();
    m_strUnixLink.Empty();
    m_chDrive = 0;
    m_bUnix = FALSE;
    return bGone;
}
