// An archive that cannot be read or written on: damaged or truncated data, an unknown class.
#pragma once

#include "platform/base/Exception.h"

class FX_API CArchiveException : public CException
{
    FX_DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
    };

    explicit CArchiveException(int cause = none, LPCSTR pszFileName = nullptr);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    [[noreturn]] static void Throw(int cause, LPCSTR pszFileName = nullptr);

    int m_cause;
    CString m_strFileName;
};
