// Calls an IDispatch for a caller: by dispid (InvokeHelper) or by name, with arguments and results
// in the types COleVariantFun knows. Note that an int argument travels as BOOL: pass short or long
// for numbers.
#pragma once

#include <cstddef>

#include "platform/ole/OleVariantFun.h"

class FX_API COleDispatchDriver
{
public:
    COleDispatchDriver();
    // Takes over the caller's reference when bAutoRelease, else only borrows the pointer.
    explicit COleDispatchDriver(IDispatch* lpDispatch, BOOL bAutoRelease = TRUE);
    ~COleDispatchDriver();
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    void AttachDispatch(IDispatch* lpDispatch, BOOL bAutoRelease = TRUE);
    IDispatch* DetachDispatch();
    void ReleaseDispatch();
    // Creates an in-process object by class identifier or program identifier ("Lib.Class.1").
    BOOL CreateDispatch(REFCLSID clsid);
    BOOL CreateDispatch(LPCSTR pszProgID);

    IDispatch* m_lpDispatch;
    BOOL m_bAutoRelease;

    // pArgs in the callee's order (first parameter first); pResult may be null. The callee's
    // HRESULT; E_POINTER without an object.
    HRESULT InvokeArgs(DISPID dispid, WORD wFlags, VARIANT* pArgs, UINT nArgs, VARIANT* pResult);

    // A call by dispid: pResult receives the result coerced to its type (nullptr: none wanted).
    template <class R, class... A> HRESULT InvokeHelper(DISPID dispid, WORD wFlags, R* pResult, const A&... args)
    {
        VARIANT result;
        VariantInit(&result);
        HRESULT hr = InvokeWith(dispid, wFlags, &result, args...);
        if (SUCCEEDED(hr)) {
            hr = COleVariantFun::FromVariant(result, pResult);
        }
        VariantClear(&result);
        return hr;
    }
    template <class... A> HRESULT InvokeHelper(DISPID dispid, WORD wFlags, std::nullptr_t, const A&... args)
    {
        return InvokeWith(dispid, wFlags, nullptr, args...);
    }

    // The dispid of a member name; DISPID_UNKNOWN when the object does not know it.
    DISPID GetIDOfName(LPCSTR pszName) const;
    template <class R> HRESULT GetProperty(DISPID dispid, R* pValue)
    {
        return InvokeHelper(dispid, DISPATCH_PROPERTYGET, pValue);
    }
    template <class V> HRESULT SetProperty(DISPID dispid, const V& value)
    {
        VARIANT arg;
        COleVariantFun::ToVariant(arg, value);
        HRESULT hr = InvokePut(dispid, arg);
        VariantClear(&arg);
        return hr;
    }

private:
    HRESULT InvokePut(DISPID dispid, VARIANT& value);

    template <class... A> HRESULT InvokeWith(DISPID dispid, WORD wFlags, VARIANT* pResult, const A&... args)
    {
        constexpr UINT nArgs = sizeof...(A);
        VARIANT argv[nArgs > 0 ? nArgs : 1];
        UINT i = 0;
        (COleVariantFun::ToVariant(argv[i++], args), ...);
        HRESULT hr = InvokeArgs(dispid, wFlags, argv, nArgs, pResult);
        for (UINT j = 0; j < nArgs; ++j) {
            VariantClear(&argv[j]);
        }
        return hr;
    }
};
