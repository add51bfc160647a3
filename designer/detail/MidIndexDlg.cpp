#include "designer/detail/MidIndexDlg.h"

#include <cstdlib>

#include "core/CellIndexItem.h"
#include "designer/detail/DesignButtonFun.h"
#include "designer/res/resource.h"

namespace
{
struct Heading
{
    UINT nIDText;
    int cxPixel;
};
const Heading headings[] = {{IDS_GRID_VAR_NAME, 200}, {IDS_INDEX_STEP, 60}, {IDS_INDEX_INIT, 60}};
} // namespace

FX_IMPLEMENT_DYNAMIC(CMidIndexDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CMidIndexDlg, CDialog)
FX_ON_BN_CLICKED(IDC_ROW_ADD, OnAddRow)
FX_ON_BN_CLICKED(IDC_ROW_DELETE, OnDeleteRow)
FX_ON_BN_CLICKED(IDC_ROW_UP, OnMoveUp)
FX_ON_BN_CLICKED(IDC_ROW_DOWN, OnMoveDown)
FX_END_MESSAGE_MAP()

CMidIndexDlg::CMidIndexDlg(CWnd* pParentWnd) : CDialog(IDD_MID_INDEX, pParentWnd)
{
}

CMidIndexDlg::~CMidIndexDlg()
{
    FreeItems();
}

void CMidIndexDlg::FreeItems()
{
    while (!m_listIndex.IsEmpty()) {
        delete m_listIndex.RemoveHead();
    }
}

void CMidIndexDlg::SetIndexList(const CObList& listIndex)
{
    FreeItems();
    POSITION pos = listIndex.GetHeadPosition();
    while (pos != nullptr) {
        const CCellIndexItem* pItem = static_cast<const CCellIndexItem*>(listIndex.GetNext(pos));
        CCellIndexItem* pCopy = new CCellIndexItem;
        pCopy->m_nOrder = pItem->m_nOrder;
        pCopy->m_strVarName = pItem->m_strVarName;
        pCopy->m_strInitValue = pItem->m_strInitValue;
        pCopy->m_nStep = pItem->m_nStep;
        m_listIndex.AddTail(pCopy);
    }
}

BOOL CMidIndexDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CDesignButtonFun::SetUpRowButton(m_btnAdd, IDC_ROW_ADD, this, IDB_ROW_ADD, IDS_GRID_ADD_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDelete, IDC_ROW_DELETE, this, IDB_ROW_DELETE, IDS_GRID_DELETE_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnUp, IDC_ROW_UP, this, IDB_ROW_UP, IDS_GRID_UP_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDown, IDC_ROW_DOWN, this, IDB_ROW_DOWN, IDS_GRID_DOWN_TIP);

    m_grid.SubclassDlgItem(IDC_INDEX_GRID, this);
    m_grid.InitGrid();
    m_grid.SetupGrid();
    m_grid.SetColCount(3);
    m_grid.SetColWidth(0, 20);
    UINT nCol = 1;
    for (const Heading& h : headings) {
        CString strText;
        strText.LoadString(h.nIDText);
        m_grid.SetCellValue(0, nCol, strText);
        m_grid.SetColWidth(nCol, h.cxPixel);
        ++nCol;
    }
    m_strChoice.Empty();
    for (int i = 0; i < m_arrVarName.GetSize(); ++i) {
        if (i > 0) {
            m_strChoice += "\n";
        }
        m_strChoice += m_arrVarName[i];
    }
    POSITION pos = m_listIndex.GetHeadPosition();
    while (pos != nullptr) {
        const CCellIndexItem* pItem = static_cast<const CCellIndexItem*>(m_listIndex.GetNext(pos));
        const UINT nRow = AddIndexRow();
        CString strStep;
        strStep.Format("%d", pItem->m_nStep);
        m_grid.SetCellValue(nRow, colName, pItem->m_strVarName);
        m_grid.SetCellValue(nRow, colStep, strStep);
        m_grid.SetCellValue(nRow, colInit, pItem->m_strInitValue);
    }
    m_grid.m_nModified = 0;
    return TRUE;
}

UINT CMidIndexDlg::AddIndexRow()
{
    const UINT nRow = m_grid.AppendRow();
    CGkStyle style;
    m_grid.ApplyStyle(CGkRange(nRow, colName), style.SetControl(GK_CTRL_DROPLIST).SetChoiceList(m_strChoice));
    m_grid.SetCellValue(nRow, colStep, "1");
    m_grid.SetCellValue(nRow, colInit, "1");
    return nRow;
}

void CMidIndexDlg::OnAddRow()
{
    const UINT nRow = AddIndexRow();
    m_grid.SetCurrentCell(nRow, colName);
}

void CMidIndexDlg::OnDeleteRow()
{
    m_grid.DeleteRow(0);
}

void CMidIndexDlg::OnMoveUp()
{
    m_grid.MoveUpRow();
}

void CMidIndexDlg::OnMoveDown()
{
    m_grid.MoveDownRow();
}

void CMidIndexDlg::OnOK()
{
    if (m_grid.IsEditing()) {
        m_grid.EndEdit(TRUE);
    }
    const UINT nRows = m_grid.GetRowCount();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        UINT nIDText = 0;
        UINT nCol = colName;
        if (m_grid.GetCellValue(nRow, colName).IsEmpty()) {
            nIDText = IDS_INDEX_NO_NAME;
        } else if (m_grid.GetCellValue(nRow, colStep).IsEmpty()) {
            nIDText = IDS_INDEX_NO_STEP;
            nCol = colStep;
        } else if (m_grid.GetCellValue(nRow, colInit).IsEmpty()) {
            nIDText = IDS_INDEX_NO_INIT;
            nCol = colInit;
        }
        if (nIDText != 0) {
            CString strText;
            strText.LoadString(nIDText);
            m_grid.SetCurrentCell(nRow, nCol);
            MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
            return;
        }
    }
    FreeItems();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        CCellIndexItem* pItem = new CCellIndexItem;
        pItem->m_strVarName = m_grid.GetCellValue(nRow, colName);
        // The leading integer of the text: "3a" is 3, "a" is 0.
        pItem->m_nStep = std::atoi(m_grid.GetCellValue(nRow, colStep));
        pItem->m_nOrder = static_cast<int>(nRow) - 1;
        pItem->m_strInitValue = m_grid.GetCellValue(nRow, colInit);
        m_listIndex.AddTail(pItem);
    }
    CDialog::OnOK();
}
