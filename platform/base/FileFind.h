// Enumerates files that match a pattern, over FindFirstFileA/FindNextFileA.
//     BOOL bMore = ff.FindFile("C:\\dir\\*.znt");
//     while (bMore) { bMore = ff.FindNextFile(); use ff.GetFilePath(); }
#pragma once

#include "platform/base/String.h"

class FX_API CFileFind
{
public:
    CFileFind();
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // nullptr looks for "*.*" in the current folder. FALSE when nothing matches.
    BOOL FindFile(LPCSTR pszName = nullptr, DWORD dwUnused = 0);
    // Steps to the next match; FALSE when the match it stepped to is the last one.
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    // Folder of the pattern, a backslash, the name.
    CString GetFilePath() const;
    // The name without its extension.
    CString GetFileTitle() const;
    CString GetRoot() const { return m_strRoot; }
    ULONGLONG GetLength() const;
    BOOL IsDirectory() const;
    // "." or "..".
    BOOL IsDots() const;

private:
    HANDLE m_hFind;
    WIN32_FIND_DATAA m_found; // the current match
    WIN32_FIND_DATAA m_next;  // the one FindNextFile steps to
    BOOL m_bHasNext;
    BOOL m_bHasFound;
    CString m_strRoot;
};
