#include "tests/platform/TestFrames.h"

#include "platform/base/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/win/CmdUI.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
void Log(const char* pszTarget, UINT nID)
{
    FxRouteLog() += std::string(pszTarget) + ":" + std::to_string(nID) + ";";
}
} // namespace

std::string& FxRouteLog()
{
    static std::string strLog;
    return strLog;
}

FX_IMPLEMENT_DYNCREATE(CGridDoc, CDocument)
FX_BEGIN_MESSAGE_MAP(CGridDoc, CDocument)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_DOC, OnRoute)
FX_ON_UPDATE_COMMAND_UI(ID_FXROUTE_DOC, OnUpdateDisabled)
FX_END_MESSAGE_MAP()

void CGridDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strText << m_nRows;
    } else {
        ar >> m_strText >> m_nRows;
    }
}

void CGridDoc::DeleteContents()
{
    m_strText.Empty();
    m_nRows = 0;
}

void CGridDoc::OnRoute(UINT nID)
{
    Log("doc", nID);
}

void CGridDoc::OnUpdateDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

FX_IMPLEMENT_DYNCREATE(CGridView, CScrollView)
FX_BEGIN_MESSAGE_MAP(CGridView, CScrollView)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_VIEW, OnRoute)
FX_ON_COMMAND(ID_FXROUTE_CLOSE, OnCloseFrame)
FX_ON_UPDATE_COMMAND_UI(ID_FXROUTE_TEMPLATE, OnUpdateChecked)
FX_ON_UPDATE_COMMAND_UI(ID_FXROUTE_CHILD, OnUpdateRadio)
FX_ON_UPDATE_COMMAND_UI(ID_FXROUTE_MAIN, OnUpdateRenamed)
FX_END_MESSAGE_MAP()

void CGridView::OnInitialUpdate()
{
    SetScrollSizes(MM_TEXT, CSize(2000, 1500));
    CScrollView::OnInitialUpdate();
}

void CGridView::OnDraw(CDC* pDC)
{
    const CSize total = GetTotalSize();
    for (int x = 0; x <= total.cx; x += 50) {
        pDC->MoveTo(x, 0);
        pDC->LineTo(x, total.cy);
    }
    for (int y = 0; y <= total.cy; y += 50) {
        pDC->MoveTo(0, y);
        pDC->LineTo(total.cx, y);
    }
    pDC->SetBkMode(TRANSPARENT);
    for (int row = 0; row < total.cy / 50; ++row) {
        for (int col = 0; col < total.cx / 50; col += 1) {
            CString strCell;
            strCell.Format("%d,%d", row + 1, col + 1);
            pDC->TextOut(col * 50 + 4, row * 50 + 4, strCell);
        }
    }
}

FX_IMPLEMENT_DYNCREATE(CNoteView, CScrollView)

void CNoteView::OnInitialUpdate()
{
    SetScrollSizes(MM_LOMETRIC, CSize(2100, 2970));
    CScrollView::OnInitialUpdate();
}

void CNoteView::OnDraw(CDC* pDC)
{
    // y grows upward in MM_LOMETRIC: the paper runs from 0 down to -2970.
    const CSize total = GetTotalSize();
    for (int x = 0; x <= total.cx; x += 100) {
        pDC->MoveTo(x, 0);
        pDC->LineTo(x, -total.cy);
    }
    for (int y = 0; y <= total.cy; y += 100) {
        pDC->MoveTo(0, -y);
        pDC->LineTo(total.cx, -y);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(120, -120, CString("便笺 1 厘米方格"));
}

void CGridView::OnRoute(UINT nID)
{
    Log("view", nID);
}

void CGridView::OnCloseFrame()
{
    CFrameWnd* pFrame = GetParentFrame();
    pFrame->SendMessage(WM_CLOSE);
    // Still here, and so is the frame: the close waits for this handler.
    m_bFrameAliveAfterClose = pFrame->IsWindow() && IsWindow();
}

void CGridView::OnUpdateChecked(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(1);
}

void CGridView::OnUpdateRadio(CCmdUI* pCmdUI)
{
    pCmdUI->SetRadio(TRUE);
}

void CGridView::OnUpdateRenamed(CCmdUI* pCmdUI)
{
    pCmdUI->SetText("改名");
}

FX_IMPLEMENT_DYNCREATE(CGridChild, CMDIChildWnd)
FX_BEGIN_MESSAGE_MAP(CGridChild, CMDIChildWnd)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_CHILD, OnRoute)
FX_END_MESSAGE_MAP()

void CGridChild::OnRoute(UINT nID)
{
    Log("child", nID);
}

FX_IMPLEMENT_DYNCREATE(CTestMainFrame, CMDIFrameWnd)
FX_BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_MAIN, OnRoute)
FX_ON_COMMAND_RANGE(ID_FXACCEL_CHILD, ID_FXACCEL_MAIN, OnAccel)
FX_END_MESSAGE_MAP()

void CTestMainFrame::OnRoute(UINT nID)
{
    Log("main", nID);
}

void CTestMainFrame::OnAccel(UINT nID)
{
    Log("accel", nID);
}

FX_BEGIN_MESSAGE_MAP(CGridTemplate, CMultiDocTemplate)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_TEMPLATE, OnRoute)
FX_END_MESSAGE_MAP()

void CGridTemplate::OnRoute(UINT nID)
{
    Log("template", nID);
}

FX_BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
FX_ON_COMMAND_RANGE(ID_FXROUTE_VIEW, ID_FXROUTE_APP, OnRoute)
FX_END_MESSAGE_MAP()

CTestApp::CTestApp() : CWinApp("FxFrameTest")
{
}

BOOL CTestApp::InitInstance()
{
    m_pGridTemplate = new CGridTemplate(IDR_FXTEST_GRID, FX_RUNTIME_CLASS(CGridDoc), FX_RUNTIME_CLASS(CGridChild),
                                        FX_RUNTIME_CLASS(CGridView));
    AddDocTemplate(m_pGridTemplate);
    m_pNoteTemplate = new CMultiDocTemplate(IDR_FXTEST_NOTE, FX_RUNTIME_CLASS(CGridDoc), FX_RUNTIME_CLASS(CMDIChildWnd),
                                            FX_RUNTIME_CLASS(CNoteView));
    AddDocTemplate(m_pNoteTemplate);
    m_pMainFrame = new CTestMainFrame;
    if (!m_pMainFrame->LoadFrame(IDR_FXTEST_MAIN)) {
        return FALSE;
    }
    m_pMainWnd = m_pMainFrame;
    return TRUE;
}

void CTestApp::Shutdown()
{
    CloseAllDocuments();
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->DestroyWindow();
    }
    PumpTestMessages();
}

void CTestApp::OnRoute(UINT nID)
{
    Log("app", nID);
}
