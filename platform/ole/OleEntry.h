// What every COM method of a control or page does on entry from its container: switch the
// current resource module to the control's own library for the call, and stop any exception at
// the boundary (reported once; the caller gets E_FAIL).
#pragma once

#include "platform/base/Firewall.h"
#include "platform/ole/FxModuleStateSwitch.h"

template <class F> HRESULT FxOleEntry(LPCSTR pszWhere, HINSTANCE hModule, F&& fn)
{
    return FxCallbackEntry(pszWhere, E_FAIL, [&]() -> HRESULT {
        CFxModuleStateSwitch state(hModule);
        return fn();
    });
}
