#include "control/VornCtlPropPage.h"

#include <stdlib.h>

#include "control/ZoomOleControl.h"
#include "control/res/resource.h"
#include "platform/win/FxFileDialog.h"

// After the windows headers, which it needs.
#include <commdlg.h>

namespace
{
// The items of a ";" list; a GBK trail byte never ends an item.
void SplitList(const CString& strText, CStringArray& arrItems)
{
    arrItems.RemoveAll();
    CString strItem;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        const BYTE ch = static_cast<BYTE>(strText[i]);
        if (ch >= 0x81 && ch <= 0xFE && i + 1 < nLength) {
            strItem += strText[i];
            strItem += strText[++i];
        } else if (ch == ';') {
            arrItems.Add(strItem);
            strItem.Empty();
        } else {
            strItem += strText[i];
        }
    }
    arrItems.Add(strItem);
}
} // namespace

CVornCtlPropPage::CVornCtlPropPage()
    : COlePropertyPage(IDD_PROPPAGE_VORNCTL, IDS_VORNCTL_PPG_CAPTION), m_nEdited(-1), m_bUpdating(FALSE)
{
    BindProperty(IDC_ZNTFILENAME, "ZntFileName", bindText);
    BindProperty(IDC_DRAWFRAMEONPRINT, "DrawFrameOnPrint", bindCheck);
    BindProperty(IDC_STYLEEX, "dStyleEx", bindLong);
}

CString CVornCtlPropPage::ItemText(int nID) const
{
    HWND hItem = ::GetDlgItem(GetSafeHwnd(), nID);
    const int nLength = hItem != nullptr ? ::GetWindowTextLengthA(hItem) : 0;
    CString strText;
    if (nLength > 0) {
        ::GetWindowTextA(hItem, strText.GetBuffer(nLength + 1), nLength + 1);
        strText.ReleaseBuffer();
    }
    return strText;
}

void CVornCtlPropPage::OnObjectsLoaded()
{
    m_bUpdating = TRUE;
    const HWND hPage = GetSafeHwnd();
    const long lStyle = atol(ItemText(IDC_STYLEEX));
    ::CheckDlgButton(hPage, IDC_HSCROLL, (lStyle & CZoomOleControl::styleHScroll) != 0 ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(hPage, IDC_VSCROLL, (lStyle & CZoomOleControl::styleVScroll) != 0 ? BST_CHECKED : BST_UNCHECKED);

    ::SendDlgItemMessageA(hPage, IDC_ZNTFILE_KIND, CB_RESETCONTENT, 0, 0);
    for (const char* pszKind : {"首页模板", "继页模板"}) {
        ::SendDlgItemMessageA(hPage, IDC_ZNTFILE_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszKind));
    }
    CStringArray arrItems;
    SplitList(ItemText(IDC_ZNTFILENAME), arrItems);
    m_nEdited = atoi(arrItems[0]);
    m_arrPaths.RemoveAll();
    for (INT_PTR i = 1; i < arrItems.GetSize() && i <= 2; ++i) {
        m_arrPaths.Add(arrItems[i]);
    }
    ::SendDlgItemMessageA(hPage, IDC_ZNTFILE_KIND, CB_SETCURSEL, static_cast<WPARAM>(m_nEdited), 0);
    ShowEditedPath();
    m_bUpdating = FALSE;
}

void CVornCtlPropPage::ShowEditedPath()
{
    const BOOL bWasUpdating = m_bUpdating;
    m_bUpdating = TRUE;
    CString strPath;
    if (m_nEdited >= 0 && m_nEdited < m_arrPaths.GetSize()) {
        strPath = m_arrPaths[m_nEdited];
    }
    ::SetDlgItemTextA(GetSafeHwnd(), IDC_ZNTFILE_PATH, strPath);
    m_bUpdating = bWasUpdating;
}

void CVornCtlPropPage::RebuildZntFileName()
{
    CString strFirst;
    CString strSecond;
    if (m_arrPaths.GetSize() > 0) {
        strFirst = m_arrPaths[0];
    }
    if (m_arrPaths.GetSize() > 1) {
        strSecond = m_arrPaths[1];
    }
    CString strText;
    strText.Format("%d;%s;%s", m_nEdited, strFirst.GetString(), strSecond.GetString());
    ::SetDlgItemTextA(GetSafeHwnd(), IDC_ZNTFILENAME, strText);
}

void CVornCtlPropPage::OnBrowse()
{
    FxFileDialogParams params;
    params.pszFilter = "znt File(*.znt)\0*.znt\0\0";
    params.pszTitle = "打开";
    params.pszDefExt = "*.znt";
    params.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CString strPath;
    if (FxAskFileName(GetSafeHwnd(), TRUE, params, strPath)) {
        ::SetDlgItemTextA(GetSafeHwnd(), IDC_ZNTFILE_PATH, strPath);
    }
}

void CVornCtlPropPage::OnScrollBarCheck(int nID, long lBit)
{
    long lStyle = atol(ItemText(IDC_STYLEEX));
    if (::IsDlgButtonChecked(GetSafeHwnd(), nID) == BST_CHECKED) {
        lStyle |= lBit;
    } else {
        lStyle &= ~lBit;
    }
    CString strStyle;
    strStyle.Format("%d", static_cast<int>(lStyle));
    ::SetDlgItemTextA(GetSafeHwnd(), IDC_STYLEEX, strStyle);
}

BOOL CVornCtlPropPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const BOOL bResult = COlePropertyPage::OnCommand(wParam, lParam);
    if (m_bUpdating) {
        return bResult;
    }
    const int nID = LOWORD(wParam);
    const int nCode = HIWORD(wParam);
    if (nID == IDC_ZNTFILE_BROWSE && nCode == BN_CLICKED) {
        OnBrowse();
    } else if (nID == IDC_ZNTFILE_PATH && nCode == EN_CHANGE && m_nEdited >= 0) {
        while (m_arrPaths.GetSize() <= m_nEdited) {
            m_arrPaths.Add(CString());
        }
        m_arrPaths[m_nEdited] = ItemText(IDC_ZNTFILE_PATH);
        RebuildZntFileName();
    } else if (nID == IDC_ZNTFILE_KIND && nCode == CBN_SELCHANGE) {
        // The path typed for the old position stays with it.
        if (m_nEdited >= 0) {
            while (m_arrPaths.GetSize() <= m_nEdited) {
                m_arrPaths.Add(CString());
            }
            m_arrPaths[m_nEdited] = ItemText(IDC_ZNTFILE_PATH);
        }
        m_nEdited = static_cast<int>(::SendDlgItemMessageA(GetSafeHwnd(), IDC_ZNTFILE_KIND, CB_GETCURSEL, 0, 0));
        ShowEditedPath();
        RebuildZntFileName();
    } else if (nID == IDC_HSCROLL && nCode == BN_CLICKED) {
        OnScrollBarCheck(IDC_HSCROLL, CZoomOleControl::styleHScroll);
    } else if (nID == IDC_VSCROLL && nCode == BN_CLICKED) {
        OnScrollBarCheck(IDC_VSCROLL, CZoomOleControl::styleVScroll);
    }
    return bResult;
}
