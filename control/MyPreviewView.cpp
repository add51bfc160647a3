#include "control/MyPreviewView.h"

#include "control/ViewPrintPreview.h"
#include "control/VornCtlCtrl.h"

FX_IMPLEMENT_DYNCREATE(CMyPreviewView, CPreviewView)

void CMyPreviewView::OnPreviewPrint()
{
    CView* pView = GetPrintView();
    if (pView != nullptr && pView->IsKindOf(FX_RUNTIME_CLASS(CViewPrintPreview))) {
        if (CVornCtlCtrl* pCtrl = static_cast<CViewPrintPreview*>(pView)->m_pCtrl) {
            pCtrl->PrintPage("");
        }
    }
}
