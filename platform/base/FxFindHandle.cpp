#include "platform/base/FxFindHandle.h"

BOOL CFxFindHandle::FindFirst(LPCSTR pszPattern, WIN32_FIND_DATAA& fd)
{
    Attach(FindFirstFileA(pszPattern, &fd));
    return IsValid();
}

BOOL CFxFindHandle::FindNext(WIN32_FIND_DATAA& fd)
{
    return IsValid() && FindNextFileA(m_handle, &fd);
}
