#include "designer/cells/CelFontPg.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>

#include "common/KvColorBar.h"
#include "core/CappDCHelper.h"
#include "designer/cells/CellStyleFun.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CCelFontPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelFontPg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_CEL_FONT_CHOOSE, OnChooseFont)
FX_ON_EN_CHANGE(IDC_CEL_FONT_HEIGHT, OnChangeHeight)
FX_ON_MESSAGE(KV_WM_COLORCHANGE, OnColorChanged)
FX_END_MESSAGE_MAP()

CCelFontPg::CCelFontPg() : CPropertyPage(IDD_CEL_FONT), m_bFilling(FALSE)
{
}

BOOL CCelFontPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_btnText.SubclassDlgItem(IDC_CEL_FONT_TEXT_COLOR, this);
    m_btnBack.SubclassDlgItem(IDC_CEL_FONT_BACK_COLOR, this);
    for (CKvColorButton* pButton : {&m_btnText, &m_btnBack}) {
        pButton->SetOtherButton(TRUE);
        pButton->SetPaletteRealization(FALSE);
    }
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_CEL_FONT_HEIGHT_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_CEL_FONT_HEIGHT)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, static_cast<WPARAM>(-999), 999);
    Refresh();
    return TRUE;
}

void CCelFontPg::Refresh()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    const CCappCell& cell = pSheet->m_cell;
    m_bFilling = TRUE;
    SetDlgItemText(IDC_CEL_FONT_FACE, cell.m_lfFont.lfFaceName);
    // Shown as stored: a negative height asks for the characters' height, a positive one for the
    // whole line's, and the designer picks which.
    ::SetDlgItemInt(m_hWnd, IDC_CEL_FONT_HEIGHT, static_cast<UINT>(cell.m_nFontHeight), TRUE);
    m_bFilling = FALSE;
    m_btnText.SetColor(cell.m_crText);
    m_btnBack.SetColor(cell.m_crBack);
}

void CCelFontPg::OnChooseFont()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    CCappCell& cell = pSheet->m_cell;
    LOGFONTA lf;
    COLORREF crText = 0;
    int nFontHeight = 0;
    if (!CCellStyleFun::ChooseCellFont(m_hWnd, cell, lf, crText, nFontHeight)) {
        return;
    }
    cell.m_crText = crText;
    // The rotation belongs to the "格式" page: a new font never turns the text.
    const LONG lEscapement = cell.m_lfFont.lfEscapement;
    cell.m_lfFont = lf;
    cell.m_lfFont.lfEscapement = lEscapement;
    cell.m_lfFont.lfHeight = 0;
    cell.m_nFontHeight = nFontHeight;
    Refresh();
}

void CCelFontPg::OnChangeHeight()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (m_bFilling || pSheet == nullptr) {
        return;
    }
    CString strHeight;
    GetDlgItemText(IDC_CEL_FONT_HEIGHT, strHeight);
    char* pszEnd = nullptr;
    const long nHeight = std::strtol(strHeight, &pszEnd, 10);
    // A lone minus sign while typing a negative height is no number yet: keep the last one
    // rather than interrupt the typing with a message.
    if (pszEnd != strHeight.GetString() && *pszEnd == '\0') {
        pSheet->m_cell.m_nFontHeight = static_cast<int>(std::clamp(nHeight, -999L, 999L));
    }
}

LRESULT CCelFontPg::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return 0;
    }
    if (wParam == IDC_CEL_FONT_TEXT_COLOR) {
        pSheet->m_cell.m_crText = static_cast<COLORREF>(lParam);
    } else if (wParam == IDC_CEL_FONT_BACK_COLOR) {
        pSheet->m_cell.m_crBack = static_cast<COLORREF>(lParam);
    }
    return 0;
}
