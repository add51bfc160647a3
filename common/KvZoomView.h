// A scroll view that shows a drawing given in logical units at a zoom level (device pixels per
// logical unit): limits, zoom modes, fitting, click and rectangle zoom, panning with the mouse,
// the cursors of those states, centring of small drawings and the mapping for printing.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/doc/ScrollView.h"

class KVCOMM_API CKvZoomView : public CScrollView
{
    FX_DECLARE_DYNAMIC(CKvZoomView)

protected:
    CKvZoomView();

public:
    ~CKvZoomView() override;

    // Mouse states (m_nZoomState) and zoom modes (m_nZoomMode).
    enum { stateNone = 0, stateZoomIn = 1, stateZoomOut = 2, stateZoomRect = 3, stateMove = 4 };
    enum { modeInitial = 0, modeFixed = 1, modeFree = 2, modeFit = 3 };

    UINT GetZoomState() const { return m_nZoomState; }
    UINT GetZoomMode() const { return m_nZoomMode; }
    float GetZoomLevel() const { return m_fZoomLevel; }
    void SetZoomMode(UINT nMode) { m_nZoomMode = nMode; }
    void SetZoomMinMax(float fMin, float fMax);
    void SetZoomMinMaxPercent(int nMinPercent, int nMaxPercent);

    // The drawing's size in logical units; the map mode is ignored (always MM_ANISOTROPIC). The
    // level stays stored but shows only from the next zoom operation.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);

    void CenterOnLogicalPoint(CPoint pt);
    CPoint GetLogicalCenterPoint();
    void ViewDPtoLP(POINT* pPoints, int nCount = 1);
    void ViewLPtoDP(POINT* pPoints, int nCount = 1);
    // Client point to the whole drawing's device coordinates (adds the scroll position).
    void ClientToDevice(CPoint& pt);

    void BeginZoomRect();
    // Leaves the rectangle state without erasing a rubber rectangle on screen.
    void EndZoomRect();
    void SetZoomMove(BOOL bOn);
    // Pans by the drag from ptFrom to ptTo (client points): the new position is
    // (drag + old position) x fFactor, clamped to the scroll limits. A bar pans when it is the
    // view's own, or an enabled control a splitter shares with the view.
    void DoScroll(CPoint ptFrom, CPoint ptTo, float fFactor);

    // Cursor resource ids; 0 takes the library's default (130, 131, 149).
    void SetZoomMoveCursorID(UINT nID);
    void SetZoomMoveCursorBeginID(UINT nID);
    void SetZoomRectCursorID(UINT nID);

    // Derived views call these from their own handlers of the same messages.
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT nMessage);

    // Screen: the zoomed drawing, scrolled (not in mode 1) and centred when smaller than the
    // window. Printer: the drawing fitted to the page with its aspect ratio kept.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnDraw(CDC* pDC) override = 0;

protected:
    virtual void ZoomLevelChanged();
    virtual void ZoomViewScroll();
    // bTooSmall is TRUE when fLevel lies below the minimum; the level has been refused.
    virtual void ZoomOutOfRange(int bTooSmall, float fLevel);
    virtual void SetZoomLevel(float fLevel);

public:
    // Zoom operations; each does nothing outside its mode (2, or 3 for ZoomFit). The point of
    // ZoomIn and ZoomOut is not used: the window's centre stays.
    virtual void ZoomIn(CPoint* pPoint = nullptr, float fFactor = 1.25f);
    virtual void ZoomIn(CRect& rect);
    virtual void ZoomOut(CPoint* pPoint = nullptr, float fFactor = 1.25f);
    virtual void ZoomOriginal(CPoint* pPoint = nullptr);
    virtual void ZoomFit();
    virtual void ZoomPercent(int nPercent = 100, CPoint* pPoint = nullptr);
    virtual void ZoomPercentByFloat(float fLevel, CPoint* pPoint = nullptr);

protected:
    void UpdateViewport(CPoint* pCenter);
    void ReCalcBars();
    // Shrinks one side of device to logical's aspect ratio; offset takes the whole spare length.
    void PersistRatio(const CSize& sizeLogical, CSize& sizeDevice, CPoint& ptOffset);
    // XOR-style dotted rectangle: drawing it twice restores the screen.
    void DrawRubberRect(CDC* pDC, CRect& rect);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HCURSOR m_hMoveCursor;
    HCURSOR m_hMoveBeginCursor;
    HCURSOR m_hZoomRectCursor;
    UINT m_nZoomState;
    BOOL m_bRubberDrag;
    CRect m_rectRubber;
    CPoint m_ptMoveAnchor;
    UINT m_nZoomMode;
    CSize m_sizeOrigDev;
    CSize m_sizePage;
    CSize m_sizeLine;
    float m_fZoomLevel;
    float m_fZoomMin;
    float m_fZoomMax;

private:
    // Panning may move SB_HORZ or SB_VERT.
    BOOL IsScrollBarUsable(int nBar) const;
    // A client point in logical units, through a client DC prepared for the screen.
    CPoint ClientToLogical(CPoint pt);
};
