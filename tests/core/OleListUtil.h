// Lists a compound file's streams with an independent Linux reader (python3-olefile), started
// from the Wine test, so that card files are checked by something other than our own code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <string>

#include "platform/base/FxHandle.h"
#include "platform/base/String.h"
#include "tests/support/TestData.h"

// The Unix path Wine maps a Windows path to; empty outside Wine.
inline std::string UnixPathOf(const CString& strPath)
{
    typedef char* (*WineGetUnixFileName)(LPCWSTR);
    auto pfnUnix = reinterpret_cast<WineGetUnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (pfnUnix == nullptr) {
        return std::string();
    }
    WCHAR wszPath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, strPath, -1, wszPath, MAX_PATH);
    char* pszUnix = pfnUnix(wszPath);
    if (pszUnix == nullptr) {
        return std::string();
    }
    std::string strUnix(pszUnix);
    HeapFree(GetProcessHeap(), 0, pszUnix);
    return strUnix;
}

// One line as the reader writes it: the GBK name in hex, the size, FNV-1a 64 of the bytes.
inline std::string OleLine(const CString& strName, const std::string& bytes)
{
    uint64_t nHash = 14695981039346656037ull;
    for (unsigned char ch : bytes) {
        nHash ^= ch;
        nHash *= 1099511628211ull;
    }
    std::string strHex;
    char sz[32];
    for (int i = 0; i < strName.GetLength(); ++i) {
        snprintf(sz, sizeof(sz), "%02x", static_cast<unsigned char>(strName[i]));
        strHex += sz;
    }
    snprintf(sz, sizeof(sz), " %zu %016llx", bytes.size(), static_cast<unsigned long long>(nHash));
    return strHex + sz;
}

// The reader's lines for the file ("ERROR ..." when it refused it); nExit 0 when the reader
// answered, -1 when it could not be started or gave no answer within two minutes. Wine does not
// wait for a Linux process to end, so the answer is awaited as a file appearing in the folder.
inline std::set<std::string> ListWithOlefile(const CString& strFile, const CString& strOut, int& nExit)
{
    std::set<std::string> lines;
    nExit = -1;
    const std::string strScript = UnixPathOf(TestDataPath("olelist.py"));
    const std::string strIn = UnixPathOf(strFile);
    const std::string strListing = UnixPathOf(strOut);
    if (strScript.empty() || strIn.empty() || strListing.empty()) {
        return lines;
    }
    DeleteFileA(strOut);
    const int nSlash = strOut.ReverseFind('\\');
    CFxHandle hChange(FindFirstChangeNotificationA(strOut.Left(nSlash), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME),
                      CFxHandle::changeNotification);
    std::string strCmd = "/usr/bin/python3 " + strScript + " " + strIn + " " + strListing;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &strCmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return lines;
    }
    CFxHandle process(pi.hProcess);
    CFxHandle thread(pi.hThread);
    const DWORD dwStart = GetTickCount();
    while (GetFileAttributesA(strOut) == INVALID_FILE_ATTRIBUTES && GetTickCount() - dwStart < 120000) {
        if (!hChange.IsValid() || WaitForSingleObject(hChange, 500) == WAIT_FAILED) {
            break;
        }
        FindNextChangeNotification(hChange);
    }
    hChange.Close();
    std::ifstream in(static_cast<LPCSTR>(strOut));
    if (!in) {
        return lines;
    }
    nExit = 0;
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (!strLine.empty()) {
            lines.insert(strLine);
        }
    }
    return lines;
}
