#include "control/ViewPrintPreview.h"

#include "control/VornCtlCtrl.h"
#include "core/CappSheet.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/DC.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"

FX_IMPLEMENT_DYNCREATE(CViewPrintPreview, CView)

CViewPrintPreview::CViewPrintPreview() : m_pCtrl(nullptr), m_pOldMainWnd(nullptr)
{
}

void CViewPrintPreview::OnDraw(CDC* /*pDC*/)
{
    // The preview covers this view while it is shown; it has nothing of its own to draw.
}

void CViewPrintPreview::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pInfo != nullptr && m_pCtrl != nullptr) {
        m_pCtrl->PrepareDC(pDC, pInfo);
        return;
    }
    CView::OnPrepareDC(pDC, pInfo);
}

BOOL CViewPrintPreview::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (m_pCtrl != nullptr && m_pCtrl->GetPageCount() > 0) {
        pInfo->SetMaxPage(static_cast<UINT>(m_pCtrl->GetPageCount()));
    }
    // The preview's pages have the paper and orientation of the first page's template.
    if (m_pCtrl != nullptr) {
        pInfo->m_pPD->SetPageSetup(
            CVornCtlCtrl::GetSheetPageSetup(m_pCtrl->GetCappObj().m_CardObj.GetSheetByPage(1, 0)));
    }
    return DoPreparePrinting(pInfo);
}

void CViewPrintPreview::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* pInfo)
{
    if (m_pCtrl != nullptr && m_pCtrl->GetPageCount() > 0) {
        pInfo->SetMaxPage(static_cast<UINT>(m_pCtrl->GetPageCount()));
    }
    pInfo->m_nCurPage = 1;
}

void CViewPrintPreview::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pCtrl == nullptr) {
        return;
    }
    CCardObj& card = m_pCtrl->GetCappObj().m_CardObj;
    const int nPage = static_cast<int>(pInfo->m_nCurPage);
    if (card.m_nCurPage != nPage) {
        card.SetCurPage(nPage);
    }
    CCappSheet* pSheet = card.GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    pSheet->m_bPrinting = TRUE;
    pSheet->DrawSheet(pDC, CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
    pSheet->m_bPrinting = FALSE;
}

void CViewPrintPreview::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView)
{
    CView::OnEndPrintPreview(pDC, pInfo, point, pView);
    RestoreMainWindow();
    // The preview's command is still running inside this frame: it closes once that is done.
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->PostMessage(WM_CLOSE);
    }
}

void CViewPrintPreview::RestoreMainWindow()
{
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == GetParentFrame()) {
        pApp->m_pMainWnd = m_pOldMainWnd;
        if (m_pOldMainWnd != nullptr && m_pOldMainWnd->IsWindow()) {
            m_pOldMainWnd->ShowWindow(SW_SHOW);
        }
    }
    if (m_pCtrl != nullptr) {
        m_pCtrl->OnPreviewClosed();
        m_pCtrl = nullptr;
    }
}
