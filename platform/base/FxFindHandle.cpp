#include "platform/base/FxFindHandle.h"

CFxFindHandle::CFxFindHandle() : m_hFind(INVALID_HANDLE_VALUE)
{
}

CFxFindHandle::~CFxFindHandle()
{
    Close();
}

BOOL CFxFindHandle::FindFirst(LPCSTR pszPattern, WIN32_FIND_DATAA& fd)
{
    Attach(FindFirstFileA(pszPattern, &fd));
    return IsValid();
}

BOOL CFxFindHandle::FindNext(WIN32_FIND_DATAA& fd)
{
    return IsValid() && FindNextFileA(m_hFind, &fd);
}

void CFxFindHandle::Attach(HANDLE hFind)
{
    Close();
    m_hFind = hFind;
}

HANDLE CFxFindHandle::Detach()
{
    HANDLE hFind = m_hFind;
    m_hFind = INVALID_HANDLE_VALUE;
    return hFind;
}

BOOL CFxFindHandle::Close()
{
    return !IsValid() || FindClose(Detach());
}
