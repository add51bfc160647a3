#include "basedlg/SelDataLDlg.h"

#include "basedlg/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgMap.h"

FX_IMPLEMENT_DYNAMIC(CSelDataLDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CSelDataLDlg, CDialog)
FX_ON_NOTIFY(NM_DBLCLK, IDC_SELDATAL_LIST, OnDblclkList)
FX_END_MESSAGE_MAP()

CSelDataLDlg::CSelDataLDlg(CWnd* pParent) : CDialog(IDD_SELDATAL, pParent), m_nIconID(0)
{
}

void CSelDataLDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELDATAL_LIST, m_listCtrl);
}

BOOL CSelDataLDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    BOOL bIcon = FALSE;
    if (static_cast<int>(m_nIconID) > 0) {
        LPCSTR pszName = MAKEINTRESOURCEA(m_nIconID);
        HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
        HICON hIcon = hInst != nullptr ? ::LoadIconA(hInst, pszName) : nullptr;
        m_imageList.DeleteImageList();
        if (hIcon != nullptr && m_imageList.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1) &&
            m_imageList.Add(hIcon) == 0) {
            // The list view shares the image list (LVS_SHAREIMAGELISTS): this dialog keeps owning it.
            m_listCtrl.SendMessage(LVM_SETIMAGELIST, LVSIL_NORMAL,
                                   reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
            bIcon = TRUE;
        }
    }
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | (bIcon ? LVIF_IMAGE : 0);
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_arrItems[i]));
        item.iImage = 0;
        m_listCtrl.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (m_listCtrl.GetItemCount() > 0) {
        m_listCtrl.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    return TRUE;
}

void CSelDataLDlg::OnOK()
{
    m_strValue.Empty();
    const int nItem = m_listCtrl.GetNextItem(-1, LVNI_SELECTED);
    if (nItem >= 0) {
        m_strValue = m_listCtrl.GetItemText(nItem, 0);
    }
    EndDialog(IDOK);
}

void CSelDataLDlg::OnDblclkList(NMHDR*, LRESULT* pResult)
{
    OnOK();
    *pResult = 0;
}
