#include "designer/freeobj/FreeObjTextPg.h"

#include <commdlg.h>

#include "core/CappDCHelper.h"
#include "core/CappFreeObj.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/res/resource.h"

namespace
{
// The DrawText bits the page owns; the others are kept.
const int kAlignCenter = 1;
const int kAlignRight = 2;
const int kAlignVCenter = 4;
const int kAlignBottom = 8;
} // namespace

FX_IMPLEMENT_DYNAMIC(CFreeObjTextPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CFreeObjTextPg, CPropertyPage)
FX_ON_COMMAND_RANGE(IDC_FREEOBJ_ALIGN_LEFT, IDC_FREEOBJ_VALIGN_CENTER, OnAlignChanged)
FX_ON_BN_CLICKED(IDC_FREEOBJ_FONT, OnChooseFont)
FX_END_MESSAGE_MAP()

CFreeObjTextPg::CFreeObjTextPg() : CPropertyPage(IDD_FREEOBJ_TEXT)
{
}

CCappFreeObj* CFreeObjTextPg::WorkObj() const
{
    CFreeObjSh* pSheet = CFreeObjSh::FromPage(this);
    return pSheet != nullptr ? pSheet->m_pObj : nullptr;
}

BOOL CFreeObjTextPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CCappFreeObj* pObj = WorkObj();
    if (pObj == nullptr) {
        return TRUE;
    }
    const int nFormat = pObj->m_nTextFormat;
    int nHorz = IDC_FREEOBJ_ALIGN_LEFT;
    if (nFormat & kAlignCenter) {
        nHorz = IDC_FREEOBJ_ALIGN_CENTER;
    } else if (nFormat & kAlignRight) {
        nHorz = IDC_FREEOBJ_ALIGN_RIGHT;
    }
    int nVert = IDC_FREEOBJ_VALIGN_TOP;
    if (nFormat & kAlignVCenter) {
        nVert = IDC_FREEOBJ_VALIGN_CENTER;
    } else if (nFormat & kAlignBottom) {
        nVert = IDC_FREEOBJ_VALIGN_BOTTOM;
    }
    CheckRadioButton(IDC_FREEOBJ_ALIGN_LEFT, IDC_FREEOBJ_ALIGN_CENTER, nHorz);
    CheckRadioButton(IDC_FREEOBJ_VALIGN_TOP, IDC_FREEOBJ_VALIGN_CENTER, nVert);
    ShowFont();
    return TRUE;
}

void CFreeObjTextPg::OnAlignChanged(UINT)
{
    CCappFreeObj* pObj = WorkObj();
    if (pObj == nullptr) {
        return;
    }
    int nFormat = pObj->m_nTextFormat & ~(kAlignCenter | kAlignRight | kAlignVCenter | kAlignBottom);
    if (IsDlgButtonChecked(IDC_FREEOBJ_ALIGN_CENTER)) {
        nFormat |= kAlignCenter;
    }
    if (IsDlgButtonChecked(IDC_FREEOBJ_ALIGN_RIGHT)) {
        nFormat |= kAlignRight;
    }
    if (IsDlgButtonChecked(IDC_FREEOBJ_VALIGN_CENTER)) {
        nFormat |= kAlignVCenter;
    }
    if (IsDlgButtonChecked(IDC_FREEOBJ_VALIGN_BOTTOM)) {
        nFormat |= kAlignBottom;
    }
    pObj->m_nTextFormat = nFormat;
}

void CFreeObjTextPg::OnChooseFont()
{
    CCappFreeObj* pObj = WorkObj();
    if (pObj == nullptr) {
        return;
    }
    LOGFONTA lf = pObj->m_lfFont;
    lf.lfHeight = CCappFreeObj::CCappDCHelper__GetTextHeightInDevice(nullptr, pObj->m_nFontHeight);
    CCappDCHelper::UseDrawnFamily(lf);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    // Vertical faces ("@" names) draw the text turned on its side.
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
    cf.rgbColors = pObj->m_crText;
    if (!::ChooseFontA(&cf)) {
        return;
    }
    pObj->m_lfFont = lf;
    pObj->m_crText = cf.rgbColors;
    pObj->m_nFontHeight = CCappFreeObj::CCappDCHelper__GetTextHeightInTMM(nullptr, lf.lfHeight);
    ShowFont();
}

void CFreeObjTextPg::ShowFont()
{
    CCappFreeObj* pObj = WorkObj();
    if (pObj == nullptr) {
        return;
    }
    CString strSize;
    strSize.Format("%d", pObj->m_nFontHeight);
    SetDlgItemText(IDC_FREEOBJ_FONT_SIZE, strSize);
    SetDlgItemText(IDC_FREEOBJ_FONT_NAME, pObj->m_lfFont.lfFaceName);
}
