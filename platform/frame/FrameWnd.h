// A frame window: the menu, accelerators, icon and title of one resource id, the layout of its
// bars and pane, the active view, status prompts, and the first stage of command routing.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/frame/ControlBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/win/Wnd.h"

struct CCreateContext;
struct CPrintPreviewState;
class CDocument;
class CView;
class CDockState;
class CMiniDockFrameWnd;

// Asked of each child in RecalcLayout (registered message, lParam the FX_SIZEPARENTPARAMS*): a
// bar takes its strip off rect and moves itself there; the pane gets what is left.
struct FX_SIZEPARENTPARAMS
{
    RECT rect;
    // Control bars add their sizes here (a query without stretching measures the bars).
    SIZE sizeTotal;
    BOOL bStretch;
    // Null in a query: the bars measure themselves and move nothing.
    HDWP hDWP;
};
FX_API UINT FxGetSizeParentMessage();

class FX_API CFrameWnd : public CWnd
{
    FX_DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    // Bars still listed forget this frame.
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
    // The caption for a document's title: the title alone in a child frame, "title - program" in
    // a top-level one.
    void ShowDocumentTitle(LPCSTR lpszDocTitle);

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

    // Print preview takes the frame over: entering hides the frame's bars and view pane (moved to
    // FX_IDW_PANE_SAVE) into pState; leaving shows them again and reactivates the old view.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    HACCEL m_hAccelTable;
    // Menu items and bar buttons without a handler are disabled.
    BOOL m_bAutoMenuEnable;
    CString m_strTitle;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Control bars and docking.
    enum RepositionFlags : UINT { reposDefault = 0, reposQuery = 1, reposExtra = 2 };
    // Lays the children with ids in [nIDFirst, nIDLast] along the edges of the client rectangle
    // (or lpRectClient) and gives nIDLeftOver what is left. reposQuery moves nothing and answers
    // in lpRectParam: the rectangle left (bStretch), else the bars' total size.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    // Creates the dock bars of the given sides (top, bottom, left, right, in that order).
    void EnableDocking(DWORD dwDockStyle);
    // nDockBarID 0: the first dock bar the bar's alignment allows. lpRect (screen) places the bar
    // among the rows; without it the bar starts a new last row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Docks the bar back where its placeholder is (in pDockBar, else in whichever dock bar has one).
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats the bar in a floating frame with its top-left corner at point (screen).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // With bDelay the change waits for the next layout (idle); a bar keeps its place while hidden.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID) const;
    // The side a rectangle (screen) can dock to among dwDockStyle's, and its dock bar; 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr) const;
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The dock bar EnableDocking puts on a side (dwSideStyle: CBRS_TOP and the like), created;
    // null leaves the side without one.
    virtual CDockBar* CreateDockBar(UINT nID, DWORD dwSideStyle);
    // The layout waits for idle.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    void GetDockState(CDockState& state) const;
    void SetDockState(CDockState& state);
    void LoadBarState(LPCSTR lpszProfileName);
    void SaveBarState(LPCSTR lpszProfileName) const;

    // The bars whose dock site this frame is, in creation order (floating dock bars included).
    CPtrList m_listControlBars;
    // The floating frame class (a CMiniDockFrameWnd); a derived frame may set its own.
    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    enum IdleFlags : UINT { idleLayout = 1, idleNotify = 2 };
    UINT m_nIdleFlags = 0;
    BOOL m_bInRecalcLayout = FALSE;
    // A ShowWindow command waiting for idle (-1: none); a floating frame shows or hides with it.
    int m_nShowDelay = -1;

protected:
    // Status texts asked for by command id (WM_SETMESSAGESTRING) and tool tips of bar buttons.
    BOOL OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

public:
protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    // Makes what fills the frame while it is created: by default the context's view, if any.
    // FALSE fails the creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
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
