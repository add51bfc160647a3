#include "PrinterLikeDC.h"

CPrinterLikeDC::CPrinterLikeDC(HDC hDC)
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
    const int nVertRes = kPhysHeight - 2 * kOffset;
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return kDpi;
    case PHYSICALWIDTH:
        return kPhysWidth;
    case PHYSICALHEIGHT:
        return kPhysHeight;
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY:
        return kOffset;
    case HORZRES:
        return nHorzRes;
    case VERTRES:
        return nVertRes;
    case HORZSIZE:
        return MulDiv(nHorzRes, 254, kDpi * 10);
    case VERTSIZE:
        return MulDiv(nVertRes, 254, kDpi * 10);
    case TECHNOLOGY:
        return DT_RASPRINTER;
    default:
        return CDC::GetDeviceCaps(nIndex);
    }
}
