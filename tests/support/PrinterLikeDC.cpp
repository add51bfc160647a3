#include "PrinterLikeDC.h"

CPrinterLikeDC::CPrinterLikeDC(HDC hDC, int nDpiY) : m_nDpiY(nDpiY)
{
    Attach(hDC);
    m_bPrinting = TRUE;
}

CPrinterLikeDC::~CPrinterLikeDC()
{
    Detach();
}

int CPrinterLikeDC::GetDeviceCaps(int nIndex) const
{
    const int nHorzRes = kPhysWidth - 2 * kOffset;
    // The vertical dot counts follow the vertical resolution.
    const int nPhysHeight = MulDiv(kPhysHeight, m_nDpiY, kDpi);
    const int nOffsetY = MulDiv(kOffset, m_nDpiY, kDpi);
    const int nVertRes = nPhysHeight - 2 * nOffsetY;
    switch (nIndex) {
    case LOGPIXELSX:
        return kDpi;
    case LOGPIXELSY:
        return m_nDpiY;
    case PHYSICALWIDTH:
        return kPhysWidth;
    case PHYSICALHEIGHT:
        return nPhysHeight;
    case PHYSICALOFFSETX:
        return kOffset;
    case PHYSICALOFFSETY:
        return nOffsetY;
    case HORZRES:
        return nHorzRes;
    case VERTRES:
        return nVertRes;
    case HORZSIZE:
        return MulDiv(nHorzRes, 254, kDpi * 10);
    case VERTSIZE:
        return MulDiv(nVertRes, 254, m_nDpiY * 10);
    case TECHNOLOGY:
        return DT_RASPRINTER;
    default:
        return CDC::GetDeviceCaps(nIndex);
    }
}
