#include "platform/base/FxResMgr.h"

#include <algorithm>
#include <vector>

namespace
{
HINSTANCE g_hResource = nullptr;

std::vector<HINSTANCE>& ModuleChain()
{
    // Built on first use: libraries join from their static constructors, in any order.
    static std::vector<HINSTANCE> chain;
    return chain;
}

BOOL HasResource(HINSTANCE hInst, LPCSTR pszName, LPCSTR pszType)
{
    return hInst != nullptr && FindResourceA(hInst, pszName, pszType) != nullptr;
}
} // namespace

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
    if (pszFileName == nullptr || *pszFileName == '\0') {
        return nullptr;
    }
    return GetModuleHandleA(pszFileName);
}

void CFxResMgr::AddModule(HINSTANCE hInst)
{
    if (hInst == nullptr) {
        return;
    }
    std::vector<HINSTANCE>& chain = ModuleChain();
    if (std::find(chain.begin(), chain.end(), hInst) == chain.end()) {
        chain.insert(chain.begin(), hInst);
    }
}

void CFxResMgr::RemoveModule(HINSTANCE hInst)
{
    std::vector<HINSTANCE>& chain = ModuleChain();
    chain.erase(std::remove(chain.begin(), chain.end(), hInst), chain.end());
    if (g_hResource == hInst) {
        g_hResource = nullptr;
    }
}

HINSTANCE CFxResMgr::FindResourceHandle(LPCSTR pszName, LPCSTR pszType)
{
    HINSTANCE hCurrent = GetResourceHandle();
    if (HasResource(hCurrent, pszName, pszType)) {
        return hCurrent;
    }
    for (HINSTANCE hInst : ModuleChain()) {
        if (HasResource(hInst, pszName, pszType)) {
            return hInst;
        }
    }
    HINSTANCE hExe = GetModuleHandleA(nullptr);
    return HasResource(hExe, pszName, pszType) ? hExe : nullptr;
}
