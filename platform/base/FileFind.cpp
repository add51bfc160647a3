#include "platform/base/FileFind.h"

#include <cstring>

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_found{}, m_next{}, m_bHasNext(FALSE), m_bHasFound(FALSE)
{
}

CFileFind::~CFileFind()
{
    Close();
}

BOOL CFileFind::FindFile(LPCSTR pszName, DWORD /*dwUnused*/)
{
    Close();
    if (pszName == nullptr) {
        pszName = "*.*";
    }
    m_hFind = FindFirstFileA(pszName, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    m_bHasNext = TRUE;

    // The folder part of the pattern, as given (a GBK-aware scan for the last separator).
    CString strPattern(pszName);
    int nSlash = -1;
    for (int i = 0; i < strPattern.GetLength(); i += CString::CharLength(static_cast<LPCSTR>(strPattern) + i)) {
        if (strPattern[i] == '\\' || strPattern[i] == '/') {
            nSlash = i;
        }
    }
    m_strRoot = nSlash >= 0 ? strPattern.Left(nSlash) : CString();
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext) {
        return FALSE;
    }
    m_found = m_next;
    m_bHasFound = TRUE;
    m_bHasNext = ::FindNextFileA(m_hFind, &m_next);
    return m_bHasNext;
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        FindClose(m_hFind);
    }
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHasNext = FALSE;
    m_bHasFound = FALSE;
    m_strRoot.Empty();
}

CString CFileFind::GetFileName() const
{
    return m_bHasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    if (!m_bHasFound) {
        return CString();
    }
    return m_strRoot.IsEmpty() ? GetFileName() : m_strRoot + "\\" + m_found.cFileName;
}

CString CFileFind::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

ULONGLONG CFileFind::GetLength() const
{
    return m_bHasFound ? (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow : 0;
}

BOOL CFileFind::IsDirectory() const
{
    return m_bHasFound && (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL CFileFind::IsDots() const
{
    return IsDirectory() && (strcmp(m_found.cFileName, ".") == 0 || strcmp(m_found.cFileName, "..") == 0);
}
