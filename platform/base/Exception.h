// Base of the framework's exceptions. They are thrown as heap pointers and caught by pointer:
//     catch (CException* e) { ...; e->Delete(); }
#pragma once

#include "platform/base/Object.h"

// Shows an exception's message to the user and returns the button pressed. The window layer
// registers the suite's message box; before that a plain system box is shown.
typedef int (*FX_ERROR_REPORTER)(LPCSTR lpszText, UINT nType);
// Installs a reporter (null: the plain box) and returns the previous one.
FX_API FX_ERROR_REPORTER FxSetErrorReporter(FX_ERROR_REPORTER pfnReporter);

class FX_API CException : public CObject
{
    FX_DECLARE_DYNAMIC(CException)
public:
    // bAutoDelete FALSE for an object that Delete must leave alone (on the stack, or static).
    explicit CException(BOOL bAutoDelete = TRUE);

    // Frees a thrown exception; the catcher calls it once it is done.
    void Delete();

    // The message in GBK, cut to nMaxError - 1 bytes; FALSE when there is no message.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // Shows the message through the registered reporter (the suite's message box) and returns
    // its result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;

protected:
    // Copies text into the caller's buffer the way GetErrorMessage promises.
    static BOOL CopyMessage(const CString& strMessage, LPSTR lpszError, UINT nMaxError);

    BOOL m_bAutoDelete;
};
