#include "core/CappFreeShapeFun.h"

#include <algorithm>
#include <cmath>

namespace
{
long long Cross(CPoint o, CPoint a, CPoint b)
{
    return static_cast<long long>(a.x - o.x) * (b.y - o.y) - static_cast<long long>(a.y - o.y) * (b.x - o.x);
}
} // namespace

BOOL CCappFreeShapeFun::PtInTriangle(CPoint pt, CPoint a, CPoint b, CPoint c)
{
    const long long d1 = Cross(a, b, pt);
    const long long d2 = Cross(b, c, pt);
    const long long d3 = Cross(c, a, pt);
    const bool bNeg = d1 < 0 || d2 < 0 || d3 < 0;
    const bool bPos = d1 > 0 || d2 > 0 || d3 > 0;
    if (Cross(a, b, c) == 0) {
        // All three on one line: inside only on the segments' span.
        const auto fnOn = [&pt](CPoint p, CPoint q) {
            return Cross(p, q, pt) == 0 && std::min(p.x, q.x) <= pt.x && pt.x <= std::max(p.x, q.x) &&
                   std::min(p.y, q.y) <= pt.y && pt.y <= std::max(p.y, q.y);
        };
        return fnOn(a, b) || fnOn(b, c) || fnOn(c, a);
    }
    return !(bNeg && bPos);
}

void CCappFreeShapeFun::GetPointerBase(const CRect& rcBody, CPoint ptTip, CPoint& ptBase1, CPoint& ptBase2)
{
    const CPoint ptCentre = rcBody.CenterPoint();
    const double dx = static_cast<double>(ptTip.x) - ptCentre.x;
    const double dy = static_cast<double>(ptTip.y) - ptCentre.y;
    const double dLength = std::sqrt(dx * dx + dy * dy);
    if (dLength < 1) {
        ptBase1 = ptCentre;
        ptBase2 = ptCentre;
        return;
    }
    const double dHalf = std::min(std::abs(rcBody.Width()), std::abs(rcBody.Height())) / 5.0;
    const int nx = static_cast<int>(std::lround(-dy / dLength * dHalf));
    const int ny = static_cast<int>(std::lround(dx / dLength * dHalf));
    ptBase1 = CPoint(ptCentre.x + nx, ptCentre.y + ny);
    ptBase2 = CPoint(ptCentre.x - nx, ptCentre.y - ny);
}
