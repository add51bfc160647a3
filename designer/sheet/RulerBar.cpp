#include "designer/sheet/RulerBar.h"

#include <cmath>

#include "designer/res/resource.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

namespace
{
const char kRulerClass[] = "VornRulerBar";
// Numbers stand every 8 mm, with a short tick halfway.
const int kStepMm = 8;
const int kLongTick = 7;
const int kShortTick = 4;
const COLORREF kRulerGrey = RGB(127, 127, 127);

BOOL RegisterRulerClass()
{
    static BOOL bRegistered = FALSE;
    if (bRegistered) {
        return TRUE;
    }
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kRulerClass;
    bRegistered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return bRegistered;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CRulerBar, CControlBar)

CRulerBar::CRulerBar(BOOL bHorz)
    : m_nLengthTenthMm(0), m_nLengthPixel(0), m_nStartPixel(0), m_nFirstNumber(0), m_nLastMouse(-1), m_bHorz(bHorz)
{
}

BOOL CRulerBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!RegisterRulerClass()) {
        return FALSE;
    }
    m_dwStyle = dwStyle & CBRS_ALL;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CLIPSIBLINGS;
    return CWnd::Create(kRulerClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CRulerBar::SetScale(int nLengthTenthMm, int nStartPixel, int nLengthPixel)
{
    m_nLengthTenthMm = nLengthTenthMm;
    m_nStartPixel = nStartPixel;
    m_nLengthPixel = nLengthPixel;
    // The old mouse line goes with the repaint.
    m_nLastMouse = -1;
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

CSize CRulerBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rc(0, 0, 0, 0);
    CalcInsideRect(rc, m_bHorz);
    // The inside rectangle of an empty client gives the borders as negative sizes.
    return m_bHorz ? CSize(32767, kThickness - rc.Height()) : CSize(kThickness - rc.Width(), 32767);
}

void CRulerBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

int CRulerBar::PixelOfMm(int nMm) const
{
    const int nLengthMm = m_nLengthTenthMm / 10;
    if (nLengthMm == 0) {
        return m_nStartPixel;
    }
    return m_nStartPixel + static_cast<int>(std::floor(static_cast<double>(m_nLengthPixel) * nMm / nLengthMm + 0.5));
}

void CRulerBar::DrawMark(CDC* pDC, int nPos, int nTick, LPCSTR lpszText)
{
    CRect rc;
    GetClientRect(&rc);
    if (m_bHorz) {
        pDC->MoveTo(nPos, rc.bottom - 1);
        pDC->LineTo(nPos, rc.bottom - 1 - nTick);
        if (lpszText != nullptr) {
            pDC->TextOut(nPos + 1, 2, lpszText, static_cast<int>(strlen(lpszText)));
        }
    } else {
        pDC->MoveTo(rc.right - 1, nPos);
        pDC->LineTo(rc.right - 1 - nTick, nPos);
        if (lpszText != nullptr) {
            pDC->TextOut(2, nPos + 1, lpszText, static_cast<int>(strlen(lpszText)));
        }
    }
}

void CRulerBar::DoPaint(CDC* pDC)
{
    CControlBar::DoPaint(pDC);
    const int nLengthMm = m_nLengthTenthMm / 10;
    if (nLengthMm == 0 || m_nLengthPixel == 0) {
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    const int nExtent = m_bHorz ? rc.Width() : rc.Height();
    CString strFace;
    if (!strFace.LoadString(IDS_OUTPUT_FONT_FACE)) {
        strFace = "宋体";
    }
    LOGFONTA lf = {};
    lf.lfHeight = 10;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH;
    lstrcpynA(lf.lfFaceName, strFace, LF_FACESIZE);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFxSavedDC saved(pDC);
    CFxSelectGuard fontGuard(pDC, &font);
    {
        CPen penWhite(PS_SOLID, 1, RGB(255, 255, 255));
        CFxSelectGuard penGuard(pDC, &penWhite);
        CFxSelectGuard brushGuard(pDC, NULL_BRUSH);
        pDC->Rectangle(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
    }
    // Before the frame: grey, counted down from its start.
    if (m_nStartPixel > 0) {
        CRect rcGrey = m_bHorz ? CRect(rc.left, rc.top, m_nStartPixel, rc.bottom)
                               : CRect(rc.left, rc.top, rc.right, m_nStartPixel);
        pDC->FillSolidRect(&rcGrey, kRulerGrey);
    }
    {
        const CRect rcFrame = m_bHorz ? CRect(m_nStartPixel, rc.top + 1, m_nStartPixel + m_nLengthPixel, rc.bottom - 1)
                                      : CRect(rc.left + 1, m_nStartPixel, rc.right - 1, m_nStartPixel + m_nLengthPixel);
        pDC->Rectangle(&rcFrame);
    }
    pDC->SetBkMode(TRANSPARENT);
    // From the first multiple of 8 mm at or after the ruler's edge, on past the frame's end.
    int nMm = 0;
    while (PixelOfMm(nMm) < 0) {
        nMm += kStepMm;
    }
    for (; PixelOfMm(nMm) <= nExtent; nMm += kStepMm) {
        CString strText;
        strText.Format("%-2d", m_nFirstNumber + nMm);
        DrawMark(pDC, PixelOfMm(nMm), kLongTick, strText);
        const int nHalf = PixelOfMm(nMm + kStepMm / 2);
        if (nHalf > 0) {
            DrawMark(pDC, nHalf, kShortTick, nullptr);
        }
    }
    for (nMm = kStepMm; m_nStartPixel > 0 && PixelOfMm(-nMm + kStepMm / 2) >= 0; nMm += kStepMm) {
        const int nHalf = PixelOfMm(-nMm + kStepMm / 2);
        DrawMark(pDC, nHalf, kShortTick, nullptr);
        if (PixelOfMm(-nMm) >= 0) {
            CString strText;
            strText.Format("-%-2d", nMm);
            DrawMark(pDC, PixelOfMm(-nMm), kLongTick, strText);
        }
    }
    // The mouse line stays where it was: what the paint covered gets it again.
    if (m_nLastMouse >= 0) {
        pDC->SetROP2(R2_XORPEN);
        CPen pen(PS_SOLID, 1, kRulerGrey);
        CFxSelectGuard guard(pDC, &pen);
        DrawMark(pDC, m_nLastMouse, m_bHorz ? rc.Height() : rc.Width(), nullptr);
    }
}

void CRulerBar::DrawMouseLine(int nPos)
{
    CClientDC dc(m_hWnd);
    CRect rc;
    GetClientRect(&rc);
    dc.SetROP2(R2_XORPEN);
    CPen pen(PS_SOLID, 1, kRulerGrey);
    CFxSelectGuard guard(&dc, &pen);
    if (m_bHorz) {
        dc.MoveTo(nPos, rc.top);
        dc.LineTo(nPos, rc.bottom);
    } else {
        dc.MoveTo(rc.left, nPos);
        dc.LineTo(rc.right, nPos);
    }
}

LRESULT CRulerBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CControlBar::WindowProc(message, wParam, lParam);
    if (message == WM_MOUSEMOVE) {
        const int nPos = m_bHorz ? static_cast<short>(LOWORD(lParam)) : static_cast<short>(HIWORD(lParam));
        if (nPos != m_nLastMouse) {
            // Drawn twice in XOR the old line is gone.
            if (m_nLastMouse >= 0) {
                DrawMouseLine(m_nLastMouse);
            }
            DrawMouseLine(nPos);
            m_nLastMouse = nPos;
        }
    }
    return lResult;
}
