// Thrown when a window or GDI resource cannot be had (a bitmap, a DC, a child window).
#pragma once

#include "platform/base/Exception.h"

class FX_API CResourceException : public CException
{
    FX_DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    [[noreturn]] static void Throw();
};
