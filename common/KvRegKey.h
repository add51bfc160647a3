// One open registry key: reads and writes its string and 4-byte values.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/String.h"

class KVCOMM_API CKvRegKey
{
public:
    CKvRegKey();
    ~CKvRegKey();
    CKvRegKey(const CKvRegKey&) = delete;
    CKvRegKey& operator=(const CKvRegKey&) = delete;

    // Read and write access (KEY_READ | KEY_WRITE).
    BOOL Open(HKEY hKeyRoot, LPCSTR pszPath);
    // Opens the key, creating it and the missing keys on its path.
    BOOL Create(HKEY hKeyRoot, LPCSTR pszPath);
    // Full access (KEY_ALL_ACCESS); the second form opens a subkey of the held key.
    BOOL VerifyKey(HKEY hKeyRoot, LPCSTR pszPath);
    BOOL VerifyKey(LPCSTR pszPath);
    BOOL VerifyValue(LPCSTR pszValue);
    void Close();

    // REG_SZ only: any other type fails with the text empty.
    BOOL GetStringValue(LPCSTR pszValue, CString& strText);
    BOOL SetStringValue(LPCSTR pszValue, LPCSTR pszText);
    // Reads any 4-byte value without checking its type; the integer is untouched on failure.
    BOOL GetIntValue(LPCSTR pszValue, int& nValue);
    BOOL GetDWordValue(LPCSTR pszValue, DWORD& dwValue);
    BOOL SetIntValue(LPCSTR pszValue, int nValue);
    // Unlike the other setters: the registry's own result code, ERROR_SUCCESS (0) on success.
    LONG SetDWordValue(LPCSTR pszValue, DWORD dwValue);

    HKEY GetKey() const { return m_hKey; }

private:
    // Holds hKey in place of the held key, which is closed only now that the new one is open.
    BOOL Hold(LONG lResult, HKEY hKey);

    CFxRegKey m_hKey;
};
