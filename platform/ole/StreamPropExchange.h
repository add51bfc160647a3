// Property exchange over a stream: the values in exchange order, without names. Text and blobs
// are a 32-bit byte count and the bytes (text as GBK); a count is believed only as far as the
// stream really holds bytes.
#pragma once

#include "platform/ole/PropExchange.h"

// After the windows headers, which they need.
#include <objidl.h>

class FX_API CStreamPropExchange : public CPropExchange
{
public:
    // The stream is borrowed; reading or writing starts at its current position.
    CStreamPropExchange(IStream* pStream, BOOL bLoading);

    BOOL ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault) override;
    BOOL ExchangeBool(LPCSTR pszName, BOOL& bValue, BOOL bDefault) override;
    BOOL ExchangeShort(LPCSTR pszName, short& nValue, short nDefault) override;
    BOOL ExchangeLong(LPCSTR pszName, long& lValue, long lDefault) override;
    BOOL ExchangeString(LPCSTR pszName, CString& strValue, LPCSTR pszDefault) override;
    BOOL ExchangeBlob(LPCSTR pszName, HGLOBAL* phBlob) override;

private:
    BOOL Read(void* pv, ULONG cb);
    BOOL Write(const void* pv, ULONG cb);
    // Reads a counted block in pieces, so a lying count costs no more memory than the stream holds.
    BOOL ReadCounted(CString* pstr, HGLOBAL* phBlob);

    IStream* m_pStream;
};
