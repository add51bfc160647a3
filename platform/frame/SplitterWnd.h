// A window divided into panes (up to two rows and two columns) by bars the user drags. A pane
// dragged smaller than its minimum closes up, and dragging its bar out again splits it back.
// Each row may share one vertical scroll bar and each column one horizontal bar among its panes.
#pragma once

#include "platform/frame/FrameIds.h"
#include "platform/win/Wnd.h"

struct CCreateContext;
struct CRuntimeClass;

class FX_API CSplitterWnd : public CWnd
{
    FX_DECLARE_DYNAMIC(CSplitterWnd)

public:
    enum { nMaxPanes = 2 };

    CSplitterWnd();
    ~CSplitterWnd() override;

    // nRows by nCols panes. WS_VSCROLL and WS_HSCROLL in dwStyle ask for the shared bars (the
    // splitter itself gets no bars of its own).
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = FX_IDW_PANE_FIRST);
    // The pane's view, made from its class (a CView: it deletes itself with its window).
    // sizeInit gives the first row's height and the first column's width.
    BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    BOOL IsChildPane(const CWnd* pWnd, int* pRow, int* pCol) const;
    // FALSE while the pane's row or column is closed up.
    BOOL IsPaneShown(int row, int col) const;

    // The wanted size of a row or column (the last one takes what is left) and its minimum.
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void RecalcLayout();

    // The scroll bar control the pane's row (SB_VERT) or column (SB_HORZ) shares; null without.
    HWND GetScrollBarCtrl(const CWnd* pPane, int nBar) const;
    // The bar between the rows (bVertical FALSE) or the columns, in client coordinates; empty
    // with one row or column.
    CRect GetSplitterRect(BOOL bVertical) const;

    enum { nBarWidth = 6 };

protected:
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    LRESULT OnSetCursorMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChangedMsg(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    struct Track
    {
        int nIdeal;
        int nMin;
        int nCur;
    };
    // Shares out nTotal between two tracks and the bar; a track below its minimum closes up.
    static void Layout(Track* pTracks, int nCount, int nTotal);
    CRect PaneRect(int row, int col) const;
    // 0 none, 1 the bar between the rows, 2 between the columns.
    int HitBar(CPoint point) const;
    void EndTracking();

    int m_nRows;
    int m_nCols;
    Track m_rows[nMaxPanes];
    Track m_cols[nMaxPanes];
    BOOL m_bVertBars;
    BOOL m_bHorzBars;
    // The shared scroll bars: per row (vertical) and per column (horizontal).
    HWND m_hVertBars[nMaxPanes];
    HWND m_hHorzBars[nMaxPanes];
    // The bar being dragged (as HitBar) and where it was grabbed.
    int m_nTracking;
    int m_nGrabOffset;
};
