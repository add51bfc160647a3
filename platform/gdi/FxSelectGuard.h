// Keeps one pen, brush, font or bitmap selected into a DC for a scope.
#pragma once

#include "platform/gdi/DC.h"

// Declare the object first and the guard after it: the guard dies first and selects the previous
// object back, so the object is never deleted while selected. Regions have no guard: selecting one
// copies it into the clip region and replaces nothing.
class FX_API CFxSelectGuard
{
public:
    CFxSelectGuard(CDC* pDC, CPen* pPen);
    CFxSelectGuard(CDC* pDC, CBrush* pBrush);
    CFxSelectGuard(CDC* pDC, CFont* pFont);
    CFxSelectGuard(CDC* pDC, CBitmap* pBitmap);
    CFxSelectGuard(CDC* pDC, int nStockObject);
    ~CFxSelectGuard();
    CFxSelectGuard(const CFxSelectGuard&) = delete;
    CFxSelectGuard& operator=(const CFxSelectGuard&) = delete;

    // False when nothing was selected (no DC, no object or a failed selection): nothing to restore.
    bool IsSelected() const { return m_hOld != nullptr; }

private:
    void Select(CGdiObject* pOld);

    CDC* m_pDC = nullptr;
    // The handle, not its wrapper: a temporary wrapper may be freed before the guard ends.
    HGDIOBJ m_hOld = nullptr;
};
