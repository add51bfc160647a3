#include "designer/detail/RowSetLinkPg.h"

#include "designer/res/resource.h"
#include "platform/win/PropertySheet.h"

CRowSetLinkPg::CRowSetLinkPg() : CPropertyPage(IDD_ROWSET_LINK)
{
}

BOOL CRowSetLinkPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_grid.SubclassDlgItem(IDC_ROWSET_LINK_GRID, this)) {
        m_grid.InitGrid();
        m_grid.SetupGrid();
    }
    return TRUE;
}

BOOL CRowSetLinkPg::OnSetActive()
{
    if (auto* pSheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)))) {
        pSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    }
    return CPropertyPage::OnSetActive();
}
