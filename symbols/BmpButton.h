// Owner-drawn push button that shows a bitmap from the resources, and nothing else.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/win/Button.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CBmpButton : public CButton
{
public:
    // Ids of 0 and below change nothing; otherwise the bitmap is loaded from the module that
    // holds it (the current resource module first) and the whole button repainted.
    void SetBitmap(int nIDResource);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    CBitmap m_bitmap;
};
