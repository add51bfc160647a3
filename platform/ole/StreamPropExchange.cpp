#include "platform/ole/StreamPropExchange.h"

#include <cstring>
#include <vector>

CStreamPropExchange::CStreamPropExchange(IStream* pStream, BOOL bLoading) : CPropExchange(bLoading), m_pStream(pStream)
{
}

BOOL CStreamPropExchange::Read(void* pv, ULONG cb)
{
    if (m_bFailed) {
        return FALSE;
    }
    ULONG cbRead = 0;
    if (FAILED(m_pStream->Read(pv, cb, &cbRead)) || cbRead != cb) {
        m_bFailed = TRUE;
        return FALSE;
    }
    return TRUE;
}

BOOL CStreamPropExchange::Write(const void* pv, ULONG cb)
{
    if (m_bFailed) {
        return FALSE;
    }
    ULONG cbWritten = 0;
    if (FAILED(m_pStream->Write(pv, cb, &cbWritten)) || cbWritten != cb) {
        m_bFailed = TRUE;
        return FALSE;
    }
    return TRUE;
}

BOOL CStreamPropExchange::ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault)
{
    if (m_bLoading) {
        if (!Read(&dwVersionLoaded, sizeof(DWORD))) {
            dwVersionLoaded = dwVersionDefault;
        }
        m_dwVersion = dwVersionLoaded;
        return !m_bFailed;
    }
    m_dwVersion = dwVersionDefault;
    dwVersionLoaded = dwVersionDefault;
    return Write(&dwVersionDefault, sizeof(DWORD));
}

BOOL CStreamPropExchange::ExchangeBool(LPCSTR, BOOL& bValue, BOOL bDefault)
{
    BYTE b = bValue ? 1 : 0;
    if (!m_bLoading) {
        return Write(&b, 1);
    }
    bValue = Read(&b, 1) ? (b != 0) : bDefault;
    return !m_bFailed;
}

BOOL CStreamPropExchange::ExchangeShort(LPCSTR, short& nValue, short nDefault)
{
    if (!m_bLoading) {
        return Write(&nValue, sizeof(short));
    }
    short n = 0;
    nValue = Read(&n, sizeof(short)) ? n : nDefault;
    return !m_bFailed;
}

BOOL CStreamPropExchange::ExchangeLong(LPCSTR, long& lValue, long lDefault)
{
    if (!m_bLoading) {
        return Write(&lValue, sizeof(long));
    }
    long l = 0;
    lValue = Read(&l, sizeof(long)) ? l : lDefault;
    return !m_bFailed;
}

BOOL CStreamPropExchange::ReadCounted(CString* pstr, HGLOBAL* phBlob)
{
    DWORD cb = 0;
    if (!Read(&cb, sizeof(DWORD))) {
        return FALSE;
    }
    std::vector<BYTE> bytes;
    const DWORD cbPiece = 4096;
    while (bytes.size() < cb) {
        DWORD cbNext = cb - static_cast<DWORD>(bytes.size());
        if (cbNext > cbPiece) {
            cbNext = cbPiece;
        }
        size_t nOld = bytes.size();
        bytes.resize(nOld + cbNext);
        if (!Read(bytes.data() + nOld, cbNext)) {
            return FALSE;
        }
    }
    if (pstr != nullptr) {
        *pstr = CString(reinterpret_cast<LPCSTR>(bytes.data()), static_cast<int>(bytes.size()));
    }
    if (phBlob != nullptr) {
        *phBlob = FxNewBlob(bytes.data(), cb);
        if (*phBlob == nullptr) {
            m_bFailed = TRUE;
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CStreamPropExchange::ExchangeString(LPCSTR, CString& strValue, LPCSTR pszDefault)
{
    if (!m_bLoading) {
        DWORD cb = static_cast<DWORD>(strValue.GetLength());
        return Write(&cb, sizeof(DWORD)) && Write(strValue.GetString(), cb);
    }
    if (!ReadCounted(&strValue, nullptr)) {
        strValue = pszDefault != nullptr ? pszDefault : "";
    }
    return !m_bFailed;
}

BOOL CStreamPropExchange::ExchangeBlob(LPCSTR, HGLOBAL* phBlob)
{
    if (!m_bLoading) {
        DWORD cb = FxBlobSize(*phBlob);
        if (!Write(&cb, sizeof(DWORD))) {
            return FALSE;
        }
        if (cb == 0) {
            return TRUE;
        }
        const BYTE* p = static_cast<const BYTE*>(GlobalLock(*phBlob));
        BOOL bOk = Write(p + sizeof(DWORD), cb);
        GlobalUnlock(*phBlob);
        return bOk;
    }
    HGLOBAL hBlob = nullptr;
    if (!ReadCounted(nullptr, &hBlob)) {
        hBlob = nullptr;
    }
    *phBlob = hBlob;
    return !m_bFailed;
}
