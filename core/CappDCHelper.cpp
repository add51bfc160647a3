#include "core/CappDCHelper.h"

#include <vector>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"

namespace
{
// An inch is 2540 HIMETRIC units.
constexpr int kHimetricPerInch = 2540;

int RoundHalfAway(double d)
{
    return static_cast<int>(d > 0 ? d + 0.5 : d - 0.5);
}

// Dots per inch of the context on one axis, the screen's for null; 0 when unknown.
int DotsPerInch(CDC* pDC, int nIndex)
{
    if (pDC != nullptr) {
        return pDC->m_hAttribDC ? pDC->GetDeviceCaps(nIndex) : 0;
    }
    CDC dcScreen;
    if (!dcScreen.CreateIC("DISPLAY", nullptr, nullptr, nullptr)) {
        return 0;
    }
    return dcScreen.GetDeviceCaps(nIndex);
}

void PixToTenthMMOnAxis(int nDpi, LONG& nValue)
{
    if (nDpi > 0) {
        nValue = ::MulDiv(nValue, kHimetricPerInch, nDpi) / 10;
    }
}

void TenthMMToPixOnAxis(int nDpi, LONG& nValue)
{
    if (nDpi > 0) {
        nValue = ::MulDiv(nValue * 10, nDpi, kHimetricPerInch);
    }
}

using AxisConversion = void (*)(int nDpi, LONG& nValue);

void ConvertValue(CDC* pDC, int& nValue, AxisConversion pfnAxis)
{
    LONG n = nValue;
    pfnAxis(DotsPerInch(pDC, LOGPIXELSX), n);
    nValue = n;
}

void ConvertPoint(CDC* pDC, CPoint& pt, AxisConversion pfnAxis)
{
    pfnAxis(DotsPerInch(pDC, LOGPIXELSX), pt.x);
    pfnAxis(DotsPerInch(pDC, LOGPIXELSY), pt.y);
}

// The horizontal resolution for all four sides.
void ConvertRect(CDC* pDC, CRect& rc, AxisConversion pfnAxis)
{
    int nDpi = DotsPerInch(pDC, LOGPIXELSX);
    pfnAxis(nDpi, rc.left);
    pfnAxis(nDpi, rc.top);
    pfnAxis(nDpi, rc.right);
    pfnAxis(nDpi, rc.bottom);
}

// Runs the conversion on the context, or on a display context for null.
template <class Fn> int WithContext(CDC* pDC, Fn fn)
{
    if (pDC != nullptr) {
        return pDC->m_hAttribDC ? fn(pDC) : 0;
    }
    CDC dcScreen;
    if (!dcScreen.CreateIC("DISPLAY", nullptr, nullptr, nullptr)) {
        return 0;
    }
    return fn(&dcScreen);
}
} // namespace

int CCappDCHelper::GetScreenDotPerTMM(double& dDotPerTMMX, double& dDotPerTMMY)
{
    dDotPerTMMX = 0;
    dDotPerTMMY = 0;
    CDC dcScreen;
    if (!dcScreen.CreateIC("DISPLAY", nullptr, nullptr, nullptr)) {
        return 0;
    }
    dDotPerTMMX = dcScreen.GetDeviceCaps(LOGPIXELSX) / static_cast<double>(CCappDCHelper::kTenthMMPerInch);
    dDotPerTMMY = dcScreen.GetDeviceCaps(LOGPIXELSY) / static_cast<double>(CCappDCHelper::kTenthMMPerInch);
    return 1;
}

double CCappDCHelper::GetScreenDotPerTMM()
{
    double dX = 0;
    double dY = 0;
    return GetScreenDotPerTMM(dX, dY) ? dX : 1.0;
}

int CCappDCHelper::GetTextHeightInDevice(CDC* pDC, int nHeight)
{
    double dFactor = DotsPerInch(pDC, LOGPIXELSX) / static_cast<double>(CCappDCHelper::kTenthMMPerInch);
    if (dFactor <= 0) {
        return nHeight;
    }
    return RoundHalfAway(nHeight * dFactor);
}

int CCappDCHelper::GetTextHeightInTMM(CDC* pDC, int nHeight)
{
    // A context without a resolution would divide by zero: keep the height as it is.
    double dFactor = DotsPerInch(pDC, LOGPIXELSX) / static_cast<double>(CCappDCHelper::kTenthMMPerInch);
    if (dFactor <= 0) {
        return nHeight;
    }
    return RoundHalfAway(nHeight / dFactor);
}

int CCappDCHelper::LogicLengthToDeviceLength(CDC* pDC, int& nLength)
{
    return WithContext(pDC, [&nLength](CDC* p) {
        POINT pts[2] = {{0, 0}, {nLength, nLength}};
        p->LPtoDP(pts, 2);
        nLength = pts[1].x - pts[0].x;
        return 1;
    });
}

int CCappDCHelper::DeviceLengthToLogicLength(CDC* pDC, int& nLength)
{
    return WithContext(pDC, [&nLength](CDC* p) {
        POINT pts[2] = {{0, 0}, {nLength, nLength}};
        p->DPtoLP(pts, 2);
        nLength = pts[1].x - pts[0].x;
        return 1;
    });
}

int CCappDCHelper::GetPenWidth(CDC* pDC, int& nWidth)
{
    if (pDC == nullptr || nWidth <= 0) {
        return 0;
    }
    int nDevice = nWidth;
    if (!LogicLengthToDeviceLength(pDC, nDevice)) {
        return 0;
    }
    nWidth = nDevice < 1 ? 1 : nDevice;
    return 1;
}

void CCappDCHelper::PixToTenthMM(CDC* pDC, int& nValue)
{
    ConvertValue(pDC, nValue, PixToTenthMMOnAxis);
}

void CCappDCHelper::PixToTenthMM(CDC* pDC, CPoint& pt)
{
    ConvertPoint(pDC, pt, PixToTenthMMOnAxis);
}

void CCappDCHelper::PixToTenthMM(CDC* pDC, CRect& rc)
{
    ConvertRect(pDC, rc, PixToTenthMMOnAxis);
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, int& nValue)
{
    ConvertValue(pDC, nValue, TenthMMToPixOnAxis);
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, CPoint& pt)
{
    ConvertPoint(pDC, pt, TenthMMToPixOnAxis);
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, CRect& rc)
{
    ConvertRect(pDC, rc, TenthMMToPixOnAxis);
}

void CCappDCHelper::UseDrawnFamily(LOGFONTA& lf)
{
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return;
    }
    CClientDC dc(nullptr);
    CFxSelectGuard guard(&dc, &font);
    const UINT cb = ::GetOutlineTextMetricsA(dc.m_hDC, 0, nullptr);
    if (cb < sizeof(OUTLINETEXTMETRICA)) {
        return;
    }
    std::vector<BYTE> buffer(cb);
    auto* pMetrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    if (::GetOutlineTextMetricsA(dc.m_hDC, cb, pMetrics) == 0) {
        return;
    }
    // The family name sits in the buffer at the offset the member holds.
    const size_t nOffset = reinterpret_cast<size_t>(pMetrics->otmpFamilyName);
    if (nOffset > 0 && nOffset < cb) {
        lstrcpynA(lf.lfFaceName, reinterpret_cast<const char*>(buffer.data() + nOffset), LF_FACESIZE);
    }
}
