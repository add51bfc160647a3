#include "designer/shell/SetOtherPg.h"

#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"

namespace
{
const char kSection[] = "DesignOption";
const char kAutoVarName[] = "AutoVarName";
const char kZoomPrint[] = "ZoomPrint";
} // namespace

FX_IMPLEMENT_DYNAMIC(CSetOtherPg, CPropertyPage)

CSetOtherPg::CSetOtherPg() : CPropertyPage(IDD_SET_OTHER), m_nAutoVarName(0), m_nZoomPrint(0)
{
}

BOOL CSetOtherPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr) {
        m_nAutoVarName = static_cast<int>(pApp->GetProfileInt(kSection, kAutoVarName, 0));
        m_nZoomPrint = static_cast<int>(pApp->GetProfileInt(kSection, kZoomPrint, 0));
    }
    ::CheckDlgButton(m_hWnd, IDC_SET_AUTO_VAR_NAME, m_nAutoVarName ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_SET_ZOOM_PRINT, m_nZoomPrint ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

BOOL CSetOtherPg::OnApply()
{
    m_nAutoVarName = IsDlgButtonChecked(IDC_SET_AUTO_VAR_NAME) == BST_CHECKED ? 1 : 0;
    m_nZoomPrint = IsDlgButtonChecked(IDC_SET_ZOOM_PRINT) == BST_CHECKED ? 1 : 0;
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr) {
        pApp->WriteProfileInt(kSection, kAutoVarName, m_nAutoVarName);
        pApp->WriteProfileInt(kSection, kZoomPrint, m_nZoomPrint);
    }
    return CPropertyPage::OnApply();
}
