#include "symbols/SymbolDlg.h"

#include "platform/base/FxResMgr.h"
#include "platform/win/DataExchange.h"
#include "symbols/InputGroupNameDlg.h"
#include "symbols/SymbolGroup.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CSymbolDlg, CDialog)
FX_ON_LBN_SELCHANGE(IDC_SYMBOL_GROUPS, OnSelchangeGroupList)
FX_ON_BN_CLICKED(IDC_SYMBOL_ADD, OnAddGroup)
FX_ON_BN_CLICKED(IDC_SYMBOL_DELETE, OnDeleteGroup)
FX_ON_MESSAGE(WM_SYMBOL_UNSELECTALL, OnUnselectAll)
FX_ON_MESSAGE(WM_SYMBOL_RETURN, OnReturnSymbol)
FX_ON_MESSAGE(WM_SYMBOL_CHANGED, OnSymbolChanged)
FX_END_MESSAGE_MAP()

CSymbolDlg::CSymbolDlg(CWnd* pParent) : CDialog(IDD_SYMBOL, pParent), m_bModified(FALSE)
{
}

void CSymbolDlg::SetSymbolDataFile(CString strDir)
{
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\') {
        strDir += "\\";
    }
    m_strFileName = strDir + "Ini\\Symbol.dat";
}

void CSymbolDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < nSymbolBns; ++i) {
        DDX_Control(pDX, IDC_SYMBOL_BN0 + i, m_btnSymbol[i]);
    }
    DDX_Control(pDX, IDC_SYMBOL_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_SYMBOL_GROUPS, m_listGroup);
}

BOOL CSymbolDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Shared icons: the system keeps them, nobody destroys them.
    LPCSTR pszIcon = MAKEINTRESOURCEA(IDI_SYMBOL);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszIcon, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    if (hInst != nullptr) {
        HANDLE hBig =
            LoadImageA(hInst, pszIcon, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED);
        HANDLE hSmall = LoadImageA(hInst, pszIcon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED);
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hBig));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hSmall));
    }

    m_SymbolData.LoadData(m_strFileName);
    for (POSITION pos = m_SymbolData.m_listGroup.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CSymbolGroup*>(m_SymbolData.m_listGroup.GetNext(pos));
        m_listGroup.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pGroup->m_strName)));
    }
    if (m_SymbolData.m_listGroup.IsEmpty()) {
        EnableSymbolButtons(FALSE);
        m_btnDelete.EnableWindow(FALSE);
    } else {
        m_listGroup.SendMessage(LB_SETCURSEL, 0);
        SetSymbol();
        m_btnDelete.EnableWindow(TRUE);
    }
    return TRUE;
}

CString CSymbolDlg::GetSelectedGroupName() const
{
    CString strName;
    LRESULT nSel = m_listGroup.SendMessage(LB_GETCURSEL);
    if (nSel == LB_ERR) {
        return strName;
    }
    LRESULT nLength = m_listGroup.SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nSel));
    if (nLength == LB_ERR) {
        return strName;
    }
    m_listGroup.SendMessage(LB_GETTEXT, static_cast<WPARAM>(nSel),
                            reinterpret_cast<LPARAM>(strName.GetBuffer(static_cast<int>(nLength) + 1)));
    strName.ReleaseBuffer(static_cast<int>(nLength));
    return strName;
}

void CSymbolDlg::EnableSymbolButtons(BOOL bEnable)
{
    for (CSymbolBn& btn : m_btnSymbol) {
        btn.EnableWindow(bEnable);
    }
}

void CSymbolDlg::SetSymbol()
{
    CSymbolGroup* pGroup = m_SymbolData.GetSymbolGroup(GetSelectedGroupName());
    if (pGroup == nullptr) {
        return;
    }
    // Items past the sixteenth stay in the group but are not shown.
    for (int i = 0; i < nSymbolBns; ++i) {
        m_btnSymbol[i].SetText(i < pGroup->m_arrItem.GetSize() ? pGroup->m_arrItem.GetAt(i) : CString());
        m_btnSymbol[i].EnableWindow(TRUE);
    }
}

