// Owns one open registry key and closes it with RegCloseKey.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/FxOwner.h"

struct CFxRegKeyRelease : CFxNullIsEmpty<HKEY>
{
    static LONG NothingHeld() { return ERROR_SUCCESS; }
    LONG Release(HKEY hKey) const { return RegCloseKey(hKey); }
};

class FX_API CFxRegKey : public CFxOwner<CFxRegKeyRelease>
{
public:
    CFxRegKey() = default;

    // The opening calls return the registry's result code, ERROR_SUCCESS on success. The key
    // opened replaces the held one, which may be its parent and so closes only afterwards; on
    // failure nothing is held.
    // KEY_READ only: all a standard user gets under HKEY_LOCAL_MACHINE.
    LONG OpenForRead(HKEY hKeyParent, LPCSTR pszPath);
    LONG Open(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired);
    // Opens the key, creating it and the missing keys on its path.
    LONG Create(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired);

private:
    LONG Hold(LONG lResult, HKEY hKey);
};
