#include "common/KvRegKey.h"

CKvRegKey::CKvRegKey()
{
}

CKvRegKey::~CKvRegKey()
{
    Close();
}

BOOL CKvRegKey::Hold(LONG lResult, HKEY hKey)
{
    m_hKey.Attach(lResult == ERROR_SUCCESS ? hKey : nullptr);
    return lResult == ERROR_SUCCESS;
}

BOOL CKvRegKey::Open(HKEY hKeyRoot, LPCSTR pszPath)
{
    HKEY hKey = nullptr;
    LONG lResult = RegOpenKeyExA(hKeyRoot, pszPath, 0, KEY_READ | KEY_WRITE, &hKey);
    return Hold(lResult, hKey);
}

BOOL CKvRegKey::Create(HKEY hKeyRoot, LPCSTR pszPath)
{
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    LONG lResult = RegCreateKeyExA(hKeyRoot, pszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                   nullptr, &hKey, &dwDisposition);
    return Hold(lResult, hKey);
}

BOOL CKvRegKey::VerifyKey(HKEY hKeyRoot, LPCSTR pszPath)
{
    HKEY hKey = nullptr;
    LONG lResult = RegOpenKeyExA(hKeyRoot, pszPath, 0, KEY_ALL_ACCESS, &hKey);
    return Hold(lResult, hKey);
}

BOOL CKvRegKey::VerifyKey(LPCSTR pszPath)
{
    if (m_hKey == nullptr) {
        return FALSE;
    }
    // The held key is the parent: Hold closes it only after the child is open.
    return VerifyKey(m_hKey, pszPath);
}

BOOL CKvRegKey::VerifyValue(LPCSTR pszValue)
{
    if (m_hKey == nullptr) {
        return FALSE;
    }
    return RegQueryValueExA(m_hKey, pszValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void CKvRegKey::Close()
{
    m_hKey.Close();
}

BOOL CKvRegKey::GetStringValue(LPCSTR pszValue, CString& strText)
{
    strText.Empty();
    if (m_hKey == nullptr) {
        return FALSE;
    }
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (RegQueryValueExA(m_hKey, pszValue, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS || dwType != REG_SZ) {
        return FALSE;
    }
    if (cbData == 0) {
        return TRUE;
    }
    // The value may grow between the two calls; the size check of the second call catches it.
    CString strData;
    LPSTR pszBuf = strData.GetBuffer(static_cast<int>(cbData));
    DWORD cbRead = cbData;
    LONG lResult = RegQueryValueExA(m_hKey, pszValue, nullptr, &dwType, reinterpret_cast<LPBYTE>(pszBuf), &cbRead);
    if (lResult != ERROR_SUCCESS || dwType != REG_SZ) {
        strData.ReleaseBuffer(0);
        return FALSE;
    }
    // A stored value need not end in a zero: cut at the first one within what was read.
    int nLength = 0;
    while (static_cast<DWORD>(nLength) < cbRead && pszBuf[nLength] != '\0') {
        ++nLength;
    }
    strData.ReleaseBuffer(nLength);
    strText = strData;
    return TRUE;
}

BOOL CKvRegKey::SetStringValue(LPCSTR pszValue, LPCSTR pszText)
{
    if (m_hKey == nullptr || pszText == nullptr) {
        return FALSE;
    }
    DWORD cbData = static_cast<DWORD>(lstrlenA(pszText) + 1);
    return RegSetValueExA(m_hKey, pszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText), cbData) == ERROR_SUCCESS;
}

BOOL CKvRegKey::GetIntValue(LPCSTR pszValue, int& nValue)
{
    DWORD dwValue = 0;
    if (!GetDWordValue(pszValue, dwValue)) {
        return FALSE;
    }
    nValue = static_cast<int>(dwValue);
    return TRUE;
}

BOOL CKvRegKey::GetDWordValue(LPCSTR pszValue, DWORD& dwValue)
{
    if (m_hKey == nullptr) {
        return FALSE;
    }
    DWORD dwData = 0;
    DWORD cbData = sizeof(dwData);
    if (RegQueryValueExA(m_hKey, pszValue, nullptr, nullptr, reinterpret_cast<LPBYTE>(&dwData), &cbData) !=
        ERROR_SUCCESS) {
        return FALSE;
    }
    dwValue = dwData;
    return TRUE;
}

BOOL CKvRegKey::SetIntValue(LPCSTR pszValue, int nValue)
{
    return SetDWordValue(pszValue, static_cast<DWORD>(nValue)) == ERROR_SUCCESS;
}

LONG CKvRegKey::SetDWordValue(LPCSTR pszValue, DWORD dwValue)
{
    if (m_hKey == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    return RegSetValueExA(m_hKey, pszValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
}
