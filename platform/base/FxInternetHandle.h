// Owns one WinINet handle (session, connection, request) and closes it with InternetCloseHandle.
// Only a library that links wininet includes this.
#pragma once

#include <windows.h>

#include <wininet.h>

#include "platform/base/FxOwner.h"

struct CFxInternetRelease : CFxNullIsEmpty<HINTERNET>
{
    static BOOL NothingHeld() { return TRUE; }
    BOOL Release(HINTERNET hInternet) const { return InternetCloseHandle(hInternet); }
};

class CFxInternetHandle : public CFxOwner<CFxInternetRelease>
{
public:
    explicit CFxInternetHandle(HINTERNET hInternet = nullptr) : CFxOwner(hInternet) {}
};
