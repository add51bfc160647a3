// Binary file over a Win32 file handle. Failures of an open file throw CFileException.
#pragma once

#include "platform/base/FileException.h"

class FX_API CFile : public CObject
{
    FX_DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition {
        begin = 0,
        current = 1,
        end = 2,
    };

    CFile();
    // Wraps a handle the caller owns: the destructor leaves it open.
    explicit CFile(HANDLE hFile);
    // Throws CFileException when the file cannot be opened.
    CFile(LPCSTR pszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened; pError, when given, receives the cause and OS error.
    virtual BOOL Open(LPCSTR pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG nNewLen);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();

    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;
    // The name without its extension.
    CString GetFileTitle() const;
    void SetFilePath(LPCSTR pszNewName) { m_strFileName = pszNewName; }

    static void Remove(LPCSTR pszFileName);
    static void Rename(LPCSTR pszOldName, LPCSTR pszNewName);

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
