#include "control/UrlFetch.h"

#include <string.h>

#include <vector>

// After the windows headers, which it needs.
#include <wininet.h>

namespace
{
const DWORD kChunk = 512;

// Closes a WinINet handle when it goes out of scope.
class CInetHandle
{
public:
    explicit CInetHandle(HINTERNET h) : m_h(h) {}
    ~CInetHandle()
    {
        if (m_h != nullptr) {
            InternetCloseHandle(m_h);
        }
    }
    CInetHandle(const CInetHandle&) = delete;
    CInetHandle& operator=(const CInetHandle&) = delete;
    operator HINTERNET() const { return m_h; }

private:
    HINTERNET m_h;
};

// Reads the whole body of an open URL handle, calling fnSink for every chunk; an HTTP answer
// other than 2xx is a failure, so an error page is never taken for the file.
template <class F> BOOL ReadUrl(LPCSTR pszUrl, CString& strError, F&& fnSink)
{
    strError.Empty();
    if (pszUrl == nullptr || !IsUrlPath(pszUrl)) {
        strError.Format("Not an address: \"%s\".", pszUrl != nullptr ? pszUrl : "");
        return FALSE;
    }
    CInetHandle hSession(InternetOpenA("Vorn", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (hSession == nullptr) {
        strError.Format("Cannot open an internet session (error %lu).", GetLastError());
        return FALSE;
    }
    const DWORD dwFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_TRANSFER_BINARY |
                          INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
    CInetHandle hUrl(InternetOpenUrlA(hSession, pszUrl, nullptr, 0, dwFlags, 0));
    if (hUrl == nullptr) {
        strError.Format("Cannot open \"%s\" (error %lu).", pszUrl, GetLastError());
        return FALSE;
    }
    if (_strnicmp(pszUrl, "http", 4) == 0) {
        DWORD dwStatus = 0;
        DWORD cbStatus = sizeof(dwStatus);
        if (!HttpQueryInfoA(hUrl, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &cbStatus, nullptr)) {
            strError.Format("No answer status from \"%s\" (error %lu).", pszUrl, GetLastError());
            return FALSE;
        }
        if (dwStatus < 200 || dwStatus >= 300) {
            strError.Format("The server answered %lu for \"%s\".", dwStatus, pszUrl);
            return FALSE;
        }
    }
    BYTE buf[kChunk];
    for (;;) {
        DWORD cbRead = 0;
        if (!InternetReadFile(hUrl, buf, kChunk, &cbRead)) {
            strError.Format("Reading \"%s\" failed (error %lu).", pszUrl, GetLastError());
            return FALSE;
        }
        if (cbRead == 0) {
            return TRUE;
        }
        if (!fnSink(buf, cbRead)) {
            strError.Format("Cannot store what \"%s\" sent (error %lu).", pszUrl, GetLastError());
            return FALSE;
        }
    }
}

// A new, empty file "TEMPZND-year-month-day-hour-minute<ext>" in the temporary folder; a
// counter is added when that name is taken, so two downloads never share a file.
HANDLE CreateTempTarget(LPCSTR pszExt, CString& strPath)
{
    char szDir[MAX_PATH + 1] = "";
    DWORD cch = GetTempPathA(MAX_PATH, szDir);
    if (cch == 0 || cch > MAX_PATH) {
        return INVALID_HANDLE_VALUE;
    }
    CString strDir(szDir);
    if (strDir.Right(1) != "\\") {
        strDir += "\\";
    }
    CString strExt(pszExt != nullptr ? pszExt : "");
    if (!strExt.IsEmpty() && strExt[0] != '.') {
        strExt = "." + strExt;
    }
    SYSTEMTIME st;
    GetLocalTime(&st);
    CString strStem;
    strStem.Format("%sTEMPZND-%d-%d-%d-%d-%d", strDir.GetString(), st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
    for (int n = 0; n < 10000; ++n) {
        CString strName = strStem;
        if (n > 0) {
            CString strCount;
            strCount.Format("-%d", n);
            strName += strCount;
        }
        strName += strExt;
        HANDLE h = CreateFileA(strName, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            strPath = strName;
            return h;
        }
        const DWORD dwErr = GetLastError();
        if (dwErr != ERROR_FILE_EXISTS && dwErr != ERROR_ALREADY_EXISTS) {
            return INVALID_HANDLE_VALUE;
        }
    }
    return INVALID_HANDLE_VALUE;
}
} // namespace

BOOL IsUrlPath(LPCSTR pszPath)
{
    if (pszPath == nullptr) {
        return FALSE;
    }
    static const char* const s_schemes[] = {"http://", "https://", "ftp://"};
    for (const char* pszScheme : s_schemes) {
        if (_strnicmp(pszPath, pszScheme, strlen(pszScheme)) == 0) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL FetchUrlBytes(LPCSTR pszUrl, CByteArray& arrBytes, CString& strError)
{
    arrBytes.RemoveAll();
    std::vector<BYTE> bytes;
    if (!ReadUrl(pszUrl, strError, [&](const BYTE* p, DWORD cb) {
            bytes.insert(bytes.end(), p, p + cb);
            return TRUE;
        })) {
        return FALSE;
    }
    arrBytes.SetSize(static_cast<INT_PTR>(bytes.size()));
    if (!bytes.empty()) {
        memcpy(arrBytes.GetData(), bytes.data(), bytes.size());
    }
    return TRUE;
}

BOOL FetchUrlToTempFile(LPCSTR pszUrl, LPCSTR pszExt, CString& strTempPath, CString& strError)
{
    strTempPath.Empty();
    if (pszUrl == nullptr || !IsUrlPath(pszUrl)) {
        strError.Format("Not an address: \"%s\".", pszUrl != nullptr ? pszUrl : "");
        return FALSE;
    }
    CString strPath;
    HANDLE hFile = CreateTempTarget(pszExt, strPath);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError.Format("Cannot create a temporary file (error %lu).", GetLastError());
        return FALSE;
    }
    BOOL bOk = ReadUrl(pszUrl, strError, [&](const BYTE* p, DWORD cb) {
        DWORD cbWritten = 0;
        return WriteFile(hFile, p, cb, &cbWritten, nullptr) && cbWritten == cb;
    });
    if (!CloseHandle(hFile) && bOk) {
        strError.Format("Cannot write \"%s\" (error %lu).", strPath.GetString(), GetLastError());
        bOk = FALSE;
    }
    if (!bOk) {
        DeleteFileA(strPath);
        return FALSE;
    }
    strTempPath = strPath;
    return TRUE;
}
