#include "common/KvClipboard.h"

#include "platform/base/FxGlobalMem.h"

namespace
{
// OpenClipboard ... CloseClipboard as a scope: every early return closes it.
class ClipboardScope
{
public:
    explicit ClipboardScope(HWND hWndOwner) : m_bOpen(OpenClipboard(hWndOwner)) {}
    ~ClipboardScope()
    {
        if (m_bOpen) {
            CloseClipboard();
        }
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

// GlobalLock ... GlobalUnlock as a scope.
class GlobalLockScope
{
public:
    explicit GlobalLockScope(HGLOBAL hMem) : m_hMem(hMem), m_pData(hMem != nullptr ? GlobalLock(hMem) : nullptr) {}
    ~GlobalLockScope()
    {
        if (m_pData != nullptr) {
            GlobalUnlock(m_hMem);
        }
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* GetData() const { return m_pData; }

private:
    HGLOBAL m_hMem;
    void* m_pData;
};
} // namespace

BOOL CKvClipboard::GetText(CString& strText, HWND hWndOwner)
{
    ClipboardScope clipboard(hWndOwner);
    if (!clipboard.IsOpen()) {
        return FALSE;
    }
    HGLOBAL hMem = GetClipboardData(CF_TEXT);
    GlobalLockScope lock(hMem);
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
    ClipboardScope clipboard(hWndOwner);
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
    ClipboardScope clipboard(hWndOwner);
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
        GlobalLockScope lock(mem);
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
