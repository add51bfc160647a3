// Owner of a GDI brush.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CBrush : public CGdiObject
{
public:
    CBrush() = default;
    // Solid brush; check GetSafeHandle: a constructor cannot report a failed creation.
    explicit CBrush(COLORREF crColor);

    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
};
