#include "platform/base/Archive.h"

#include <climits>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/base/ArchiveException.h"
#include "platform/base/File.h"

namespace
{
// Tags of the stored object format.
const WORD wNullTag = 0x0000;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD dwBigClassTag = 0x80000000;
const DWORD nMaxMapCount = 0x7FFFFFFE;
const int nMaxLoadDepth = 256;
// A stored class name longer than this is damage, not a class of ours.
const WORD nMaxClassName = 63;

struct LoadedEntry
{
    void* p; // CRuntimeClass* or CObject*
    bool bClass;
    UINT nSchema; // of a class
};
} // namespace

// One index counter for classes and objects, starting at 1: index 0 is the null object.
struct CArchive::Maps
{
    std::unordered_map<const void*, DWORD> stored;
    DWORD nStoreCount = 1;
    std::vector<LoadedEntry> loaded{LoadedEntry{nullptr, false, 0}};
    int nLoadDepth = 0;
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_bLoading((nMode & load) != 0), m_pBuf(nullptr), m_bUserBuf(FALSE),
      m_nBufSize(nBufSize < 16 ? 16u : static_cast<UINT>(nBufSize)), m_nCur(0), m_nMax(0), m_pMaps(new Maps),
      m_nObjectSchema(static_cast<UINT>(-1))
{
    if (lpBuf != nullptr && nBufSize >= 16) {
        m_pBuf = static_cast<BYTE*>(lpBuf);
        m_bUserBuf = TRUE;
    } else {
        m_pBuf = new BYTE[m_nBufSize];
    }
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr) {
        try {
            Flush();
        } catch (CException* e) {
            e->Delete();
        }
    }
    if (!m_bUserBuf) {
        delete[] m_pBuf;
    }
    delete m_pMaps;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr) {
        return;
    }
    if (m_bLoading) {
        if (m_nMax > m_nCur) {
            m_pFile->Seek(-static_cast<LONGLONG>(m_nMax - m_nCur), CFile::current);
        }
        m_nCur = 0;
        m_nMax = 0;
    } else {
        WriteBufferOut();
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nCur = 0;
    m_nMax = 0;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (m_pFile == nullptr) {
        Fail(CArchiveException::genericException);
    }
    if (!m_bLoading) {
        Fail(CArchiveException::writeOnly);
    }
    BYTE* pDst = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_nCur == m_nMax) {
            UINT nLeft = nMax - nDone;
            if (nLeft >= m_nBufSize) {
                UINT nRead = m_pFile->Read(pDst + nDone, nLeft);
                if (nRead == 0) {
                    break;
                }
                nDone += nRead;
                continue;
            }
            m_nCur = 0;
            m_nMax = m_pFile->Read(m_pBuf, m_nBufSize);
            if (m_nMax == 0) {
                break;
            }
        }
        UINT nCopy = m_nMax - m_nCur;
        if (nCopy > nMax - nDone) {
            nCopy = nMax - nDone;
        }
        memcpy(pDst + nDone, m_pBuf + m_nCur, nCopy);
        m_nCur += nCopy;
        nDone += nCopy;
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    // Most writes are a field that fits the buffer: one copy, no loop.
    if (!m_bLoading && m_pFile != nullptr && nMax <= m_nBufSize - m_nCur) {
        memcpy(m_pBuf + m_nCur, lpBuf, nMax);
        m_nCur += nMax;
        return;
    }
    if (m_pFile == nullptr) {
        Fail(CArchiveException::genericException);
    }
    if (m_bLoading) {
        Fail(CArchiveException::readOnly);
    }
    const BYTE* pSrc = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_nCur == m_nBufSize) {
            WriteBufferOut();
        }
        if (m_nCur == 0 && nMax >= m_nBufSize) {
            m_pFile->Write(pSrc, nMax);
            return;
        }
        UINT nCopy = m_nBufSize - m_nCur;
        if (nCopy > nMax) {
            nCopy = nMax;
        }
        memcpy(m_pBuf + m_nCur, pSrc, nCopy);
        m_nCur += nCopy;
        pSrc += nCopy;
        nMax -= nCopy;
    }
}

