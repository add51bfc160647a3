#include "platform/base/ResMgr.h"

namespace
{
HINSTANCE g_hResource = nullptr;
}

HINSTANCE CFxResMgr::GetResourceHandle()
{
    return g_hResource != nullptr ? g_hResource : GetModuleHandleA(nullptr);
}

void CFxResMgr::SetResourceHandle(HINSTANCE hInst)
{
    g_hResource = hInst;
}

HINSTANCE CFxResMgr::FindModule(LPCSTR pszFileName)
{
    return GetModuleHandleA(pszFileName);
}
