// A three-page document view for the printing and preview tests: each page sets its own mapping
// in OnPrepareDC (tenths of a millimetre, the origin moved by the page number) and prints its
// number in a frame. Every printing hook it passes is logged.
#pragma once

#include <string>
#include <vector>

#include "platform/doc/View.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "tests/support/ViewTestApp.h"

class CPrintInfo;

class CPagesView : public CView
{
    FX_DECLARE_DYNCREATE(CPagesView)

public:
    // The page's window origin: x moves by this much per page, so each page's mapping differs.
    static constexpr int kOrgStep = 100;
    // A4 in tenths of a millimetre.
    static constexpr int kPageWidth = 2100;
    static constexpr int kPageHeight = 2970;

    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // "prepare;begin;dc1;print1;...;end;"
    std::string m_strLog;
    UINT m_nMaxPage = 3;  // 0xFFFF: the view does not know its length
    UINT m_nFromPage = 0; // with m_nToPage: a range as the print dialog gives it
    UINT m_nToPage = 0;
    UINT m_nStopAfter = 0;  // OnPrepareDC ends printing after this page (0: never)
    BOOL m_bDirect = FALSE; // what OnPreparePrinting saw
    CString m_strOutput;
    // Replaces the printer DC with a memory DC, a device that refuses documents.
    BOOL m_bBreakPrinter = FALSE;
    // OnPreparePrinting answers FALSE, as after a cancelled print dialog.
    BOOL m_bRefusePrinting = FALSE;
    // Posts a Cancel to this window while this page prints.
    HWND m_hWndCancel = nullptr;
    UINT m_nCancelOnPage = 0;
    std::vector<CRect> m_rectsDraw;

    FX_DECLARE_MESSAGE_MAP()
};

// An application with a frame holding a CPagesView as its active view and main window.
class CPrintTestApp : public CTestViewApp<CPagesView>
{
public:
    CPrintTestApp() : CTestViewApp("PrintTest") {}
    BOOL Start(LPCSTR lpszTitle) { return CTestViewApp::Start(lpszTitle, 640, 480, 0); }
};
