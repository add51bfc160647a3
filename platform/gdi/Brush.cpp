#include "platform/gdi/Brush.h"

#include "platform/gdi/FxTempMap.h"

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return CFxTempMap<CBrush, HBRUSH>::Lookup(hBrush, [](CBrush* p, HBRUSH h) { p->AttachView(h); });
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}
