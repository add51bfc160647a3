#include "platform/gdi/Pen.h"

#include "platform/gdi/TempHandleMap.h"

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return FxTempWrapper<CPen>(hPen, [](CPen* p, HPEN h) { p->m_hObject = h; });
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* pLogPen)
{
    return Attach(::CreatePenIndirect(pLogPen));
}

BOOL CPen::ExtCreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* pStyle)
{
    return Attach(::ExtCreatePen(static_cast<DWORD>(nPenStyle), static_cast<DWORD>(nWidth), pLogBrush,
                                 static_cast<DWORD>(nStyleCount), pStyle));
}
