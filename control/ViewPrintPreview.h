// The view of the report control's preview window: it stands for the control in the framework's
// print preview, drawing the card's pages as the control prints them, and hands the application
// its previous main window back when the preview ends.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/doc/View.h"

class CVornCtlCtrl;

class VORNCTL_API CViewPrintPreview : public CView
{
    FX_DECLARE_DYNCREATE(CViewPrintPreview)

public:
    CViewPrintPreview();

    // The main window before the preview's frame became it, given back when the preview ends.
    void RestoreMainWindow();

    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;

    // Not owned: the control closes the preview before it goes.
    CVornCtlCtrl* m_pCtrl;
    CWnd* m_pOldMainWnd;
};