void CArchive::ReadExact(void* lpBuf, UINT nBytes)
{
    // Most reads are a field already read ahead: one copy, no loop. A storing archive never has
    // bytes read ahead (m_nMax stays 0), so the loading test comes first.
    if (m_bLoading && m_pFile != nullptr && nBytes <= m_nMax - m_nCur) {
        memcpy(lpBuf, m_pBuf + m_nCur, nBytes);
        m_nCur += nBytes;
        return;
    }
    if (Read(lpBuf, nBytes) != nBytes) {
        Fail(CArchiveException::endOfFile);
    }
}

void CArchive::WriteBufferOut()
{
    if (m_nCur > 0) {
        UINT nBytes = m_nCur;
        m_nCur = 0;
        m_pFile->Write(m_pBuf, nBytes);
    }
}

ULONGLONG CArchive::BytesLeft() const
{
    ULONGLONG nLength = m_pFile->GetLength();
    ULONGLONG nPosition = m_pFile->GetPosition();
    return (m_nMax - m_nCur) + (nLength > nPosition ? nLength - nPosition : 0);
}

// Lengths and counts come from the file: check them before anything is allocated for them.
void CArchive::CheckLeft(ULONGLONG nBytes) const
{
    // Within the read-ahead there is no need to ask the file.
    if (nBytes > m_nMax - m_nCur && nBytes > BytesLeft()) {
        Fail(CArchiveException::endOfFile);
    }
}

