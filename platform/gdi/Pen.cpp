#include "platform/gdi/Pen.h"

#include "platform/gdi/FxTempMap.h"

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return CFxTempMap<CPen, HPEN>::Lookup(hPen, [](CPen* p, HPEN h) { p->AttachView(h); });
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}
