#include "platform/gdi/FxSelectGuard.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

namespace
{
// A DC without a handle takes no selection.
CDC* UsableDC(CDC* pDC)
{
    return (pDC != nullptr && pDC->m_hDC != nullptr) ? pDC : nullptr;
}
} // namespace

CFxSelectGuard::CFxSelectGuard(CDC* pDC, CPen* pPen) : m_pDC(UsableDC(pDC))
{
    Select(m_pDC ? m_pDC->SelectObject(pPen) : nullptr);
}

CFxSelectGuard::CFxSelectGuard(CDC* pDC, CBrush* pBrush) : m_pDC(UsableDC(pDC))
{
    Select(m_pDC ? m_pDC->SelectObject(pBrush) : nullptr);
}

CFxSelectGuard::CFxSelectGuard(CDC* pDC, CFont* pFont) : m_pDC(UsableDC(pDC))
{
    Select(m_pDC ? m_pDC->SelectObject(pFont) : nullptr);
}

CFxSelectGuard::CFxSelectGuard(CDC* pDC, CBitmap* pBitmap) : m_pDC(UsableDC(pDC))
{
    Select(m_pDC ? m_pDC->SelectObject(pBitmap) : nullptr);
}

CFxSelectGuard::CFxSelectGuard(CDC* pDC, int nStockObject) : m_pDC(UsableDC(pDC))
{
    Select(m_pDC ? m_pDC->SelectStockObject(nStockObject) : nullptr);
}

CFxSelectGuard::~CFxSelectGuard()
{
    if (m_hOld != nullptr) {
        m_pDC->SelectObject(CGdiObject::FromHandle(m_hOld));
    }
}

void CFxSelectGuard::Select(CGdiObject* pOld)
{
    m_hOld = pOld != nullptr ? pOld->GetSafeHandle() : nullptr;
}
