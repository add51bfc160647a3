// A progress bar painted as a colour gradient that the position uncovers, with the percentage
// in its middle on request.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/win/ProgressCtrl.h"

class CDC;
class CPaintDC;

class KVCOMM_API CKvColorProgessCtrl : public CProgressCtrl
{
    FX_DECLARE_DYNAMIC(CKvColorProgessCtrl)

public:
    CKvColorProgessCtrl();

    // The control's own copy of range, step and position; each also goes to the common control.
    void SetRange(int nLower, int nUpper) override;
    int SetPos(int nPos) override;
    int SetStep(int nStep) override;
    // Keeps counting past the upper bound: the painting then shows only the background.
    int StepIt() override;
    int GetStoredPos() const { return m_nPos; }

    void SetStartColor(COLORREF cr) { m_clrStart = cr; }
    void SetEndColor(COLORREF cr) { m_clrEnd = cr; }
    void SetBkColor(COLORREF cr) { m_clrBkGround = cr; }
    void SetTextColor(COLORREF cr) { m_clrText = cr; }
    COLORREF GetStartColor() const { return m_clrStart; }
    COLORREF GetEndColor() const { return m_clrEnd; }
    COLORREF GetBkColor() const { return m_clrBkGround; }
    COLORREF GetTextColor() const { return m_clrText; }

    // Paints the control as it would show into any DC (the window's, or a test's).
    void PaintTo(CDC* pDC, const RECT& rcClient);
    // The filled width for a position: position / upper of the width, truncated.
    static int BarWidth(int nPos, int nUpper, int cxClient);
    // "%.0f%%" of position * 100 / upper.
    static CString PercentText(int nPos, int nUpper);

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

    int m_nLower;
    int m_nUpper;
    int m_nStep;
    int m_nPos;
    COLORREF m_clrStart;
    COLORREF m_clrEnd;
    COLORREF m_clrBkGround;
    COLORREF m_clrText;
    BOOL m_bShowPercent;

protected:
    void DrawGradient(CDC* pDC, const RECT& rcClient, const int& nBarWidth);
};
