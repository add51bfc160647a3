// Print preview: a view that takes the place of the frame's view and shows another view's printed
// pages, one or two at a time at the printer's proportions, with a bar of buttons above.
#pragma once

#include "platform/doc/View.h"

class CPreviewBar;
class CPrintInfo;
struct CPrintPreviewState;

class FX_API CPreviewView : public CView
{
    FX_DECLARE_DYNCREATE(CPreviewView)

public:
    CPreviewView();
    ~CPreviewView() override;

    // Prepares printing (the print view's OnPreparePrinting and OnBeginPrinting), hides the
    // frame's bars and view and shows itself with its bar. FALSE, with the frame as it was, when
    // the preview cannot start; the object is then already deleted.
    BOOL StartPreview(CFrameWnd* pFrame, CView* pPrintView, CPrintPreviewState* pState);
    // Ends printing and gives the frame back; the view destroys itself.
    void ClosePreview();

    CView* GetPrintView() const { return m_pPrintView; }
    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo; }
    CDC* GetPrinterDC() const { return m_pPrinterDC; }
    CPreviewBar* GetBar() const { return m_pBar; }
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    // 1 or 2 pages side by side (one while zoomed).
    UINT GetPageCount() const;
    // 0 the whole page, 1 and 2 larger.
    int GetZoomState() const { return m_nZoomState; }
    void SetCurrentPage(UINT nPage);
    void SetZoomState(int nZoomState, CPoint ptCentre);
    // Where page slot nIndex lies, in the view's scrolled coordinates.
    CRect GetPageRect(UINT nIndex) const;
    // Page nPage as the printer would get it, recorded in an enhanced metafile of the printer's
    // resolution; the caller deletes it. Null when it cannot be recorded.
    HENHMETAFILE RenderPage(UINT nPage);

    // The bar's commands; a derived preview replaces what it needs.
    // The closing hook: asks the print view to end the preview (OnEndPrintPreview).
    virtual void OnPreviewClose();
    // Leaves the preview and prints the document.
    virtual void OnPreviewPrint();
    virtual void OnNextPage();
    virtual void OnPrevPage();
    virtual void OnNumPageChange();
    virtual void OnZoomIn();
    virtual void OnZoomOut();
    // Enables the bar's buttons for the present page and zoom.
    virtual void UpdateBar();

    void OnDraw(CDC* pDC) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    // Scroll ranges for the zoom: page numbers on the vertical bar at the whole-page zoom, the
    // enlarged page otherwise.
    void UpdateScrollRanges();
    void OnScroll(int nBar, UINT nCode);
    // Printer pixels to screen pixels for the present zoom.
    double ScreenScale() const;
    // Whether the print view has a page nPage: its range, or, when it does not know its length,
    // what its OnPrepareDC answers.
    BOOL PageExists(UINT nPage);
    CSize PrinterPage() const;

    CView* m_pPrintView;
    CPrintInfo* m_pPreviewInfo;
    CDC* m_pPrinterDC;
    CPrintPreviewState* m_pPreviewState;
    CPreviewBar* m_pBar;
    UINT m_nCurrentPage;
    int m_nZoomState;
    POINT m_ptScroll; // scroll position of the enlarged page, in screen pixels
    BOOL m_bClosing;

    FX_DECLARE_MESSAGE_MAP()
};
