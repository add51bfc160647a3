#include "designer/detail/SetSortPg.h"

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "core/CardCommFun.h"
#include "core/SortItem.h"
#include "designer/detail/CardSetingSh.h"
#include "designer/detail/DesignButtonFun.h"
#include "designer/res/resource.h"

namespace
{
struct Heading
{
    UINT nIDText;
    int cxPixel;
};
const Heading headings[] = {{IDS_GRID_VAR_NAME, 80}, {IDS_SORT_KIND, 70}, {IDS_SORT_DESCENDING, 60}};

void FreeKeys(CObList& listKeys)
{
    while (!listKeys.IsEmpty()) {
        delete listKeys.RemoveHead();
    }
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CSetSortPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CSetSortPg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_ROW_ADD, OnAddRow)
FX_ON_BN_CLICKED(IDC_ROW_DELETE, OnDeleteRow)
FX_ON_BN_CLICKED(IDC_ROW_UP, OnMoveUp)
FX_ON_BN_CLICKED(IDC_ROW_DOWN, OnMoveDown)
FX_END_MESSAGE_MAP()

CSetSortPg::CSetSortPg(CCardSetingSh* pSheet) : CPropertyPage(IDD_SET_SORT), m_pSheet(pSheet)
{
}

BOOL CSetSortPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CDesignButtonFun::SetUpRowButton(m_btnAdd, IDC_ROW_ADD, this, IDB_ROW_ADD, IDS_GRID_ADD_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDelete, IDC_ROW_DELETE, this, IDB_ROW_DELETE, IDS_GRID_DELETE_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnUp, IDC_ROW_UP, this, IDB_ROW_UP, IDS_GRID_UP_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDown, IDC_ROW_DOWN, this, IDB_ROW_DOWN, IDS_GRID_DOWN_TIP);

    m_grid.SubclassDlgItem(IDC_SORT_GRID, this);
    m_grid.InitGrid();
    m_grid.SetupGrid();
    m_grid.m_pNotifyWnd = this;
    m_grid.SetColCount(3);
    UINT nCol = 1;
    for (const Heading& h : headings) {
        CString strText;
        strText.LoadString(h.nIDText);
        m_grid.SetCellValue(0, nCol, strText);
        m_grid.SetColWidth(nCol, h.cxPixel);
        ++nCol;
    }
    m_grid.SetColWidth(0, 20);
    m_grid.SetRowCount(0);

    CString strKinds;
    strKinds.LoadString(IDS_SORT_KINDS);
    m_arrSortKind.Split(strKinds, '\n', FALSE);

    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (pMid == nullptr) {
        return TRUE;
    }
    m_strVarNames.Empty();
    POSITION pos = pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const CCappCell* pCell = static_cast<const CCappCell*>(pMid->m_listMidCell.GetNext(pos));
        if (!m_strVarNames.IsEmpty()) {
            m_strVarNames += "\n";
        }
        m_strVarNames += pCell->m_strVarName;
    }
    ::CheckDlgButton(m_hWnd, IDC_AUTO_RUN,
                     (pMid->m_nMidFlags & CCappMidData::midSortAuto) != 0 ? BST_CHECKED : BST_UNCHECKED);

    CObList listKeys;
    CCardCommFun::GetSortItemListFromSortInfo(pMid->m_strSortInfo, listKeys);
    pos = listKeys.GetHeadPosition();
    while (pos != nullptr) {
        const CSortItem* pKey = static_cast<const CSortItem*>(listKeys.GetNext(pos));
        const UINT nRow = AddSortRow();
        m_grid.SetCellValue(nRow, colName, pKey->m_strFieldName);
        // An index these pages never write shows as the first kind.
        const int nKind = pKey->m_nValue1 >= 0 && pKey->m_nValue1 < m_arrSortKind.GetSize() ? pKey->m_nValue1 : 0;
        if (m_arrSortKind.GetSize() > 0) {
            m_grid.SetCellValue(nRow, colKind, m_arrSortKind[nKind]);
        }
        m_grid.SetMark(nRow, colDescending, pKey->m_nValue2 == 0);
    }
    FreeKeys(listKeys);
    m_grid.m_nModified = 0;
    return TRUE;
}

UINT CSetSortPg::AddSortRow()
{
    const UINT nRow = m_grid.AppendRow();
    CGkStyle styleName;
    m_grid.ApplyStyle(CGkRange(nRow, colName),
                      styleName.SetControl(GK_CTRL_DROPLIST).SetChoiceList(m_strVarNames).SetValue(""));
    CString strKinds;
    for (int i = 0; i < m_arrSortKind.GetSize(); ++i) {
        strKinds += (i > 0 ? "\n" : "") + m_arrSortKind[i];
    }
    CGkStyle styleKind;
    m_grid.ApplyStyle(CGkRange(nRow, colKind), styleKind.SetControl(GK_CTRL_DROPLIST).SetChoiceList(strKinds));
    if (m_arrSortKind.GetSize() > 0) {
        m_grid.SetCellValue(nRow, colKind, m_arrSortKind[0]);
    }
    m_grid.SetMark(nRow, colDescending, FALSE);
    return nRow;
}

void CSetSortPg::OnAddRow()
{
    const UINT nRow = AddSortRow();
    m_grid.SetCurrentCell(nRow, colName);
}

void CSetSortPg::OnDeleteRow()
{
    m_grid.DeleteRow(0);
}

void CSetSortPg::OnMoveUp()
{
    m_grid.MoveUpRow();
}

void CSetSortPg::OnMoveDown()
{
    m_grid.MoveDownRow();
}

BOOL CSetSortPg::CheckSortRows()
{
    if (m_grid.IsEditing()) {
        m_grid.EndEdit(TRUE);
    }
    const UINT nRows = m_grid.GetRowCount();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        if (m_grid.GetCellValue(nRow, colName).IsEmpty()) {
            CString strText;
            strText.LoadString(IDS_SORT_NO_NAME);
            m_grid.SetCurrentCell(nRow, colName);
            MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CSetSortPg::OnApply()
{
    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (m_hWnd == nullptr || pMid == nullptr) {
        return TRUE;
    }
    // The sheet checked the rows before any page wrote; should a row still lack its name, the
    // sort settings keep their old values and the other pages still save.
    if (!CheckSortRows()) {
        return TRUE;
    }
    if (IsDlgButtonChecked(IDC_AUTO_RUN)) {
        pMid->m_nMidFlags |= CCappMidData::midSortAuto;
    } else {
        pMid->m_nMidFlags &= ~CCappMidData::midSortAuto;
    }
    CObList listKeys;
    const UINT nRows = m_grid.GetRowCount();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        CSortItem* pKey = new CSortItem;
        pKey->m_strFieldName = m_grid.GetCellValue(nRow, colName);
        const int nKind = CCardCommFun::FindStringInArray(m_arrSortKind, m_grid.GetCellValue(nRow, colKind));
        pKey->m_nValue1 = nKind >= 0 ? nKind : 0;
        pKey->m_nValue2 = m_grid.IsMarkChecked(nRow, colDescending) ? 0 : 1;
        listKeys.AddTail(pKey);
    }
    CCardCommFun::GetSortInfoFromSortItemList(pMid->m_strSortInfo, listKeys);
    FreeKeys(listKeys);
    return TRUE;
}
