// The card view's selection and in-place editor: what is selected, and whether an editor is open.
#pragma once

#include "platform/base/FxExport.h"
#include "work/VornWorkExport.h"

class CCappBaseCtrl;
class CCappCardView;

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

    CCappCardView* m_pView;
    BOOL m_bEditing;
    CCappBaseCtrl* m_pEditCtrl;
};
