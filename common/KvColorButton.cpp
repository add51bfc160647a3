#include "common/KvColorButton.h"

#include <commdlg.h>

#include "common/KvColorBar.h"
#include "common/KvPopupColorBar.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

FX_IMPLEMENT_DYNAMIC(CKvColorButton, CKvOwnerDrawButton)

FX_BEGIN_MESSAGE_MAP(CKvColorButton, CKvOwnerDrawButton)
FX_ON_MESSAGE(KV_WM_COLORCHANGE, OnColorChange)
FX_ON_MESSAGE(KV_WM_CUSTOMCOLOR, OnCustomColor)
FX_END_MESSAGE_MAP()

CKvColorButton::CKvColorButton()
    : m_pPopup(new CKvPopupColorBar), m_hOldPal(nullptr), m_hOldMemPal(nullptr), m_bPaletteRealization(FALSE),
      m_bOtherButton(TRUE)
{
    CreatePalette();
}

CKvColorButton::~CKvColorButton()
{
    delete m_pPopup;
}

BOOL CKvColorButton::CreatePalette()
{
    LOGPALETTE log = {};
    log.palVersion = 0x300;
    log.palNumEntries = 1;
    log.palPalEntry[0] = {0, 0, 0, 0};
    m_palColor.DeleteObject();
    return m_palColor.CreatePalette(&log);
}

void CKvColorButton::SetColor(COLORREF crColor)
{
    PALETTEENTRY entry = {GetRValue(crColor), GetGValue(crColor), GetBValue(crColor), 0};
    m_palColor.SetPaletteEntries(0, 1, &entry);
    if (m_hWnd != nullptr) {
        Invalidate(FALSE);
    }
}

COLORREF CKvColorButton::GetColor() const
{
    PALETTEENTRY entry = {};
    m_palColor.GetPaletteEntries(0, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void CKvColorButton::SetPopup(CKvPopupColorBar* pPopup)
{
    if (pPopup == m_pPopup) {
        return;
    }
    delete m_pPopup;
    m_pPopup = pPopup;
}

DWORD CKvColorButton::GetColorDialogFlags() const
{
    return CC_RGBINIT | CC_FULLOPEN;
}

void CKvColorButton::OnBnClicked()
{
    if (m_pPopup != nullptr && !m_pPopup->m_bShown) {
        CreatePopup();
    }
}

BOOL CKvColorButton::CreatePopup()
{
    if (m_pPopup == nullptr) {
        return FALSE;
    }
    m_pPopup->Reset();
    m_pPopup->m_pOwnerButton = this;
    CRect rc;
    GetWindowRect(&rc);
    if (!m_pPopup->CreatePopup(WS_VISIBLE, &rc, GetParent(), m_bOtherButton)) {
        return FALSE;
    }
    m_pPopup->SelectColor(GetColor());
    m_pPopup->SetPaletteRealization(m_bPaletteRealization);
    return TRUE;
}

LRESULT CKvColorButton::OnColorChange(WPARAM, LPARAM lParam)
{
    const COLORREF crColor = static_cast<COLORREF>(lParam);
    SetColor(crColor);
    UpdateWindow();
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr) {
        ::SendMessageA(hParent, KV_WM_COLORCHANGE, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
    }
    return 0;
}

LRESULT CKvColorButton::OnCustomColor(WPARAM, LPARAM)
{
    static COLORREF s_crCustom[16] = {};
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = m_hWnd;
    cc.rgbResult = GetColor();
    cc.lpCustColors = s_crCustom;
    cc.Flags = GetColorDialogFlags();
    if (ChooseColorA(&cc)) {
        OnColorChange(0, static_cast<LPARAM>(cc.rgbResult));
    }
    return 0;
}

void CKvColorButton::PreDrawButton(CDC* pDC, CDC* pMemDC)
{
    if (!m_bPaletteRealization) {
        return;
    }
    m_hOldPal = pDC->SelectPalette(m_palColor, FALSE);
    pDC->RealizePalette();
    if (pMemDC != nullptr && pMemDC->GetSafeHdc() != nullptr) {
        m_hOldMemPal = pMemDC->SelectPalette(m_palColor, FALSE);
    }
}

void CKvColorButton::PostDrawButton(CDC* pDC, CDC* pMemDC)
{
    if (!m_bPaletteRealization) {
        return;
    }
    if (m_hOldPal != nullptr) {
        pDC->SelectPalette(m_hOldPal, FALSE);
        m_hOldPal = nullptr;
    }
    if (m_hOldMemPal != nullptr && pMemDC != nullptr && pMemDC->GetSafeHdc() != nullptr) {
        pMemDC->SelectPalette(m_hOldMemPal, FALSE);
    }
    m_hOldMemPal = nullptr;
}

void CKvColorButton::DrawFocus(CDC* pDC, CRect rect)
{
    rect.DeflateRect(1, 1);
    pDC->DrawFocusRect(&rect);
}

void CKvColorButton::DrawSpecific(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CRect rcInner)
{
    // The arrow: a filled triangle 5 wide and 3 high, 7 pixels in from the right.
    const int xArrow = rcInner.right - 7;
    const int yArrow = rcInner.top + (rcInner.Height() - 3) / 2;
    for (int i = 0; i < 3; ++i) {
        pDC->FillSolidRect(xArrow + i, yArrow + i, 5 - 2 * i, 1, RGB(0, 0, 0));
    }
    pDC->FillSolidRect(rcInner.right - 10, rcInner.top + 2, 1, rcInner.Height() - 4, GetSysColor(COLOR_BTNSHADOW));
    pDC->FillSolidRect(rcInner.right - 9, rcInner.top + 2, 1, rcInner.Height() - 4, GetSysColor(COLOR_BTNHIGHLIGHT));
    if ((lpDis->itemState & ODS_DISABLED) != 0) {
        return;
    }
    CRect rcSwatch(rcInner.left + 3, rcInner.top + 2, rcInner.right - 13, rcInner.bottom - 2);
    CBrush brBlack(RGB(0, 0, 0));
    pDC->FrameRect(&rcSwatch, &brBlack);
    rcSwatch.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcSwatch, m_bPaletteRealization ? PALETTEINDEX(0) : GetColor());
}
