// The framework's dock bar: control bars in rows, each row's length shared by the bars' width
// fractions, 6-pixel sizers between rows and between neighbouring bars, 2-pixel edges, and the
// expand and contract requests of the bars' caption buttons.
#pragma once

#include <functional>
#include <vector>

#include "platform/frame/DockBar.h"

class FwControlBarInfo;

class FwDockBar : public CDockBar
{
    FX_DECLARE_DYNCREATE(FwDockBar)

public:
    FwDockBar();
    // bMDIChild: the dock bar of a control-bar MDI child (its bars float in the main window).
    FwDockBar(BOOL bFloating, BOOL bMDIChild);

    enum ExpandCode { expandBar = 1, contractBar = 2 };
    // Placement flags: rows counted from the last, columns from the row's end, a new row in
    // front of the row found.
    enum PlacementFlags : DWORD { placeFromLastRow = 0x1, placeFromRowEnd = 0x2, placeNewRow = 0x4 };
    // The figures the row layout works with.
    enum Metrics { sizerWidth = 6, edgeWidth = 2, minBarLength = 18, minDragLength = 24 };

    struct Sizer
    {
        // A vertical sizer is moved left and right.
        BOOL bVert;
        // Between two bars of a row, else along a row.
        BOOL bBetweenBars;
        CRect rc;
        // The bar before the sizer (between bars), or the row's first entry (along a row).
        int nBarIndex;
        int nMin;
        int nMax;
    };
    struct Edge
    {
        CRect rc;
    };

    // Among the visible bars of its row, the bar is the only one above the minimum fraction.
    virtual BOOL IsBarExpanded(CControlBar* pBar);
    virtual BOOL IsBarAloneInRow(CControlBar* pBar);
    virtual void DockControlBarAt(CControlBar* pBar, int nRow, int nColumn, DWORD dwFlags = 0);
    // Docks pBar where a drop at point (client coordinates) puts it (see InsertByPoint).
    virtual void DockControlBarAtPoint(CControlBar* pBar, CPoint point);
    // The bars of pBar's row, in order (pBar included); visible ones only with bVisibleOnly.
    virtual void GetRowBars(CControlBar* pBar, CPtrArray& arrBars, BOOL bVisibleOnly = TRUE) const;
    virtual void ExpandBar(CControlBar* pBar, int nCode);
    virtual void OnBarVisibilityChanged(CControlBar* pBar);
    virtual void RepaintMovedBars();
    virtual void ForgetMovedBar(CControlBar* pBar);
    // Fractions of the row starting after nRowStart (a row end) summed to 1, none below the
    // minimum; what is left over goes to pChanged (or the row's first bar).
    virtual void NormalizeRow(int nRowStart, CControlBar* pChanged);
    virtual void UpdateMinFraction();
    // The index pBar goes to for the placement; new rows are opened as needed.
    virtual int InsertAtPlacement(CControlBar* pBar, int nRow, int nColumn, DWORD dwFlags);
    // Inserts pBar at nIndex; a bar with FWCBS_EX_OWNROW gets a row of its own, and no bar shares
    // a row with one.
    virtual int InsertKeepingRowRules(int nIndex, CControlBar* pBar);
    virtual void InsertAsFirstRow(CControlBar* pBar);
    // The index pBar goes to for a drop at point (client coordinates): in the row whose band holds
    // the point, in front of the first bar starting after it; a new row in front of a row the
    // point lies before; a new last row beyond all rows. Row ends are inserted as needed.
    virtual int InsertByPoint(CControlBar* pBar, CPoint point);
    // The rectangle (screen) pBar would take when dropped with the cursor at point (screen):
    // its share of the row it joins, or a row's whole length as a new row; rcDrag for a bar of
    // fixed length.
    virtual CRect GetDockingFeedbackRect(CControlBar* pBar, const CRect& rcDrag, CPoint point);
    virtual void GetSizerRange(const Sizer& sizer, int& nMin, int& nMax);
    // nDelta pixels along the sizer's axis (positive: right or down).
    virtual void ApplySizerMove(int nSizer, int nDelta);

    // The platform's record, plus the MDI-child flag and, in a control-bar MDI child, the child's
    // placement in place of a position; a floating dock bar's position is its frame's client
    // origin on the screen.
    virtual void FillBarInfo(FwControlBarInfo* pInfo);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;

    // The start of pBar's row (the index of the row end before it); -1 when it is not here.
    int FindRowStart(CControlBar* pBar) const;
    // The length the rows share: along the dock bar's side.
    int GetRowLength() const;
    // The sizer under point (client coordinates); -1 when none.
    int SizerFromPoint(CPoint point) const;
    // Runs the modal drag of a sizer from point; the distance moved, 0 when cancelled.
    int TrackSizer(int nSizer, CPoint point);

    std::vector<Sizer> m_sizers;
    std::vector<Edge> m_edges;
    CPtrArray m_arrMoved;
    BOOL m_bMDIChild;
    CControlBar* m_pLastChanged;
    BOOL m_bPainting;
    BOOL m_bLayoutChanged;
    // A layout is under way: bars move their children without redrawing.
    BOOL m_bInLayout;
    float m_fMinFraction;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void DrawSizer(CDC* pDC, const Sizer& sizer);
    void DrawEdge(CDC* pDC, const Edge& edge);
    // Lays one row out from pos (along the cross axis); returns the row's thickness with its
    // sizer and edge.
    int LayoutRow(int nRowStart, int nRowEnd, int nCross, int nLength, HDWP* phDWP);
    // The visible bars between the row ends nRowStart and nRowEnd.
    void GetVisibleBars(int nRowStart, int nRowEnd, std::vector<CControlBar*>& bars) const;
    // Each visible bar's length along a row of nLength, as the layout gives it.
    void ComputeRowLengths(const std::vector<CControlBar*>& bars, int nLength, std::vector<int>& lengths, int& nAvail);
    int RowEndAfter(int nRowStart) const;
    // Joins pBar to this dock bar at the index pickIndex gives once pBar has left its old place.
    void AdoptAt(CControlBar* pBar, const std::function<int()>& pickIndex);
    // Where a drop at point lands without changing anything: the row end before the row the bar
    // joins (-1 for a new row), the visible bar it goes in front of (null: the row's end), and for
    // a new row the row end it is opened at.
    struct DropPlace
    {
        int nRowStart;
        CControlBar* pBefore;
        int nNewRowAt;
        int nCrossStart;
        int nCrossEnd;
    };
    DropPlace FindDropPlace(CControlBar* pBar, CPoint point) const;
    CFrameWnd* GetLayoutFrame() const;
};
