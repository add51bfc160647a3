// The base of the bars a frame lays out along its edges (tool bars, status bar, dock bars, sizing
// bars): bar style bits, delayed showing, fixed and dynamic layout, borders and gripper, the idle
// update of the bar's items and docking through a dock context.
#pragma once

#include "platform/base/Size.h"
#include "platform/win/Wnd.h"

class CDC;
class CDockBar;
class CDockContext;
class CFrameWnd;
class CControlBarInfo;
struct FX_SIZEPARENTPARAMS;

// Bar style bits (the bar's own style word, not the window's).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
// The bits a bar keeps of the style given to Create; the rest goes to the window.
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Modes of CalcDynamicLayout.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class FX_API CControlBar : public CWnd
{
    FX_DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    // Leaves its dock bar and its frame's bar list; deletes the dock context.
    ~CControlBar() override;

    // Bar state kept beside the window.
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    // The frame whose bar list holds this bar (stays the main frame while the bar floats).
    CFrameWnd* m_pDockSite;
    // The dock bar this bar sits in; null when it is laid out by its frame directly.
    CDockBar* m_pDockBar;
    CDockContext* m_pDockContext;
    // The floating width a dynamic bar came back to most recently (32767: as wide as it likes).
    int m_nMRUWidth;
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    // Show or hide waiting for the next layout (ShowControlBar with a delay).
    enum StateFlags : UINT { delayHide = 1, delayShow = 2 };
    UINT m_nStateFlags;
    // Dock bars the frame makes with new go with their window.
    BOOL m_bAutoDelete;

    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    // Allows docking on the given sides (CBRS_ALIGN_*, CBRS_FLOAT_MULTI); creates the dock context.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    // Visible, counting a pending delayed show or hide.
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    // The frame the bar is laid out in: its floating frame while it floats, else its frame.
    CFrameWnd* GetDockingFrame() const;
    void DelayShow(BOOL bShow);
    // Applies a pending delayed show or hide now (into the batch when one is given).
    void ApplyDelayShow(HDWP* phDWP = nullptr);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // The client rectangle less borders (and gripper) for the given orientation.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // Called on idle with the frame that routes the bar's commands.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // Dock state.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void PostNcDestroy() override;
    // The frame's layout asks for the bar's strip (FxGetSizeParentMessage).
    virtual void OnSizeParent(FX_SIZEPARENTPARAMS* pLayout);
    // Leaves the dock bar and the frame's bar list; shared by OnDestroy and the destructor.
    void LeaveDockSite();
};

// The bar's window: moved within the layout's batch, or not at all when the layout is a query.
FX_API void FxRepositionWindow(FX_SIZEPARENTPARAMS* pLayout, HWND hWnd, LPCRECT lpRect);
