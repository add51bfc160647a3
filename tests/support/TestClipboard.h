// The clipboard's text for tests: what a copy left there, and text put there for a paste.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/base/FxClipboard.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"

// FALSE when the clipboard cannot be opened or holds no text.
inline BOOL TestReadClipboardText(std::string& strText, HWND hOwner = nullptr)
{
    strText.clear();
    CFxClipboard clipboard(hOwner);
    if (!clipboard.IsOpen()) {
        return FALSE;
    }
    CFxGlobalLock lock(::GetClipboardData(CF_TEXT));
    if (lock.GetData() == nullptr) {
        return FALSE;
    }
    strText = lock.GetAs<const char>();
    return TRUE;
}

// Empties the clipboard and puts the text there, nothing for null. FALSE when the clipboard did
// not take it.
inline BOOL TestPutClipboardText(HWND hOwner, LPCSTR pszText)
{
    CFxGlobalMem mem;
    const size_t cb = pszText != nullptr ? std::strlen(pszText) + 1 : 0;
    if (pszText != nullptr) {
        CFxGlobalLock lock(mem.Alloc(GMEM_MOVEABLE, cb) ? static_cast<HGLOBAL>(mem) : nullptr);
        if (lock.GetData() == nullptr) {
            return FALSE;
        }
        std::memcpy(lock.GetData(), pszText, cb);
    }
    CFxClipboard clipboard(hOwner);
    if (!clipboard.IsOpen() || !::EmptyClipboard()) {
        return FALSE;
    }
    // The clipboard owns the block only once it took it.
    if (pszText != nullptr && ::SetClipboardData(CF_TEXT, mem) == nullptr) {
        return FALSE;
    }
    mem.Detach();
    return TRUE;
}
