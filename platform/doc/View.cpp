#include "platform/doc/View.h"

#include "platform/doc/Document.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/doc/PreviewView.h"
#include "platform/doc/PrintJob.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/PaintDC.h"
#include "platform/print/FxResource.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/res/resource.h"
#include "platform/win/MsgBox.h"

namespace
{
// The spooler keeps document names short; a cut never splits a GBK character.
CString DocNameOf(const CString& strTitle)
{
    const int nMax = 31;
    int nEnd = 0;
    while (nEnd < strTitle.GetLength()) {
        const int nStep =
            CString::IsLeadByte(static_cast<BYTE>(strTitle[nEnd])) && nEnd + 1 < strTitle.GetLength() ? 2 : 1;
        if (nEnd + nStep > nMax) {
            break;
        }
        nEnd += nStep;
    }
    return strTitle.Left(nEnd);
}

void ReportFailure(UINT nIDText)
{
    const CString strText = FxLoadFxString(nIDText);
    CWnd* pMain = FxGetMainWnd();
    FxMessageBox(pMain != nullptr ? pMain->m_hWnd : nullptr, strText, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The view's pages from the range of the job, each prepared and printed through its hooks.
class CViewPages : public CPrintJob::IPages
{
public:
    CViewPages(CView& view, CPrintInfo& info) : m_view(view), m_info(info) {}

    UINT PreparePage(CDC& dc, UINT nIndex) override
    {
        m_info.m_nCurPage = m_info.GetFromPage() + nIndex;
        if (m_info.m_nCurPage > m_info.GetToPage()) {
            return 0;
        }
        m_view.OnPrepareDC(&dc, &m_info);
        if (!m_info.m_bContinuePrinting) {
            return 0;
        }
        m_info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&m_info.m_rectDraw);
        return m_info.m_nCurPage;
    }

    void DrawPage(CDC& dc, UINT) override { m_view.OnPrint(&dc, &m_info); }

    void EndPrinting(CDC& dc) override { m_view.OnEndPrinting(&dc, &m_info); }

private:
    CView& m_view;
    CPrintInfo& m_info;
};
} // namespace

FX_IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() : m_pDocument(nullptr), m_nCmdDepth(0), m_nIDCmd(0), m_bDeletePending(FALSE)
{
}

CView::~CView()
{
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

CFrameWnd* CView::GetParentFrame() const
{
    return FxGetParentFrame(this);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // A view that does not know its length prints one page unless it says otherwise.
    if (pInfo != nullptr && pInfo->GetMaxPage() == 0xFFFF) {
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage == 1;
    }
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog* pPD = pInfo->m_pPD;
    pPD->m_pd.Flags |= PD_RETURNDC;
    if (pInfo->m_bDirect || pInfo->m_bPreview) {
        if (!pPD->GetDefaults()) {
            if (!pInfo->m_bPreview) {
                ReportFailure(FX_IDS_PRINT_FAILED);
            }
            return FALSE;
        }
        return TRUE;
    }
    // A view that knows its length offers the range.
    if (pInfo->GetMaxPage() != 0xFFFF) {
        pPD->m_pd.Flags &= ~static_cast<DWORD>(PD_NOPAGENUMS);
        pPD->m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
        pPD->m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    }
    if (pPD->DoModal() != IDOK) {
        return FALSE;
    }
    return pPD->GetPrinterDC() != nullptr || pPD->CreatePrinterDC() != nullptr;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnEndPrintPreview(CDC*, CPrintInfo*, POINT, CPreviewView* pView)
{
    pView->ClosePreview();
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    info.m_bDirect = m_nIDCmd == ID_FILE_PRINT_DIRECT;
    if (OnPreparePrinting(&info)) {
        DoPrint(&info);
    }
}

BOOL CView::DoPrint(CPrintInfo* pInfo)
{
    CDC dcPrint;
    if (!dcPrint.Attach(pInfo->m_pPD->DetachPrinterDC())) {
        ReportFailure(FX_IDS_PRINT_FAILED);
        return FALSE;
    }
    dcPrint.m_bPrinting = TRUE;
    CString strTitle;
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->GetWindowText(strTitle);
    }
    OnBeginPrinting(&dcPrint, pInfo);
    CViewPages pages(*this, *pInfo);
    CPrintJob job(dcPrint, DocNameOf(strTitle), pInfo->m_strOutput);
    return job.Run(pages, this, pInfo->m_pPD->GetDeviceName());
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(this, nullptr, pState)) {
        delete pState;
        ReportFailure(FX_IDS_COMMAND_FAILED);
    }
}

BOOL CView::DoPrintPreview(CView* pPrintView, CRuntimeClass* pPreviewViewClass, CPrintPreviewState* pState)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || pPrintView == nullptr || pState == nullptr) {
        return FALSE;
    }
    CRuntimeClass* pClass = pPreviewViewClass != nullptr ? pPreviewViewClass : FX_RUNTIME_CLASS(CPreviewView);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CPreviewView))) {
        delete pObject;
        return FALSE;
    }
    return static_cast<CPreviewView*>(pObject)->StartPreview(pFrame, pPrintView, pState);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && ::GetFocus() != m_hWnd) {
        SetFocus();
    }
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // A handler may close the frame and with it this view: the view is freed once it returns.
    ++m_nCmdDepth;
    const UINT nIDCmdOld = m_nIDCmd;
    m_nIDCmd = nID;
    BOOL bHandled = CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (!bHandled && m_pDocument != nullptr) {
        bHandled = m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    m_nIDCmd = nIDCmdOld;
    if (--m_nCmdDepth == 0 && m_bDeletePending) {
        delete this;
    }
    return bHandled;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    CCreateContext* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr) {
        pContext->m_pCurrentDoc->AddView(this);
    }
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this) {
        pFrame->SetActiveView(nullptr, FALSE);
    }
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(m_hWnd);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::PostNcDestroy()
{
    // Views are made with new (by their frame) and go with their window; the document hears it.
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
    if (m_nCmdDepth > 0) {
        m_bDeletePending = TRUE;
        return;
    }
    delete this;
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEACTIVATE) {
        // A click activates the view in its frame.
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        CFrameWnd* pFrame = GetParentFrame();
        if (lResult != MA_NOACTIVATE && lResult != MA_NOACTIVATEANDEAT && pFrame != nullptr) {
            pFrame->SetActiveView(this);
        }
        return lResult;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
