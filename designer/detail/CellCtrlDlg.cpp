#include "designer/detail/CellCtrlDlg.h"

#include <commctrl.h>

#include "designer/detail/DesignButtonFun.h"
#include "designer/res/resource.h"

namespace
{
// Child, visible, border, both scroll bars, tab stop.
const DWORD dwMidGridStyle = 0x50B10000;

void SetUpGrid(CCellCtrlGrid& grid, const CCellCtrlGroup& group)
{
    grid.InitGrid();
    grid.SetupGrid();
    grid.Fill(group);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CCellCtrlDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CCellCtrlDlg, CDialog)
FX_ON_NOTIFY(TCN_SELCHANGE, IDC_CELLCTRL_TAB, OnTabSelChange)
FX_ON_BN_CLICKED(IDC_CELLCTRL_ADD, OnAddRow)
FX_ON_BN_CLICKED(IDC_ROW_UP, OnMoveUp)
FX_ON_BN_CLICKED(IDC_ROW_DOWN, OnMoveDown)
FX_END_MESSAGE_MAP()

CCellCtrlDlg::CCellCtrlDlg(CWnd* pParentWnd) : CDialog(IDD_CELL_CTRL, pParentWnd)
{
}

CCellCtrlDlg::~CCellCtrlDlg()
{
    POSITION pos = m_listMidGrid.GetHeadPosition();
    while (pos != nullptr) {
        CCellCtrlGrid* pGrid = static_cast<CCellCtrlGrid*>(m_listMidGrid.GetNext(pos));
        if (pGrid->m_hWnd != nullptr) {
            pGrid->DestroyWindow();
        }
        delete pGrid;
    }
    m_listMidGrid.RemoveAll();
    pos = m_listMidGroup.GetHeadPosition();
    while (pos != nullptr) {
        delete m_listMidGroup.GetNext(pos);
    }
    m_listMidGroup.RemoveAll();
}

void CCellCtrlDlg::SetHeadGroup(const CCellCtrlGroup& group)
{
    m_groupHead.CopyFrom(group);
}

void CCellCtrlDlg::SetPageGroup(const CCellCtrlGroup& group)
{
    m_groupPage.CopyFrom(group);
}

void CCellCtrlDlg::AddMidGroups(const CObList& listGroups)
{
    POSITION pos = listGroups.GetHeadPosition();
    while (pos != nullptr) {
        const CCellCtrlGroup* pGroup = static_cast<const CCellCtrlGroup*>(listGroups.GetNext(pos));
        CCellCtrlGroup* pCopy = new CCellCtrlGroup;
        pCopy->CopyFrom(*pGroup);
        m_listMidGroup.AddTail(pCopy);
    }
}

CString CCellCtrlDlg::GetHeadSetting() const
{
    return m_gridHead.GetSettingText();
}

CString CCellCtrlDlg::GetPageSetting() const
{
    return m_gridPage.GetSettingText();
}

CString CCellCtrlDlg::GetMidSetting(const CString& strName) const
{
    POSITION posGroup = m_listMidGroup.GetHeadPosition();
    POSITION posGrid = m_listMidGrid.GetHeadPosition();
    while (posGroup != nullptr && posGrid != nullptr) {
        const CCellCtrlGroup* pGroup = static_cast<const CCellCtrlGroup*>(m_listMidGroup.GetNext(posGroup));
        const CCellCtrlGrid* pGrid = static_cast<const CCellCtrlGrid*>(m_listMidGrid.GetNext(posGrid));
        if (pGroup->m_strName == strName) {
            return pGrid->GetSettingText();
        }
    }
    return CString();
}

BOOL CCellCtrlDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CDesignButtonFun::SetUpRowButton(m_btnAdd, IDC_CELLCTRL_ADD, this, IDB_ROW_ADD, IDS_GRID_ADD_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnUp, IDC_ROW_UP, this, IDB_ROW_UP, IDS_GRID_UP_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDown, IDC_ROW_DOWN, this, IDB_ROW_DOWN, IDS_GRID_DOWN_TIP);

    m_gridHead.SubclassDlgItem(IDC_CELLCTRL_HEADGRID, this);
    m_gridPage.SubclassDlgItem(IDC_CELLCTRL_PAGEGRID, this);
    SetUpGrid(m_gridHead, m_groupHead);
    SetUpGrid(m_gridPage, m_groupPage);

