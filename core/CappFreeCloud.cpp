#include "core/CappFreeCloud.h"

#include <cmath>

#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_SERIAL(CCappFreeCloud, CCappFreePointerBox, 0)

namespace
{
constexpr int kBulges = 12;
// Bulge centres lie on an ellipse of 3/4 the box's radii; each bulge reaches the box's edge.
constexpr double kCentreRadius = 0.75;
constexpr double kBulgeRadius = 0.25;
constexpr double kPi = 3.14159265358979;
} // namespace

CCappFreeCloud::CCappFreeCloud()
{
    m_nKind = kindCloud;
}

CCappFreeCloud& CCappFreeCloud::operator=(const CCappFreeCloud& src)
{
    CCappFreePointerBox::operator=(src);
    return *this;
}

BOOL CCappFreeCloud::CreateBodyRgn(CRgn& rgn, const CRect& rcBody)
{
    const double rx = rcBody.Width() / 2.0;
    const double ry = rcBody.Height() / 2.0;
    const double cx = rcBody.left + rx;
    const double cy = rcBody.top + ry;
    const auto fnRound = [](double d) { return static_cast<int>(std::lround(d)); };
    if (!rgn.CreateEllipticRgn(fnRound(cx - rx * kCentreRadius), fnRound(cy - ry * kCentreRadius),
                               fnRound(cx + rx * kCentreRadius), fnRound(cy + ry * kCentreRadius))) {
        return FALSE;
    }
    for (int i = 0; i < kBulges; ++i) {
        const double dAngle = 2 * kPi * i / kBulges;
        const double bx = cx + rx * kCentreRadius * std::cos(dAngle);
        const double by = cy + ry * kCentreRadius * std::sin(dAngle);
        CRgn rgnBulge;
        if (rgnBulge.CreateEllipticRgn(fnRound(bx - rx * kBulgeRadius), fnRound(by - ry * kBulgeRadius),
                                       fnRound(bx + rx * kBulgeRadius), fnRound(by + ry * kBulgeRadius))) {
            rgn.CombineRgn(&rgn, &rgnBulge, RGN_OR);
        }
    }
    return TRUE;
}

BOOL CCappFreeCloud::CanPickBody(const CRect& rcBody, CPoint point)
{
    return CanPickCircle(rcBody, point);
}
