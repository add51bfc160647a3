#include "simulator/SimDataDlg.h"

#include "platform/base/FxResMgr.h"
#include "platform/base/StringArray.h"
#include "platform/win/FxFileDialog.h"
#include "simulator/SimDataFile.h"
#include "simulator/res/resource.h"

// After the windows headers.
#include <commdlg.h>

namespace
{
const COLORREF crButtonMask = RGB(192, 192, 192);
const COLORREF crHeaderText = 0xFF0000;
const int cyGridRow = 20;

void CommitEdit(CGkGridWnd& grid)
{
    if (grid.IsEditing()) {
        grid.EndEdit(TRUE);
    }
}

void SetUpButton(CKvHotButton& button, UINT nID, CWnd* pParent, int nBitmap, LPCSTR pszTip)
{
    button.SubclassDlgItem(nID, pParent);
    button.SetBitmap(nBitmap, 0, crButtonMask);
    button.SetTooltipText(CString(pszTip));
    button.SetShowText(FALSE);
    button.SetFlat(TRUE);
}

// The ".znw" the data file must end in, compared byte for byte.
CString WithDataExtension(const CString& strPath)
{
    return strPath.Right(4) == ".znw" ? strPath : strPath + ".znw";
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CSimDataDlg, CKvResizDlg)

FX_BEGIN_MESSAGE_MAP(CSimDataDlg, CKvResizDlg)
FX_ON_BN_CLICKED(IDC_SIMDATA_ADD, OnAddRow)
FX_ON_BN_CLICKED(IDC_SIMDATA_INSERT, OnInsertRow)
FX_ON_BN_CLICKED(IDC_SIMDATA_DELETE, OnDeleteRow)
FX_ON_BN_CLICKED(IDC_SIMDATA_OPEN, OnOpen)
FX_ON_BN_CLICKED(IDC_SIMDATA_SAVEAS, OnSaveAs)
FX_END_MESSAGE_MAP()

CSimDataDlg::CSimDataDlg(CWnd* pParent) : CKvResizDlg(IDD_SIMDATA, pParent)
{
    SetControlInfo(IDC_SIMDATA_MDGRID, KVRD_STRETCH_WIDTH | KVRD_STRETCH_HEIGHT);
    SetControlInfo(IDC_SIMDATA_HEADGRID, KVRD_STRETCH_HEIGHT);
    SetControlInfo(IDC_SIMDATA_LINE, KVRD_MOVE_DOWN | KVRD_STRETCH_WIDTH);
    for (WORD nID : {IDC_SIMDATA_ADD, IDC_SIMDATA_INSERT, IDC_SIMDATA_DELETE, IDC_SIMDATA_OPEN, IDC_SIMDATA_SAVEAS}) {
        SetControlInfo(nID, KVRD_MOVE_RIGHT);
    }
    SetControlInfo(IDOK, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
    SetControlInfo(IDCANCEL, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
}

BOOL CSimDataDlg::OnInitDialog()
{
    CKvResizDlg::OnInitDialog();
    SetUpButton(m_btnAdd, IDC_SIMDATA_ADD, this, IDB_SIMDATA_ADD, "新增");
    SetUpButton(m_btnInsert, IDC_SIMDATA_INSERT, this, IDB_SIMDATA_INSERT, "插入");
    SetUpButton(m_btnDelete, IDC_SIMDATA_DELETE, this, IDB_SIMDATA_DELETE, "删除");
    SetUpButton(m_btnOpen, IDC_SIMDATA_OPEN, this, IDB_SIMDATA_OPEN, "打开");
    SetUpButton(m_btnSaveAs, IDC_SIMDATA_SAVEAS, this, IDB_SIMDATA_SAVEAS, "另存");

    m_gridMD.SubclassDlgItem(IDC_SIMDATA_MDGRID, this);
    m_gridHead.SubclassDlgItem(IDC_SIMDATA_HEADGRID, this);
    SetUpGrid(m_gridMD);
    SetUpGrid(m_gridHead);
    FillHeadGrid();
    FillMDColumns();
    LoadDataFile(m_strDataFile);
    return TRUE;
}

void CSimDataDlg::SetUpGrid(CGkGridWnd& grid)
{
    grid.InitGrid();
    grid.GetStandardStyle().SetFontFace("宋体").SetFontSize(9);
    grid.GetHeaderStyle().SetTextColor(crHeaderText);
    grid.SetDefaultRowHeight(cyGridRow);
}

void CSimDataDlg::FillHeadGrid()
{
    CStringArray arrVars;
    arrVars.Split(m_strHeadVars, ';', FALSE);
    const UINT nRows = static_cast<UINT>(arrVars.GetSize());
    m_gridHead.SetColCount(2);
    m_gridHead.SetRowCount(nRows);
    m_gridHead.SetCellValue(0, 1, "表头变量");
    m_gridHead.SetCellValue(0, 2, "值");
    m_gridHead.SetColWidth(1, 90);
    m_gridHead.SetColWidth(2, 90);
    for (UINT nRow = 1; nRow <= nRows; ++nRow) {
        m_gridHead.SetCellValue(nRow, 1, arrVars[static_cast<int>(nRow) - 1]);
    }
    // The names are the template's: only the values are typed.
    if (nRows > 0) {
        CGkStyle style;
        m_gridHead.ApplyStyle(CGkRange(1, 1, nRows, 1), style.SetReadOnly(TRUE));
    }
}

void CSimDataDlg::FillMDColumns()
{
    CStringArray arrVars;
    arrVars.Split(m_strMDVars, ';', FALSE);
    m_gridMD.SetRowCount(0);
    m_gridMD.SetColCount(0);
    for (int i = 0; i < arrVars.GetSize(); ++i) {
        const UINT nCol = static_cast<UINT>(i) + 1;
        m_gridMD.InsertCols(nCol);
        m_gridMD.SetCellValue(0, nCol, arrVars[i]);
    }
}

BOOL CSimDataDlg::LoadDataFile(const CString& strPath)
{
    CString strText;
    CSimDataFile data;
    if (strPath.IsEmpty() || !CSimDataFile::ReadFileText(strPath, strText) || !data.LoadText(strText)) {
        return FALSE;
    }
    // A file opened over typed data replaces it instead of adding to it.
    const UINT nHeadRows = m_gridHead.GetRowCount();
    for (UINT nRow = 1; nRow <= nHeadRows; ++nRow) {
        m_gridHead.SetCellValue(nRow, 2, "");
    }
    m_gridMD.SetRowCount(0);

    for (int i = 0; i < data.m_arrHeadVars.GetSize(); ++i) {
        for (UINT nRow = 1; nRow <= nHeadRows; ++nRow) {
            if (m_gridHead.GetCellValue(nRow, 1) == data.m_arrHeadVars[i]) {
                m_gridHead.SetCellValue(nRow, 2, data.m_arrHeadVals[i]);
            }
        }
    }
    const UINT nCols = m_gridMD.GetColCount();
    for (int nRow = 0; nRow < data.GetRowCount(); ++nRow) {
        const UINT nGridRow = m_gridMD.GetRowCount() + 1;
        m_gridMD.InsertRows(nGridRow);
        for (int i = 0; i < data.m_arrMDVars.GetSize(); ++i) {
            for (UINT nCol = 1; nCol <= nCols; ++nCol) {
                if (m_gridMD.GetCellValue(0, nCol) == data.m_arrMDVars[i]) {
                    m_gridMD.SetCellValue(nGridRow, nCol, data.GetRowValue(nRow, i));
                }
            }
        }
    }
    return TRUE;
}

void CSimDataDlg::GridsToData(CSimDataFile& data)
{
    CommitEdit(m_gridHead);
    CommitEdit(m_gridMD);
    data.RemoveAll();
    for (UINT nRow = 1; nRow <= m_gridHead.GetRowCount(); ++nRow) {
        data.m_arrHeadVars.Add(m_gridHead.GetCellValue(nRow, 1));
        data.m_arrHeadVals.Add(m_gridHead.GetCellValue(nRow, 2));
    }
    data.m_strMDName = m_strMDName;
    const UINT nCols = m_gridMD.GetColCount();
    for (UINT nCol = 1; nCol <= nCols; ++nCol) {
        data.m_arrMDVars.Add(m_gridMD.GetCellValue(0, nCol));
    }
    for (UINT nRow = 1; nRow <= m_gridMD.GetRowCount(); ++nRow) {
        CStringArray arrValues;
        for (UINT nCol = 1; nCol <= nCols; ++nCol) {
            arrValues.Add(m_gridMD.GetCellValue(nRow, nCol));
        }
        data.AddRow(arrValues);
    }
}

BOOL CSimDataDlg::SaveData()
{
    CSimDataFile data;
    GridsToData(data);
    m_strXml = data.BuildText();
    if (m_strDataFile.IsEmpty() || CSimDataFile::WriteFileText(m_strDataFile, m_strXml)) {
        return TRUE;
    }
    CString strFormat;
    strFormat.LoadString(FX_MODULE_INSTANCE(), IDS_SIMDATA_WRITEFAILED);
    CString strText;
    strText.Format(strFormat, m_strDataFile.GetString());
    MessageBox(strText, "提示", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CSimDataDlg::OnOK()
{
    // The typed data still go to the card when the file cannot be written.
    SaveData();
    CKvResizDlg::OnOK();
}

BOOL CSimDataDlg::PromptFileName(CString& strPath)
{
    FxFileDialogParams params;
    params.pszFilter = "Vorn Data Files (*.znw)\0*.znw\0";
    params.pszTitle = "Select an Vorn Data file";
    params.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return FxAskFileName(GetSafeHwnd(), TRUE, params, strPath);
}

void CSimDataDlg::OnOpen()
{
    CString strPath;
    if (!PromptFileName(strPath)) {
        return;
    }
    m_strDataFile = strPath;
    LoadDataFile(m_strDataFile);
}

void CSimDataDlg::OnSaveAs()
{
    CString strPath;
    if (!PromptFileName(strPath) || strPath.IsEmpty()) {
        return;
    }
    m_strDataFile = WithDataExtension(strPath);
    SaveData();
}

void CSimDataDlg::OnAddRow()
{
    // A detail area of one column takes rows too.
    if (m_gridMD.GetColCount() < 1) {
        return;
    }
    CommitEdit(m_gridMD);
    const UINT nRow = m_gridMD.GetRowCount() + 1;
    m_gridMD.InsertRows(nRow);
    m_gridMD.SetCurrentCell(nRow, 1);
}

void CSimDataDlg::OnInsertRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (m_gridMD.GetColCount() < 1 || !m_gridMD.GetCurrentCell(nRow, nCol)) {
        return;
    }
    CommitEdit(m_gridMD);
    m_gridMD.InsertRows(nRow);
    m_gridMD.SetCurrentCell(nRow + 1, nCol);
}

void CSimDataDlg::OnDeleteRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!m_gridMD.GetCurrentCell(nRow, nCol)) {
        return;
    }
    CommitEdit(m_gridMD);
    m_gridMD.RemoveRows(nRow, nRow);
    if (m_gridMD.GetRowCount() > 0) {
        m_gridMD.SetCurrentCell(nRow > 1 ? nRow - 1 : 1, nCol);
    }
}
