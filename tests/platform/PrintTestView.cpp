#include "tests/platform/PrintTestView.h"

#include "platform/frame/FrameIds.h"
#include "platform/gdi/DC.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"

FX_IMPLEMENT_DYNCREATE(CPagesView, CView)

FX_BEGIN_MESSAGE_MAP(CPagesView, CView)
FX_ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
FX_END_MESSAGE_MAP()

void CPagesView::OnDraw(CDC* pDC)
{
    pDC->Rectangle(100, 100, kPageWidth - 100, kPageHeight - 100);
}

void CPagesView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr) {
        return;
    }
    m_strLog += "dc" + std::to_string(pInfo->m_nCurPage) + ";";
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(kPageWidth, kPageHeight);
    pDC->SetViewportExt(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->SetWindowOrg(-static_cast<int>(pInfo->m_nCurPage) * kOrgStep, 0);
    if (m_nStopAfter != 0) {
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= m_nStopAfter;
    }
}

BOOL CPagesView::OnPreparePrinting(CPrintInfo* pInfo)
{
    m_strLog += "prepare;";
    m_bDirect = pInfo->m_bDirect;
    pInfo->SetMaxPage(m_nMaxPage);
    pInfo->m_strOutput = m_strOutput;
    if (m_bRefusePrinting || !DoPreparePrinting(pInfo)) {
        return FALSE;
    }
    if (m_nFromPage != 0) {
        pInfo->m_pPD->m_pd.Flags |= PD_PAGENUMS;
        pInfo->m_pPD->m_pd.nFromPage = static_cast<WORD>(m_nFromPage);
        pInfo->m_pPD->m_pd.nToPage = static_cast<WORD>(m_nToPage);
    }
    if (m_bBreakPrinter) {
        CDC dcPrinter;
        dcPrinter.Attach(pInfo->m_pPD->DetachPrinterDC());
        CDC dcMemory;
        dcMemory.CreateCompatibleDC(nullptr);
        pInfo->m_pPD->m_pd.hDC = dcMemory.Detach();
    }
    return TRUE;
}

void CPagesView::OnBeginPrinting(CDC*, CPrintInfo*)
{
    m_strLog += "begin;";
}

void CPagesView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    m_strLog += "print" + std::to_string(pInfo->m_nCurPage) + ";";
    m_rectsDraw.push_back(pInfo->m_rectDraw);
    OnDraw(pDC);
    CString strPage;
    strPage.Format("第 %u 页", pInfo->m_nCurPage);
    pDC->TextOut(300, 300, strPage);
    if (m_hWndCancel != nullptr && pInfo->m_nCurPage == m_nCancelOnPage) {
        ::PostMessageA(m_hWndCancel, WM_COMMAND, IDCANCEL, 0);
    }
}

void CPagesView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_strLog += "end;";
}
