// Property exchange over a property bag (the container's named values): booleans, 16- and
// 32-bit integers, text as BSTR, blobs as byte arrays; the version is "_Version".
#pragma once

#include "platform/ole/PropExchange.h"

// After the windows headers, which they need.
#include <ocidl.h>

class FX_API CBagPropExchange : public CPropExchange
{
public:
    // The bag and the error log (may be null) are borrowed.
    CBagPropExchange(IPropertyBag* pBag, IErrorLog* pErrorLog, BOOL bLoading);

    BOOL ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault) override;
    BOOL ExchangeBool(LPCSTR pszName, BOOL& bValue, BOOL bDefault) override;
    BOOL ExchangeShort(LPCSTR pszName, short& nValue, short nDefault) override;
    BOOL ExchangeLong(LPCSTR pszName, long& lValue, long lDefault) override;
    BOOL ExchangeString(LPCSTR pszName, CString& strValue, LPCSTR pszDefault) override;
    BOOL ExchangeBlob(LPCSTR pszName, HGLOBAL* phBlob) override;

private:
    // Loading: the named value coerced to vt; FALSE (pValue empty) when missing or of another kind.
    BOOL ReadValue(LPCSTR pszName, VARTYPE vt, VARIANT* pValue);
    BOOL WriteValue(LPCSTR pszName, VARIANT* pValue);

    IPropertyBag* m_pBag;
    IErrorLog* m_pErrorLog;
};
