#include "core/CappDCHelper.h"

#include "platform/gdi/DC.h"

namespace
{
// An inch is 254 tenths of a millimetre and 2540 HIMETRIC units.
constexpr double kTenthMMPerInch = 254.0;
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
    dDotPerTMMX = dcScreen.GetDeviceCaps(LOGPIXELSX) / kTenthMMPerInch;
    dDotPerTMMY = dcScreen.GetDeviceCaps(LOGPIXELSY) / kTenthMMPerInch;
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
    double dFactor = DotsPerInch(pDC, LOGPIXELSX) / kTenthMMPerInch;
    if (dFactor <= 0) {
        return nHeight;
    }
    return RoundHalfAway(nHeight * dFactor);
}

int CCappDCHelper::GetTextHeightInTMM(CDC* pDC, int nHeight)
{
    // A context without a resolution would divide by zero: keep the height as it is.
    double dFactor = DotsPerInch(pDC, LOGPIXELSX) / kTenthMMPerInch;
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
    LONG n = nValue;
    PixToTenthMMOnAxis(DotsPerInch(pDC, LOGPIXELSX), n);
    nValue = n;
}

void CCappDCHelper::PixToTenthMM(CDC* pDC, CPoint& pt)
{
    PixToTenthMMOnAxis(DotsPerInch(pDC, LOGPIXELSX), pt.x);
    PixToTenthMMOnAxis(DotsPerInch(pDC, LOGPIXELSY), pt.y);
}

void CCappDCHelper::PixToTenthMM(CDC* pDC, CRect& rc)
{
    int nDpi = DotsPerInch(pDC, LOGPIXELSX);
    PixToTenthMMOnAxis(nDpi, rc.left);
    PixToTenthMMOnAxis(nDpi, rc.top);
    PixToTenthMMOnAxis(nDpi, rc.right);
    PixToTenthMMOnAxis(nDpi, rc.bottom);
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, int& nValue)
{
    LONG n = nValue;
    TenthMMToPixOnAxis(DotsPerInch(pDC, LOGPIXELSX), n);
    nValue = n;
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, CPoint& pt)
{
    TenthMMToPixOnAxis(DotsPerInch(pDC, LOGPIXELSX), pt.x);
    TenthMMToPixOnAxis(DotsPerInch(pDC, LOGPIXELSY), pt.y);
}

void CCappDCHelper::TenthMMToPix(CDC* pDC, CRect& rc)
{
    int nDpi = DotsPerInch(pDC, LOGPIXELSX);
    TenthMMToPixOnAxis(nDpi, rc.left);
    TenthMMToPixOnAxis(nDpi, rc.top);
    TenthMMToPixOnAxis(nDpi, rc.right);
    TenthMMToPixOnAxis(nDpi, rc.bottom);
}
