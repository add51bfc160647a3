// Memory contexts every bar composes its buttons in, and the checked-button dither; the tool-bar
// manager keeps one for all its bars.
#pragma once

#include <windows.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"

class FwButtonPaintCache
{
public:
    // Throws the framework's resource exception when a context or the brush cannot be made.
    FwButtonPaintCache();
    ~FwButtonPaintCache();
    FwButtonPaintCache(const FwButtonPaintCache&) = delete;
    FwButtonPaintCache& operator=(const FwButtonPaintCache&) = delete;

    void MakeDitherBrush();
    // The composition bitmap for one paint: as wide as the widest button, image height + 7 high.
    BOOL BeginBarPaint(int cx, int cy, HFONT hFont);
    void EndBarPaint();

    CDC m_dcMask;
    CDC m_dcImage;
    CDC m_dcCompose;
    CBrush m_brDither;
    CBitmap m_bmpCompose;
    CBitmap m_bmpMask;
    HGDIOBJ m_hOldComposeBitmap;
    HGDIOBJ m_hOldMaskBitmap;
    HGDIOBJ m_hOldFont;
};
