// File in memory: growing on the heap, or over a caller's fixed buffer.
#pragma once

#include "platform/base/File.h"

class FX_API CMemFile : public CFile
{
    FX_DECLARE_DYNAMIC(CMemFile)
public:
    // Grows in steps of nGrowBytes.
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Over the caller's buffer, which it keeps owning. With nGrowBytes 0 the file is the whole
    // buffer (length nSize) and writing past it throws CMemoryException; otherwise the file
    // starts empty. A caller's buffer never grows.
    CMemFile(BYTE* pBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* pBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands out the buffer and leaves the file empty. A buffer the file grew itself was taken
    // from malloc: the caller frees it with free().
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG nNewLen) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    void GrowFile(SIZE_T nNewSize);
    void FreeBuffer();

    BYTE* m_lpBuffer;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    SIZE_T m_nPosition;
    UINT m_nGrowBytes;
    BOOL m_bAutoDelete; // the buffer is ours to free
};
