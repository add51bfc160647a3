#include "common/KvColorProgessCtrl.h"

#include <commctrl.h>

#include <cstdlib>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(CKvColorProgessCtrl, CProgressCtrl)

CKvColorProgessCtrl::CKvColorProgessCtrl()
    : m_nLower(0), m_nUpper(100), m_nStep(10), m_nPos(0), m_clrStart(RGB(255, 0, 0)), m_clrEnd(RGB(0, 0, 255)),
      m_clrBkGround(GetSysColor(COLOR_BTNFACE)), m_clrText(RGB(255, 255, 255)), m_bShowPercent(FALSE)
{
}

void CKvColorProgessCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = nLower;
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

int CKvColorProgessCtrl::SetPos(int nPos)
{
    m_nPos = nPos;
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CKvColorProgessCtrl::SetStep(int nStep)
{
    m_nStep = nStep;
    return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep)));
}

int CKvColorProgessCtrl::StepIt()
{
    m_nPos += m_nStep;
    return static_cast<int>(SendMessage(PBM_STEPIT));
}

int CKvColorProgessCtrl::BarWidth(int nPos, int nUpper, int cxClient)
{
    if (nUpper == 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(nPos) / nUpper * cxClient);
}

CString CKvColorProgessCtrl::PercentText(int nPos, int nUpper)
{
    CString strText;
    strText.Format("%.0f%%", nUpper != 0 ? static_cast<double>(nPos) * 100.0 / nUpper : 0.0);
    return strText;
}

BOOL CKvColorProgessCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CKvColorProgessCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    PaintTo(&dc, rcClient);
}

void CKvColorProgessCtrl::PaintTo(CDC* pDC, const RECT& rcClient)
{
    if (m_nPos <= m_nLower || m_nPos >= m_nUpper) {
        pDC->FillSolidRect(&rcClient, GetSysColor(COLOR_BTNFACE));
        return;
    }
    const int nBarWidth = BarWidth(m_nPos, m_nUpper, rcClient.right - rcClient.left);
    DrawGradient(pDC, rcClient, nBarWidth);
    if (m_bShowPercent) {
        CString strText = PercentText(m_nPos, m_nUpper);
        CRect rc = rcClient;
        pDC->SetBkMode(TRANSPARENT);
        const COLORREF crOld = pDC->SetTextColor(m_clrText);
        pDC->DrawText(strText, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(crOld);
    }
}

void CKvColorProgessCtrl::DrawGradient(CDC* pDC, const RECT& rcClient, const int& nBarWidth)
{
    const CRect rc = rcClient;
    CDC memDC;
    CBitmap bmp;
    const bool bBuffered =
        !pDC->IsPrinting() && memDC.CreateCompatibleDC(pDC) && bmp.CreateCompatibleBitmap(pDC, rc.Width(), rc.Height());
    CFxSelectGuard guard(bBuffered ? &memDC : nullptr, bBuffered ? &bmp : nullptr);
    CDC* pDraw = bBuffered ? &memDC : pDC;
    const int x0 = bBuffered ? 0 : rc.left;
    const int y0 = bBuffered ? 0 : rc.top;

    const int nR0 = GetRValue(m_clrStart);
    const int nG0 = GetGValue(m_clrStart);
    const int nB0 = GetBValue(m_clrStart);
    const int dR = GetRValue(m_clrEnd) - nR0;
    const int dG = GetGValue(m_clrEnd) - nG0;
    const int dB = GetBValue(m_clrEnd) - nB0;
    int nSteps = std::abs(dR);
    nSteps = std::abs(dG) > nSteps ? std::abs(dG) : nSteps;
    nSteps = std::abs(dB) > nSteps ? std::abs(dB) : nSteps;
    // Equal colours make no steps: the bar is then one solid colour up to the position.
    if (nSteps == 0) {
        pDraw->FillSolidRect(x0, y0, nBarWidth, rc.Height() + 1, m_clrStart);
        pDraw->FillSolidRect(x0 + nBarWidth, y0, rc.Width() - nBarWidth, rc.Height() + 1, m_clrBkGround);
    } else {
        const double dStep = static_cast<double>(rc.Width()) / nSteps;
        for (int i = 0; i < nSteps; ++i) {
            const int xLeft = static_cast<int>(i * dStep);
            const int xRight = static_cast<int>((i + 1) * dStep);
            const COLORREF cr = RGB(nR0 + i * dR / nSteps, nG0 + i * dG / nSteps, nB0 + i * dB / nSteps);
            pDraw->FillSolidRect(x0 + xLeft, y0, xRight - xLeft, rc.Height() + 1, cr);
            if (xRight > nBarWidth) {
                pDraw->FillSolidRect(x0 + xRight, y0, rc.Width() - xRight, rc.Height() + 1, m_clrBkGround);
                break;
            }
        }
    }
    if (bBuffered) {
        pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
    }
}
