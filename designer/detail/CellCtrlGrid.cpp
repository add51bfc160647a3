#include "designer/detail/CellCtrlGrid.h"

#include "designer/detail/CellCtrlGroup.h"
#include "designer/res/resource.h"

namespace
{
const int cyCellCtrlRow = 20;
const COLORREF crNewName = 0xB7E19B;
// The row-heading attribute that tells new rows ("1") from the group's own ("0").
const WORD nNewRowAttr = 1;

struct CtrlBitmap
{
    WORD nControl;
    UINT nIDBitmap;
};
const CtrlBitmap ctrlBitmaps[] = {
    {CELLCTRL_DELETED, IDB_CELLCTRL_DELETED}, {CELLCTRL_OFF, IDB_CELLCTRL_OFF},
    {CELLCTRL_STATIC, IDB_CELLCTRL_STATIC},   {CELLCTRL_VAR4, IDB_CELLCTRL_VAR4},
    {CELLCTRL_VAR2, IDB_CELLCTRL_VAR2},       {CELLCTRL_SHOWN, IDB_CELLCTRL_SHOWN},
};

struct Heading
{
    UINT nIDText;
    int cxPixel;
};
const Heading headings[] = {
    {IDS_CELLCTRL_NAME, 160}, {IDS_CELLCTRL_KIND, 50}, {IDS_CELLCTRL_SHOWN, 50}, {IDS_CELLCTRL_DELETE, 50}};
} // namespace

CCellCtrlGrid::CCellCtrlGrid() : m_nRows(1), m_nOption(1)
{
}

void CCellCtrlGrid::SetupGrid()
{
    CString strFace;
    if (!strFace.LoadString(IDS_OUTPUT_FONT_FACE)) {
        strFace = "宋体";
    }
    GetStandardStyle().SetFontFace(strFace).SetFontSize(9);
    GetHeaderStyle().SetFontFace(strFace).SetFontSize(9).SetFontWeight(FW_NORMAL);
    for (const CtrlBitmap& c : ctrlBitmaps) {
        RegisterBitmapControl(c.nControl, c.nIDBitmap);
    }
    SetDefaultRowHeight(cyCellCtrlRow);
    SetColCount(4);
    UINT nCol = 1;
    for (const Heading& h : headings) {
        CString strText;
        strText.LoadString(h.nIDText);
        SetCellValue(0, nCol, strText);
        SetColWidth(nCol, h.cxPixel);
        ++nCol;
    }
    SetColWidth(0, 15);
}

void CCellCtrlGrid::Fill(const CCellCtrlGroup& group)
{
    const INT_PTR nNames = group.m_arrCellName.GetSize();
    if (group.m_arrKind.GetSize() != nNames) {
        return;
    }
    SetRowCount(static_cast<UINT>(nNames));
    if (nNames == 0) {
        m_nRows = 0;
    }
    for (INT_PTR i = 0; i < nNames; ++i) {
        const UINT nRow = static_cast<UINT>(i) + 1;
        MarkRow(nRow, FALSE);
        CGkStyle style;
        ApplyStyle(CGkRange(nRow, colName), style.SetValue(group.m_arrCellName[i]).SetControl(GK_CTRL_STATIC));
        switch (group.m_arrKind[i]) {
        case 1:
            SetControl(nRow, colKind, CELLCTRL_STATIC);
            break;
        case 2:
            SetControl(nRow, colKind, CELLCTRL_VAR2);
            break;
        case 4:
            SetControl(nRow, colKind, CELLCTRL_VAR4);
            break;
        default:
            break;
        }
        const BOOL bShown = i < group.m_arrShow.GetSize() && group.m_arrShow[i] != 0;
        SetControl(nRow, colShown, bShown ? CELLCTRL_SHOWN : CELLCTRL_OFF);
        SetControl(nRow, colDelete, CELLCTRL_OFF);
    }
}

UINT CCellCtrlGrid::AddRow()
{
    const UINT nRow = GetRowCount() + 1;
    if (!InsertRows(nRow)) {
        return 0;
    }
    MarkRow(nRow, TRUE);
    CGkStyle style;
    ApplyStyle(CGkRange(nRow, colName), style.SetInterior(crNewName));
    SetControl(nRow, colKind, CELLCTRL_VAR2);
    SetControl(nRow, colShown, CELLCTRL_OFF);
    SetControl(nRow, colDelete, CELLCTRL_OFF);
    SetCurrentCell(nRow, colName);
    return nRow;
}

BOOL CCellCtrlGrid::MoveUpRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!GetCurrentCell(nRow, nCol) || nRow <= 1 || nRow > GetRowCount()) {
        return FALSE;
    }
    return MoveRows(nRow, nRow, nRow - 1);
}

BOOL CCellCtrlGrid::MoveDownRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!GetCurrentCell(nRow, nCol) || nRow < 1 || nRow >= GetRowCount()) {
        return FALSE;
    }
    return MoveRows(nRow, nRow, nRow + 1);
}

BOOL CCellCtrlGrid::Validate()
{
    if (IsEditing()) {
        EndEdit(TRUE);
    }
    const UINT nRows = GetRowCount();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        if (IsNewRow(nRow) && GetCellControl(nRow, colDelete) != CELLCTRL_DELETED &&
            GetCellValue(nRow, colName).IsEmpty()) {
            CString strText;
            strText.LoadString(IDS_CELLCTRL_EMPTY_NAME);
            SetCurrentCell(nRow, colName);
            MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
            return FALSE;
        }
    }
    return TRUE;
}

CString CCellCtrlGrid::GetSettingText() const
{
    CString strText;
    const UINT nRows = GetRowCount();
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        const WORD nKind = GetCellControl(nRow, colKind);
        if ((nKind == CELLCTRL_VAR4 || nKind == CELLCTRL_VAR2) && GetCellControl(nRow, colDelete) != CELLCTRL_DELETED) {
            strText += GetCellValue(nRow, colName);
            strText += "\n";
        }
    }
    return strText;
}

BOOL CCellCtrlGrid::IsNewRow(UINT nRow) const
{
    CGkStyle style;
    CString strMark;
    return GetCellStyle(nRow, 0, style) && style.GetUserAttribute(nNewRowAttr, strMark) && strMark == "1";
}

WORD CCellCtrlGrid::GetCellControl(UINT nRow, UINT nCol) const
{
    CGkStyle style;
    return GetCellStyle(nRow, nCol, style) ? style.GetControl() : 0;
}

void CCellCtrlGrid::OnCellClicked(UINT nRow, UINT nCol)
{
    CGkGridWnd::OnCellClicked(nRow, nCol);
    if (nRow == 0 || nCol != colDelete) {
        return;
    }
    const WORD nControl = GetCellControl(nRow, nCol);
    if (nControl == CELLCTRL_OFF || nControl == CELLCTRL_DELETED) {
        SetControl(nRow, nCol, nControl == CELLCTRL_OFF ? CELLCTRL_DELETED : CELLCTRL_OFF);
        RedrawCell(nRow, nCol);
    }
}

void CCellCtrlGrid::SetControl(UINT nRow, UINT nCol, WORD nControl)
{
    CGkStyle style;
    ApplyStyle(CGkRange(nRow, nCol), style.SetControl(nControl));
}

void CCellCtrlGrid::MarkRow(UINT nRow, BOOL bNew)
{
    CGkStyle style;
    ApplyStyle(CGkRange(nRow, 0), style.SetUserAttribute(nNewRowAttr, bNew ? "1" : "0"));
}
