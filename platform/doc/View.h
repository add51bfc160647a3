// A view: a child window of a frame that shows its document; the first stage of command routing.
#pragma once

#include "platform/win/Wnd.h"

class CDocument;
class CFrameWnd;

class FX_API CView : public CWnd
{
    FX_DECLARE_DYNAMIC(CView)

public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC);
    virtual void OnInitialUpdate();
    // Invalidates the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // An activated view takes the focus.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

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
    BOOL m_bDeletePending;
};
