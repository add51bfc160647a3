#include "core/SetPageMakerDlg.h"

#include <commctrl.h>

#include "core/PageMaker.h"
#include "core/SelCardPageDlg.h"
#include "core/res/resource.h"
#include "platform/base/FxIcon.h"
#include "platform/base/FxResMgr.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{

constexpr int kMaxPage = CSelCardPageDlg::kMaxPage;

CPageMaker* EntryAt(const CObList& list, int nIndex)
{
    POSITION pos = nIndex >= 0 ? list.FindIndex(nIndex) : nullptr;
    return pos != nullptr ? static_cast<CPageMaker*>(list.GetAt(pos)) : nullptr;
}

BOOL IsSelected(const CListCtrl& list, int nItem)
{
    return list.SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), LVIS_SELECTED) != 0;
}

} // namespace

FX_BEGIN_MESSAGE_MAP(CSetPageMakerDlg, CDialog)
FX_ON_BN_CLICKED(IDC_BN_ADD, OnBnAdd)
FX_ON_BN_CLICKED(IDC_BN_DEL, OnBnDel)
FX_ON_NOTIFY(NM_DBLCLK, IDC_LC_CARDPAGE, OnDblclkLcCardpage)
FX_END_MESSAGE_MAP()

CSetPageMakerDlg::CSetPageMakerDlg(CWnd* pParent) : CDialog(IDD_SETPAGEMAKER, pParent)
{
}

CSetPageMakerDlg::~CSetPageMakerDlg()
{
    DetachPageMakerList(m_listPageMaker);
}

void CSetPageMakerDlg::DetachPageMakerList(CObList& listEntries)
{
    while (!listEntries.IsEmpty()) {
        delete listEntries.RemoveHead();
    }
}

void CSetPageMakerDlg::LoadPageMake(const CObList& listEntries)
{
    DetachPageMakerList(m_listPageMaker);
    POSITION pos = listEntries.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pEntry = static_cast<const CPageMaker*>(listEntries.GetNext(pos));
        m_listPageMaker.AddTail(new CPageMaker(pEntry->m_nFirstPage, pEntry->m_strCardName));
    }
}

void CSetPageMakerDlg::GetPageMake(CObList& listEntries) const
{
    DetachPageMakerList(listEntries);
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pEntry = static_cast<const CPageMaker*>(m_listPageMaker.GetNext(pos));
        listEntries.AddTail(new CPageMaker(pEntry->m_nFirstPage, pEntry->m_strCardName));
    }
}

void CSetPageMakerDlg::SortCardPageMaker()
{
    // Stable: entries of equal first page keep their order.
    const int nCount = static_cast<int>(m_listPageMaker.GetCount());
    for (int nPass = 0; nPass < nCount; ++nPass) {
        BOOL bSwapped = FALSE;
        POSITION pos = m_listPageMaker.GetHeadPosition();
        while (pos != nullptr) {
            POSITION posThis = pos;
            auto* pThis = static_cast<CPageMaker*>(m_listPageMaker.GetNext(pos));
            if (pos == nullptr) {
                break;
            }
            auto* pNext = static_cast<CPageMaker*>(m_listPageMaker.GetAt(pos));
            if (pThis->m_nFirstPage > pNext->m_nFirstPage) {
                m_listPageMaker.SetAt(posThis, pNext);
                m_listPageMaker.SetAt(pos, pThis);
                bSwapped = TRUE;
            }
        }
        if (!bSwapped) {
            break;
        }
    }
}

void CSetPageMakerDlg::GetOneCardEndPage(int nIndex, int& nEnd) const
{
    const CPageMaker* pNext = EntryAt(m_listPageMaker, nIndex + 1);
    nEnd = pNext != nullptr ? pNext->m_nFirstPage - 1 : 0;
}

void CSetPageMakerDlg::DelOneCardPageMaker(int nIndex)
{
    POSITION pos = nIndex >= 0 ? m_listPageMaker.FindIndex(nIndex) : nullptr;
    if (pos != nullptr) {
        delete m_listPageMaker.GetAt(pos);
        m_listPageMaker.RemoveAt(pos);
    }
}

void CSetPageMakerDlg::ModifyOneCardPageMaker(const CString& strCard, int nFrom, int nTo)
{
    if (nTo < nFrom) {
        nTo = nFrom;
    }
    SortCardPageMaker();
    // Entries starting inside the range give it up: removed when they end inside it, moved
    // past it when they run on. An entry from before that runs past the range restarts after
    // it, so its later pages keep their card.
    CObList listRestart;
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posThis = pos;
        auto* pEntry = static_cast<CPageMaker*>(m_listPageMaker.GetNext(pos));
        const int nFirst = pEntry->m_nFirstPage;
        const int nEnd =
            pos != nullptr ? static_cast<CPageMaker*>(m_listPageMaker.GetAt(pos))->m_nFirstPage - 1 : kMaxPage;
        if (nFirst < nFrom) {
            if (nEnd > nTo && nTo < kMaxPage) {
                listRestart.AddTail(new CPageMaker(nTo + 1, pEntry->m_strCardName));
            }
            continue;
        }
        if (nFirst > nTo) {
            continue;
        }
        if (nEnd > nTo && nTo < kMaxPage) {
            pEntry->m_nFirstPage = nTo + 1;
            continue;
        }
        m_listPageMaker.RemoveAt(posThis);
        delete pEntry;
    }
    m_listPageMaker.AddTail(&listRestart);
    m_listPageMaker.AddTail(new CPageMaker(nFrom, strCard));
    SortCardPageMaker();
}

