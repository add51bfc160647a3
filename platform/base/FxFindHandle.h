// Owns one FindFirstFileA search and closes it with FindClose.
#pragma once

#include "platform/base/FxExport.h"

class FX_API CFxFindHandle
{
public:
    CFxFindHandle();
    ~CFxFindHandle();
    CFxFindHandle(const CFxFindHandle&) = delete;
    CFxFindHandle& operator=(const CFxFindHandle&) = delete;

    operator HANDLE() const { return m_hFind; }
    BOOL IsValid() const { return m_hFind != INVALID_HANDLE_VALUE; }
    // Closes any held search first. FALSE when nothing matches; GetLastError says why.
    BOOL FindFirst(LPCSTR pszPattern, WIN32_FIND_DATAA& fd);
    BOOL FindNext(WIN32_FIND_DATAA& fd);
    // Closes the held search first.
    void Attach(HANDLE hFind);
    // The caller closes what this returns.
    HANDLE Detach();
    // TRUE when nothing was held.
    BOOL Close();

private:
    HANDLE m_hFind;
};
