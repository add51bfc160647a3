#include "platform/base/File.h"

FX_IMPLEMENT_DYNAMIC(CFile, CObject)

namespace
{
CString FullPath(LPCSTR pszFileName)
{
    char szPath[MAX_PATH] = {};
    DWORD nLength = GetFullPathNameA(pszFileName, MAX_PATH, szPath, nullptr);
    return nLength > 0 && nLength < MAX_PATH ? CString(szPath) : CString(pszFileName);
}

// The name after the last path separator, stepping over GBK characters.
LPCSTR NamePart(LPCSTR pszPath)
{
    LPCSTR pszName = pszPath;
    for (LPCSTR p = pszPath; *p != '\0'; p += CString::CharLength(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            pszName = p + 1;
        }
    }
    return pszName;
}
} // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR pszFileName, UINT nOpenFlags) : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!CFile::Open(pszFileName, nOpenFlags, &error)) {
        CFileException::Throw(error.m_cause, error.m_lOsError, error.m_strFileName);
    }
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete) {
        Abort();
    }
}

BOOL CFile::Open(LPCSTR pszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        Abort();
    }
    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default: // shareCompat and shareExclusive
        dwShare = 0;
        break;
    }
    DWORD dwCreate = OPEN_EXISTING;
    if (nOpenFlags & modeCreate) {
        dwCreate = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    CString strPath = pszFileName != nullptr ? FullPath(pszFileName) : CString();
    HANDLE hFile = pszFileName != nullptr
                       ? CreateFileA(pszFileName, dwAccess, dwShare, &sa, dwCreate, FILE_ATTRIBUTE_NORMAL, nullptr)
                       : INVALID_HANDLE_VALUE;
    if (hFile == INVALID_HANDLE_VALUE) {
        LONG lOsError = pszFileName != nullptr ? static_cast<LONG>(GetLastError()) : ERROR_INVALID_NAME;
        if (pError != nullptr) {
            pError->m_lOsError = lOsError;
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_strFileName = strPath;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = strPath;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0) {
        return 0;
    }
    DWORD nRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr)) {
        ThrowLastError();
    }
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0) {
        return;
    }
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr)) {
        ThrowLastError();
    }
    if (nWritten != nCount) {
        CFileException::Throw(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (nFrom > end) {
        CFileException::Throw(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    }
    LARGE_INTEGER liOff = {};
    liOff.QuadPart = lOff;
    LARGE_INTEGER liNew = {};
    if (!SetFilePointerEx(m_hFile, liOff, &liNew, methods[nFrom])) {
        ThrowLastError();
    }
    return static_cast<ULONGLONG>(liNew.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize = {};
    if (!GetFileSizeEx(m_hFile, &liSize)) {
        ThrowLastError();
    }
    return static_cast<ULONGLONG>(liSize.QuadPart);
}

// Leaves the position at the new end, as SetEndOfFile needs it there.
void CFile::SetLength(ULONGLONG nNewLen)
{
    Seek(static_cast<LONGLONG>(nNewLen), begin);
    if (!SetEndOfFile(m_hFile)) {
        ThrowLastError();
    }
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero = {};
    LARGE_INTEGER liPos = {};
    if (!SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT)) {
        ThrowLastError();
    }
    return static_cast<ULONGLONG>(liPos.QuadPart);
}

void CFile::Flush()
{
    if (m_hFile != INVALID_HANDLE_VALUE && !FlushFileBuffers(m_hFile)) {
        ThrowLastError();
    }
}

void CFile::Close()
{
    BOOL bOk = TRUE;
    if (m_hFile != INVALID_HANDLE_VALUE) {
        bOk = CloseHandle(m_hFile);
    }
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    if (!bOk) {
        ThrowLastError();
    }
    m_strFileName.Empty();
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        CloseHandle(m_hFile);
    }
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    return CString(NamePart(m_strFileName));
}

CString CFile::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

void CFile::Remove(LPCSTR pszFileName)
{
    if (!DeleteFileA(pszFileName)) {
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), pszFileName);
    }
}

void CFile::Rename(LPCSTR pszOldName, LPCSTR pszNewName)
{
    if (!MoveFileA(pszOldName, pszNewName)) {
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), pszOldName);
    }
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}
