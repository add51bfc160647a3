#include "designer/detail/RowSetConnectPg.h"

#include "core/CardDataRelItem.h"
#include "core/KvOleDBCommFun.h"
#include "designer/detail/RowSetSheet.h"
#include "designer/res/resource.h"
#include "platform/db/DataSource.h"
#include "platform/db/Session.h"
#include "platform/win/DataExchange.h"

FX_BEGIN_MESSAGE_MAP(CRowSetConnectPg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_ROWSET_CHOOSE, OnChooseSource)
FX_END_MESSAGE_MAP()

CRowSetConnectPg::CRowSetConnectPg() : CPropertyPage(IDD_ROWSET_CONNECT)
{
}

CCardDataRelItem* CRowSetConnectPg::RelItem() const
{
    auto* pSheet = dynamic_cast<CRowSetSheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return pSheet != nullptr ? pSheet->m_pRelItem : nullptr;
}

void CRowSetConnectPg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ROWSET_CONNECT, m_strConnect);
}

BOOL CRowSetConnectPg::OnInitDialog()
{
    // A row set opened again shows what it holds: Next stores the text, and an empty one would
    // wipe the stored connection.
    if (CCardDataRelItem* pItem = RelItem()) {
        m_strConnect = pItem->m_strConnect;
    }
    return CPropertyPage::OnInitDialog();
}

void CRowSetConnectPg::OnChooseSource()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    CSession session;
    CDataSource source;
    CString strDatabase;
    if (!CKvOleDBCommFun::ConnectWithDataBase(session, source, strDatabase)) {
        CString strText;
        strText.LoadString(IDS_ROWSET_CONNECT_FAILED);
        MessageBox(strText, "提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CString strInit;
    if (FAILED(source.GetInitializationString(strInit, FALSE))) {
        return;
    }
    if (strInit != m_strConnect) {
        m_strConnect = strInit;
        SetDlgItemText(IDC_ROWSET_CONNECT, m_strConnect);
    }
}

LRESULT CRowSetConnectPg::OnWizardNext()
{
    if (!UpdateData(TRUE)) {
        return -1;
    }
    if (CCardDataRelItem* pItem = RelItem()) {
        pItem->m_strConnect = m_strConnect;
    }
    return CPropertyPage::OnWizardNext();
}
