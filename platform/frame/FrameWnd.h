// A frame window: the menu, accelerators, icon and title of one resource id, the layout of its
// bars and pane, the active view, status prompts, and the first stage of command routing.
#pragma once

#include "platform/frame/FrameIds.h"
#include "platform/win/Wnd.h"

struct CCreateContext;
class CDocument;
class CView;

// Asked of each child in RecalcLayout (registered message, lParam the FX_SIZEPARENTPARAMS*): a
// bar takes its strip off rect and moves itself there; the pane gets what is left.
struct FX_SIZEPARENTPARAMS
{
    RECT rect;
};
FX_API UINT FxGetSizeParentMessage();

class FX_API CFrameWnd : public CWnd
{
    FX_DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame with the menu, accelerators and icon of nIDResource; its string gives the
    // title up to the first '\n'. With a context the frame creates its view.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                           CCreateContext* pContext = nullptr);
    // The style LoadFrame gets from a document template.
    virtual DWORD DefaultFrameStyle() const { return WS_OVERLAPPEDWINDOW; }
    // The id LoadFrame was given; 0 for a frame not loaded from a resource.
    UINT GetResourceID() const { return m_nIDResource; }
    CView* CreateView(CCreateContext* pContext, UINT nID = FX_IDW_PANE_FIRST);

    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Sends OnInitialUpdate to the document's views, activates the first and shows the frame.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The MDI frame answers its active child; other frames themselves.
    virtual CFrameWnd* GetActiveFrame();

    // The status bar's text (when the frame has one); the idle message comes back on idle.
    void SetMessageText(LPCSTR lpszText);
    CString m_strIdleMessage;

    // Modal state: the frame is disabled while a modeless window of its acts as a modal one.
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const { return m_nModalCount > 0; }

    HACCEL m_hAccelTable;
    // Menu items and bar buttons without a handler are disabled.
    BOOL m_bAutoMenuEnable;
    CString m_strTitle;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    // The menu and its popups get their command states before they show.
    virtual void OnInitMenuPopup(HMENU hPopup);
    // Idle: the status text returns to the idle message.
    virtual void OnIdleUpdateCmdUI();
    // Makes the window for LoadFrame (an MDI child makes it in its frame's client).
    virtual BOOL CreateFrame(DWORD dwStyle, CWnd* pParentWnd, HMENU hMenu, CCreateContext* pContext);
    // The creation context from the WM_CREATE parameters (an MDI child's come in MDICREATESTRUCT).
    virtual CCreateContext* ContextOf(LPCREATESTRUCT lpcs) const;
    // TRUE when the command goes on to the application after this frame (not for MDI children:
    // their MDI frame does that, after its own map).
    virtual BOOL RoutesToApp() const { return TRUE; }
    // The routing itself, without the close and delete bookkeeping of OnCmdMsg.
    virtual BOOL RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

    CView* m_pViewActive;
    HMENU m_hMenuDefault;
    // Commands being dispatched through this frame: a close asked meanwhile waits for them.
    int m_nCmdDepth;
    BOOL m_bClosePending;
    BOOL m_bDeletePending;
    int m_nModalCount;
    UINT m_nIDResource;

private:
    HICON m_hIcon;
};

// The nearest frame among the windows above pWnd (not pWnd itself); null when none.
FX_API CFrameWnd* FxGetParentFrame(const CWnd* pWnd);
