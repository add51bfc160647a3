// Owns one BSTR and frees it with SysFreeString.
#pragma once

#include <windows.h>

#include "platform/base/FxOwner.h"

struct CFxBstrRelease : CFxNullIsEmpty<BSTR>
{
    static void NothingHeld() {}
    void Release(BSTR bstr) const { SysFreeString(bstr); }
};

class CFxBstr : public CFxOwner<CFxBstrRelease>
{
public:
    // Takes over the string: AllocSysString's result, or an [out] BSTR.
    explicit CFxBstr(BSTR bstr = nullptr) : CFxOwner(bstr) {}
};
