// GlobalLock ... GlobalUnlock as a scope: the block stays locked while the scope lasts, and every
// early return unlocks it. The block itself belongs to someone else (the clipboard, a DEVMODE).
#pragma once

#include <windows.h>

class CFxGlobalLock
{
public:
    // A null block locks nothing; GetData then gives null, as it does when the lock fails.
    explicit CFxGlobalLock(HGLOBAL hMem) : m_hMem(hMem), m_pData(hMem != nullptr ? GlobalLock(hMem) : nullptr) {}
    ~CFxGlobalLock()
    {
        if (m_pData != nullptr) {
            GlobalUnlock(m_hMem);
        }
    }
    CFxGlobalLock(const CFxGlobalLock&) = delete;
    CFxGlobalLock& operator=(const CFxGlobalLock&) = delete;

    void* GetData() const { return m_pData; }
    template <class T> T* GetAs() const { return static_cast<T*>(m_pData); }

private:
    HGLOBAL m_hMem;
    void* m_pData;
};