void CSymbolDlg::OnSelchangeGroupList()
{
    SetSymbol();
}

void CSymbolDlg::OnAddGroup()
{
    CStringArray arrNames;
    for (POSITION pos = m_SymbolData.m_listGroup.GetHeadPosition(); pos != nullptr;) {
        arrNames.Add(static_cast<CSymbolGroup*>(m_SymbolData.m_listGroup.GetNext(pos))->m_strName);
    }
    CInputGroupNameDlg dlg(this);
    dlg.SetGroupNames(arrNames);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    auto* pGroup = new CSymbolGroup;
    pGroup->m_strName = dlg.m_strGroupName;
    m_SymbolData.m_listGroup.AddTail(pGroup);
    LRESULT nIndex =
        m_listGroup.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pGroup->m_strName)));
    m_listGroup.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nIndex));
    SetSymbol();
    m_btnDelete.EnableWindow(TRUE);
    // A new group is worth keeping even before it has a character.
    m_bModified = TRUE;
}

void CSymbolDlg::OnDeleteGroup()
{
    LRESULT nSel = m_listGroup.SendMessage(LB_GETCURSEL);
    if (nSel == LB_ERR) {
        return;
    }
    POSITION pos = m_SymbolData.FindSymbolGroup(GetSelectedGroupName());
    if (pos != nullptr) {
        delete m_SymbolData.m_listGroup.GetAt(pos);
        m_SymbolData.m_listGroup.RemoveAt(pos);
    }
    m_listGroup.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel));
    m_bModified = TRUE;
    if (m_listGroup.SendMessage(LB_GETCOUNT) > 0) {
        m_listGroup.SendMessage(LB_SETCURSEL, 0);
        SetSymbol();
    } else {
        for (CSymbolBn& btn : m_btnSymbol) {
            btn.SetText(CString());
        }
        EnableSymbolButtons(FALSE);
        m_btnDelete.EnableWindow(FALSE);
    }
}

LRESULT CSymbolDlg::OnUnselectAll(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    for (CSymbolBn& btn : m_btnSymbol) {
        BOOL bWasPressed = btn.m_bPressed;
        btn.m_bPressed = FALSE;
        btn.m_bHover = FALSE;
        if (bWasPressed) {
            btn.Invalidate();
        }
    }
    return 0;
}

LRESULT CSymbolDlg::OnReturnSymbol(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CSymbolGroup* pGroup = m_SymbolData.GetSymbolGroup(GetSelectedGroupName());
    if (pGroup == nullptr) {
        return 0;
    }
    for (INT_PTR i = 0; i < pGroup->m_arrItem.GetSize() && i < nSymbolBns; ++i) {
        if (m_btnSymbol[i].m_bPressed) {
            m_strSymbol = m_btnSymbol[i].m_strText;
        }
    }
    OnOK();
    return 0;
}

LRESULT CSymbolDlg::OnSymbolChanged(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CSymbolGroup* pGroup = m_SymbolData.GetSymbolGroup(GetSelectedGroupName());
    for (int i = 0; i < nSymbolBns; ++i) {
        if (!m_btnSymbol[i].m_bChanged) {
            continue;
        }
        m_btnSymbol[i].m_bChanged = FALSE;
        if (pGroup != nullptr) {
            while (pGroup->m_arrItem.GetSize() < i + 1) {
                pGroup->m_arrItem.Add(CString());
            }
            pGroup->m_arrItem.SetAt(i, m_btnSymbol[i].m_strText);
        }
        break;
    }
    m_bModified = TRUE;
    return 0;
}

void CSymbolDlg::OnOK()
{
    if (m_bModified) {
        m_SymbolData.SaveData();
    }
    EndDialog(IDOK);
}
