#include "tests/support/UnixTool.h"

#include "platform/base/FxHandle.h"

namespace
{
BOOL Exists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

template <class Fn> Fn WineFunction(LPCSTR pszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), pszName)));
}

// A Wine process is a Unix process: its Unix environment, PATH included, is in /proc/self/environ.
std::string UnixSearchPath()
{
    CFxHandle file(CreateFileA(DosPathOf("/proc/self/environ"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr));
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

// The Unix path of a tool found on the Unix PATH; empty when it is nowhere.
std::string FindUnixTool(LPCSTR pszName)
{
    std::string strPath = UnixSearchPath();
    for (size_t nStart = 0; nStart <= strPath.size();) {
        size_t nEnd = strPath.find(':', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strPath.size();
        }
        std::string strDir = strPath.substr(nStart, nEnd - nStart);
        if (!strDir.empty()) {
            const std::string strTool = strDir + "/" + pszName;
            const CString strDos = DosPathOf(strTool);
            if (!strDos.IsEmpty() && Exists(strDos)) {
                return strTool;
            }
        }
        nStart = nEnd + 1;
    }
    return std::string();
}

} // namespace

std::string UnixPathOf(const CString& strPath)
{
    auto pfn = WineFunction<char*(CDECL*)(LPCWSTR)>("wine_get_unix_file_name");
    if (pfn == nullptr) {
        return std::string();
    }
    int cch = MultiByteToWideChar(FX_CODEPAGE, 0, strPath, -1, nullptr, 0);
    std::wstring wstrPath(static_cast<size_t>(cch), L'\0');
    MultiByteToWideChar(FX_CODEPAGE, 0, strPath, -1, wstrPath.data(), cch);
    char* pszUnix = pfn(wstrPath.c_str());
    std::string strUnix = pszUnix != nullptr ? pszUnix : "";
    HeapFree(GetProcessHeap(), 0, pszUnix);
    return strUnix;
}

CString DosPathOf(const std::string& strUnix)
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

std::string UnixQuoted(const std::string& str)
{
    return "\"" + str + "\"";
}

BOOL RunUnixTool(LPCSTR pszTool, const std::string& strArgs, const CString& strFolder,
                 const std::function<BOOL()>& isDone, DWORD dwQuietMs)
{
    // Wine's own way to run a Unix program and wait for it. CreateProcess starts one too, but
    // hands back handles it never made, and closing those closes whatever of this process sits at
    // that number, such as a cached registry key.
    typedef LONG(CDECL * WineUnixSpawnvp)(char* const argv[], int bWait);
    auto pfnSpawn = reinterpret_cast<WineUnixSpawnvp>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    const std::string strTool = FindUnixTool(pszTool);
    if (pfnSpawn == nullptr || strTool.empty()) {
        return FALSE;
    }
    CFxHandle change(
        FindFirstChangeNotificationA(strFolder, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME),
        CFxHandle::changeNotification);
    if (!change.IsValid()) {
        return FALSE;
    }
    // The arguments come quoted for a shell.
    const std::string strCommand = UnixQuoted(strTool) + " " + strArgs;
    const char* const argv[] = {"/bin/sh", "-c", strCommand.c_str(), nullptr};
    if (pfnSpawn(const_cast<char* const*>(argv), TRUE) != 0) {
        return FALSE;
    }
    // The program has ended; what it changed may still be on its way to this process.
    while (!isDone()) {
        if (WaitForSingleObject(change, dwQuietMs) != WAIT_OBJECT_0 || !FindNextChangeNotification(change)) {
            break;
        }
    }
    return isDone();
}
