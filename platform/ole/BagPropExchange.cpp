#include "platform/ole/BagPropExchange.h"

#include <cstring>

namespace
{
BSTR NameToBstr(LPCSTR pszName)
{
    return CString(pszName).AllocSysString();
}
} // namespace

CBagPropExchange::CBagPropExchange(IPropertyBag* pBag, IErrorLog* pErrorLog, BOOL bLoading)
    : CPropExchange(bLoading), m_pBag(pBag), m_pErrorLog(pErrorLog)
{
}

BOOL CBagPropExchange::ReadValue(LPCSTR pszName, VARTYPE vt, VARIANT* pValue)
{
    VariantInit(pValue);
    BSTR bstrName = NameToBstr(pszName);
    VARIANT v;
    VariantInit(&v);
    // Ask for the kind wanted; bags that keep text give text, coerced below.
    v.vt = vt;
    HRESULT hr = m_pBag->Read(bstrName, &v, m_pErrorLog);
    SysFreeString(bstrName);
    if (FAILED(hr)) {
        VariantClear(&v);
        return FALSE;
    }
    if (v.vt == vt) {
        *pValue = v;
        return TRUE;
    }
    hr = VariantChangeType(pValue, &v, 0, vt);
    VariantClear(&v);
    if (FAILED(hr)) {
        VariantInit(pValue);
        return FALSE;
    }
    return TRUE;
}

BOOL CBagPropExchange::WriteValue(LPCSTR pszName, VARIANT* pValue)
{
    BSTR bstrName = NameToBstr(pszName);
    HRESULT hr = m_pBag->Write(bstrName, pValue);
    SysFreeString(bstrName);
    VariantClear(pValue);
    if (FAILED(hr)) {
        m_bFailed = TRUE;
        return FALSE;
    }
    return TRUE;
}

BOOL CBagPropExchange::ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault)
{
    long lVersion = static_cast<long>(dwVersionDefault);
    BOOL bOk = ExchangeLong("_Version", lVersion, static_cast<long>(dwVersionDefault));
    m_dwVersion = static_cast<DWORD>(lVersion);
    dwVersionLoaded = m_dwVersion;
    return bOk;
}

BOOL CBagPropExchange::ExchangeBool(LPCSTR pszName, BOOL& bValue, BOOL bDefault)
{
    VARIANT v;
    if (!m_bLoading) {
        VariantInit(&v);
        v.vt = VT_BOOL;
        v.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
        return WriteValue(pszName, &v);
    }
    bValue = ReadValue(pszName, VT_BOOL, &v) ? (v.boolVal != VARIANT_FALSE) : bDefault;
    return TRUE;
}

BOOL CBagPropExchange::ExchangeShort(LPCSTR pszName, short& nValue, short nDefault)
{
    VARIANT v;
    if (!m_bLoading) {
        VariantInit(&v);
        v.vt = VT_I2;
        v.iVal = nValue;
        return WriteValue(pszName, &v);
    }
    nValue = ReadValue(pszName, VT_I2, &v) ? v.iVal : nDefault;
    return TRUE;
}

BOOL CBagPropExchange::ExchangeLong(LPCSTR pszName, long& lValue, long lDefault)
{
    VARIANT v;
    if (!m_bLoading) {
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = lValue;
        return WriteValue(pszName, &v);
    }
    lValue = ReadValue(pszName, VT_I4, &v) ? v.lVal : lDefault;
    return TRUE;
}

BOOL CBagPropExchange::ExchangeString(LPCSTR pszName, CString& strValue, LPCSTR pszDefault)
{
    VARIANT v;
    if (!m_bLoading) {
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = strValue.AllocSysString();
        return WriteValue(pszName, &v);
    }
    if (ReadValue(pszName, VT_BSTR, &v)) {
        strValue = v.bstrVal != nullptr ? CString(static_cast<LPCWSTR>(v.bstrVal)) : CString();
        VariantClear(&v);
    } else {
        strValue = pszDefault != nullptr ? pszDefault : "";
    }
    return TRUE;
}

BOOL CBagPropExchange::ExchangeBlob(LPCSTR pszName, HGLOBAL* phBlob)
{
    VARIANT v;
    if (!m_bLoading) {
        DWORD cb = FxBlobSize(*phBlob);
        SAFEARRAY* psa = SafeArrayCreateVector(VT_UI1, 0, cb);
        if (psa == nullptr) {
            m_bFailed = TRUE;
            return FALSE;
        }
        if (cb > 0) {
            void* pDest = nullptr;
            SafeArrayAccessData(psa, &pDest);
            memcpy(pDest, static_cast<const BYTE*>(GlobalLock(*phBlob)) + sizeof(DWORD), cb);
            GlobalUnlock(*phBlob);
            SafeArrayUnaccessData(psa);
        }
        VariantInit(&v);
        v.vt = VT_ARRAY | VT_UI1;
        v.parray = psa;
        return WriteValue(pszName, &v);
    }
    *phBlob = nullptr;
    if (!ReadValue(pszName, VT_ARRAY | VT_UI1, &v)) {
        return TRUE;
    }
    LONG lLower = 0;
    LONG lUpper = -1;
    if (SafeArrayGetDim(v.parray) == 1 && SUCCEEDED(SafeArrayGetLBound(v.parray, 1, &lLower)) &&
        SUCCEEDED(SafeArrayGetUBound(v.parray, 1, &lUpper))) {
        DWORD cb = lUpper >= lLower ? static_cast<DWORD>(lUpper - lLower + 1) : 0;
        void* pData = nullptr;
        if (SUCCEEDED(SafeArrayAccessData(v.parray, &pData))) {
            *phBlob = FxNewBlob(pData, cb);
            SafeArrayUnaccessData(v.parray);
        }
    }
    VariantClear(&v);
    return TRUE;
}
