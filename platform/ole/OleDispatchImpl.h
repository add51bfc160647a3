// The IDispatch behaviour of an object with a dispatch map; the object's own IDispatch methods
// forward here. A mixin: the COM identity and reference count belong to the object.
#pragma once

#include "platform/ole/DispatchMap.h"

class FX_API COleDispatchImpl
{
public:
    virtual ~COleDispatchImpl() = default;

    // The dispid of the first name (its table position from 1); parameter names are not known.
    HRESULT DispGetIDsOfNames(LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const;
    HRESULT DispInvoke(DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult, UINT* puArgErr);

    // Entries in the map, and the name of a dispid (null when there is none).
    int GetDispatchCount() const;
    LPCSTR GetDispatchName(DISPID dispid) const;

protected:
    virtual const FX_DISPMAP_ENTRY* GetDispatchMap() const;
};
