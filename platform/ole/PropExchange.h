// Property exchange: one DoPropExchange serves loading, saving and resetting a control's persisted
// properties, whatever the medium (stream, property bag, defaults). Each call exchanges one named
// value; when loading, a value the medium lacks or cannot give takes its default.
#pragma once

#include "platform/base/String.h"

class FX_API CPropExchange
{
public:
    virtual ~CPropExchange() = default;
    CPropExchange(const CPropExchange&) = delete;
    CPropExchange& operator=(const CPropExchange&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    // The version exchanged by ExchangeVersion (the stored one when loading).
    DWORD GetVersion() const { return m_dwVersion; }
    // FALSE once a load met a damaged or short medium: the values from there on are defaults.
    BOOL IsFailed() const { return m_bFailed; }

    // Loading: the stored version into dwVersionLoaded (dwVersionDefault when none is stored);
    // saving: writes dwVersionDefault.
    virtual BOOL ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault) = 0;
    virtual BOOL ExchangeBool(LPCSTR pszName, BOOL& bValue, BOOL bDefault) = 0;
    virtual BOOL ExchangeShort(LPCSTR pszName, short& nValue, short nDefault) = 0;
    virtual BOOL ExchangeLong(LPCSTR pszName, long& lValue, long lDefault) = 0;
    virtual BOOL ExchangeString(LPCSTR pszName, CString& strValue, LPCSTR pszDefault) = 0;
    // A blob is global memory holding a 32-bit byte count and then that many bytes. Saving writes
    // the counted bytes (never more than the block holds); loading replaces *phBlob with a new
    // block the caller frees (null when the property is missing).
    virtual BOOL ExchangeBlob(LPCSTR pszName, HGLOBAL* phBlob) = 0;

protected:
    explicit CPropExchange(BOOL bLoading) : m_bLoading(bLoading), m_dwVersion(0), m_bFailed(FALSE) {}

    BOOL m_bLoading;
    DWORD m_dwVersion;
    BOOL m_bFailed;
};

// A blob block for the given bytes (count first); null when memory is short.
FX_API HGLOBAL FxNewBlob(const void* pData, DWORD cb);
// The count of a blob block, bounded by what the block holds; 0 for null.
FX_API DWORD FxBlobSize(HGLOBAL hBlob);
