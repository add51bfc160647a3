#include "tests/support/TestPropertyBag.h"

#include <oleauto.h>

#include <cstring>

CTestPropertyBag::~CTestPropertyBag() = default;

STDMETHODIMP CTestPropertyBag::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyBag)) {
        *ppv = static_cast<IPropertyBag*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CTestPropertyBag::Read(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog*)
{
    auto it = m_values.find(pszPropName);
    if (it == m_values.end()) {
        return E_INVALIDARG;
    }
    VariantInit(pVar);
    return VariantCopy(pVar, &it->second);
}

STDMETHODIMP CTestPropertyBag::Write(LPCOLESTR pszPropName, VARIANT* pVar)
{
    return VariantCopy(m_values[pszPropName].Receive(), pVar);
}

void CTestPropertyBag::PutShort(LPCOLESTR pszName, short n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = n;
    Write(pszName, &v);
}

void CTestPropertyBag::PutBytes(LPCOLESTR pszName, const std::vector<BYTE>& bytes)
{
    CFxVariant v;
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* p = nullptr;
    SafeArrayAccessData(v.parray, &p);
    memcpy(p, bytes.data(), bytes.size());
    SafeArrayUnaccessData(v.parray);
    Write(pszName, &v);
}

std::vector<BYTE> CTestPropertyBag::GetBytes(LPCOLESTR pszName) const
{
    auto it = m_values.find(pszName);
    if (it == m_values.end() || it->second.vt != (VT_ARRAY | VT_UI1)) {
        return std::vector<BYTE>();
    }
    LONG lUpper = -1;
    SafeArrayGetUBound(it->second.parray, 1, &lUpper);
    std::vector<BYTE> bytes(static_cast<size_t>(lUpper + 1));
    void* p = nullptr;
    SafeArrayAccessData(it->second.parray, &p);
    memcpy(bytes.data(), p, bytes.size());
    SafeArrayUnaccessData(it->second.parray);
    return bytes;
}
