// A file operation that failed: the cause, the operating system's error code and the file.
#pragma once

#include "platform/base/Exception.h"

class FX_API CFileException : public CException
{
    FX_DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR pszFileName = nullptr);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    [[noreturn]] static void Throw(int cause, LONG lOsError = -1, LPCSTR pszFileName = nullptr);
    // Throws with the cause that matches a Win32 error code (GetLastError).
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCSTR pszFileName = nullptr);
    static int OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
