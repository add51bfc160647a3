// The tab window with shared scroll bars: each tab remembers which of the two scroll bars its
// child uses and their state, swapped in and out as the active tab changes; a splitter box sets
// the tab strip's width beside the horizontal scroll bar.
#pragma once

#include <vector>

#include "framework/FwTabWndBase.h"

class CFont;

#define FWTWS_PREVNEXT 0x1
#define FWTWS_ALLBUTTONS 0x2
#define FW_IDC_TABHSCROLL 0xEC00
#define FW_IDC_TABVSCROLL 0xECFF

class FwTabWnd : public FwTabWndBase
{
    FX_DECLARE_DYNCREATE(FwTabWnd)

public:
    FwTabWnd();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) override;
    BOOL CreateTabControl(DWORD dwStyle, UINT nID) override;
    BOOL InsertTab(CWnd* pWnd, int nIndex, LPCSTR lpszLabel) override;
    using FwTabWndBase::InsertTab;
    void SetTabScrollStyle(int nIndex, DWORD dwStyle) override;
    void RemoveTab(int nIndex) override;
    using FwTabWndBase::RemoveTab;
    void ActivateTab(CWnd* pWnd, int nIndex) override;
    using FwTabWndBase::ActivateTab;
    void GetInsideRect(CRect& rect) const override;
    void RecalcLayout() override;
    // The shared scroll bar (0 horizontal, 1 vertical) when pWnd's tab uses it; null otherwise.
    HWND GetScrollBarCtrl(int nBar, CWnd* pWnd = nullptr) const;

    CFont* GetActiveTabFont();
    CFont* GetInactiveTabFont();
    CFont* GetSelectedTabFont();
    BOOL SetActiveTabFont(CFont* pFont, BOOL bRedraw = TRUE);
    BOOL SetInactiveTabFont(CFont* pFont, BOOL bRedraw = TRUE);
    BOOL SetSelectedTabFont(CFont* pFont, BOOL bRedraw = TRUE);

    // The splitter box's rectangle; empty when the active tab has no horizontal scroll bar.
    CRect GetSplitterRect() const;
    DWORD GetTabScrollStyle(int nIndex) const;

    int m_nTabStripWidth;
    int m_cyTabArea;
    int m_cxVScroll;
    int m_cyHScroll;
    int m_cxSplitter;
    int m_nDragOffset;
    BOOL m_bTracking;
    BOOL m_bOverSplitter;
    BOOL m_bFirstSize;
    HCURSOR m_hcurSplitter;
    HCURSOR m_hcurArrow;
    DWORD m_dwScrollMode;
    std::vector<SCROLLINFO> m_hScrollStates;
    std::vector<SCROLLINFO> m_vScrollStates;
    std::vector<DWORD> m_scrollStyles;
    HWND m_hWndHScroll;
    HWND m_hWndVScroll;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    DWORD ActiveScrollStyle() const;
};

class Fw2DTabWnd : public FwTabWnd
{
    FX_DECLARE_DYNCREATE(Fw2DTabWnd)
};