void CArchive::Fail(int nCause) const
{
    CString strFile = m_pFile != nullptr ? m_pFile->GetFilePath() : CString();
    CArchiveException::Throw(nCause, strFile);
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    if (dwCount >= 0xFFFFFFFF) {
        Fail(CArchiveException::genericException);
    }
    *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount = 0;
    *this >> wCount;
    DWORD dwCount = wCount;
    if (wCount == 0xFFFF) {
        *this >> dwCount;
    }
    CheckLeft(dwCount);
    return dwCount;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto& stored = m_pMaps->stored;
    auto itOb = stored.find(pOb);
    if (itOb != stored.end()) {
        if (itOb->second < wBigObjectTag) {
            *this << static_cast<WORD>(itOb->second);
        } else {
            *this << wBigObjectTag << itOb->second;
        }
        return;
    }

    const CRuntimeClass* pClass = pOb->GetRuntimeClass();
    // Such a class could never be read back.
    if (pClass->m_wSchema == FX_NO_SCHEMA) {
        Fail(CArchiveException::badClass);
    }
    if (m_pMaps->nStoreCount >= nMaxMapCount) {
        Fail(CArchiveException::genericException);
    }
    auto itClass = stored.find(pClass);
    if (itClass != stored.end()) {
        if (itClass->second < wBigObjectTag) {
            *this << static_cast<WORD>(wClassTag | itClass->second);
        } else {
            *this << wBigObjectTag << (dwBigClassTag | itClass->second);
        }
    } else {
        size_t nLength = strlen(pClass->m_lpszClassName);
        *this << wNewClassTag << static_cast<WORD>(pClass->m_wSchema) << static_cast<WORD>(nLength);
        Write(pClass->m_lpszClassName, static_cast<UINT>(nLength));
        stored.emplace(pClass, m_pMaps->nStoreCount++);
    }
    // Entered before its fields, so that an object refers back to itself by index.
    stored.emplace(pOb, m_pMaps->nStoreCount++);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClassTag(DWORD dwTag, UINT& nSchema)
{
    auto& loaded = m_pMaps->loaded;
    if (dwTag != wNewClassTag) {
        DWORD nIndex = dwTag & ~dwBigClassTag;
        if (nIndex >= loaded.size() || !loaded[nIndex].bClass) {
            Fail(CArchiveException::badIndex);
        }
        nSchema = loaded[nIndex].nSchema;
        return static_cast<const CRuntimeClass*>(loaded[nIndex].p);
    }

    WORD wSchema = 0;
    WORD nLength = 0;
    *this >> wSchema >> nLength;
    if (nLength == 0 || nLength > nMaxClassName) {
        Fail(CArchiveException::badClass);
    }
    char szName[nMaxClassName + 1] = {};
    ReadExact(szName, nLength);
    for (WORD i = 0; i < nLength; ++i) {
        if (szName[i] <= ' ' || szName[i] > '~') {
            Fail(CArchiveException::badClass);
        }
    }
    const CRuntimeClass* pClass = CRuntimeClass::FromName(szName);
    if (pClass == nullptr) {
        Fail(CArchiveException::badClass);
    }
    if (pClass->m_wSchema != wSchema) {
        Fail(CArchiveException::badSchema);
    }
    if (loaded.size() >= nMaxMapCount) {
        Fail(CArchiveException::genericException);
    }
    loaded.push_back(LoadedEntry{const_cast<CRuntimeClass*>(pClass), true, wSchema});
    nSchema = wSchema;
    return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassExpected)
{
    WORD wTag = 0;
    *this >> wTag;
    DWORD dwTag = 0;
    if (wTag == wBigObjectTag) {
        *this >> dwTag;
    } else if (wTag == wNewClassTag) {
        dwTag = wNewClassTag;
    } else {
        dwTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
    }

    auto& loaded = m_pMaps->loaded;
    if (wTag != wNewClassTag && (dwTag & dwBigClassTag) == 0) {
        // A reference to an object read before, or the null object at index 0.
        if (dwTag >= loaded.size() || loaded[dwTag].bClass) {
            Fail(CArchiveException::badIndex);
        }
        CObject* pOb = static_cast<CObject*>(loaded[dwTag].p);
        if (pOb != nullptr && pClassExpected != nullptr && !pOb->IsKindOf(pClassExpected)) {
            Fail(CArchiveException::badClass);
        }
        return pOb;
    }

    UINT nSchema = 0;
    const CRuntimeClass* pClass = ReadClassTag(dwTag, nSchema);
    if (pClassExpected != nullptr && !pClass->IsDerivedFrom(pClassExpected)) {
        Fail(CArchiveException::badClass);
    }
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr) {
        Fail(CArchiveException::badClass);
    }
    if (loaded.size() >= nMaxMapCount) {
        delete pOb;
        Fail(CArchiveException::genericException);
    }
    size_t nIndex = loaded.size();
    loaded.push_back(LoadedEntry{pOb, false, 0});

    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        // Objects nested in objects recurse on the stack: a damaged file must not nest without end.
        if (++m_pMaps->nLoadDepth > nMaxLoadDepth) {
            Fail(CArchiveException::genericException);
        }
        pOb->Serialize(*this);
    } catch (...) {
        // Nobody else holds the half-read object yet: free it with what it owns.
        --m_pMaps->nLoadDepth;
        loaded[nIndex].p = nullptr;
        m_nObjectSchema = nSchemaSave;
        delete pOb;
        throw;
    }
    --m_pMaps->nLoadDepth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

