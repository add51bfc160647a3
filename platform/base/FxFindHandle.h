// Owns one FindFirstFileA search and closes it with FindClose.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/FxOwner.h"

struct CFxFindRelease
{
    using Handle = HANDLE;

    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static BOOL IsHeld(HANDLE hFind) { return hFind != INVALID_HANDLE_VALUE; }
    static BOOL NothingHeld() { return TRUE; }
    BOOL Release(HANDLE hFind) const { return FindClose(hFind); }
};

class FX_API CFxFindHandle : public CFxOwner<CFxFindRelease>
{
public:
    CFxFindHandle() = default;

    // Closes any held search first. FALSE when nothing matches; GetLastError says why.
    BOOL FindFirst(LPCSTR pszPattern, WIN32_FIND_DATAA& fd);
    BOOL FindNext(WIN32_FIND_DATAA& fd);
};
