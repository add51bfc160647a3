// The system's print dialog over the application's printer selection, and the printer DC it
// leads to.
#pragma once

#include "platform/base/String.h"
#include "platform/print/PrintPageSetup.h"

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

    // The paper and orientation the document asks for: the dialog starts from them and GetDefaults
    // gives them, on a copy of the application's printer settings; what the user picks in the
    // dialog wins. Given before DoModal or GetDefaults.
    void SetPageSetup(const CPrintPageSetup& setup) { m_pageSetup = setup; }
    const CPrintPageSetup& GetPageSetup() const { return m_pageSetup; }

    // Starts from the application's printer; on OK the chosen printer becomes the application's.
    virtual INT_PTR DoModal();
    // The application's printer without asking; with PD_RETURNDC in the flags its DC too. In a
    // host without an application object, the system's default printer when bSystemWithoutApp.
    // FALSE when there is no printer.
    BOOL GetDefaults(BOOL bSystemWithoutApp = FALSE);
    // A DC for the printer named by m_pd.hDevNames and m_pd.hDevMode (replacing any held one);
    // null when it cannot be made.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // Hands the printer DC out: the caller deletes it.
    HDC DetachPrinterDC();
    // Between two pages of a document, turns a DC of this dialog's printer to another page setup
    // (on a copy of the dialog's settings); FALSE when the printer refuses.
    BOOL ResetPrinterDC(HDC hDC, const CPrintPageSetup& setup) const;
    // After DoModal: TRUE when the chosen settings still have the page setup's orientation and
    // paper, that is, when the user chose none of his own.
    BOOL IsPageSetupKept() const;
    CString GetDeviceName() const;

    // The device handles belong to the application (CWinApp), or to this dialog when it made
    // them (a page setup's copy, a host without an application); the DC to this dialog.
    PRINTDLGA m_pd;

private:
    // The application's printer (else, when asked, the system's default), with the page setup
    // applied to a copy; FALSE when there is no printer.
    BOOL LoadDefaults(BOOL bSystemWithoutApp);
    // Frees the handles this dialog made and forgets them.
    void FreeOwnHandles();

    CPrintPageSetup m_pageSetup;
    HGLOBAL m_hOwnDevMode;
    HGLOBAL m_hOwnDevNames;
};
