// The font a segment draws one part of its text with.
#pragma once

#include "platform/gdi/Font.h"

// A font made from a record for one call.
class CSegFont : public CFont
{
public:
    explicit CSegFont(const LOGFONT& lf) { CreateFontIndirect(&lf); }
};
