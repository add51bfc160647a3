#include "platform/base/StdioFile.h"

#include <cstring>
#include <vector>

FX_IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_bText(TRUE), m_readBuf{}, m_nReadCur(0), m_nReadMax(0)
{
}

CStdioFile::CStdioFile(LPCSTR pszFileName, UINT nOpenFlags) : m_bText(TRUE), m_readBuf{}, m_nReadCur(0), m_nReadMax(0)
{
    CFileException error;
    if (!CStdioFile::Open(pszFileName, nOpenFlags, &error)) {
        CFileException::Throw(error.m_cause, error.m_lOsError, error.m_strFileName);
    }
}

CStdioFile::~CStdioFile() = default;

BOOL CStdioFile::Open(LPCSTR pszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_nReadCur = 0;
    m_nReadMax = 0;
    m_bText = (nOpenFlags & typeBinary) == 0;
    return CFile::Open(pszFileName, nOpenFlags & ~static_cast<UINT>(typeText | typeBinary), pError);
}

BOOL CStdioFile::FillReadAhead()
{
    m_nReadCur = 0;
    m_nReadMax = CFile::Read(m_readBuf, sizeof(m_readBuf));
    return m_nReadMax > 0;
}

int CStdioFile::GetByte()
{
    if (m_nReadCur == m_nReadMax && !FillReadAhead()) {
        return -1;
    }
    return m_readBuf[m_nReadCur++];
}

void CStdioFile::DropReadAhead()
{
    if (m_nReadMax > m_nReadCur) {
        CFile::Seek(-static_cast<LONGLONG>(m_nReadMax - m_nReadCur), current);
    }
    m_nReadCur = 0;
    m_nReadMax = 0;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    std::vector<char> line;
    int ch = GetByte();
    if (ch < 0) {
        return FALSE;
    }
    while (ch >= 0 && ch != '\n') {
        line.push_back(static_cast<char>(ch));
        ch = GetByte();
    }
    if (ch == '\n' && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    rString = CString(line.data(), static_cast<int>(line.size()));
    return TRUE;
}

void CStdioFile::WriteString(LPCSTR psz)
{
    Write(psz, static_cast<UINT>(strlen(psz)));
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    BYTE* pDst = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        int ch = GetByte();
        if (ch < 0) {
            break;
        }
        if (m_bText && ch == '\r') {
            // "\r\n" reads as "\n"; a lone "\r" stays.
            int chNext = GetByte();
            if (chNext == '\n') {
                ch = '\n';
            } else if (chNext >= 0) {
                --m_nReadCur;
            }
        }
        pDst[nDone++] = static_cast<BYTE>(ch);
    }
    return nDone;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    DropReadAhead();
    if (!m_bText) {
        CFile::Write(lpBuf, nCount);
        return;
    }
    const char* pSrc = static_cast<const char*>(lpBuf);
    std::vector<char> text;
    text.reserve(nCount + nCount / 16);
    for (UINT i = 0; i < nCount; ++i) {
        if (pSrc[i] == '\n') {
            text.push_back('\r');
        }
        text.push_back(pSrc[i]);
    }
    CFile::Write(text.data(), static_cast<UINT>(text.size()));
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    DropReadAhead();
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_nReadMax - m_nReadCur);
}

void CStdioFile::Flush()
{
    DropReadAhead();
    CFile::Flush();
}

void CStdioFile::Close()
{
    m_nReadCur = 0;
    m_nReadMax = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_nReadCur = 0;
    m_nReadMax = 0;
    CFile::Abort();
}
