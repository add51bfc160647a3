// Owns one open registry key and closes it with RegCloseKey.
#pragma once

#include "platform/base/FxExport.h"

class FX_API CFxRegKey
{
public:
    CFxRegKey();
    ~CFxRegKey();
    CFxRegKey(const CFxRegKey&) = delete;
    CFxRegKey& operator=(const CFxRegKey&) = delete;

    operator HKEY() const { return m_hKey; }
    BOOL IsValid() const { return m_hKey != nullptr; }
    // The opening calls return the registry's result code, ERROR_SUCCESS on success. The key
    // opened replaces the held one, which may be its parent and so closes only afterwards; on
    // failure nothing is held.
    // KEY_READ only: all a standard user gets under HKEY_LOCAL_MACHINE.
    LONG OpenForRead(HKEY hKeyParent, LPCSTR pszPath);
    LONG Open(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired);
    // Opens the key, creating it and the missing keys on its path.
    LONG Create(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired);
    // Closes the held key first.
    void Attach(HKEY hKey);
    // The caller closes what this returns.
    HKEY Detach();
    // ERROR_SUCCESS when nothing was held.
    LONG Close();

private:
    LONG Hold(LONG lResult, HKEY hKey);

    HKEY m_hKey;
};
