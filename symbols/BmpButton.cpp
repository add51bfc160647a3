#include "symbols/BmpButton.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/FxSavedDC.h"

void CBmpButton::SetBitmap(int nIDResource)
{
    if (nIDResource <= 0) {
        return;
    }
    m_bitmap.DeleteObject();
    m_bitmap.LoadBitmap(static_cast<UINT>(nIDResource));
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

void CBmpButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || m_bitmap.m_hObject == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcItem(lpDrawItemStruct->rcItem);
    CFxSavedDC saved(pDC);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawState(rcItem.TopLeft(), rcItem.Size(), &m_bitmap, DSS_NORMAL);
}
