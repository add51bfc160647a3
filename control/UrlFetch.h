// Reading card files, templates and data from addresses on the net through WinINet, bounded in
// time, size and redirects: a server that stalls, floods or loops gets a failure, never a hang.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/base/ByteArray.h"
#include "platform/base/String.h"

// The bounds every fetch on this thread keeps; a scope sets them for the calls made inside it.
struct VORNCTL_API CUrlFetchLimits
{
    // Largest body taken, in bytes.
    DWORD cbMaxBody;
    // Each of connecting, sending and waiting for bytes, in milliseconds.
    DWORD dwTimeoutMs;
    // The whole body, in milliseconds.
    DWORD dwTotalMs;
    // Redirects followed before the fetch fails.
    int nMaxRedirects;

    static constexpr DWORD kDefaultMaxBody = 32 * 1024 * 1024;
    static constexpr DWORD kDefaultTimeoutMs = 20000;
    static constexpr DWORD kDefaultTotalMs = 120000;
    static constexpr int kDefaultMaxRedirects = 5;

    CUrlFetchLimits();
    // The bounds in force on this thread.
    static CUrlFetchLimits Current();
};

// Puts limits in force on this thread until it ends; scopes nest.
class VORNCTL_API CUrlFetchScope
{
public:
    explicit CUrlFetchScope(const CUrlFetchLimits& limits);
    ~CUrlFetchScope();
    CUrlFetchScope(const CUrlFetchScope&) = delete;
    CUrlFetchScope& operator=(const CUrlFetchScope&) = delete;

private:
    const CUrlFetchLimits* m_pOuter;
    CUrlFetchLimits m_limits;
};

// True for "http://", "https://" and "ftp://" addresses (case-insensitive).
VORNCTL_API BOOL IsUrlPath(LPCSTR pszPath);
// Downloads a URL's whole body; FALSE with an error text on failure (also for a body shorter than
// its announced length, one over the size limit, or too many redirects).
VORNCTL_API BOOL FetchUrlBytes(LPCSTR pszUrl, CByteArray& arrBytes, CString& strError);
// Downloads into a uniquely named temporary file whose path is returned; the caller deletes it.
// On failure no file is left.
VORNCTL_API BOOL FetchUrlToTempFile(LPCSTR pszUrl, LPCSTR pszExt, CString& strTempPath, CString& strError);
