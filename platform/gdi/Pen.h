// Owner of a GDI pen.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CPen : public CGdiObject
{
public:
    CPen() = default;
    // Check GetSafeHandle: a constructor cannot report a failed creation.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};
