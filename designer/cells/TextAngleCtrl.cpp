#include "designer/cells/TextAngleCtrl.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "designer/res/resource.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"

namespace
{
const COLORREF kBackColor = 0x808040;
const COLORREF kRed = 0x0000FF;
const int kBorder = 4;
// A mark lights within this many radians of it (1.8 degrees).
const double kTolerance = 0.031416;
// Near the vertical the tolerance doubles: |x|/|y| below tan(3.6 degrees).
const double kVerticalTolerance = 0.062832;
const double kStep = 0.2618;

int RoundHalfAway(double d)
{
    return static_cast<int>(d < 0 ? d - 0.5 : d + 0.5);
}

int AngleFromVector(int x, int y)
{
    const double a = std::atan(static_cast<double>(y) / static_cast<double>(x));
    const double v = a * 114.5912910618793;
    if (a <= 0) {
        return 5 * static_cast<int>(0.5 - v);
    }
    return -5 * static_cast<int>(v + 0.5);
}

// Radians of a mark's angle as the dial places it.
double MarkRadians(int nDegrees)
{
    const int nAbs = nDegrees < 0 ? -nDegrees : nDegrees;
    double d = 0;
    switch (nAbs) {
    case 15:
        d = 0.2618;
        break;
    case 30:
        d = 0.5236;
        break;
    case 45:
        d = 0.7854;
        break;
    case 60:
        d = 1.0472;
        break;
    case 75:
        d = 1.309;
        break;
    default:
        d = 0;
        break;
    }
    return nDegrees < 0 ? -d : d;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CTextAngleCtrl, CStatic)

CTextAngleCtrl::CTextAngleCtrl() : m_nDirX(-1), m_nDirY(-1), m_bTracking(0)
{
    std::memset(m_abMark, 0, sizeof(m_abMark));
}

BOOL CTextAngleCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, rect, pParentWnd, nID);
}

int CTextAngleCtrl::MarkAngle(int nIndex)
{
    if (nIndex <= 0) {
        return 0;
    }
    if (nIndex % 2 == 1) {
        return 15 * (nIndex / 2 + 1);
    }
    return -15 * (nIndex / 2);
}

BOOL CTextAngleCtrl::IsMarkLit(int nIndex) const
{
    return nIndex >= 0 && nIndex < kMarkCount && m_abMark[nIndex] != 0;
}

void CTextAngleCtrl::SetAngle(int nDegrees)
{
    if (nDegrees == 90) {
        m_nDirX = 0;
        m_nDirY = -1;
    } else if (nDegrees == -90) {
        m_nDirX = 0;
        m_nDirY = 1;
    } else {
        if (nDegrees > 90 || nDegrees < -90) {
            nDegrees %= 90;
        }
        if (nDegrees == 0) {
            m_nDirX = 1;
            m_nDirY = 0;
        } else {
            m_nDirX = 100;
            m_nDirY = static_cast<int>(100.0 * std::tan(-nDegrees * 3.1416 / 180.0) + 0.5);
        }
    }
    UpdateMarks();
}

int CTextAngleCtrl::GetAngle() const
{
    for (int i = 0; i < kMarkCount; ++i) {
        if (m_abMark[i] != 0) {
            return MarkAngle(i) * 10;
        }
    }
    return VectorAngle();
}

int CTextAngleCtrl::VectorAngle() const
{
    if (m_nDirX == 0 && m_nDirY == 0) {
        return 0;
    }
    return AngleFromVector(m_nDirX, m_nDirY);
}

void CTextAngleCtrl::UpdateMarks()
{
    std::memset(m_abMark, 0, sizeof(m_abMark));
    const int x = m_nDirX;
    const int y = m_nDirY;
    if ((x == -1 && y == -1) || (x == 0 && y == 0)) {
        return;
    }
    if (y == 0) {
        m_abMark[0] = 1;
        return;
    }
    const double ax = std::fabs(static_cast<double>(x));
    const double ay = std::fabs(static_cast<double>(y));
    if (ax / ay < std::tan(kVerticalTolerance)) {
        m_abMark[y < 0 ? 11 : 12] = 1;
        return;
    }
    const double q = static_cast<double>(y) / static_cast<double>(x);
    for (int k = 0; k <= 5; ++k) {
        double lo = std::tan(k * kStep - kTolerance);
        double hi = std::tan(k * kStep + kTolerance);
        if (lo > hi) {
            std::swap(lo, hi);
        }
        if (lo < q && q < hi) {
            m_abMark[k == 0 ? 0 : 2 * k] = 1;
            return;
        }
        if (lo < -q && -q < hi) {
            m_abMark[k == 0 ? 0 : 2 * k - 1] = 1;
            return;
        }
    }
}

CRect CTextAngleCtrl::GetWorkRect() const
{
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(kBorder, kBorder);
    return rc;
}

BOOL CTextAngleCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kBackColor);
    return TRUE;
}

void CTextAngleCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcWork = GetWorkRect();
    if (rcWork.Width() <= 0 || rcWork.Height() <= 0) {
        return;
    }
    ::IntersectClipRect(dc.GetSafeHdc(), rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rcWork.Width(), rcWork.Height())) {
        DrawDial(&dc, rcWork);
        return;
    }
    {
        CFxSelectGuard bitmapGuard(&memDC, &bitmap);
        memDC.SetWindowOrg(rcWork.left, rcWork.top);
        memDC.FillSolidRect(&rcWork, dc.GetBkColor());
        DrawDial(&memDC, rcWork);
        dc.BitBlt(rcWork.left, rcWork.top, rcWork.Width(), rcWork.Height(), &memDC, rcWork.left, rcWork.top, SRCCOPY);
    }
}

