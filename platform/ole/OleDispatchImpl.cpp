#include "platform/ole/OleDispatchImpl.h"

const FX_DISPMAP_ENTRY* COleDispatchImpl::GetDispatchMap() const
{
    static const FX_DISPMAP_ENTRY empty[] = {{nullptr, nullptr, nullptr}};
    return empty;
}

int COleDispatchImpl::GetDispatchCount() const
{
    int n = 0;
    for (const FX_DISPMAP_ENTRY* p = GetDispatchMap(); p->pszName != nullptr; ++p) {
        ++n;
    }
    return n;
}

LPCSTR COleDispatchImpl::GetDispatchName(DISPID dispid) const
{
    if (dispid < 1 || dispid > GetDispatchCount()) {
        return nullptr;
    }
    return GetDispatchMap()[dispid - 1].pszName;
}

HRESULT COleDispatchImpl::DispGetIDsOfNames(LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const
{
    if (cNames == 0) {
        return S_OK;
    }
    if (rgszNames == nullptr || rgDispId == nullptr) {
        return E_POINTER;
    }
    for (UINT i = 0; i < cNames; ++i) {
        rgDispId[i] = DISPID_UNKNOWN;
    }
    if (rgszNames[0] == nullptr) {
        return DISP_E_UNKNOWNNAME;
    }
    // Map names are ASCII: fold case on the UTF-16 side, where no GBK trail byte can match.
    const FX_DISPMAP_ENTRY* pEntries = GetDispatchMap();
    for (int i = 0; pEntries[i].pszName != nullptr; ++i) {
        WCHAR wszName[256];
        if (MultiByteToWideChar(FX_CODEPAGE, 0, pEntries[i].pszName, -1, wszName, 256) == 0) {
            continue;
        }
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, wszName, -1, rgszNames[0], -1) == CSTR_EQUAL) {
            rgDispId[0] = i + 1;
            return cNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT COleDispatchImpl::DispInvoke(DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     UINT* puArgErr)
{
    if (dispIdMember < 1 || dispIdMember > GetDispatchCount()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (pDispParams == nullptr || (pDispParams->cArgs > 0 && pDispParams->rgvarg == nullptr) ||
        (pDispParams->cNamedArgs > 0 && pDispParams->rgdispidNamedArgs == nullptr) ||
        pDispParams->cNamedArgs > pDispParams->cArgs) {
        return E_INVALIDARG;
    }
    const FX_DISPMAP_ENTRY& entry = GetDispatchMap()[dispIdMember - 1];
    if ((wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
        if (entry.pfnPut == nullptr) {
            return DISP_E_MEMBERNOTFOUND;
        }
        // The new value is the one argument, named DISPID_PROPERTYPUT.
        if (pDispParams->cNamedArgs != 1 || pDispParams->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        DISPPARAMS params = {pDispParams->rgvarg, nullptr, pDispParams->cArgs, 0};
        return entry.pfnPut(this, &params, nullptr, puArgErr);
    }
    if ((wFlags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (pDispParams->cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (entry.pfnPut != nullptr && (wFlags & DISPATCH_PROPERTYGET) == 0 && pDispParams->cArgs != 0) {
        return DISP_E_BADPARAMCOUNT;
    }
    if (pVarResult != nullptr) {
        VariantInit(pVarResult);
    }
    return entry.pfnCall(this, pDispParams, pVarResult, puArgErr);
}
