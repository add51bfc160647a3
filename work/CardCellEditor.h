// The card view's selection and in-place editor: what is selected, and whether an editor is open.
#pragma once

#include "platform/base/FxExport.h"
#include "work/VornWorkExport.h"

class CCappBaseCtrl;
class CCappCardView;
class CCappCell;
class CDC;

class VORNWORK_API CCardCellEditor
{
public:
    CCardCellEditor();
    virtual ~CCardCellEditor();
    CCardCellEditor(const CCardCellEditor&) = delete;
    CCardCellEditor& operator=(const CCardCellEditor&) = delete;

    // With bSelect 0 the selection is dropped; either way the parent frame hears of it.
    void ShowCurCell(BOOL bSelect);
    // Closes the open editor, writing its text back first when bSave is 1.
    void EndEdit(BOOL bSave);
    // TRUE when the key was used: Tab, Enter and the arrows move the selection.
    BOOL HandleKey(UINT nKey, UINT nRepeat, UINT nFlags);
    // Head and page cells: the next (Tab, Enter, Right) or previous (Left) card-variable cell of
    // the cell's own list, cyclically; Up and Down do not move.
    void MoveInCellList(UINT nKey, CCappCell** ppCell);
    // The selection's outline, one black pixel wide, on a DC mapped to sheet units.
    void DrawCurCellFrame(CDC* pDC);

    CCappCardView* m_pView;
    BOOL m_bEditing;
    CCappBaseCtrl* m_pEditCtrl;
};
