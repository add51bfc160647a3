// Thrown when memory for framework data cannot be had (a memory file that may not grow).
#pragma once

#include "platform/base/Exception.h"

class FX_API CMemoryException : public CException
{
    FX_DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    [[noreturn]] static void Throw();
};
