// The grid of the cell-control dialog: one row per cell of a group with its kind, its shown
// state and a delete mark; rows added here are new table variables.
#pragma once

#include "gridkit/GkGridWnd.h"

class CCellCtrlGroup;

// Cell controls the grid registers.
#define CELLCTRL_DELETED 0x75
#define CELLCTRL_OFF 0x76
#define CELLCTRL_STATIC 0xF011
#define CELLCTRL_VAR4 0xF012
#define CELLCTRL_VAR2 0xF013
#define CELLCTRL_SHOWN 0xF014

class CCellCtrlGrid : public CGkGridWnd
{
public:
    enum { colName = 1, colKind = 2, colShown = 3, colDelete = 4 };

    CCellCtrlGrid();

    // Once after the window exists and the library initialised it.
    void SetupGrid();
    // Shows the group's cells; a group whose kinds do not match its names is left out.
    void Fill(const CCellCtrlGroup& group);
    // A new table variable; its row number.
    UINT AddRow();
    BOOL MoveUpRow();
    BOOL MoveDownRow();
    // FALSE, after telling the user, when a new row that stays has no name.
    BOOL Validate();
    // The variable names that stay, each followed by a line feed, in row order.
    CString GetSettingText() const;

    BOOL IsNewRow(UINT nRow) const;
    WORD GetCellControl(UINT nRow, UINT nCol) const;

    int m_nRows;
    int m_nOption;

protected:
    void OnCellClicked(UINT nRow, UINT nCol) override;

private:
    void SetControl(UINT nRow, UINT nCol, WORD nControl);
    void MarkRow(UINT nRow, BOOL bNew);
};
