#include "platform/gdi/Rgn.h"

#include "platform/gdi/TempHandleMap.h"

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return CFxTempMap<CRgn, HRGN>::Lookup(hRgn, [](CRgn* p, HRGN h) { p->AttachView(h); });
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}
