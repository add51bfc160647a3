// The display base of the card report control: a control that shows a page of a given size at a
// zoom factor, scrolled, with scroll bars allowed by style bits. The factor is device pixels per
// logical unit; 100 % is the factor the derived control names as its base.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/Size.h"
#include "platform/ole/OleControl.h"

class CZoomOleControl : public COleControl
{
public:
    // Style bits: which scroll bars the display may show.
    enum { styleHScroll = 0x2, styleVScroll = 0x8 };

    CZoomOleControl();

    int GetZoomMode() const { return m_nZoomMode; }
    void SetZoomMode(int nMode) { m_nZoomMode = nMode; }
    double GetZoomFactor() const { return m_dZoom; }
    CSize GetPageSize() const { return m_sizePage; }
    int GetMapMode() const { return m_nMapMode; }
    // The page in logical units with its mapping mode, and its margins around it.
    void SetPageSize(const CSize& sizePage, int nMapMode, const CSize& sizeMargin);
    void SetScaledSize(const CSize& sizeScaled) { m_sizeScaled = sizeScaled; }
    CPoint GetScrollPosition() const { return m_ptScroll; }
    DWORD GetDisplayStyle() const { return m_dwDisplayStyle; }
    // Keeps the scroll bars to what the style allows.
    void SetDisplayStyle(DWORD dwStyle);

    // 100 %: the base factor.
    void Zoom100();

protected:
    // Device pixels per logical unit at 100 %.
    double m_dBaseZoom;

private:
    int m_nZoomMode;
    double m_dZoom;
    int m_nMapMode;
    CSize m_sizePage;
    CSize m_sizeMargin;
    CSize m_sizeScaled;
    CPoint m_ptScroll;
    DWORD m_dwDisplayStyle;
};
