// Owner of a GDI region.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CRgn : public CGdiObject
{
public:
    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
};
