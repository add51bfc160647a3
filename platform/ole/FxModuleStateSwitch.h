// Draws resources from one module for the length of a call into it, and restores the old module.
#pragma once

#include "platform/base/FxResMgr.h"

class CFxModuleStateSwitch
{
public:
    explicit CFxModuleStateSwitch(HINSTANCE hModule) : m_hOld(CFxResMgr::GetResourceHandle())
    {
        if (hModule != nullptr) {
            CFxResMgr::SetResourceHandle(hModule);
        }
    }
    ~CFxModuleStateSwitch() { CFxResMgr::SetResourceHandle(m_hOld); }
    CFxModuleStateSwitch(const CFxModuleStateSwitch&) = delete;
    CFxModuleStateSwitch& operator=(const CFxModuleStateSwitch&) = delete;

private:
    HINSTANCE m_hOld;
};
