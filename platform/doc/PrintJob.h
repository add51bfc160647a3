// One print job on a printer DC: the document is started, its pages spooled one by one while the
// printing-status dialog names the page and offers Cancel, and the document ended, or abandoned
// after a failure or a Cancel. A failure, not the user's Cancel, is reported in a message box.
#pragma once

#include "platform/base/String.h"

class CDC;
class CPrintingDialog;
class CWnd;

class FX_API CPrintJob
{
public:
    // What the job asks of the one whose pages it prints; nIndex counts the job's pages from 0.
    class FX_API IPages
    {
    public:
        virtual ~IPages() = default;
        // Readies the DC for the page before its printer page starts, and gives the number the
        // status dialog shows. 0 when there is no such page: the job ends after the pages before
        // it, and no blank sheet comes out.
        virtual UINT PreparePage(CDC& dc, UINT nIndex) = 0;
        virtual void DrawPage(CDC& dc, UINT nIndex) = 0;
        // Once the status dialog is gone, before a failure is reported.
        virtual void EndPrinting(CDC& dc);
    };

    // The DC stays the caller's. An empty strOutput prints to the printer's own port.
    CPrintJob(CDC& dcPrint, const CString& strDocName, const CString& strOutput);
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // While the job runs the main window is disabled and the status dialog stands over it (over
    // pStatusParent when there is no main window). TRUE when the document was ended whole.
    BOOL Run(IPages& pages, CWnd* pStatusParent, LPCSTR lpszPrinterName);

private:
    // TRUE when every page given was spooled and the document ended.
    BOOL Spool(IPages& pages, CPrintingDialog& dlgStatus);

    CDC& m_dc;
    CString m_strDocName;
    CString m_strOutput;
};