CArchive& CArchive::operator<<(BYTE by)
{
    WriteScalar(&by, 1);
    return *this;
}
CArchive& CArchive::operator<<(char ch)
{
    WriteScalar(&ch, 1);
    return *this;
}
CArchive& CArchive::operator<<(bool b)
{
    BYTE by = b ? 1 : 0;
    WriteScalar(&by, 1);
    return *this;
}
CArchive& CArchive::operator<<(WORD w)
{
    WriteScalar(&w, 2);
    return *this;
}
CArchive& CArchive::operator<<(short n)
{
    WriteScalar(&n, 2);
    return *this;
}
CArchive& CArchive::operator<<(int n)
{
    WriteScalar(&n, 4);
    return *this;
}
CArchive& CArchive::operator<<(UINT n)
{
    WriteScalar(&n, 4);
    return *this;
}
CArchive& CArchive::operator<<(LONG l)
{
    WriteScalar(&l, 4);
    return *this;
}
CArchive& CArchive::operator<<(DWORD dw)
{
    WriteScalar(&dw, 4);
    return *this;
}
CArchive& CArchive::operator<<(LONGLONG ll)
{
    WriteScalar(&ll, 8);
    return *this;
}
CArchive& CArchive::operator<<(ULONGLONG ull)
{
    WriteScalar(&ull, 8);
    return *this;
}
CArchive& CArchive::operator<<(float f)
{
    WriteScalar(&f, 4);
    return *this;
}
CArchive& CArchive::operator<<(double d)
{
    WriteScalar(&d, 8);
    return *this;
}

CArchive& CArchive::operator<<(const CString& str)
{
    DWORD nLength = static_cast<DWORD>(str.GetLength());
    if (nLength < 0xFF) {
        *this << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << nLength;
    }
    Write(static_cast<LPCSTR>(str), nLength);
    return *this;
}

CArchive& CArchive::operator<<(LPCSTR psz)
{
    return *this << CString(psz);
}

CArchive& CArchive::operator<<(const CObject* pOb)
{
    WriteObject(pOb);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    ReadExact(&by, 1);
    return *this;
}
CArchive& CArchive::operator>>(char& ch)
{
    ReadExact(&ch, 1);
    return *this;
}
CArchive& CArchive::operator>>(bool& b)
{
    BYTE by = 0;
    ReadExact(&by, 1);
    b = by != 0;
    return *this;
}
CArchive& CArchive::operator>>(WORD& w)
{
    ReadExact(&w, 2);
    return *this;
}
CArchive& CArchive::operator>>(short& n)
{
    ReadExact(&n, 2);
    return *this;
}
CArchive& CArchive::operator>>(int& n)
{
    ReadExact(&n, 4);
    return *this;
}
CArchive& CArchive::operator>>(UINT& n)
{
    ReadExact(&n, 4);
    return *this;
}
CArchive& CArchive::operator>>(LONG& l)
{
    ReadExact(&l, 4);
    return *this;
}
CArchive& CArchive::operator>>(DWORD& dw)
{
    ReadExact(&dw, 4);
    return *this;
}
CArchive& CArchive::operator>>(LONGLONG& ll)
{
    ReadExact(&ll, 8);
    return *this;
}
CArchive& CArchive::operator>>(ULONGLONG& ull)
{
    ReadExact(&ull, 8);
    return *this;
}
CArchive& CArchive::operator>>(float& f)
{
    ReadExact(&f, 4);
    return *this;
}
CArchive& CArchive::operator>>(double& d)
{
    ReadExact(&d, 8);
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    BYTE bLength = 0;
    *this >> bLength;
    DWORD nLength = bLength;
    if (bLength == 0xFF) {
        WORD wLength = 0;
        *this >> wLength;
        nLength = wLength;
        if (wLength == 0xFFFE) {
            // The marker of UTF-16 text, which this suite never writes.
            Fail(CArchiveException::genericException);
        }
        if (wLength == 0xFFFF) {
            *this >> nLength;
        }
    }
    CheckLeft(nLength);
    if (nLength > static_cast<DWORD>(INT_MAX)) {
        Fail(CArchiveException::genericException);
    }
    LPSTR pszBuffer = str.GetBufferSetLength(static_cast<int>(nLength));
    try {
        ReadExact(pszBuffer, nLength);
    } catch (...) {
        str.ReleaseBuffer(0);
        throw;
    }
    str.ReleaseBuffer(static_cast<int>(nLength));
    return *this;
}

CArchive& CArchive::operator>>(CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}
