// A VARIANT that clears itself: the BSTR, interface or array it holds is released once, at the
// end of its scope or when it is filled again through Receive.
#pragma once

#include <windows.h>

#include <oleauto.h>

class CFxVariant : public VARIANT
{
public:
    CFxVariant() { VariantInit(this); }
    // Takes over what v holds: its giver no longer clears it.
    explicit CFxVariant(const VARIANT& v) : VARIANT(v) {}
    ~CFxVariant() { VariantClear(this); }
    CFxVariant(const CFxVariant&) = delete;
    CFxVariant& operator=(const CFxVariant&) = delete;

    // Leaves VT_EMPTY. What VariantClear returns.
    HRESULT Clear() { return VariantClear(this); }
    // The slot an [out] VARIANT* fills; what was held is released first.
    VARIANT* Receive()
    {
        Clear();
        return this;
    }
    // Moves the value out to the caller, who clears it; this is left VT_EMPTY.
    VARIANT Detach()
    {
        VARIANT v = *this;
        VariantInit(this);
        return v;
    }
};
