// A small MDI program for the framework tests: a main frame, two kinds of document (grid and
// note) with their child frames and views, and an application. Each target of command routing
// records which command reached it.
#pragma once

#include <string>

#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/doc/ScrollView.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "tests/support/MessagePump.h"

// "target:id;" for every command handler that ran.
std::string& FxRouteLog();

class CGridDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CGridDoc)

public:
    CString m_strText;
    int m_nRows = 0;
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;

    void OnRoute(UINT nID);
    void OnUpdateDisabled(CCmdUI* pCmdUI);
    FX_DECLARE_MESSAGE_MAP()
};

// A grid of 50-pixel cells over 2000 x 1500 pixels, numbered by row and column.
class CGridView : public CScrollView
{
    FX_DECLARE_DYNCREATE(CGridView)

public:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL m_bFrameAliveAfterClose = FALSE;
    void OnRoute(UINT nID);
    void OnCloseFrame();
    void OnUpdateChecked(CCmdUI* pCmdUI);
    void OnUpdateRadio(CCmdUI* pCmdUI);
    void OnUpdateRenamed(CCmdUI* pCmdUI);
    FX_DECLARE_MESSAGE_MAP()
};

// A sheet of paper in tenths of a millimetre with a centimetre grid.
class CNoteView : public CScrollView
{
    FX_DECLARE_DYNCREATE(CNoteView)

public:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
};

class CGridChild : public CMDIChildWnd
{
    FX_DECLARE_DYNCREATE(CGridChild)

public:
    void OnRoute(UINT nID);
    FX_DECLARE_MESSAGE_MAP()
};

class CTestMainFrame : public CMDIFrameWnd
{
    FX_DECLARE_DYNCREATE(CTestMainFrame)

public:
    void OnRoute(UINT nID);
    void OnAccel(UINT nID);
    FX_DECLARE_MESSAGE_MAP()
};

class CGridTemplate : public CMultiDocTemplate
{
public:
    CGridTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
        : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
    {
    }
    void OnRoute(UINT nID);
    FX_DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp
{
public:
    CTestApp();
    // Creates the hidden main frame and the grid and note templates.
    BOOL InitInstance() override;
    // Destroys the main frame and drops the quit message it posts.
    void Shutdown();

    CTestMainFrame* m_pMainFrame = nullptr;
    CDocTemplate* m_pGridTemplate = nullptr;
    CDocTemplate* m_pNoteTemplate = nullptr;

    void OnRoute(UINT nID);
    FX_DECLARE_MESSAGE_MAP()
};
