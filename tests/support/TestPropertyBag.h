// A property bag in memory, as a container keeps one, for the persistence tests of controls.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <map>
#include <string>
#include <vector>

#include "platform/base/FxVariant.h"

class CTestPropertyBag : public IPropertyBag
{
public:
    CTestPropertyBag() = default;
    virtual ~CTestPropertyBag();
    CTestPropertyBag(const CTestPropertyBag&) = delete;
    CTestPropertyBag& operator=(const CTestPropertyBag&) = delete;

    // Lives on the test's stack: the counts are fixed.
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    // E_INVALIDARG for a name never written, as a container answers.
    STDMETHOD(Read)(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog* pErrorLog) override;
    STDMETHOD(Write)(LPCOLESTR pszPropName, VARIANT* pVar) override;

    void PutShort(LPCOLESTR pszName, short n);
    void PutBytes(LPCOLESTR pszName, const std::vector<BYTE>& bytes);
    // The bytes of a byte-array value; empty when there is no such value.
    std::vector<BYTE> GetBytes(LPCOLESTR pszName) const;

    std::map<std::wstring, CFxVariant> m_values;
};
