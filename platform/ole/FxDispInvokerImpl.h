// The call thunk of a dispatch map entry, made from its handler's C++ signature: each argument is
// coerced to the handler's parameter type and the result stored in the caller's VARIANT.
#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/ole/OleVariantFun.h"

class COleDispatchImpl;

// One argument on its way to a handler: the coerced VARIANT is kept until the call returns.
template <class T> struct FxDispArg;

template <VARTYPE vt> struct FxDispArgBase
{
    VARIANT m_v;
    FxDispArgBase() { VariantInit(&m_v); }
    ~FxDispArgBase() { VariantClear(&m_v); }
    FxDispArgBase(const FxDispArgBase&) = delete;
    FxDispArgBase& operator=(const FxDispArgBase&) = delete;
    HRESULT Load(const VARIANT& src) { return COleVariantFun::Coerce(m_v, src, vt); }
};

template <> struct FxDispArg<short> : FxDispArgBase<VT_I2>
{
    short Get() const { return m_v.iVal; }
};
template <> struct FxDispArg<long> : FxDispArgBase<VT_I4>
{
    long Get() const { return m_v.lVal; }
};
template <> struct FxDispArg<int> : FxDispArgBase<VT_BOOL>
{
    int Get() const { return m_v.boolVal != VARIANT_FALSE ? TRUE : FALSE; }
};
template <> struct FxDispArg<double> : FxDispArgBase<VT_R8>
{
    double Get() const { return m_v.dblVal; }
};
template <> struct FxDispArg<IDispatch*> : FxDispArgBase<VT_DISPATCH>
{
    IDispatch* Get() const { return m_v.pdispVal; }
};
template <> struct FxDispArg<VARIANT> : FxDispArgBase<VT_VARIANT>
{
    VARIANT& Get() { return m_v; }
};
// Text arrives as a BSTR and reaches the handler as GBK.
template <> struct FxDispArg<CString>
{
    CString m_str;
    HRESULT Load(const VARIANT& src) { return COleVariantFun::FromVariant(src, &m_str); }
    const CString& Get() const { return m_str; }
};
template <> struct FxDispArg<LPCSTR> : FxDispArg<CString>
{
    LPCSTR Get() const { return m_str.GetString(); }
};

// The handler's result into the caller's VARIANT (which may be null: a statement call).
template <class R> void FxDispStoreResult(R&& r, VARIANT* pResult)
{
    using T = std::decay_t<R>;
    if (pResult == nullptr) {
        if constexpr (std::is_same_v<T, BSTR>) {
            SysFreeString(r);
        } else if constexpr (std::is_same_v<T, VARIANT>) {
            VariantClear(&r);
        } else if constexpr (std::is_same_v<T, IDispatch*>) {
            if (r != nullptr) {
                r->Release();
            }
        }
        return;
    }
    if constexpr (std::is_same_v<T, BSTR>) {
        // A handler returns a newly allocated BSTR; the caller frees it.
        VariantInit(pResult);
        pResult->vt = VT_BSTR;
        pResult->bstrVal = r;
    } else if constexpr (std::is_same_v<T, VARIANT>) {
        *pResult = r;
    } else if constexpr (std::is_same_v<T, IDispatch*>) {
        // The reference the handler returned passes to the caller.
        VariantInit(pResult);
        pResult->vt = VT_DISPATCH;
        pResult->pdispVal = r;
    } else {
        COleVariantFun::ToVariant(*pResult, static_cast<T>(r));
    }
}

template <class F> struct FxDispInvoker;

template <class C, class R, class... A> struct FxDispInvokerImpl
{
    using Args = std::tuple<A...>;

    template <class T, class F, size_t... I>
    static HRESULT Call(F pfn, COleDispatchImpl* p, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr,
                        std::index_sequence<I...>)
    {
        constexpr UINT nArgs = sizeof...(A);
        if (pParams->cArgs != nArgs) {
            return DISP_E_BADPARAMCOUNT;
        }
        std::tuple<FxDispArg<std::decay_t<A>>...> args;
        HRESULT hr = S_OK;
        UINT nBad = 0;
        // rgvarg holds the arguments in reverse order; the first that cannot be coerced is named.
        [[maybe_unused]] auto load = [&](auto& arg, UINT nIndex) {
            if (SUCCEEDED(hr)) {
                hr = arg.Load(pParams->rgvarg[nArgs - 1 - nIndex]);
                nBad = nArgs - 1 - nIndex;
            }
        };
        (load(std::get<I>(args), static_cast<UINT>(I)), ...);
        if (FAILED(hr)) {
            if (puArgErr != nullptr) {
                *puArgErr = nBad;
            }
            return hr;
        }
        T* pThis = static_cast<T*>(p);
        if constexpr (std::is_void_v<R>) {
            (pThis->*pfn)(std::get<I>(args).Get()...);
            if (pResult != nullptr) {
                VariantInit(pResult);
            }
        } else {
            FxDispStoreResult((pThis->*pfn)(std::get<I>(args).Get()...), pResult);
        }
        return S_OK;
    }
};

template <class C, class R, class... A> struct FxDispInvoker<R (C::*)(A...)> : FxDispInvokerImpl<C, R, A...>
{
};
template <class C, class R, class... A> struct FxDispInvoker<R (C::*)(A...) const> : FxDispInvokerImpl<C, R, A...>
{
};

template <class T, auto pfn>
HRESULT FxDispThunk(COleDispatchImpl* p, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr)
{
    using Invoker = FxDispInvoker<decltype(pfn)>;
    return Invoker::template Call<T>(pfn, p, pParams, pResult, puArgErr,
                                     std::make_index_sequence<std::tuple_size_v<typename Invoker::Args>>());
}
