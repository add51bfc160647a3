// The tab strip drawn as overlapping trapezoids hanging from a base line, in three fonts and
// colour sets (unselected, selected, active), scrolled behind up to four buttons with
// auto-repeat, with Ctrl and Shift multi-selection.
#pragma once

#include "framework/FwTabControlBase.h"
#include "platform/base/Rect.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

class CDC;
class CRgn;

#define FWTCS_PREVNEXT 0x1
#define FWTCS_ALLBUTTONS 0x2

class FwTabControl : public FwTabControlBase
{
    FX_DECLARE_DYNAMIC(FwTabControl)

public:
    FwTabControl();

    enum Button { buttonFirst = 1, buttonPrev = 2, buttonNext = 4, buttonLast = 8 };
    enum FontKind { fontUnselected = 0, fontSelected = 1, fontActive = 2 };
    // The press loop's timer: 300 ms before the first repeat, 20 ms after.
    enum { repeatTimer = 1, repeatDelay = 300, repeatInterval = 20 };

    void Initialise(DWORD dwStyle) override;
    void RecalcTabWidths() override;
    FwTab* InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1 = 0, DWORD dwExtra2 = 0) override;
    void ScrollToTab(int nIndex) override;
    void RepaintTab(int nIndex) override;
    virtual void DrawTab(CDC* pDC, int nIndex, const CRgn& rgn);
    virtual BOOL SetTabFont(CFont* pFont, int nKind, BOOL bRedraw = TRUE);
    CFont* GetTabFont(int nKind) { return nKind >= 0 && nKind < 3 ? &m_fonts[nKind] : nullptr; }

    // The four corners of a tab's hit and repaint region.
    void GetTabPoints(int nIndex, POINT pts[4]) const;
    int HitTestTab(CPoint point) const;
    // The shown button under point; 0 when none.
    int HitTestButton(CPoint point) const;
    CRect GetButtonRect(int nButton) const;
    CRect GetTabArea() const;
    // Applies the offset rules and the buttons' states; scrolls the tab area by any change.
    void ClampOffset();
    // One step of a pressed button.
    void StepButton(int nButton);
    void PaintTo(CDC* pDC, const CRect& rcUpdate);

    int m_nOffset;
    int m_nTabHeight;
    BOOL m_bMultiSelect;
    CFont m_fonts[3];
    CPen m_pens[3];
    CPen m_penShadow;
    CBrush m_brushes[3];
    COLORREF m_crText[3];
    DWORD m_dwButtons;
    int m_nPressed;
    DWORD m_dwDisabled;
    int m_nButtonWidth;
    int m_nButtonHeight;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnDestroy() override;
    void DrawButton(CDC* pDC, int nButton);
    // Runs the press of a button until the left button is released.
    void PressButton(int nButton);
    void ScrollTabArea(int nOldOffset);
};
