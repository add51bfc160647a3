// A tab strip of three-dimensional tabs painted through a memory bitmap; tabs can be hidden.
#pragma once

#include "framework/Fw3DTab.h"
#include "framework/FwTabControlBase.h"

class CDC;

// Sides that get an edge line set.
#define FW3DTCS_EDGETOP 0x10
#define FW3DTCS_EDGEBOTTOM 0x20
#define FW3DTCS_EDGELEFT 0x40
#define FW3DTCS_EDGERIGHT 0x80

class Fw3DTabControl : public FwTabControlBase
{
    FX_DECLARE_DYNAMIC(Fw3DTabControl)

public:
    Fw3DTabControl();

    FwTab* CreateTabRecord() override { return new Fw3DTab; }
    void Initialise(DWORD dwStyle) override;
    void RecalcTabWidths() override;
    void RepaintTab(int) override;
    FwTab* InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1 = 0, DWORD dwExtra2 = 0) override;
    // Runs when the control is destroyed, after the records are gone.
    virtual void OnCleanup() {}
    CRect GetTabRect(int nIndex) const;
    int HitTest(CPoint point) const;
    void PaintTo(CDC* pDC, const CRect& rcClient);

    DWORD m_dwStyle3D;
    int m_nLastSide;
    int m_nLayouts;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnDestroy() override;
    void DrawTab3D(CDC* pDC, int nIndex, BOOL bActive);
};
