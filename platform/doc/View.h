// A view: a child window of a frame that shows its document; the first stage of command routing.
#pragma once

#include "platform/win/Wnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;
class CPreviewView;
struct CPrintPreviewState;
struct CRuntimeClass;

class FX_API CView : public CWnd
{
    FX_DECLARE_DYNAMIC(CView)

public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* pDC) = 0;
    // Screen painting passes no print information; printing and preview pass the job's.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnInitialUpdate();
    // Invalidates the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // An activated view takes the focus.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // Printing, in the order the print loop calls them. OnPreparePrinting sets the page range and
    // answers DoPreparePrinting's result; FALSE stops the job before anything is spooled.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // The print dialog, or the application's printer without one (direct printing, preview);
    // either way the printer DC is made. FALSE when cancelled or there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // One page: draws the view (OnDraw) into the prepared printer DC.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Called by the preview when it closes: ends printing and gives the frame back.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // Command handlers a view puts in its map: print (ID_FILE_PRINT; ID_FILE_PRINT_DIRECT prints
    // without the dialog) and print preview.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Runs the print loop for a prepared job: the printer DC is taken from pInfo. TRUE when the
    // document was ended; a failure has been reported to the user and nothing is left spooled.
    BOOL DoPrint(CPrintInfo* pInfo);
    // Replaces the frame's view with a preview view of pPreviewViewClass (null: CPreviewView)
    // showing pPrintView's pages; pState (owned by the preview) keeps what the frame put aside.
    // FALSE, with the frame as it was, when the preview cannot start.
    BOOL DoPrintPreview(CView* pPrintView, CRuntimeClass* pPreviewViewClass, CPrintPreviewState* pState);

    // The view's own handlers, then its document's (which passes on to the template).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CDocument* m_pDocument;

private:
    friend class CDocument;
    int m_nCmdDepth;
    // The command being dispatched: print tells ID_FILE_PRINT_DIRECT from ID_FILE_PRINT by it.
    UINT m_nIDCmd;
    BOOL m_bDeletePending;
};
