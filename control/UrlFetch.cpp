#include "control/UrlFetch.h"

#include <string.h>

#include <vector>

#include "control/UrlFetchScope.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxInternetHandle.h"

namespace
{
const DWORD kChunk = 8192;

void SetTimeouts(HINTERNET h, DWORD dwTimeout)
{
    for (DWORD dwOption :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
          INTERNET_OPTION_DATA_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
        InternetSetOptionA(h, dwOption, &dwTimeout, sizeof(dwTimeout));
    }
}

// Opens an address: http and https through a connection and a request that get the timeouts
// themselves (under Wine a connection does not take the send and receive timeouts of its
// session, and InternetOpenUrl gives no chance to set them), ftp as WinINet opens it.
HINTERNET OpenUrl(HINTERNET hSession, const CString& strUrl, DWORD dwFlags, DWORD dwTimeout,
                  CFxInternetHandle& hConnect)
{
    if (_strnicmp(strUrl, "http", 4) != 0) {
        return InternetOpenUrlA(hSession, strUrl, nullptr, 0, dwFlags, 0);
    }
    char szHost[INTERNET_MAX_HOST_NAME_LENGTH + 1] = "";
    char szPath[INTERNET_MAX_URL_LENGTH + 1] = "";
    char szExtra[INTERNET_MAX_URL_LENGTH + 1] = "";
    URL_COMPONENTSA uc = {};
    uc.dwStructSize = sizeof(uc);
    uc.lpszHostName = szHost;
    uc.dwHostNameLength = sizeof(szHost);
    uc.lpszUrlPath = szPath;
    uc.dwUrlPathLength = sizeof(szPath);
    uc.lpszExtraInfo = szExtra;
    uc.dwExtraInfoLength = sizeof(szExtra);
    if (!InternetCrackUrlA(strUrl, 0, 0, &uc)) {
        return nullptr;
    }
    hConnect.Attach(InternetConnectA(hSession, szHost, uc.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (hConnect == nullptr) {
        return nullptr;
    }
    SetTimeouts(hConnect, dwTimeout);
    CString strObject = CString(szPath) + szExtra;
    if (strObject.IsEmpty()) {
        strObject = "/";
    }
    static LPCSTR s_acceptTypes[] = {"*/*", nullptr};
    const DWORD dwRequestFlags = dwFlags | (uc.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    CFxInternetHandle hRequest(
        HttpOpenRequestA(hConnect, "GET", strObject, nullptr, nullptr, s_acceptTypes, dwRequestFlags, 0));
    if (hRequest == nullptr) {
        return nullptr;
    }
    SetTimeouts(hRequest, dwTimeout);
    if (!HttpSendRequestA(hRequest, nullptr, 0, nullptr, 0)) {
        return nullptr;
    }
    return hRequest.Detach();
}

BOOL IsRedirect(DWORD dwStatus)
{
    return dwStatus == 301 || dwStatus == 302 || dwStatus == 303 || dwStatus == 307 || dwStatus == 308;
}

// A text header of the answer; FALSE when it is absent.
BOOL QueryHeader(HINTERNET hUrl, DWORD dwInfo, CString& strValue)
{
    DWORD cb = 0;
    HttpQueryInfoA(hUrl, dwInfo, nullptr, &cb, nullptr);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || cb == 0 || cb > 65536) {
        return FALSE;
    }
    char* p = strValue.GetBuffer(static_cast<int>(cb) + 1);
    const BOOL bOk = HttpQueryInfoA(hUrl, dwInfo, p, &cb, nullptr);
    strValue.ReleaseBuffer(bOk ? static_cast<int>(cb) : 0);
    return bOk;
}

// Where a redirect leads, resolved against the address that answered; only http and https.
BOOL RedirectTarget(HINTERNET hUrl, const CString& strFrom, CString& strTo)
{
    CString strLocation;
    if (!QueryHeader(hUrl, HTTP_QUERY_LOCATION, strLocation) || strLocation.IsEmpty()) {
        return FALSE;
    }
    char szUrl[4096] = "";
    DWORD cch = sizeof(szUrl);
    if (!InternetCombineUrlA(strFrom, strLocation, szUrl, &cch, ICU_NO_ENCODE)) {
        return FALSE;
    }
    strTo = szUrl;
    return _strnicmp(strTo, "http://", 7) == 0 || _strnicmp(strTo, "https://", 8) == 0;
}

// Reads the whole body of a URL, calling fnSink for every chunk. An HTTP answer other than 2xx is
// a failure, so an error page is never taken for the file; redirects are followed by hand, a few
// at most; every wait is bounded, and so are the body's size and the whole transfer's time.
template <class F> BOOL ReadUrl(LPCSTR pszUrl, CString& strError, F&& fnSink)
{
    strError.Empty();
    if (pszUrl == nullptr || !IsUrlPath(pszUrl)) {
        strError.Format("Not an address: \"%s\".", pszUrl != nullptr ? pszUrl : "");
        return FALSE;
    }
    const CUrlFetchLimits limits = CUrlFetchLimits::Current();
    CFxInternetHandle hSession(InternetOpenA("Vorn", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (hSession == nullptr) {
        strError.Format("Cannot open an internet session (error %lu).", GetLastError());
        return FALSE;
    }
    SetTimeouts(hSession, limits.dwTimeoutMs);
    DWORD dwRetries = 1;
    InternetSetOptionA(hSession, INTERNET_OPTION_CONNECT_RETRIES, &dwRetries, sizeof(dwRetries));
    const DWORD dwFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_TRANSFER_BINARY |
                          INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTO_REDIRECT;
    CString strUrl = pszUrl;
    for (int nRedirects = 0;; ++nRedirects) {
        // The connection outlives its request.
        CFxInternetHandle hConnect;
        CFxInternetHandle hUrl(OpenUrl(hSession, strUrl, dwFlags, limits.dwTimeoutMs, hConnect));
        if (hUrl == nullptr) {
            strError.Format("Cannot open \"%s\" (error %lu).", strUrl.GetString(), GetLastError());
            return FALSE;
        }
        ULONGLONG cbAnnounced = 0;
        BOOL bAnnounced = FALSE;
        if (_strnicmp(strUrl, "http", 4) == 0) {
            DWORD dwStatus = 0;
            DWORD cbStatus = sizeof(dwStatus);
            if (!HttpQueryInfoA(hUrl, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &cbStatus, nullptr)) {
                strError.Format("No answer status from \"%s\" (error %lu).", strUrl.GetString(), GetLastError());
                return FALSE;
            }
            if (IsRedirect(dwStatus)) {
                if (nRedirects >= limits.nMaxRedirects) {
                    strError.Format("\"%s\" redirects more than %d times.", pszUrl, limits.nMaxRedirects);
                    return FALSE;
                }
                CString strNext;
                if (!RedirectTarget(hUrl, strUrl, strNext)) {
                    strError.Format("\"%s\" redirects to no usable address.", strUrl.GetString());
                    return FALSE;
                }
                strUrl = strNext;
                continue;
            }
            if (dwStatus < 200 || dwStatus >= 300) {
                strError.Format("The server answered %lu for \"%s\".", dwStatus, strUrl.GetString());
                return FALSE;
            }
            // As text: a length past 4 GB must not wrap around.
            CString strLength;
            if (QueryHeader(hUrl, HTTP_QUERY_CONTENT_LENGTH, strLength)) {
                strLength.Trim();
                char* pEnd = nullptr;
                cbAnnounced = _strtoui64(strLength, &pEnd, 10);
                bAnnounced = !strLength.IsEmpty() && pEnd != nullptr && *pEnd == '\0';
            }
            if (bAnnounced && cbAnnounced > limits.cbMaxBody) {
                strError.Format("\"%s\" is larger than %lu bytes.", strUrl.GetString(), limits.cbMaxBody);
                return FALSE;
            }
        }
        const DWORD dwStart = GetTickCount();
        ULONGLONG cbTotal = 0;
        BYTE buf[kChunk];
        for (;;) {
            DWORD cbRead = 0;
            if (!InternetReadFile(hUrl, buf, kChunk, &cbRead)) {
                strError.Format("Reading \"%s\" failed (error %lu).", strUrl.GetString(), GetLastError());
                return FALSE;
            }
            if (cbRead == 0) {
                break;
            }
            cbTotal += cbRead;
            if (cbTotal > limits.cbMaxBody) {
                strError.Format("\"%s\" is larger than %lu bytes.", strUrl.GetString(), limits.cbMaxBody);
                return FALSE;
            }
            if (GetTickCount() - dwStart > limits.dwTotalMs) {
                strError.Format("Reading \"%s\" took longer than %lu seconds.", strUrl.GetString(),
                                limits.dwTotalMs / 1000);
                return FALSE;
            }
            if (!fnSink(buf, cbRead)) {
                strError.Format("Cannot store what \"%s\" sent (error %lu).", strUrl.GetString(), GetLastError());
                return FALSE;
            }
        }
        // A connection that closed early is a failure, not a shorter file.
        if (bAnnounced && cbTotal != cbAnnounced) {
            strError.Format("\"%s\" ended after %llu of %llu bytes.", strUrl.GetString(), cbTotal, cbAnnounced);
            return FALSE;
        }
        return TRUE;
    }
}

// Deletes a file unless told to keep it.
class CTempFileGuard
{
public:
    explicit CTempFileGuard(const CString& strPath) : m_strPath(strPath) {}
    ~CTempFileGuard()
    {
        if (!m_strPath.IsEmpty()) {
            DeleteFileA(m_strPath);
        }
    }
    CTempFileGuard(const CTempFileGuard&) = delete;
    CTempFileGuard& operator=(const CTempFileGuard&) = delete;
    void Keep() { m_strPath.Empty(); }

private:
    CString m_strPath;
};

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
    CFxHandle hFile(CreateTempTarget(pszExt, strPath));
    if (!hFile.IsValid()) {
        strError.Format("Cannot create a temporary file (error %lu).", GetLastError());
        return FALSE;
    }
    // The file goes on every way out but success, an exception's included.
    CTempFileGuard guard(strPath);
    BOOL bOk = ReadUrl(pszUrl, strError, [&](const BYTE* p, DWORD cb) {
        DWORD cbWritten = 0;
        return WriteFile(hFile, p, cb, &cbWritten, nullptr) && cbWritten == cb;
    });
    if (!hFile.Close() && bOk) {
        strError.Format("Cannot write \"%s\" (error %lu).", strPath.GetString(), GetLastError());
        bOk = FALSE;
    }
    if (!bOk) {
        return FALSE;
    }
    guard.Keep();
    strTempPath = strPath;
    return TRUE;
}
