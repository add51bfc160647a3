#include "tests/support/TestCom.h"

std::vector<BYTE> StreamBytes(IStream* pStream)
{
    STATSTG stat = {};
    pStream->Stat(&stat, STATFLAG_NONAME);
    std::vector<BYTE> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG cbRead = 0;
    pStream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &cbRead);
    return bytes;
}

IStream* StreamOf(const std::vector<BYTE>& bytes)
{
    IStream* pStream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &pStream);
    ULONG cbWritten = 0;
    pStream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &cbWritten);
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    return pStream;
}

CString ItemText(HWND hPage, int nID)
{
    char sz[256] = "";
    GetDlgItemTextA(hPage, nID, sz, sizeof(sz));
    return CString(sz);
}
