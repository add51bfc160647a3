#include "core/CappFileNameFun.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>

namespace
{
// The names Windows opens as devices in any folder, with or without an extension.
BOOL IsDeviceName(const std::wstring& wstrName)
{
    // Windows matches the part before the first dot with trailing blanks removed.
    std::wstring wstrBase = wstrName.substr(0, wstrName.find(L'.'));
    while (!wstrBase.empty() && wstrBase.back() == L' ') {
        wstrBase.pop_back();
    }
    static const wchar_t* const plain[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* pwszDevice : plain) {
        if (_wcsicmp(wstrBase.c_str(), pwszDevice) == 0) {
            return TRUE;
        }
    }
    static const wchar_t* const numbered[] = {L"COM", L"LPT"};
    for (const wchar_t* pwszDevice : numbered) {
        if (wstrBase.size() == 4 && _wcsnicmp(wstrBase.c_str(), pwszDevice, 3) == 0 && wstrBase[3] >= L'1' &&
            wstrBase[3] <= L'9') {
            return TRUE;
        }
    }
    return FALSE;
}
} // namespace

BOOL CCappFileNameFun::IsPlainFileNameW(const wchar_t* pwszName)
{
    if (pwszName == nullptr) {
        return FALSE;
    }
    const std::wstring wstrName(pwszName);
    if (wstrName.empty() || wstrName.size() > MAX_PATH) {
        return FALSE;
    }
    for (wchar_t ch : wstrName) {
        if (ch < 0x20 || ch == 0x7F || std::wcschr(L"/\\:*?\"<>|", ch) != nullptr) {
            return FALSE;
        }
    }
    if (wstrName.find(L"..") != std::wstring::npos || wstrName.back() == L'.' || wstrName.back() == L' ') {
        return FALSE;
    }
    return !IsDeviceName(wstrName);
}

BOOL CCappFileNameFun::IsPlainFileName(const CString& strName)
{
    if (strName.IsEmpty() || strName.GetLength() > 2 * MAX_PATH) {
        return FALSE;
    }
    // The A entry points read the name in the ANSI code page: check what they will see.
    const int nLen =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, strName.GetString(), strName.GetLength(), nullptr, 0);
    if (nLen <= 0) {
        return FALSE;
    }
    std::wstring wstrName(static_cast<size_t>(nLen), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, strName.GetString(), strName.GetLength(), &wstrName[0], nLen);
    // An embedded terminator would cut the name short.
    if (wstrName.find(L'\0') != std::wstring::npos) {
        return FALSE;
    }
    return IsPlainFileNameW(wstrName.c_str());
}
