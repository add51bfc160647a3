// The bounds a fetch from the net keeps on this thread, and the scope that sets them.
#pragma once

#include "control/VornCtlExport.h"

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