    m_tab.SubclassDlgItem(IDC_CELLCTRL_TAB, this);
    CString strText;
    strText.LoadString(IDS_CELLCTRL_HEAD);
    m_tab.InsertItem(0, strText);
    strText.LoadString(IDS_CELLCTRL_PAGE);
    m_tab.InsertItem(1, strText);

    CRect rcGrid;
    m_gridHead.GetWindowRect(&rcGrid);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rcGrid), 2);
    CString strMid;
    strMid.LoadString(IDS_CELLCTRL_MID);
    POSITION pos = m_listMidGroup.GetHeadPosition();
    while (pos != nullptr) {
        const CCellCtrlGroup* pGroup = static_cast<const CCellCtrlGroup*>(m_listMidGroup.GetNext(pos));
        CCellCtrlGrid* pGrid = new CCellCtrlGrid;
        m_listMidGrid.AddTail(pGrid);
        if (!pGrid->Create(dwMidGridStyle, rcGrid, this, 0)) {
            continue;
        }
        SetUpGrid(*pGrid, *pGroup);
        CString strCaption;
        strCaption.Format("%s_%s", static_cast<LPCSTR>(strMid), static_cast<LPCSTR>(pGroup->m_strName));
        m_tab.InsertItem(m_tab.GetItemCount(), strCaption);
    }
    m_tab.SetCurSel(0);
    ShowActiveGrid();
    return TRUE;
}

CCellCtrlGrid* CCellCtrlDlg::GridAt(int nTab)
{
    if (nTab == 0) {
        return &m_gridHead;
    }
    if (nTab == 1) {
        return &m_gridPage;
    }
    POSITION pos = nTab >= 2 ? m_listMidGrid.FindIndex(nTab - 2) : nullptr;
    return pos != nullptr ? static_cast<CCellCtrlGrid*>(m_listMidGrid.GetAt(pos)) : nullptr;
}

CCellCtrlGrid* CCellCtrlDlg::GetActiveGrid()
{
    return m_tab.m_hWnd != nullptr ? GridAt(m_tab.GetCurSel()) : nullptr;
}

void CCellCtrlDlg::ShowActiveGrid()
{
    CCellCtrlGrid* pActive = GetActiveGrid();
    const int nGrids = 2 + static_cast<int>(m_listMidGrid.GetCount());
    for (int i = 0; i < nGrids; ++i) {
        CCellCtrlGrid* pGrid = GridAt(i);
        if (pGrid == nullptr || pGrid->m_hWnd == nullptr) {
            continue;
        }
        pGrid->ShowWindow(pGrid == pActive ? SW_SHOW : SW_HIDE);
        pGrid->EnableWindow(pGrid == pActive);
    }
}

void CCellCtrlDlg::OnTabSelChange(NMHDR*, LRESULT* pResult)
{
    ShowActiveGrid();
    if (pResult != nullptr) {
        *pResult = 0;
    }
}

void CCellCtrlDlg::OnAddRow()
{
    CCellCtrlGrid* pGrid = GetActiveGrid();
    if (pGrid != nullptr && pGrid->m_hWnd != nullptr) {
        pGrid->AddRow();
        pGrid->SetFocus();
    }
}

void CCellCtrlDlg::OnMoveUp()
{
    CCellCtrlGrid* pGrid = GetActiveGrid();
    if (pGrid != nullptr) {
        pGrid->MoveUpRow();
    }
}

void CCellCtrlDlg::OnMoveDown()
{
    CCellCtrlGrid* pGrid = GetActiveGrid();
    if (pGrid != nullptr) {
        pGrid->MoveDownRow();
    }
}

void CCellCtrlDlg::OnOK()
{
    const int nGrids = 2 + static_cast<int>(m_listMidGrid.GetCount());
    for (int i = 0; i < nGrids; ++i) {
        CCellCtrlGrid* pGrid = GridAt(i);
        if (pGrid != nullptr && !pGrid->Validate()) {
            // Show the grid that holds the nameless row.
            m_tab.SetCurSel(i);
            ShowActiveGrid();
            return;
        }
    }
    CDialog::OnOK();
}
