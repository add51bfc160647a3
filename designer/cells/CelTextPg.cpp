#include "designer/cells/CelTextPg.h"

#include <commctrl.h>

#include <cstdlib>

#include "designer/cells/CellStyleFun.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CCelTextPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelTextPg, CPropertyPage)
FX_ON_COMMAND_RANGE(IDC_CEL_TEXT_LEFT, IDC_CEL_TEXT_VCENTER, OnClickAlign)
FX_ON_EN_CHANGE(IDC_CEL_TEXT_ANGLE, OnChangeAngle)
FX_ON_MESSAGE(WM_TEXT_ANGLE_CHANGED, OnAngleChanged)
FX_END_MESSAGE_MAP()

CCelTextPg::CCelTextPg() : CPropertyPage(IDD_CEL_TEXT), m_bFillingAngle(FALSE)
{
}

BOOL CCelTextPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    const CCappCell& cell = pSheet->m_cell;
    const int nAngle = static_cast<int>(cell.m_lfFont.lfEscapement / 10);
    m_bFillingAngle = TRUE;
    ::SetDlgItemInt(m_hWnd, IDC_CEL_TEXT_ANGLE, static_cast<UINT>(nAngle), TRUE);
    const int nFormat = cell.m_nTextFormat;
    CCellStyleFun::CheckAlignButtons(this, nFormat);
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_CEL_TEXT_ANGLE_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_CEL_TEXT_ANGLE)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, static_cast<WPARAM>(-90), 90);
    ::SendMessageA(hSpin, UDM_SETPOS32, 0, nAngle);
    m_bFillingAngle = FALSE;
    m_picker.SubclassDlgItem(IDC_CEL_TEXT_PICKER, this);
    m_picker.SetAngle(nAngle);
    StoreAlignment();
    return TRUE;
}

void CCelTextPg::StoreAlignment()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    pSheet->m_cell.m_nTextFormat = CCellStyleFun::AlignFromButtons(this);
}

void CCelTextPg::OnClickAlign(UINT /*nID*/)
{
    StoreAlignment();
}

void CCelTextPg::OnChangeAngle()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (m_bFillingAngle || pSheet == nullptr) {
        return;
    }
    CString strAngle;
    GetDlgItemText(IDC_CEL_TEXT_ANGLE, strAngle);
    const int nAngle = std::atoi(strAngle);
    pSheet->m_cell.m_lfFont.lfEscapement = nAngle * 10;
    if (m_picker.m_hWnd != nullptr) {
        m_picker.SetAngle(nAngle);
        m_picker.Invalidate();
    }
}

LRESULT CCelTextPg::OnAngleChanged(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return 0;
    }
    const int nAngle = m_picker.GetAngle() / 10;
    m_bFillingAngle = TRUE;
    ::SetDlgItemInt(m_hWnd, IDC_CEL_TEXT_ANGLE, static_cast<UINT>(nAngle), TRUE);
    m_bFillingAngle = FALSE;
    pSheet->m_cell.m_lfFont.lfEscapement = nAngle * 10;
    return 0;
}
