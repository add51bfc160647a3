// Line-oriented file. In text mode (the default) "\n" is written as "\r\n" and "\r\n" is read
// back as "\n", as the C runtime does; typeBinary passes bytes unchanged.
#pragma once

#include "platform/base/File.h"

class FX_API CStdioFile : public CFile
{
    FX_DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(LPCSTR pszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCSTR pszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // The next line without its "\n" or "\r\n"; FALSE at the end of the file. A last line
    // without a newline is still returned.
    BOOL ReadString(CString& rString);
    // Writes the text; lines end where the caller puts "\n" (on disk "\r\n" in text mode).
    void WriteString(LPCSTR psz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    // Read-ahead is dropped (and the handle moved back) before any write or seek.
    void DropReadAhead();
    BOOL FillReadAhead();
    int GetByte();

    BOOL m_bText;
    BYTE m_readBuf[4096];
    UINT m_nReadCur;
    UINT m_nReadMax;
};
