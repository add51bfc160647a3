#include "designer/detail/UnitePg.h"

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "designer/detail/CardSetingSh.h"
#include "designer/res/resource.h"

namespace
{
struct Heading
{
    UINT nIDText;
    int cxPixel;
};
const Heading headings[] = {{IDS_GRID_VAR_NAME, 160}, {IDS_UNITE_SUM, 40}, {IDS_UNITE_CONDITION, 60}};
} // namespace

FX_IMPLEMENT_DYNAMIC(CUnitePg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CUnitePg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_UNITE_DATA, OnUniteData)
FX_END_MESSAGE_MAP()

CUnitePg::CUnitePg(CCardSetingSh* pSheet) : CPropertyPage(IDD_UNITE), m_pSheet(pSheet)
{
}

BOOL CUnitePg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_UNITE_GRID, this);
    m_grid.InitGrid();
    m_grid.SetupGrid();
    m_grid.m_pNotifyWnd = this;
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
    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (pMid == nullptr) {
        return TRUE;
    }
    const BOOL bUnite = (pMid->m_nMidFlags & CCappMidData::midMergeRows) != 0;
    ::CheckDlgButton(m_hWnd, IDC_UNITE_DATA, bUnite ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_AUTO_RUN,
                     bUnite && (pMid->m_nMidFlags & CCappMidData::midMergeAuto) != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_grid.SetRowCount(static_cast<UINT>(pMid->m_listMidCell.GetCount()));
    UINT nRow = 1;
    POSITION pos = pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const CCappCell* pCell = static_cast<const CCappCell*>(pMid->m_listMidCell.GetNext(pos));
        CGkStyle style;
        m_grid.ApplyStyle(CGkRange(nRow, colName),
                          style.SetValue(pCell->m_strVarName).SetControl(GK_CTRL_STATIC).SetReadOnly(TRUE));
        m_grid.SetMark(nRow, colSum, (pCell->m_nUniteFlags & 0x01) != 0);
        m_grid.SetMark(nRow, colCondition, (pCell->m_nUniteFlags & 0x02) != 0);
        ++nRow;
    }
    m_grid.m_nModified = 0;
    GetDlgItem(IDC_AUTO_RUN)->EnableWindow(bUnite);
    return TRUE;
}

void CUnitePg::OnUniteData()
{
    GetDlgItem(IDC_AUTO_RUN)->EnableWindow(IsDlgButtonChecked(IDC_UNITE_DATA) != 0);
}

BOOL CUnitePg::OnApply()
{
    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (m_hWnd == nullptr || pMid == nullptr) {
        return TRUE;
    }
    const BOOL bUnite = IsDlgButtonChecked(IDC_UNITE_DATA) != 0;
    const BOOL bAuto = bUnite && IsDlgButtonChecked(IDC_AUTO_RUN) != 0;
    pMid->m_nMidFlags = (pMid->m_nMidFlags & ~(CCappMidData::midMergeRows | CCappMidData::midMergeAuto)) |
                        (bUnite ? CCappMidData::midMergeRows : 0) | (bAuto ? CCappMidData::midMergeAuto : 0);
    UINT nRow = 1;
    POSITION pos = pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        CCappCell* pCell = static_cast<CCappCell*>(pMid->m_listMidCell.GetNext(pos));
        int nFlags = pCell->m_nUniteFlags & ~0x03;
        if (bUnite && nRow <= m_grid.GetRowCount()) {
            nFlags |=
                (m_grid.IsMarkChecked(nRow, colSum) ? 0x01 : 0) | (m_grid.IsMarkChecked(nRow, colCondition) ? 0x02 : 0);
        }
        pCell->m_nUniteFlags = nFlags;
        ++nRow;
    }
    return TRUE;
}
