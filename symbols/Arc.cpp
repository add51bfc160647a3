#include "symbols/Arc.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CArc, CBasicObject)

namespace
{

// Chords of at most about two pixels make a smooth curve; the cap bounds a huge radius.
const int kMaxArcSteps = 720;

} // namespace

BOOL CArc::SetSymbolString(CString strElem)
{
    CStringArray arrField;
    INT_PTR nCount = ReadBodyFields(strElem, arrField, 10);
    if (nCount < 6 || nCount > 10 || !ReadPoint(arrField, 0, m_ptOrigin) || !ReadPoint(arrField, 2, m_ptSecond) ||
        !ReadPoint(arrField, 4, m_ptThird)) {
        FreeRelations();
        return FALSE;
    }
    // The second point gives the radius: on the centre there is no arc.
    if (m_ptSecond.x == m_ptOrigin.x && m_ptSecond.y == m_ptOrigin.y) {
        FreeRelations();
        return FALSE;
    }
    ReadStrokeFields(arrField, nCount, 6, &m_bFilled);
    m_nKind = kindArc;
    m_strSymbol = strElem;
    return TRUE;
}

void CArc::GetSweep(double& dStart, double& dSweep) const
{
    dStart = std::atan2(m_ptSecond.y - m_ptOrigin.y, m_ptSecond.x - m_ptOrigin.x);
    double dEnd = std::atan2(m_ptThird.y - m_ptOrigin.y, m_ptThird.x - m_ptOrigin.x);
    if (m_ptThird.x == m_ptOrigin.x && m_ptThird.y == m_ptOrigin.y) {
        dEnd = dStart;
    }
    // Counter-clockwise in symbol coordinates; the same direction as the start is a full turn.
    dSweep = dEnd - dStart;
    while (dSweep <= 0.0) {
        dSweep += 2.0 * std::numbers::pi;
    }
    while (dSweep > 2.0 * std::numbers::pi) {
        dSweep -= 2.0 * std::numbers::pi;
    }
}

BOOL CArc::QueryAreaBasic(CDC* /*pDC*/, CDoubleRect& rcArea)
{
    double dRadius = std::hypot(m_ptSecond.x - m_ptOrigin.x, m_ptSecond.y - m_ptOrigin.y);
    double dStart = 0.0;
    double dSweep = 0.0;
    GetSweep(dStart, dSweep);
    double dEnd = dStart + dSweep;
    rcArea.AddPoint(m_ptOrigin.x + dRadius * std::cos(dStart), m_ptOrigin.y + dRadius * std::sin(dStart), true);
    rcArea.AddPoint(m_ptOrigin.x + dRadius * std::cos(dEnd), m_ptOrigin.y + dRadius * std::sin(dEnd), false);
    // Every axis direction the sweep passes adds its extreme point.
    for (int nQuarter = -4; nQuarter <= 8; ++nQuarter) {
        double dAngle = nQuarter * std::numbers::pi / 2.0;
        if (dAngle > dStart && dAngle < dEnd) {
            rcArea.AddPoint(m_ptOrigin.x + dRadius * std::cos(dAngle), m_ptOrigin.y + dRadius * std::sin(dAngle),
                            false);
        }
    }
    if (m_bFilled) {
        rcArea.AddPoint(m_ptOrigin.x, m_ptOrigin.y, false);
    }
    return TRUE;
}

BOOL CArc::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    // Drawn as chords computed here rather than by the GDI arc: the direction then follows the
    // symbol's own coordinates whatever mapping and arc direction the context has.
    double dRadius = std::hypot(m_ptSecond.x - m_ptOrigin.x, m_ptSecond.y - m_ptOrigin.y) * dScale;
    double dStart = 0.0;
    double dSweep = 0.0;
    GetSweep(dStart, dSweep);
    double dSteps = std::ceil(std::fabs(dRadius * dSweep) / 2.0);
    int nSteps = dSteps < 4.0 ? 4 : (dSteps > kMaxArcSteps ? kMaxArcSteps : static_cast<int>(dSteps));
    double cx = m_ptOrigin.x * dScale + ptOrigin.x;
    double cy = m_ptOrigin.y * dScale + ptOrigin.y;
    std::vector<POINT> arrPoint;
    if (m_bFilled) {
        arrPoint.push_back(POINT{CSymFieldFun::CutToLong(cx), CSymFieldFun::CutToLong(cy)});
    }
    for (int i = 0; i <= nSteps; ++i) {
        double a = dStart + dSweep * i / nSteps;
        arrPoint.push_back(POINT{CSymFieldFun::CutToLong(cx + dRadius * std::cos(a)),
                                 CSymFieldFun::CutToLong(cy + dRadius * std::sin(a))});
    }
    DrawPoints(pDC, arrPoint.data(), static_cast<int>(arrPoint.size()), dScale, m_bFilled);
    return TRUE;
}
