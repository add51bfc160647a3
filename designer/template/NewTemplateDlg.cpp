#include "designer/template/NewTemplateDlg.h"

#include "core/CardCommFun.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxIcon.h"

FX_IMPLEMENT_DYNAMIC(CNewTemplateDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CNewTemplateDlg, CDialog)
FX_ON_BN_CLICKED(IDC_NEW_TEMPLATE_BROWSE, OnBrowse)
FX_END_MESSAGE_MAP()

namespace
{

const UINT kFirstListID = 6000;
const int kTemplateImage = 1;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

// A resource string may carry a tip after a line break; a tab shows only the text before it.
CString TabTitle(UINT nID)
{
    const CString str = LoadText(nID);
    const int nBreak = str.Find('\n');
    return nBreak >= 0 ? str.Left(nBreak) : str;
}

// The folder trimmed and without its trailing backslash.
CString PlainFolder(LPCSTR lpszFolder)
{
    CString str(lpszFolder != nullptr ? lpszFolder : "");
    str.Trim();
    if (!str.IsEmpty() && str[str.GetLength() - 1] == '\\') {
        str = str.Left(str.GetLength() - 1);
    }
    return str;
}

} // namespace

CNewTemplateDlg::CNewTemplateDlg(CWnd* pParentWnd) : CDialog(IDD_NEW_TEMPLATE, pParentWnd), m_bLoadFile(FALSE)
{
}

CNewTemplateDlg::~CNewTemplateDlg()
{
}

void CNewTemplateDlg::ListTemplates(LPCSTR lpszFolder, CStringArray& arrTitles)
{
    arrTitles.RemoveAll();
    WIN32_FIND_DATAA fd{};
    CFxFindHandle find;
    if (!find.FindFirst(PlainFolder(lpszFolder) + "\\*.*", fd)) {
        return;
    }
    do {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        const CString strTitle = CTemplateFile::TemplateTitle(fd.cFileName);
        if (!strTitle.IsEmpty()) {
            arrTitles.Add(strTitle);
        }
    } while (find.FindNext(fd));
}

CListCtrl* CNewTemplateDlg::GetList(int nTab) const
{
    return nTab >= 0 && nTab < GetTabCount() ? m_lists[static_cast<size_t>(nTab)].get() : nullptr;
}

CString CNewTemplateDlg::GetFolder(int nTab) const
{
    return nTab >= 0 && nTab < m_arrFolders.GetSize() ? m_arrFolders[nTab] : CString();
}

BOOL CNewTemplateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(LoadText(IDS_NEW_SCRIPT_TITLE));
    m_tabs.SubclassDlgItem(IDC_NEW_TEMPLATE_TABS, this);
    if (m_images.Create(32, 32, ILC_COLOR32 | ILC_MASK, 2, 1)) {
        const UINT icons[] = {IDI_NEW_TEMPLATE_BLANK, IDI_NEW_TEMPLATE};
        for (UINT nIcon : icons) {
            CFxIcon icon(static_cast<HICON>(
                ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIcon), IMAGE_ICON, 32, 32, 0)));
            if (icon.IsValid()) {
                m_images.Add(icon);
            }
        }
    }

    // A missing work directory has been reported by the lookup; the folders then hang off the
    // root of the current drive.
    CString strWorkDir;
    CCardCommFun::GetCappWorkDir(strWorkDir);
    const CString strRoot = strWorkDir + "\\Template";
    AddTab(TabTitle(IDS_NEW_TEMPLATE_COMMON), strRoot, TRUE);
    WIN32_FIND_DATAA fd{};
    CFxFindHandle find;
    if (find.FindFirst(strRoot + "\\*.*", fd)) {
        do {
            const CString strName(fd.cFileName);
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && strName != "." && strName != "..") {
                AddTab(strName, strWorkDir + "\\Template\\" + strName, FALSE);
            }
        } while (find.FindNext(fd));
    }
    m_tabs.SetCurSel(0);
    ShowTab(0);
    return TRUE;
}

void CNewTemplateDlg::AddTab(const CString& strTitle, const CString& strFolder, BOOL bBlankFirst)
{
    const int nTab = GetTabCount();
    CRect rcArea(0, 0, 0, 0);
    if (CWnd* pArea = GetDlgItem(IDC_NEW_TEMPLATE_AREA)) {
        pArea->GetWindowRect(&rcArea);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcArea), 2);
    }
    auto pList = std::make_unique<CListCtrl>();
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    if (!pList->Create(WC_LISTVIEWA, nullptr, dwStyle, rcArea, this, kFirstListID + static_cast<UINT>(nTab))) {
        return;
    }
    pList->SendMessage(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
    int nItem = 0;
    if (bBlankFirst) {
        pList->InsertItem(nItem++, LoadText(IDS_NEW_TEMPLATE_BLANK));
    }
    CStringArray arrTitles;
    ListTemplates(strFolder, arrTitles);
    for (INT_PTR i = 0; i < arrTitles.GetSize(); ++i) {
        pList->InsertItem(nItem++, arrTitles[i]);
    }
    for (int i = 0; i < nItem; ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = kTemplateImage;
        pList->SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    m_tabs.InsertItem(nTab, strTitle);
    m_arrFolders.Add(PlainFolder(strFolder));
    m_lists.push_back(std::move(pList));
}

void CNewTemplateDlg::ShowTab(int nTab)
{
    for (int i = 0; i < GetTabCount(); ++i) {
        m_lists[static_cast<size_t>(i)]->ShowWindow(i == nTab ? SW_SHOW : SW_HIDE);
    }
}

BOOL CNewTemplateDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr->idFrom == IDC_NEW_TEMPLATE_TABS && pHdr->code == TCN_SELCHANGE) {
        ShowTab(m_tabs.GetCurSel());
        *pResult = 0;
        return TRUE;
    }
    if (pHdr->idFrom >= kFirstListID && pHdr->idFrom < kFirstListID + static_cast<UINT>(GetTabCount())) {
        switch (pHdr->code) {
        case NM_DBLCLK:
            OnOK();
            *pResult = 0;
            return TRUE;
        case NM_CLICK:
        case NM_RCLICK:
        case LVN_KEYDOWN:
            GetDlgItemText(IDC_NEW_TEMPLATE_PATH, m_strPath);
            break;
        default:
            break;
        }
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CNewTemplateDlg::OnBrowse()
{
    CString strPath;
    if (CTemplateFile::AskPath(m_hWnd, FALSE, strPath)) {
        SetDlgItemText(IDC_NEW_TEMPLATE_PATH, strPath);
    }
}

void CNewTemplateDlg::OnOK()
{
    GetDlgItemText(IDC_NEW_TEMPLATE_PATH, m_strPath);
    m_strPath.TrimRight();
    if (!m_strPath.IsEmpty()) {
        m_bLoadFile = TRUE;
        CDialog::OnOK();
        return;
    }
    const int nTab = m_tabs.GetCurSel();
    CListCtrl* pList = GetList(nTab);
    const int nItem = pList != nullptr ? pList->GetNextItem(-1, LVNI_SELECTED) : -1;
    // Nothing chosen makes the blank template rather than a path to a file named ".znt".
    if (nItem < 0) {
        m_bLoadFile = FALSE;
        CDialog::OnOK();
        return;
    }
    const CString strItem = pList->GetItemText(nItem, 0);
    m_strPath.Format("%s\\%s.znt", GetFolder(nTab).GetString(), strItem.GetString());
    m_bLoadFile = strItem != LoadText(IDS_NEW_TEMPLATE_BLANK);
    CDialog::OnOK();
}
