#include "platform/base/ResourceException.h"

FX_IMPLEMENT_DYNAMIC(CResourceException, CException)

CResourceException::CResourceException(BOOL bAutoDelete) : CException(bAutoDelete)
{
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr) {
        *pnHelpContext = 0;
    }
    return CopyMessage("系统资源不足。", lpszError, nMaxError);
}

void CResourceException::Throw()
{
    throw new CResourceException;
}
