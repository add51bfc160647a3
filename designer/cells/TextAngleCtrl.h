// The half dial on which the designer turns a cell's text between -90 and +90 degrees; it posts
// WM_TEXT_ANGLE_CHANGED (0x1FB2, wParam whole degrees) to its parent when the angle changes.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/win/Static.h"

class CDC;

class CTextAngleCtrl : public CStatic
{
    FX_DECLARE_DYNAMIC(CTextAngleCtrl)

public:
    enum { kMarkCount = 13 };

    CTextAngleCtrl();

    // Creates the dial as a child (with SS_NOTIFY, so that it gets the mouse).
    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetAngle(int nDegrees);
    // Tenths of a degree, positive upwards; exactly a mark's angle while the direction is on it.
    int GetAngle() const;

    // 0, 15, -15, 30, -30, ... 90, -90 for the indices 0..12.
    static int MarkAngle(int nIndex);
    BOOL IsMarkLit(int nIndex) const;
    CPoint GetDirection() const { return CPoint(m_nDirX, m_nDirY); }

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;

private:
    // The client rectangle less 4 pixels a side; the dial's centre is its left edge at mid-height.
    CRect GetWorkRect() const;
    void FollowPoint(CPoint point);
    void UpdateMarks();
    void DrawDial(CDC* pDC, const CRect& rcWork) const;
    void Redraw();
    void Notify(int nDegrees);
    // The angle of the direction itself, ignoring the marks, in tenths of a degree.
    int VectorAngle() const;

    int m_nDirX;
    int m_nDirY;
    int m_bTracking;
    unsigned char m_abMark[kMarkCount];
};