void CTextAngleCtrl::DrawDial(CDC* pDC, const CRect& rcWork) const
{
    const int r = rcWork.Height() / 2;
    const CPoint ptCentre(rcWork.left, rcWork.top + r);
    pDC->Ellipse(ptCentre.x - 3, ptCentre.y - 3, ptCentre.x + 3, ptCentre.y + 3);

    CPen penRed;
    penRed.CreatePen(PS_SOLID, 1, kRed);
    CBrush brushRed;
    brushRed.CreateSolidBrush(kRed);
    CBrush brushBlack;
    brushBlack.CreateSolidBrush(0);
    for (int i = 0; i < kMarkCount; ++i) {
        const int nAngle = MarkAngle(i);
        CPoint pt;
        if (nAngle == 90 || nAngle == -90) {
            pt = CPoint(ptCentre.x, nAngle > 0 ? ptCentre.y - r : ptCentre.y + r);
        } else if (nAngle == 0) {
            pt = CPoint(ptCentre.x + r, ptCentre.y);
        } else {
            const double a = MarkRadians(nAngle);
            pt = CPoint(ptCentre.x + RoundHalfAway(r * std::cos(a)), ptCentre.y - RoundHalfAway(r * std::sin(a)));
        }
        const bool bLit = m_abMark[i] != 0;
        if (nAngle % 45 == 0) {
            const POINT diamond[4] = {{pt.x, pt.y - 3}, {pt.x + 3, pt.y}, {pt.x, pt.y + 3}, {pt.x - 3, pt.y}};
            CFxSelectGuard brushGuard(pDC, bLit ? &brushRed : &brushBlack);
            pDC->Polygon(diamond, 4);
        } else if (bLit) {
            CFxSelectGuard penGuard(pDC, &penRed);
            pDC->Rectangle(pt.x - 1, pt.y - 1, pt.x + 1, pt.y + 1);
        } else {
            pDC->Rectangle(pt.x - 1, pt.y - 1, pt.x + 1, pt.y + 1);
        }
    }

    if ((m_nDirX == -1 && m_nDirY == -1) || (m_nDirX == 0 && m_nDirY == 0)) {
        return;
    }
    const double dx = m_nDirX;
    const double dy = m_nDirY;
    int nLen = RoundHalfAway(std::sqrt(dx * dx + dy * dy));
    if (nLen == 0) {
        nLen = 1;
    }
    pDC->MoveTo(ptCentre.x + RoundHalfAway(30.0 * dx / nLen), ptCentre.y + RoundHalfAway(30.0 * dy / nLen));
    pDC->LineTo(ptCentre.x + (r - 4) * m_nDirX / nLen, ptCentre.y + (r - 4) * m_nDirY / nLen);

    CFont font;
    font.CreateFont(12, 0, VectorAngle(), 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, "Arial");
    CFxSelectGuard fontGuard(pDC, &font);
    const COLORREF crOldText = pDC->SetTextColor(kRed);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const int x = ptCentre.x + 5 * m_nDirX / nLen + 8 * m_nDirY / nLen;
    const int y = ptCentre.y + 5 * m_nDirY / nLen - 8 * m_nDirX / nLen;
    pDC->TextOut(x, y, CString("文本"));
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
}

void CTextAngleCtrl::Redraw()
{
    if (m_hWnd != nullptr) {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CTextAngleCtrl::Notify(int nDegrees)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr) {
        pParent->PostMessage(WM_TEXT_ANGLE_CHANGED, static_cast<WPARAM>(nDegrees), 0);
    }
}

void CTextAngleCtrl::FollowPoint(CPoint point)
{
    const CRect rcWork = GetWorkRect();
    const int x = point.x - rcWork.left;
    const int y = point.y - (rcWork.top + rcWork.Height() / 2);
    // A point on the centre has no direction: keep the one we have rather than divide by zero.
    if (x != 0 || y != 0) {
        m_nDirX = x;
        m_nDirY = y;
    }
    UpdateMarks();
    Redraw();
    Notify(GetAngle() / 10);
}

void CTextAngleCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (point.x >= kBorder) {
        FollowPoint(point);
    } else {
        std::memset(m_abMark, 0, sizeof(m_abMark));
        m_abMark[point.y > GetWorkRect().Height() / 2 + kBorder ? 12 : 11] = 1;
    }
    m_bTracking = 1;
    ::SetCapture(m_hWnd);
}

void CTextAngleCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking && point.x >= kBorder) {
        FollowPoint(point);
    }
}

void CTextAngleCtrl::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!m_bTracking) {
        return;
    }
    m_bTracking = 0;
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    unsigned char abLit[kMarkCount];
    std::memcpy(abLit, m_abMark, sizeof(abLit));
    for (int i = 0; i < kMarkCount; ++i) {
        if (abLit[i] != 0) {
            SetAngle(MarkAngle(i));
            Redraw();
            Notify(MarkAngle(i));
        }
    }
}
