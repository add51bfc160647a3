// A ruler along one edge of a sheet-definition window: the sheet's frame in millimetres, numbered
// every 8 mm from the frame's start (negative before it), and a line that follows the mouse.
// CHRulerBar and CVRulerBar are its two orientations.
#pragma once

#include "platform/frame/ControlBar.h"

class CRulerBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CRulerBar)

public:
    // Height of a horizontal ruler (width of a vertical one) inside its borders.
    static constexpr int kThickness = 17;

    explicit CRulerBar(BOOL bHorz);

    // Keeps the style's bar bits; the window gets the rest and clips its siblings.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // The frame's length in sheet units, its start and length in ruler pixels (the start is
    // negative when the frame begins before the ruler's edge); repaints the whole ruler.
    void SetScale(int nLengthTenthMm, int nStartPixel, int nLengthPixel);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    BOOL IsHorz() const { return m_bHorz; }
    // The pixel position a millimetre value is drawn at.
    int PixelOfMm(int nMm) const;

    int m_nLengthTenthMm;
    int m_nLengthPixel;
    int m_nStartPixel;
    int m_nFirstNumber;
    // Where the mouse line was last drawn along the ruler; -1 when none is shown.
    int m_nLastMouse;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawMouseLine(int nPos);
    void DrawMark(CDC* pDC, int nPos, int nTick, LPCSTR lpszText);

    BOOL m_bHorz;
};
