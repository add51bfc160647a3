// A view over a drawing larger than its window: a logical total size in a mapping mode, scroll
// bars in device units, page and line steps, and scrolling to or centring on a position.
#pragma once

#include "platform/base/Size.h"
#include "platform/doc/View.h"

class FX_API CScrollView : public CView
{
    FX_DECLARE_DYNAMIC(CScrollView)

public:
    CScrollView();

    // The default step: a tenth of the total for a page, a tenth of the page for a line.
    static const SIZE sizeDefault;

    // nMapMode MM_TEXT or a scaled mode (MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH,
    // MM_TWIPS); sizes in its logical units, positive.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    int GetMapMode() const { return m_nMapMode; }
    CSize GetTotalSize() const { return m_totalLog; }
    // The top-left corner shown, in logical units (y negative downward in the scaled modes).
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);
    // Scrolls so that the client point ptCenter (device units) comes to the middle.
    void CenterOnPoint(CPoint ptCenter);
    // The client size without the view's own scroll bars (sizeSb their widths, 0 for a
    // direction a shared control scrolls); TRUE when the client can show the bars at all.
    BOOL GetTrueClientSize(CSize& size, CSize& sizeSb) const;
    // Shows or hides the bars for the present size and keeps the position within the limits. A
    // shared control always shows: it is disabled when its direction needs no scrolling.
    void UpdateBars();
    // The largest scroll position of SB_HORZ or SB_VERT, in device units.
    int GetScrollLimit(int nBar) const;
    // The scroll-bar control a splitter shares among the panes of the view's row (SB_VERT) or
    // column (SB_HORZ); null when the view scrolls with its own bar of that direction.
    HWND GetScrollBarCtrl(int nBar) const;
    // The position of SB_HORZ or SB_VERT, read from and written to the shared control when
    // there is one, else the view's own bar.
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    CSize GetDeviceTotal() const { return m_totalDev; }
    CSize GetDevicePage() const { return m_pageDev; }
    CSize GetDeviceLine() const { return m_lineDev; }

    // On a printer the drawing starts at the page's corner whatever the scroll position.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnScroll(int nBar, UINT nCode);
    // The window and bar code the position of nBar lives in: the shared control (SB_CTL) or the
    // view's own bar.
    HWND ScrollOwner(int nBar, int& nCode) const;
    void ScrollToDevicePosition(POINT ptDev);

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    // Views that centre a small drawing in their own OnPrepareDC read this; off by default.
    BOOL m_bCenter;
    // Set while UpdateBars runs (showing a bar sends WM_SIZE back).
    BOOL m_bInsideUpdate;
};
