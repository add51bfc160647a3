// A DC that answers a 600-dpi A4 laser printer's metrics while drawing into another DC (a
// metafile or a DIB), so printing paths can be tested without a printer.
#pragma once

#include "platform/gdi/DC.h"

class CPrinterLikeDC : public CDC
{
public:
    static constexpr int kDpi = 600;
    // A4 is 210 x 297 mm: 4961 x 7016 dots; 100 dots unprintable on every side.
    static constexpr int kPhysWidth = 4961;
    static constexpr int kPhysHeight = 7016;
    static constexpr int kOffset = 100;

    // Borrows hDC: it is not deleted here. nDpiY lets a test tell the axes apart.
    explicit CPrinterLikeDC(HDC hDC, int nDpiY = kDpi);
    ~CPrinterLikeDC() override;

    int GetDeviceCaps(int nIndex) const override;

private:
    int m_nDpiY;
};
