// What a print job or a print preview tells the view while it runs: the page range, the page in
// hand, the printer DC's drawing rectangle, and how printing was asked for.
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"

class CPrintDialog;

class FX_API CPrintInfo
{
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // Pages are counted from 1; a maximum of 0xFFFF means the view does not know its length.
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The range chosen in the print dialog, else the whole document.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog* m_pPD; // owned
    BOOL m_bDirect;      // no print dialog: the application's printer
    BOOL m_bPreview;
    // A view that does not know its length clears this in OnPrepareDC after its last page.
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages; // 1 or 2
    // The printer's page in the DC's logical units, set before each OnPrint.
    CRect m_rectDraw;
    LPVOID m_lpUserData;
    CString m_strPageDesc;
    // A file the job is written to; empty: the printer's own port.
    CString m_strOutput;
};
