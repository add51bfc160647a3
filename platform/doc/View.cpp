#include "platform/doc/View.h"

#include "platform/doc/Document.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() : m_pDocument(nullptr), m_nCmdDepth(0), m_bDeletePending(FALSE)
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

void CView::OnPrepareDC(CDC*)
{
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
    BOOL bHandled = CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (!bHandled && m_pDocument != nullptr) {
        bHandled = m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
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
