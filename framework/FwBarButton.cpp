#include "framework/FwBarButton.h"

#include "framework/FwBmpMgr.h"
#include "framework/FwButtonPaintCache.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwSystemColors.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

namespace
{
// Paints crFill into pDC wherever the mask (made by MakeMask) is black.
void FillThroughMask(CDC* pDC, CDC* pMaskDC, int x, int y, int cx, int cy, COLORREF crFill)
{
    CBrush brush(crFill);
    CFxSelectGuard guard(pDC, &brush);
    const COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    const COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    // PSDPxax: the destination stays where the mask is white, takes the brush where it is black.
    pDC->BitBlt(x, y, cx, cy, pMaskDC, 0, 0, 0x00B8074A);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
}
} // namespace

FwBarButton::FwBarButton()
    : m_nID(0), m_nImage(-1), m_dwStyle(0), m_x(-1), m_y(-1), m_cx(23), m_cy(22), m_nKind(FWBK_STANDARD),
      m_pBar(nullptr), m_nMode(0)
{
}

void FwBarButton::SetStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle;
}

void FwBarButton::SetPos(int x, int y)
{
    m_x = x;
    m_y = y;
}

void FwBarButton::Invalidate()
{
    if (m_pBar != nullptr && m_pBar->m_hWnd != nullptr) {
        const CRect rc = GetRect();
        m_pBar->InvalidateRect(&rc, FALSE);
    }
}

void FwBarButton::SetID(UINT nID)
{
    m_nID = nID;
    Measure();
}

void FwBarButton::SetUp(FwCustomToolBar* pBar)
{
    m_pBar = pBar;
    if (m_nKind == FWBK_STANDARD && pBar != nullptr && pBar->GetBmpMgr() != nullptr && !IsSeparator()) {
        m_nImage = pBar->GetBmpMgr()->GetImageIndex(m_nID);
    }
    Measure();
}

void FwBarButton::Measure()
{
    CSize szImage(16, 15);
    if (m_pBar != nullptr && m_pBar->GetBmpMgr() != nullptr) {
        szImage = m_pBar->GetBmpMgr()->GetImageSize();
    }
    m_cx = IsSeparator() ? (szImage.cx + 8) / 3 : szImage.cx + 7;
    m_cy = szImage.cy + 7;
}

int FwBarButton::GetExtraData(BYTE*, int) const
{
    return 0;
}

void FwBarButton::RestoreExtraData(const BYTE*, int)
{
}

void FwBarButton::Notify(int nCode, const DWORD* pData)
{
    if (nCode != FWBN_SETSTYLE || pData == nullptr) {
        return;
    }
    const DWORD dwNew = (m_dwStyle & ~pData[1]) | pData[0];
    if (dwNew != m_dwStyle) {
        m_dwStyle = dwNew;
        Invalidate();
    }
}

void FwBarButton::Paint(CDC* pDC, FwButtonPaintCache* pCache)
{
    if (IsSeparator()) {
        DrawSeparator(pDC);
        return;
    }
    DrawFace(pDC, pCache);
    DrawImage(pDC, pCache);
}

