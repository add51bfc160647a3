#include "platform/ole/OleVariantFun.h"

void COleVariantFun::ToVariant(VARIANT& v, short n)
{
    VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = n;
}

void COleVariantFun::ToVariant(VARIANT& v, long n)
{
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
}

void COleVariantFun::ToVariant(VARIANT& v, int b)
{
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
}

void COleVariantFun::ToVariant(VARIANT& v, double d)
{
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = d;
}

void COleVariantFun::ToVariant(VARIANT& v, LPCSTR psz)
{
    ToVariant(v, CString(psz != nullptr ? psz : ""));
}

void COleVariantFun::ToVariant(VARIANT& v, const CString& str)
{
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = str.AllocSysString();
}

void COleVariantFun::ToVariant(VARIANT& v, const VARIANT& src)
{
    VariantInit(&v);
    VariantCopyInd(&v, const_cast<VARIANT*>(&src));
}

void COleVariantFun::ToVariant(VARIANT& v, IDispatch* pDisp)
{
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = pDisp;
    if (pDisp != nullptr) {
        pDisp->AddRef();
    }
}

HRESULT COleVariantFun::Coerce(VARIANT& dest, const VARIANT& src, VARTYPE vt)
{
    VariantInit(&dest);
    VARIANT value;
    VariantInit(&value);
    HRESULT hr = VariantCopyInd(&value, const_cast<VARIANT*>(&src));
    if (FAILED(hr)) {
        return hr;
    }
    if (vt == VT_VARIANT) {
        dest = value;
        return S_OK;
    }
    hr = VariantChangeType(&dest, &value, 0, vt);
    VariantClear(&value);
    if (FAILED(hr)) {
        VariantInit(&dest);
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, short* pn)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_I2);
    if (SUCCEEDED(hr)) {
        *pn = value.iVal;
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, long* pn)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_I4);
    if (SUCCEEDED(hr)) {
        *pn = value.lVal;
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, int* pb)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_BOOL);
    if (SUCCEEDED(hr)) {
        *pb = value.boolVal != VARIANT_FALSE ? TRUE : FALSE;
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, double* pd)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_R8);
    if (SUCCEEDED(hr)) {
        *pd = value.dblVal;
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, CString* pstr)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_BSTR);
    if (SUCCEEDED(hr)) {
        *pstr = FromBstr(value.bstrVal);
        VariantClear(&value);
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, VARIANT* pDest)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_VARIANT);
    if (SUCCEEDED(hr)) {
        VariantClear(pDest);
        *pDest = value;
    }
    return hr;
}

HRESULT COleVariantFun::FromVariant(const VARIANT& v, IDispatch** ppDisp)
{
    VARIANT value;
    HRESULT hr = Coerce(value, v, VT_DISPATCH);
    if (SUCCEEDED(hr)) {
        // The reference the coerced copy holds passes to the caller.
        *ppDisp = value.pdispVal;
    }
    return hr;
}

CString COleVariantFun::FromBstr(BSTR bstr)
{
    if (bstr == nullptr) {
        return CString();
    }
    // A BSTR may hold NULs; the text ends at the first, as a GBK string would.
    return CString(static_cast<LPCWSTR>(bstr));
}
