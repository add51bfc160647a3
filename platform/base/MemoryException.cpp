#include "platform/base/MemoryException.h"

#include <new>

FX_IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete)
{
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr) {
        *pnHelpContext = 0;
    }
    return CopyMessage("内存不足。", lpszError, nMaxError);
}

void CMemoryException::Throw()
{
    // Out of memory there may be none for the exception itself: fall back on one that lives
    // forever and that Delete leaves alone.
    static CMemoryException s_spare(FALSE);
    CMemoryException* pException = new (std::nothrow) CMemoryException;
    throw pException != nullptr ? pException : &s_spare;
}
