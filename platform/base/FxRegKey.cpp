#include "platform/base/FxRegKey.h"

LONG CFxRegKey::Hold(LONG lResult, HKEY hKey)
{
    Attach(lResult == ERROR_SUCCESS ? hKey : nullptr);
    return lResult;
}

LONG CFxRegKey::OpenForRead(HKEY hKeyParent, LPCSTR pszPath)
{
    return Open(hKeyParent, pszPath, KEY_READ);
}

LONG CFxRegKey::Open(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired)
{
    HKEY hKey = nullptr;
    LONG lResult = RegOpenKeyExA(hKeyParent, pszPath, 0, samDesired, &hKey);
    return Hold(lResult, hKey);
}

LONG CFxRegKey::Create(HKEY hKeyParent, LPCSTR pszPath, REGSAM samDesired)
{
    HKEY hKey = nullptr;
    LONG lResult =
        RegCreateKeyExA(hKeyParent, pszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired, nullptr, &hKey, nullptr);
    return Hold(lResult, hKey);
}
