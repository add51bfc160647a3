#include "designer/detail/DataBindDlg.h"

#include <memory>

#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardDataRelItem.h"
#include "designer/detail/RowSetSheet.h"
#include "designer/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CDataBindDlg, CDialog)
FX_ON_MESSAGE(WM_PROPLIST_ACTION, OnRowAction)
FX_END_MESSAGE_MAP()

namespace
{
enum {
    kindHead = 0,
    kindPage = 1,
    kindMid = 2,
};
} // namespace

CDataBindDlg::CDataBindDlg(CWnd* pParent) : CDialog(IDD_DATA_BIND, pParent), m_pSheet(nullptr), m_bChanged(FALSE)
{
}

BOOL CDataBindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_DATABIND_LIST, this);
    m_arrKind.RemoveAll();
    m_arrName.RemoveAll();
    auto addRow = [this](const CString& strRow, UINT nKind, const CString& strName) {
        const int nRow = m_list.AddItem(strRow, "", CPropertyItem::kindAction);
        CCardDataRelItem* pRel = m_pSheet != nullptr ? m_pSheet->m_CardDataRel.GetRelItem(nKind, strName) : nullptr;
        m_list.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pRel));
        m_arrKind.Add(nKind);
        m_arrName.Add(strName);
    };
    CString strText;
    strText.LoadString(IDS_DATABIND_HEAD);
    addRow(strText, kindHead, "");
    strText.LoadString(IDS_DATABIND_PAGE);
    addRow(strText, kindPage, "");
    if (m_pSheet != nullptr) {
        CString strFormat;
        strFormat.LoadString(IDS_DATABIND_MID);
        for (POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition(); pos != nullptr;) {
            const auto* pMid = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
            if (pMid->m_nType == CCappMidData::typeTemporary || pMid->m_nExtFlag != 0) {
                continue;
            }
            strText.Format(strFormat, static_cast<LPCSTR>(pMid->m_strName));
            addRow(strText, kindMid, pMid->m_strName);
        }
    }
    m_list.SetOwner(this);
    return TRUE;
}

LRESULT CDataBindDlg::OnRowAction(WPARAM wParam, LPARAM)
{
    const int nRow = static_cast<int>(wParam);
    if (m_pSheet == nullptr || m_list.GetItem(nRow) == nullptr || nRow >= m_arrKind.GetSize()) {
        return 0;
    }
    CRowSetSheet sheet(IDS_ROWSET_CAPTION);
    sheet.SetWizardMode();
    auto* pRel = reinterpret_cast<CCardDataRelItem*>(m_list.GetItemData(nRow));
    std::unique_ptr<CCardDataRelItem> pNew;
    if (pRel == nullptr) {
        // Rows find their row sets by kind and area name: a new one takes both from its row, or
        // it would never be found again and every use would add another.
        pNew = std::make_unique<CCardDataRelItem>();
        pNew->m_nKind = static_cast<int>(m_arrKind[nRow]);
        pNew->m_strName = m_arrName[nRow];
        pRel = pNew.get();
    }
    const CString strOldConnect = pRel->m_strConnect;
    const CString strOldSQL = pRel->m_strSQL;
    sheet.m_pRelItem = pRel;
    const INT_PTR nResult = sheet.DoModal();
    if (pNew != nullptr) {
        if (nResult == ID_WIZFINISH) {
            m_pSheet->m_CardDataRel.m_listRelItem.AddTail(pNew.release());
            m_list.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pRel));
            m_bChanged = TRUE;
        }
    } else if (pRel->m_strConnect != strOldConnect || pRel->m_strSQL != strOldSQL) {
        // Pages store on Next even when the wizard is cancelled later.
        m_bChanged = TRUE;
    }
    return 0;
}
