// Conversions between tenths of a millimetre and device units, for screen and printer contexts.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Rect.h"

#include <wingdi.h>

class CDC;

class VORNCARD_API CCappDCHelper
{
public:
    // Card geometry is in tenths of a millimetre: an inch is 254 of them.
    static constexpr int kTenthMMPerInch = 254;

    // Screen dots per tenth of a millimetre; 0 (both set to 0) when no display context can be made.
    static int GetScreenDotPerTMM(double& dDotPerTMMX, double& dDotPerTMMY);
    // The horizontal value; 1.0 when it cannot be had.
    static double GetScreenDotPerTMM();

    // A text height in tenths of a millimetre to device units and back, rounded half away from
    // zero on the context's horizontal resolution (the screen's for a null context).
    static int GetTextHeightInDevice(CDC* pDC, int nHeight);
    static int GetTextHeightInTMM(CDC* pDC, int nHeight);

    // Through the context's mapping (a display context for null); 0 when there is no DC handle.
    static int LogicLengthToDeviceLength(CDC* pDC, int& nLength);
    static int DeviceLengthToLogicLength(CDC* pDC, int& nLength);
    // A positive logical pen width to device units, never below 1; 0 for a null context or w <= 0.
    static int GetPenWidth(CDC* pDC, int& nWidth);

    // Through HIMETRIC on the context's resolution (the screen's for null). The point forms use
    // each axis; the single value and the rectangle use the horizontal axis only.
    static void PixToTenthMM(CDC* pDC, int& nValue);
    static void PixToTenthMM(CDC* pDC, CPoint& pt);
    static void PixToTenthMM(CDC* pDC, CRect& rc);
    static void TenthMMToPix(CDC* pDC, int& nValue);
    static void TenthMMToPix(CDC* pDC, CPoint& pt);
    static void TenthMMToPix(CDC* pDC, CRect& rc);

    // Puts into the font the name of the family the screen draws it with. The font dialog finds
    // its first face by name among the families it lists; a face the system only maps to another
    // (宋体 where SimSun is missing) is not among them, and the dialog would open on the first
    // family of its list. Leaves the font as it is when the family cannot be read.
    static void UseDrawnFamily(LOGFONTA& lf);
};
