// The system's print dialog over the application's printer selection, and the printer DC it
// leads to.
#pragma once

#include "platform/base/String.h"

#include <commdlg.h>

class CWnd;

class FX_API CPrintDialog
{
public:
    // bPrintSetupOnly: the printer set-up variant (no page range).
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    // Deletes the printer DC unless it was taken with DetachPrinterDC.
    virtual ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // Starts from the application's printer; on OK the chosen printer becomes the application's.
    virtual INT_PTR DoModal();
    // The application's printer without asking; with PD_RETURNDC in the flags its DC too.
    // FALSE when there is no printer.
    BOOL GetDefaults();
    // A DC for the printer named by m_pd.hDevNames and m_pd.hDevMode (replacing any held one);
    // null when it cannot be made.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // Hands the printer DC out: the caller deletes it.
    HDC DetachPrinterDC();
    CString GetDeviceName() const;

    // The device handles belong to the application (CWinApp); the DC to this dialog.
    PRINTDLGA m_pd;
};
