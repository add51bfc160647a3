// What every COM method of a control or page does on entry from its container: switch the
// current resource module to the control's own library for the call, and stop any exception at
// the boundary (reported once; the caller gets E_FAIL).
#pragma once

#include "platform/base/Firewall.h"
#include "platform/base/ResMgr.h"

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

template <class F> HRESULT FxOleEntry(LPCSTR pszWhere, HINSTANCE hModule, F&& fn)
{
    return FxCallbackEntry(pszWhere, E_FAIL, [&]() -> HRESULT {
        CFxModuleStateSwitch state(hModule);
        return fn();
    });
}
