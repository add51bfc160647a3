#include "platform/gdi/Brush.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/TempHandleMap.h"

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return FxTempWrapper<CBrush>(hBrush, [](CBrush* p, HBRUSH h) { p->m_hObject = h; });
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    if (pBitmap == nullptr) {
        return FALSE;
    }
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* pLogBrush)
{
    return Attach(::CreateBrushIndirect(pLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // System colour brushes belong to the system; deleting them later is ignored by GDI.
    return Attach(::GetSysColorBrush(nIndex));
}
