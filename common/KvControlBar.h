// A docking control bar whose size the user drags by its edges, docked or floating, with an
// optional gripper and close button in its non-client area; its three sizes live in the profile.
// Sizing bars docked in one row share the row's length and keep one thickness.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvControlBarBn.h"
#include "platform/base/PtrArray.h"
#include "platform/frame/ControlBar.h"

// Edge flags of m_dwSCBStyle: the sides that can be dragged, and drawn edges.
#define SCBS_EDGELEFT 0x00000001
#define SCBS_EDGERIGHT 0x00000002
#define SCBS_EDGETOP 0x00000004
#define SCBS_EDGEBOTTOM 0x00000008
#define SCBS_EDGEALL 0x0000000F
#define SCBS_SHOWEDGES 0x00000010

class KVCOMM_API CKvControlBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CKvControlBar)

public:
    CKvControlBar();
    ~CKvControlBar() override;

    CSize m_szHorz;
    CSize m_szVert;
    CSize m_szFloat;
    DWORD m_dwSCBStyle;
    UINT m_htEdge;
    CSize m_szMin;
    CSize m_szMinT;
    CSize m_szMaxT;
    CSize m_szOld;
    CPoint m_ptOld;
    BOOL m_bTracking;
    BOOL m_bKeepSize;
    BOOL m_bParentSizing;
    BOOL m_bDragShowContent;
    UINT m_nDockBarID;
    int m_cxEdge;
    int m_cyGripper;
    CKvControlBarBn m_biHide;

    // Every sizing bar of the process, in creation order.
    static CPtrArray m_arrBars;

    virtual BOOL Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    // Sizes under "<profile>-SCBar-<id>", raised to the minimum when read.
    virtual void LoadState(LPCSTR lpszProfileName);
    virtual void SaveState(LPCSTR lpszProfileName);
    virtual void StartTracking(UINT nHitTest);
    virtual void StopTracking();
    virtual void OnTrackUpdateSize(CPoint& point);
    virtual void OnTrackInvertTracker();
    virtual void NcPaintGripper(CDC* pDC, CRect rcClient);
    // Lays the row's visible bars end to end at their stored sizes.
    virtual void AlignControlBars();

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL DestroyWindow() override;

    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;
    // The dragged edge runs across the row (between neighbouring bars).
    BOOL IsSideTracking() const;

    static void GlobalLoadState(LPCSTR lpszProfileName);
    static void GlobalSaveState(LPCSTR lpszProfileName);
    static int FindSizingBar(CControlBar* pBar);

    void GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge) const;
    static UINT GetEdgeHTCode(int nEdge);
    // Indexes in the dock bar's array: the row's first and last entries and this bar.
    void GetRowInfo(int& nFirst, int& nLast, int& nThis) const;
    void GetRowSizingBars(CPtrArray& arrSCBars) const;
    // Shares the row's length among its sizing bars; FALSE when the bar had to move to a row of
    // its own (or there is nothing to share).
    BOOL NegociateSpace(int nLengthTotal, BOOL bHorz);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnPaint() override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    UINT HitTest(CPoint ptScreen);
    void UpdateDockBarID();
    CKvControlBar* TrackNeighbour() const;
    FX_DECLARE_MESSAGE_MAP()
};
