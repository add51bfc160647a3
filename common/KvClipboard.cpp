#include "common/KvClipboard.h"

#include "platform/base/FxClipboard.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"

BOOL CKvClipboard::GetText(CString& strText, HWND hWndOwner)
{
    CFxClipboard clipboard(hWndOwner);
    if (!clipboard.IsOpen()) {
        return FALSE;
    }
    HGLOBAL hMem = GetClipboardData(CF_TEXT);
    CFxGlobalLock lock(hMem);
    const char* pch = static_cast<const char*>(lock.GetData());
    if (pch == nullptr) {
        return FALSE;
    }
    // Another program's block need not hold a zero: never read past its end.
    SIZE_T cbBlock = GlobalSize(hMem);
    SIZE_T cch = 0;
    while (cch < cbBlock && pch[cch] != '\0') {
        ++cch;
    }
    strText = CString(pch, static_cast<int>(cch));
    return TRUE;
}

BOOL CKvClipboard::GetTextLength(DWORD& dwSize, HWND hWndOwner)
{
    CFxClipboard clipboard(hWndOwner);
    if (!clipboard.IsOpen()) {
        return FALSE;
    }
    HGLOBAL hMem = GetClipboardData(CF_TEXT);
    if (hMem == nullptr) {
        return FALSE;
    }
    dwSize = static_cast<DWORD>(GlobalSize(hMem));
    return TRUE;
}

BOOL CKvClipboard::SetText(LPCSTR pszText, HWND hWndOwner)
{
    CFxClipboard clipboard(hWndOwner);
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        return FALSE;
    }
    size_t cch = pszText != nullptr ? strlen(pszText) : 0;
    if (cch == 0) {
        return TRUE;
    }
    CFxGlobalMem mem;
    if (!mem.Alloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cch + 1)) {
        return FALSE;
    }
    {
        CFxGlobalLock lock(mem);
        if (lock.GetData() == nullptr) {
            return FALSE;
        }
        memcpy(lock.GetData(), pszText, cch);
    }
    // The clipboard owns the block only once SetClipboardData succeeds.
    if (SetClipboardData(CF_TEXT, mem) == nullptr) {
        return FALSE;
    }
    mem.Detach();
    return TRUE;
}
