// The simulator's data input dialog: head values in one grid, the rows of the card's first
// detail area in another, kept in the simulator's data file.
#pragma once

#include "common/KvHotButton.h"
#include "common/KvResizDlg.h"
#include "gridkit/GkGridWnd.h"
#include "simulator/VornSimulatorExport.h"

class CSimDataFile;

class VORNSIM_API CSimDataDlg : public CKvResizDlg
{
    FX_DECLARE_DYNAMIC(CSimDataDlg)

public:
    explicit CSimDataDlg(CWnd* pParent = nullptr);

    // Given before the dialog runs.
    CString m_strDataFile;
    CString m_strHeadVars; // ";"-joined
    CString m_strMDVars;   // ";"-joined
    CString m_strMDName;
    // The XML text last built (OK or save as).
    CString m_strXml;

    CGkGridWnd& GetHeadGrid() { return m_gridHead; }
    CGkGridWnd& GetMDGrid() { return m_gridMD; }
    // The grids as data; typing still open in a grid is taken first.
    void GridsToData(CSimDataFile& data);
    // Head values go to the rows of the names the grid lists, row values to the columns of the
    // names it heads; other names are passed over. FALSE, with the grids unchanged, when the file
    // cannot be read or is no data file.
    BOOL LoadDataFile(const CString& strPath);

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    // The file the user picks in the data file dialog; FALSE when cancelled.
    virtual BOOL PromptFileName(CString& strPath);

    void OnAddRow();
    void OnInsertRow();
    void OnDeleteRow();
    void OnOpen();
    void OnSaveAs();

    FX_DECLARE_MESSAGE_MAP()

private:
    void SetUpGrid(CGkGridWnd& grid);
    void FillHeadGrid();
    void FillMDColumns();
    // Builds the text and writes it to the data file when there is one; FALSE when the write
    // failed (the user has been told).
    BOOL SaveData();

    CKvHotButton m_btnAdd;
    CKvHotButton m_btnInsert;
    CKvHotButton m_btnDelete;
    CKvHotButton m_btnOpen;
    CKvHotButton m_btnSaveAs;
    CGkGridWnd m_gridMD;
    CGkGridWnd m_gridHead;
};
