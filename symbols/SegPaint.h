// Drawing aids shared by the segment kinds: the colour and highlight scheme, scaled and part
// fonts and text extents. Internal to the library.
#pragma once

#include <windows.h>

#include "platform/base/Size.h"
#include "platform/base/String.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

class CContentSegment;

namespace SegMath
{
// Truncation toward zero, and rounding as trunc(v + 0.5).
inline int Trunc(double v)
{
    return static_cast<int>(v);
}
inline int Round(double v)
{
    return static_cast<int>(v + 0.5);
}
// trunc(tan 30 degrees * v)
int T30(int v);
// A copy of the font with height and width multiplied by the scale and truncated.
LOGFONT ScaleFont(const LOGFONT& lf, double dScale);
} // namespace SegMath

// Sets the segment's colours for one drawing and gives the DC its whole state back at the end
// (colours, background mode, alignment, selections): a selected segment is drawn in inverse
// video (background colour on black), an opaque one over the background.
class CSegPaint
{
public:
    CSegPaint(CDC* pDC, const CContentSegment& seg, int nOpaque);
    CSegPaint(const CSegPaint&) = delete;
    CSegPaint& operator=(const CSegPaint&) = delete;

    // The DC's background colour B once the segment colour is set.
    COLORREF Back() const { return m_crBack; }
    // Colour of lines and frames drawn with the text: B when selected, else T.
    COLORREF LineColor() const { return m_bSelected ? m_crBack : m_crText; }
    bool Selected() const { return m_bSelected; }
    bool Opaque() const { return m_bOpaque; }
    // The area behind a symbol: black when selected, B when opaque, untouched otherwise.
    void FillBack(const RECT& rc) const;

private:
    // First member: saved before any change is made.
    CFxSavedDC m_savedDC;
    CDC* m_pDC;
    COLORREF m_crBack;
    COLORREF m_crText;
    bool m_bSelected;
    bool m_bOpaque;
};

// Extent of a text in a font on the attribute context; an empty text measures 0.
CSize SegTextExtent(CDC* pDC, CFont& font, const CString& str);
// Draws a text at a point with the font; an empty text is skipped.
void SegTextOut(CDC* pDC, CFont& font, int x, int y, const CString& str);
