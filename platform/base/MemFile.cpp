#include "platform/base/MemFile.h"

#include <cstdlib>
#include <cstring>

#include "platform/base/MemoryException.h"

FX_IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_lpBuffer(nullptr), m_nBufferSize(0), m_nFileSize(0), m_nPosition(0), m_nGrowBytes(nGrowBytes),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* pBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_lpBuffer(nullptr), m_nBufferSize(0), m_nFileSize(0), m_nPosition(0), m_nGrowBytes(0), m_bAutoDelete(TRUE)
{
    Attach(pBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    FreeBuffer();
}

void CMemFile::Attach(BYTE* pBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    FreeBuffer();
    m_lpBuffer = pBuffer;
    m_nBufferSize = pBuffer != nullptr ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nPosition = 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* pBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return pBuffer;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0) {
        return 0;
    }
    SIZE_T nRead = m_nFileSize - m_nPosition;
    if (nRead > nCount) {
        nRead = nCount;
    }
    memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return static_cast<UINT>(nRead);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0) {
        return;
    }
    SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd < m_nPosition) {
        CMemoryException::Throw();
    }
    if (nEnd > m_nBufferSize) {
        GrowFile(nEnd);
    }
    // A seek past the end leaves a gap: it reads as zeros.
    if (m_nPosition > m_nFileSize) {
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    }
    memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize) {
        m_nFileSize = m_nPosition;
    }
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG lBase = 0;
    switch (nFrom) {
    case begin:
        lBase = 0;
        break;
    case current:
        lBase = static_cast<LONGLONG>(m_nPosition);
        break;
    case end:
        lBase = static_cast<LONGLONG>(m_nFileSize);
        break;
    default:
        CFileException::Throw(CFileException::badSeek, ERROR_INVALID_PARAMETER);
    }
    LONGLONG lNewPos = lBase + lOff;
    if (lNewPos < 0) {
        CFileException::Throw(CFileException::badSeek, ERROR_NEGATIVE_SEEK);
    }
    m_nPosition = static_cast<SIZE_T>(lNewPos);
    return static_cast<ULONGLONG>(m_nPosition);
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG nNewLen)
{
    SIZE_T nNewSize = static_cast<SIZE_T>(nNewLen);
    if (nNewSize > m_nBufferSize) {
        GrowFile(nNewSize);
    }
    if (nNewSize > m_nFileSize) {
        memset(m_lpBuffer + m_nFileSize, 0, nNewSize - m_nFileSize);
    }
    m_nFileSize = nNewSize;
    if (m_nPosition > m_nFileSize) {
        m_nPosition = m_nFileSize;
    }
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    FreeBuffer();
    m_nGrowBytes = 0;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::GrowFile(SIZE_T nNewSize)
{
    // A caller's buffer cannot be reallocated; nor may a file with no growth step grow.
    if (!m_bAutoDelete || m_nGrowBytes == 0) {
        CMemoryException::Throw();
    }
    SIZE_T nAlloc = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (nAlloc < nNewSize) {
        CMemoryException::Throw();
    }
    BYTE* pNew = static_cast<BYTE*>(realloc(m_lpBuffer, nAlloc));
    if (pNew == nullptr) {
        CMemoryException::Throw();
    }
    m_lpBuffer = pNew;
    m_nBufferSize = nAlloc;
}

void CMemFile::FreeBuffer()
{
    if (m_bAutoDelete) {
        free(m_lpBuffer);
    }
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}