void CSetPageMakerDlg::RefurbishItem()
{
    SortCardPageMaker();
    if (m_listCtrl.GetSafeHwnd() == nullptr) {
        return;
    }
    m_listCtrl.SendMessage(LVM_DELETEALLITEMS);
    int nIndex = 0;
    POSITION pos = m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pEntry = static_cast<const CPageMaker*>(m_listPageMaker.GetNext(pos));
        CString strItem;
        if (pos != nullptr) {
            strItem.Format("%s(%d-%d)", pEntry->m_strCardName.GetString(), pEntry->m_nFirstPage,
                           static_cast<const CPageMaker*>(m_listPageMaker.GetAt(pos))->m_nFirstPage - 1);
        } else {
            strItem.Format("%s(%d-END)", pEntry->m_strCardName.GetString(), pEntry->m_nFirstPage);
        }
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = nIndex++;
        item.pszText = const_cast<LPSTR>(strItem.GetString());
        item.iImage = 0;
        item.lParam = static_cast<LPARAM>(pEntry->m_nFirstPage);
        m_listCtrl.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

BOOL CSetPageMakerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_listCtrl.SubclassDlgItem(IDC_LC_CARDPAGE, this);
    CRect rc;
    m_listCtrl.GetClientRect(&rc);
    m_listCtrl.InsertColumn(0, "", LVCFMT_LEFT, rc.Width() - GetSystemMetrics(SM_CXVSCROLL));
    m_listCtrl.SetExtendedStyle(m_listCtrl.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    // Our own module's images and strings: the ids are common ones in other libraries too.
    const HINSTANCE hInst = FX_MODULE_INSTANCE();
    if (m_imageList.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1)) {
        CFxIcon icon(static_cast<HICON>(::LoadImageA(hInst, MAKEINTRESOURCEA(IDI_CARD_PAGE), IMAGE_ICON, 32, 32, 0)));
        if (icon.IsValid()) {
            m_imageList.Add(icon);
        }
        m_listCtrl.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
    }
    m_btnDel.SubclassDlgItem(IDC_BN_DEL, this);
    m_btnAdd.SubclassDlgItem(IDC_BN_ADD, this);
    {
        CFxResourceSwitch switchRes("VornCard.dll");
        m_btnDel.SetBitmap(IDB_CARD_DELETE, 0, RGB(192, 192, 192));
        m_btnAdd.SetBitmap(IDB_CARD_ADD, 0, RGB(192, 192, 192));
    }
    CString strTip;
    strTip.LoadString(hInst, IDS_CARD_DELETE);
    m_btnDel.SetTooltipText(strTip);
    strTip.LoadString(hInst, IDS_CARD_ADD);
    m_btnAdd.SetTooltipText(strTip);
    RefurbishItem();
    return TRUE;
}

void CSetPageMakerDlg::OnBnAdd()
{
    CSelCardPageDlg dlg(this);
    dlg.m_arrCardNames.Copy(m_arrCardNames);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    const int nFrom = m_listPageMaker.IsEmpty() ? 1 : dlg.m_nFromPage;
    const int nTo = dlg.m_bLastPage ? kMaxPage : dlg.m_nToPage;
    ModifyOneCardPageMaker(dlg.m_strCardName, nFrom, nTo);
    RefurbishItem();
}

void CSetPageMakerDlg::OnBnDel()
{
    if (m_listCtrl.GetSafeHwnd() == nullptr) {
        return;
    }
    if (IsSelected(m_listCtrl, 0)) {
        CString strText;
        strText.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), IDS_CARD_FIRST_ENTRY);
        MessageBox(strText, nullptr, MB_OK);
        return;
    }
    for (int nItem = m_listCtrl.GetItemCount() - 1; nItem > 0; --nItem) {
        if (IsSelected(m_listCtrl, nItem)) {
            DelOneCardPageMaker(nItem);
        }
    }
    RefurbishItem();
}

void CSetPageMakerDlg::OnDblclkLcCardpage(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    const int nItem = m_listCtrl.GetNextItem(-1, LVNI_SELECTED);
    const CPageMaker* pEntry = EntryAt(m_listPageMaker, nItem);
    if (pEntry == nullptr) {
        return;
    }
    CSelCardPageDlg dlg(this);
    dlg.m_arrCardNames.Copy(m_arrCardNames);
    dlg.m_strCardName = pEntry->m_strCardName;
    dlg.m_nFromPage = pEntry->m_nFirstPage;
    int nEnd = 0;
    GetOneCardEndPage(nItem, nEnd);
    dlg.m_bLastPage = nEnd == 0;
    dlg.m_nToPage = nEnd == 0 ? pEntry->m_nFirstPage : nEnd;
    dlg.m_bFirstEntry = nItem == 0;
    if (dlg.DoModal() != IDOK) {
        return;
    }
    DelOneCardPageMaker(nItem);
    const int nFrom = nItem == 0 ? 1 : dlg.m_nFromPage;
    ModifyOneCardPageMaker(dlg.m_strCardName, nFrom, dlg.m_bLastPage ? kMaxPage : dlg.m_nToPage);
    RefurbishItem();
}
