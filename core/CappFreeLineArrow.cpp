#include "core/CappFreeLineArrow.h"

#include <cmath>

#include "core/CappFreeObjPaint.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

FX_IMPLEMENT_SERIAL(CCappFreeLineArrow, CCappFreeLine, 0)

namespace
{
// The constants the head has always been drawn with: the wings 75 degrees off the line, 10 long.
constexpr double kHalfPi = 1.5707963;
constexpr double kPi = 3.1415926;
constexpr double kWingAngle = 1.3089969166666668;
constexpr double kWingLength = 10;

int Trunc(double d)
{
    return static_cast<int>(std::trunc(d));
}
} // namespace

CCappFreeLineArrow::CCappFreeLineArrow()
{
    m_nKind = kindLineArrow;
}

CCappFreeLineArrow& CCappFreeLineArrow::operator=(const CCappFreeLineArrow& src)
{
    CCappFreeLine::operator=(src);
    m_ptWing1 = src.m_ptWing1;
    m_ptWing2 = src.m_ptWing2;
    return *this;
}

void CCappFreeLineArrow::CalcArrow()
{
    const double x1 = m_ptStart.m_x;
    const double y1 = m_ptStart.m_y;
    const int x2 = m_ptEnd.m_x;
    const int y2 = m_ptEnd.m_y;
    // A vertical line pointing up takes the opposite angle: the same angle as pointing down
    // would put the wings beyond the end, the head turned backwards.
    double dTheta = m_ptEnd.m_y < m_ptStart.m_y ? -kHalfPi : kHalfPi;
    if (m_ptStart.m_x != x2) {
        dTheta = std::atan((y2 - y1) / (x1 - x2));
    }
    if (m_ptStart.m_x < x2) {
        dTheta += kPi;
    }
    const double dPhi = dTheta - kHalfPi;
    m_ptWing1.SetValue(x2 - Trunc(-kWingLength * std::cos(dPhi + kWingAngle)),
                       y2 - Trunc(kWingLength * std::sin(dPhi + kWingAngle)));
    m_ptWing2.SetValue(x2 - Trunc(kWingLength * std::cos(dPhi - kWingAngle)),
                       y2 - Trunc(-kWingLength * std::sin(dPhi - kWingAngle)));
}

void CCappFreeLineArrow::Draw(CDC* pDC)
{
    CalcArrow();
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeStroke);
        pDC->MoveTo(m_ptStart.pt());
        pDC->LineTo(m_ptEnd.pt());
        pDC->LineTo(m_ptWing1.pt());
        pDC->LineTo(m_ptWing2.pt());
        pDC->LineTo(m_ptEnd.pt());
        CFxSelectGuard brush(pDC, BLACK_BRUSH);
        const POINT head[3] = {m_ptEnd.pt(), m_ptWing1.pt(), m_ptWing2.pt()};
        pDC->Polygon(head, 3);
    }
    DrawTrackerIfShown(pDC);
}
