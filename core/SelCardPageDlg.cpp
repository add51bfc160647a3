#include "core/SelCardPageDlg.h"

#include <algorithm>
#include <commctrl.h>

#include "core/res/resource.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DataExchange.h"

FX_BEGIN_MESSAGE_MAP(CSelCardPageDlg, CDialog)
FX_ON_BN_CLICKED(IDC_CK_LASTPAGE, OnCkLastPage)
FX_ON_NOTIFY(UDN_DELTAPOS, IDC_SP_FROMPAGE, OnDeltaposFromPage)
FX_ON_NOTIFY(UDN_DELTAPOS, IDC_SP_TOPAGE, OnDeltaposToPage)
FX_END_MESSAGE_MAP()

CSelCardPageDlg::CSelCardPageDlg(CWnd* pParent)
    : CDialog(IDD_SELCARDPAGE, pParent), m_nFromPage(1), m_nToPage(1), m_bLastPage(0), m_bFirstEntry(0), m_nFromLimit(1)
{
}

void CSelCardPageDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CK_LASTPAGE, m_bLastPage);
}

BOOL CSelCardPageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SendDlgItemMessageA(GetSafeHwnd(), IDC_SP_FROMPAGE, UDM_SETRANGE32, 1, kMaxPage);
    ::SendDlgItemMessageA(GetSafeHwnd(), IDC_SP_TOPAGE, UDM_SETRANGE32, 1, kMaxPage);
    HWND hCombo = ::GetDlgItem(GetSafeHwnd(), IDC_CB_CARDNAME);
    int nSelect = 0;
    for (INT_PTR i = 0; i < m_arrCardNames.GetSize(); ++i) {
        ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_arrCardNames[i].GetString()));
        if (m_arrCardNames[i] == m_strCardName) {
            nSelect = static_cast<int>(i);
        }
    }
    ::SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
    m_nFromPage = std::clamp(m_nFromPage, 1, kMaxPage);
    m_nToPage = std::clamp(std::max(m_nToPage, m_nFromPage), 1, kMaxPage);
    m_nFromLimit = m_nFromPage;
    ShowPages();
    if (m_bFirstEntry) {
        GetDlgItem(IDC_ED_FROMPAGE)->EnableWindow(FALSE);
        GetDlgItem(IDC_SP_FROMPAGE)->EnableWindow(FALSE);
    }
    EnableLastPage();
    return TRUE;
}

void CSelCardPageDlg::ShowPages()
{
    CString str;
    str.Format("%d", m_nFromPage);
    SetDlgItemText(IDC_ED_FROMPAGE, str);
    str.Format("%d", m_nToPage);
    SetDlgItemText(IDC_ED_TOPAGE, str);
}

void CSelCardPageDlg::ReadPages()
{
    m_nFromPage =
        std::clamp(static_cast<int>(::GetDlgItemInt(GetSafeHwnd(), IDC_ED_FROMPAGE, nullptr, FALSE)), 1, kMaxPage);
    m_nToPage =
        std::clamp(static_cast<int>(::GetDlgItemInt(GetSafeHwnd(), IDC_ED_TOPAGE, nullptr, FALSE)), 1, kMaxPage);
}

void CSelCardPageDlg::EnableLastPage()
{
    const BOOL bLast = IsDlgButtonChecked(IDC_CK_LASTPAGE) == BST_CHECKED;
    GetDlgItem(IDC_ED_TOPAGE)->EnableWindow(!bLast);
    GetDlgItem(IDC_SP_TOPAGE)->EnableWindow(!bLast);
}

void CSelCardPageDlg::OnCkLastPage()
{
    EnableLastPage();
}

void CSelCardPageDlg::OnDeltaposFromPage(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    ReadPages();
    if (pUpDown->iDelta > 0 && m_nFromPage < kMaxPage) {
        ++m_nFromPage;
        m_nToPage = std::max(m_nToPage, m_nFromPage);
    } else if (pUpDown->iDelta < 0 && m_nFromPage > m_nFromLimit) {
        --m_nFromPage;
    }
    ShowPages();
    // The edits carry the pages; the control keeps no position of its own.
    *pResult = 1;
}

void CSelCardPageDlg::OnDeltaposToPage(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    ReadPages();
    if (pUpDown->iDelta < 0 && m_nToPage < kMaxPage) {
        ++m_nToPage;
    } else if (pUpDown->iDelta > 0 && m_nToPage > m_nFromPage) {
        --m_nToPage;
    }
    ShowPages();
    *pResult = 1;
}

void CSelCardPageDlg::OnOK()
{
    ReadPages();
    HWND hCombo = ::GetDlgItem(GetSafeHwnd(), IDC_CB_CARDNAME);
    const LRESULT nSel = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nSel >= 0 && nSel < m_arrCardNames.GetSize()) {
        m_strCardName = m_arrCardNames[nSel];
    }
    CDialog::OnOK();
}
