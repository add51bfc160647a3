// The printing-status dialog: the document, printer and page while a job spools, with a Cancel
// that asks the job to stop; and the abort procedure that keeps it answering meanwhile.
#pragma once

#include "platform/win/Dialog.h"

class FX_API CPrintingDialog : public CDialog
{
    FX_DECLARE_DYNAMIC(CPrintingDialog)

public:
    CPrintingDialog();
    ~CPrintingDialog() override;

    // Modeless, over pParentWnd; clears any earlier Cancel.
    BOOL Create(CWnd* pParentWnd, LPCSTR lpszDocName, LPCSTR lpszPrinterName);
    void SetPage(UINT nPage);

    // One job runs at a time (the suite is single-threaded): the flag and the dialog are shared
    // with the abort procedure.
    static BOOL IsUserAbort();
    // Given to SetAbortProc: dispatches what waits in the queue (the dialog's Cancel among it) and
    // answers FALSE once the user cancelled.
    static BOOL CALLBACK AbortProc(HDC hDC, int nCode);

protected:
    // Cancel only raises the flag: the print loop ends the job and closes the dialog.
    void OnCancel() override;
};
