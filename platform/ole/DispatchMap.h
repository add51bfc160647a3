// Dispatch maps: the table of methods and properties an IDispatch offers. Dispids are the entries'
// positions from 1 in table order; names match case-insensitively. Each entry's call thunk is made
// from the handler's own C++ signature, so the argument count and types are checked there and every
// argument is coerced to the handler's parameter type (see COleVariantFun for the types).
#pragma once

#include "platform/ole/FxDispInvokerImpl.h"

class COleDispatchImpl;

// Calls one handler: rgvarg holds exactly the handler's arguments, last argument first.
typedef HRESULT (*FX_DISPTHUNK)(COleDispatchImpl* pThis, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr);

struct FX_DISPMAP_ENTRY
{
    LPCSTR pszName;       // null ends the table
    FX_DISPTHUNK pfnCall; // a method, or a property's get
    FX_DISPTHUNK pfnPut;  // a property's put; null for a method
};

#define FX_DECLARE_DISPATCH_MAP()                                                                                      \
protected:                                                                                                             \
    const FX_DISPMAP_ENTRY* GetDispatchMap() const override;                                                           \
                                                                                                                       \
private:

#define FX_BEGIN_DISPATCH_MAP(theClass)                                                                                \
    const FX_DISPMAP_ENTRY* theClass::GetDispatchMap() const                                                           \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        static const FX_DISPMAP_ENTRY entries[] = {

// A method: any handler whose parameter and result types COleVariantFun knows (void for none).
#define FX_DISP_FUNCTION(name, fn) {name, &FxDispThunk<ThisClass, &ThisClass::fn>, nullptr},
// A property read by getFn() and written by setFn(value).
#define FX_DISP_PROPERTY_EX(name, getFn, setFn)                                                                        \
    {name, &FxDispThunk<ThisClass, &ThisClass::getFn>, &FxDispThunk<ThisClass, &ThisClass::setFn>},

#define FX_END_DISPATCH_MAP()                                                                                          \
    {                                                                                                                  \
        nullptr, nullptr, nullptr                                                                                      \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    return entries;                                                                                                    \
    }
