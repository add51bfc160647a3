#include "platform/base/Exception.h"

#include <cstring>

namespace
{
FX_ERROR_REPORTER g_pfnErrorReporter = nullptr;
} // namespace

FX_ERROR_REPORTER FxSetErrorReporter(FX_ERROR_REPORTER pfnReporter)
{
    FX_ERROR_REPORTER pfnOld = g_pfnErrorReporter;
    g_pfnErrorReporter = pfnReporter;
    return pfnOld;
}

FX_IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

void CException::Delete()
{
    if (m_bAutoDelete) {
        delete this;
    }
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr) {
        *pnHelpContext = 0;
    }
    return CopyMessage(CString(), lpszError, nMaxError);
}

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    char szMessage[512] = {};
    CString strMessage;
    if (GetErrorMessage(szMessage, sizeof(szMessage))) {
        strMessage = szMessage;
    } else if (nMessageID == 0 || !strMessage.LoadString(nMessageID)) {
        strMessage = "发生了未知错误。";
    }
    if (g_pfnErrorReporter != nullptr) {
        return g_pfnErrorReporter(strMessage, nType);
    }
    return ::MessageBoxA(::GetActiveWindow(), strMessage, nullptr, nType);
}

BOOL CException::CopyMessage(const CString& strMessage, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0) {
        return FALSE;
    }
    UINT nLength = static_cast<UINT>(strMessage.GetLength());
    if (nLength >= nMaxError) {
        nLength = nMaxError - 1;
        // Never leave half of a GBK character at the cut.
        UINT i = 0;
        while (i < nLength) {
            UINT nChar = static_cast<UINT>(CString::CharLength(static_cast<LPCSTR>(strMessage) + i));
            if (i + nChar > nLength) {
                break;
            }
            i += nChar;
        }
        nLength = i;
    }
    memcpy(lpszError, static_cast<LPCSTR>(strMessage), nLength);
    lpszError[nLength] = '\0';
    return !strMessage.IsEmpty();
}
