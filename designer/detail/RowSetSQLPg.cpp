#include "designer/detail/RowSetSQLPg.h"

#include "core/CardDataRelItem.h"
#include "designer/detail/RowSetSheet.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

CRowSetSQLPg::CRowSetSQLPg() : CPropertyPage(IDD_ROWSET_SQL)
{
}

CCardDataRelItem* CRowSetSQLPg::RelItem() const
{
    auto* pSheet = dynamic_cast<CRowSetSheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return pSheet != nullptr ? pSheet->m_pRelItem : nullptr;
}

void CRowSetSQLPg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ROWSET_SQL, m_strSQL);
}

BOOL CRowSetSQLPg::OnInitDialog()
{
    // As on the connection page: the stored statement, so that Next does not wipe it.
    if (CCardDataRelItem* pItem = RelItem()) {
        m_strSQL = pItem->m_strSQL;
    }
    return CPropertyPage::OnInitDialog();
}

BOOL CRowSetSQLPg::OnSetActive()
{
    if (auto* pSheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)))) {
        pSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    return CPropertyPage::OnSetActive();
}

LRESULT CRowSetSQLPg::OnWizardNext()
{
    if (!UpdateData(TRUE)) {
        return -1;
    }
    m_strSQL.Trim();
    if (CCardDataRelItem* pItem = RelItem()) {
        pItem->m_strSQL = m_strSQL;
    }
    return CPropertyPage::OnWizardNext();
}
