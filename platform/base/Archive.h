// Buffered binary archive over a CFile, byte for byte in the framework's stored format:
// little-endian scalars, length-prefixed strings, counts, and objects tagged by class.
#pragma once

#include <type_traits>

#include "platform/base/String.h"

class CFile;
class CObject;
struct CRuntimeClass;

class FX_API CArchive
{
public:
    enum Mode {
        store = 0,
        load = 1,
    };

    // lpBuf, when given, must hold nBufSize bytes and outlive the archive.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive that was not closed; errors at that point are dropped.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const { return m_pFile; }

    // Storing: writes the buffer out. Loading: seeks the file back over the bytes read ahead,
    // so the file stands just behind what was consumed.
    void Flush();
    void Close();
    // Detaches from the file without writing what is buffered.
    void Abort();

    // Reads up to nMax bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    // A WORD below 0xFFFF, else 0xFFFF and a DWORD. Reading checks the count against the bytes
    // left in the file (every element takes at least one).
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Objects: a class tag on the first object of each class, references after that.
    void WriteObject(const CObject* pOb);
    // pClassExpected nullptr accepts any class.
    CObject* ReadObject(const CRuntimeClass* pClassExpected);
    // Schema of the object being read, valid once inside its Serialize; (UINT)-1 after asking.
    UINT GetObjectSchema();

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(char ch);
    CArchive& operator<<(bool b);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(short n);
    CArchive& operator<<(int n);
    CArchive& operator<<(UINT n);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(LONGLONG ll);
    CArchive& operator<<(ULONGLONG ull);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(const CString& str);
    // Without it a literal would convert to bool.
    CArchive& operator<<(LPCSTR psz);
    CArchive& operator<<(const CObject* pOb);
    // Any other pointer must be a complete CObject class, never a silent bool.
    template <class T> CArchive& operator<<(const T* pOb)
    {
        static_assert(std::is_base_of_v<CObject, T>, "only CObject pointers are archived");
        return operator<<(static_cast<const CObject*>(pOb));
    }

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(bool& b);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(short& n);
    CArchive& operator>>(int& n);
    CArchive& operator>>(UINT& n);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONGLONG& ll);
    CArchive& operator>>(ULONGLONG& ull);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(CString& str);
    CArchive& operator>>(CObject*& pOb);

private:
    struct Maps;

    void ReadExact(void* lpBuf, UINT nBytes);
    void WriteScalar(const void* lpBuf, UINT nBytes) { Write(lpBuf, nBytes); }
    void FillBuffer(UINT nBytesNeeded);
    void WriteBufferOut();
    // Bytes of the stream not yet consumed: the read-ahead plus what the file still holds.
    ULONGLONG BytesLeft() const;
    void CheckLeft(ULONGLONG nBytes) const;
    const CRuntimeClass* ReadClassTag(DWORD dwTag, UINT& nSchema);
    [[noreturn]] void Fail(int nCause) const;

    CFile* m_pFile;
    BOOL m_bLoading;
    BYTE* m_pBuf;
    BOOL m_bUserBuf;
    UINT m_nBufSize;
    UINT m_nCur; // next byte to read or write
    UINT m_nMax; // loading: end of the bytes read ahead
    Maps* m_pMaps;
    UINT m_nObjectSchema;
};