void FwBarButton::DrawFace(CDC* pDC, FwButtonPaintCache* pCache)
{
    FwSystemColors& colors = FwGetSystemColors();
    const BOOL bCool = m_pBar != nullptr && m_pBar->IsCoolLook();
    CRect rc(0, 0, m_cx, m_cy);
    pDC->FillSolidRect(&rc, colors.m_clrBtnFace);
    const BOOL bPressed = (m_dwStyle & FWBS_PRESSED) != 0;
    const BOOL bChecked = (m_dwStyle & FWBS_CHECKED) != 0;
    if (bChecked && !bPressed && pCache != nullptr) {
        CRect rcDither(rc);
        rcDither.DeflateRect(1, 1);
        pDC->FillRect(&rcDither, &pCache->m_brDither);
    }
    if (bPressed || bChecked) {
        if (bCool) {
            pDC->Draw3dRect(&rc, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
        } else {
            pDC->Draw3dRect(&rc, colors.m_clr3DDkShadow, colors.m_clrBtnHilite);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, colors.m_clrBtnShadow, colors.m_clr3DLight);
        }
    } else if (bCool) {
        if ((m_dwStyle & FWBS_HOT) != 0) {
            pDC->Draw3dRect(&rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
        }
    } else {
        pDC->Draw3dRect(&rc, colors.m_clrBtnHilite, colors.m_clr3DDkShadow);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(&rc, colors.m_clr3DLight, colors.m_clrBtnShadow);
    }
    if ((m_dwStyle & FWBS_SELECTED) != 0) {
        CRect rcSel(0, 0, m_cx, m_cy);
        for (int i = 0; i < 3; ++i) {
            pDC->Draw3dRect(&rcSel, colors.m_clrWindowText, colors.m_clrWindowText);
            rcSel.DeflateRect(1, 1);
        }
    }
}

void FwBarButton::DrawImage(CDC* pDC, FwButtonPaintCache* pCache)
{
    FwBmpMgr* pBmpMgr = m_pBar != nullptr ? m_pBar->GetBmpMgr() : nullptr;
    HBITMAP hStrip = nullptr;
    int nIndex = 0;
    if (pCache == nullptr || pBmpMgr == nullptr || !pBmpMgr->GetImage(m_nID, hStrip, nIndex, FALSE)) {
        return;
    }
    const CSize sz = pBmpMgr->GetImageSize();
    int x = (m_cx - sz.cx - 1) / 2;
    int y = (m_cy - sz.cy) / 2;
    if ((m_dwStyle & FWBS_PRESSED) != 0) {
        ++x;
        ++y;
    }
    FwSystemColors& colors = FwGetSystemColors();
    CFxSelectGuard stripSel(&pCache->m_dcImage, CBitmap::FromHandle(hStrip));
    if ((m_dwStyle & (FWBS_DISABLED | FWBS_INDETERMINATE)) != 0) {
        // The mask is white where the image shows face or highlight, black where it draws.
        pCache->m_dcImage.SetBkColor(colors.m_clrBtnFace);
        pCache->m_dcMask.BitBlt(0, 0, sz.cx, sz.cy, &pCache->m_dcImage, nIndex * sz.cx, 0, SRCCOPY);
        pCache->m_dcImage.SetBkColor(colors.m_clrBtnHilite);
        pCache->m_dcMask.BitBlt(0, 0, sz.cx, sz.cy, &pCache->m_dcImage, nIndex * sz.cx, 0, SRCPAINT);
        if ((m_dwStyle & FWBS_DISABLED) != 0) {
            FillThroughMask(pDC, &pCache->m_dcMask, x + 1, y + 1, sz.cx, sz.cy, colors.m_clrBtnHilite);
        }
        FillThroughMask(pDC, &pCache->m_dcMask, x, y, sz.cx, sz.cy, colors.m_clrBtnShadow);
    } else {
        ::TransparentBlt(pDC->GetSafeHdc(), x, y, sz.cx, sz.cy, pCache->m_dcImage.GetSafeHdc(), nIndex * sz.cx, 0,
                         sz.cx, sz.cy, colors.m_clrBtnFace);
    }
}

void FwBarButton::DrawSeparator(CDC* pDC)
{
    FwSystemColors& colors = FwGetSystemColors();
    pDC->FillSolidRect(0, 0, m_cx, m_cy, colors.m_clrBtnFace);
    if (m_pBar == nullptr || !m_pBar->IsCoolLook() || (m_dwStyle & FWBS_WRAPPED) != 0) {
        return;
    }
    if (m_cx > m_cy) {
        // Across a column of buttons.
        const int y = m_cy / 2 - 1;
        pDC->FillSolidRect(1, y, m_cx - 2, 1, colors.m_clrBtnShadow);
        pDC->FillSolidRect(1, y + 1, m_cx - 2, 1, colors.m_clrBtnHilite);
        return;
    }
    const int x = m_cx / 2 - 1;
    pDC->FillSolidRect(x, 1, 1, m_cy - 2, colors.m_clrBtnShadow);
    pDC->FillSolidRect(x + 1, 1, 1, m_cy - 2, colors.m_clrBtnHilite);
}
