#include "framework/FwTextButton.h"

#include "framework/FwMenuBar.h"
#include "framework/FwMnemonic.h"
#include "framework/FwSystemColors.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"

FwTextButton::FwTextButton() : m_nMenuID(0), m_nPos(0), m_dwMask(0), m_chMnemonic(0)
{
    m_nKind = FWBK_TEXT;
    m_nImage = 0;
}

void FwTextButton::SetText(const CString& strText)
{
    m_strText = strText;
    m_chMnemonic = FwMnemonicOf(strText);
}

void FwTextButton::Measure()
{
    HFONT hFont = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    CClientDC dc(nullptr);
    CFxSelectGuard guard(
        &dc, CFont::FromHandle(hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    CRect rc(0, 0, 0, 0);
    dc.DrawText(m_strText, &rc, DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT);
    m_cx = rc.Width() + 10;
    m_cy = rc.Height() + 6;
}

void FwTextButton::Paint(CDC* pDC, FwButtonPaintCache*)
{
    FwSystemColors& colors = FwGetSystemColors();
    CRect rc(0, 0, m_cx, m_cy);
    pDC->FillSolidRect(&rc, colors.m_clrBtnFace);
    const BOOL bPressed = (m_dwStyle & FWBS_PRESSED) != 0;
    if (bPressed) {
        pDC->Draw3dRect(&rc, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    } else if ((m_dwStyle & FWBS_HOT) != 0) {
        pDC->Draw3dRect(&rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
    }
    HFONT hFont = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    CFxSelectGuard guard(
        pDC, CFont::FromHandle(hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const BOOL bDisabled = (m_dwStyle & FWBS_DISABLED) != 0;
    pDC->SetTextColor(bDisabled ? colors.m_clrBtnShadow : colors.m_clrWindowText);
    if (bPressed) {
        rc.OffsetRect(1, 1);
    }
    pDC->DrawText(m_strText, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
}

BOOL FwTextButton::OnPress()
{
    FwMenuBar* pBar = dynamic_cast<FwMenuBar*>(m_pBar);
    if (pBar == nullptr || (m_dwStyle & FWBS_DISABLED) != 0) {
        return FALSE;
    }
    pBar->OpenTitle(pBar->FindButton(this), FALSE);
    return TRUE;
}
