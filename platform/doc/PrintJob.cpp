#include "platform/doc/PrintJob.h"

#include "platform/frame/WinApp.h"
#include "platform/gdi/DC.h"
#include "platform/print/FxResource.h"
#include "platform/print/PrintingDialog.h"
#include "platform/res/resource.h"
#include "platform/win/MsgBox.h"

void CPrintJob::IPages::EndPrinting(CDC&)
{
}

CPrintJob::CPrintJob(CDC& dcPrint, const CString& strDocName, const CString& strOutput)
    : m_dc(dcPrint), m_strDocName(strDocName), m_strOutput(strOutput)
{
}

BOOL CPrintJob::Run(IPages& pages, CWnd* pStatusParent, LPCSTR lpszPrinterName)
{
    m_dc.m_bPrinting = TRUE;
    CWnd* pMain = FxGetMainWnd();
    const BOOL bDisableMain = pMain != nullptr && pMain->IsWindowEnabled();
    if (bDisableMain) {
        pMain->EnableWindow(FALSE);
    }
    CPrintingDialog dlgStatus;
    dlgStatus.Create(pMain != nullptr ? pMain : pStatusParent, m_strDocName, lpszPrinterName);
    m_dc.SetAbortProc(&CPrintingDialog::AbortProc);

    const BOOL bSpooled = Spool(pages, dlgStatus);

    if (bDisableMain) {
        pMain->EnableWindow(TRUE);
    }
    dlgStatus.DestroyWindow();
    pages.EndPrinting(m_dc);
    if (!bSpooled && !CPrintingDialog::IsUserAbort()) {
        CWnd* pOwner = FxGetMainWnd();
        FxMessageBox(pOwner != nullptr ? pOwner->m_hWnd : nullptr, FxLoadFxString(FX_IDS_PRINT_FAILED), nullptr,
                     MB_OK | MB_ICONEXCLAMATION);
    }
    return bSpooled;
}

BOOL CPrintJob::Spool(IPages& pages, CPrintingDialog& dlgStatus)
{
    if (m_dc.StartDoc(m_strDocName, m_strOutput.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strOutput)) <= 0) {
        return FALSE;
    }
    BOOL bError = FALSE;
    for (UINT nIndex = 0; !bError; ++nIndex) {
        const UINT nPage = pages.PreparePage(m_dc, nIndex);
        if (nPage == 0) {
            break;
        }
        dlgStatus.SetPage(nPage);
        if (m_dc.StartPage() <= 0) {
            bError = TRUE;
            break;
        }
        pages.DrawPage(m_dc, nIndex);
        // The abort procedure also runs here, so a Cancel is seen after every page.
        bError = m_dc.EndPage() <= 0 || !CPrintingDialog::AbortProc(m_dc, 0);
    }
    // Nothing half-spooled stays behind a failure or a Cancel.
    if (bError) {
        m_dc.AbortDoc();
        return FALSE;
    }
    // A document the spooler could not end is not delivered.
    return m_dc.EndDoc() > 0;
}
