// The sheet-definition view's cell commands: the selection and role tools, the role of the
// selection, and cell properties at the selection or by variable name. The cell tool does the work.
#include "designer/sheet/CappSheetDefView.h"

#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/win/CmdUI.h"

namespace
{
struct RoleTool
{
    UINT nID;
    int nMode;
};
const RoleTool kRoleTools[] = {
    {ID_SHEET_CELL_STATIC_TOOL, CSheetViewAux::modeStaticTool},
    {ID_SHEET_CELL_VARIABLE_TOOL, CSheetViewAux::modeVariableTool},
    {ID_SHEET_CELL_IMAGE_TOOL, CSheetViewAux::modeImageTool},
};

int RoleToolMode(UINT nID)
{
    for (const RoleTool& tool : kRoleTools) {
        if (tool.nID == nID) {
            return tool.nMode;
        }
    }
    return CCappSheetDefView::editSelect;
}
} // namespace

void CCappSheetDefView::OnCellSelectTool()
{
    m_nEditMode = editSelect;
}

void CCappSheetDefView::OnCellRoleTool(UINT nID)
{
    const int nMode = RoleToolMode(nID);
    m_nEditMode = m_nEditMode == nMode ? static_cast<int>(editSelect) : nMode;
}

void CCappSheetDefView::OnUpdateCellRoleTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nEditMode == RoleToolMode(pCmdUI->m_nID) ? 1 : 0);
}

void CCappSheetDefView::OnCellStatic()
{
    if (!CSheetDefRangeFun::IsEmpty(m_rangeSel)) {
        m_aux.SetStaticText();
    }
}

void CCappSheetDefView::OnCellVariable()
{
    if (!CSheetDefRangeFun::IsEmpty(m_rangeSel)) {
        m_aux.SetCardVar();
    }
}

void CCappSheetDefView::OnCellImage()
{
    if (!CSheetDefRangeFun::IsEmpty(m_rangeSel)) {
        m_aux.SetGraphVar();
    }
}

void CCappSheetDefView::OnCellEdit()
{
    m_aux.EditCellProperties();
}

void CCappSheetDefView::OnUpdateCellEdit(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CSheetDefRangeFun::GetCell(*m_pSheet, m_rangeSel) != nullptr);
}

void CCappSheetDefView::OnCellProperties()
{
    m_aux.EditCellProperties();
}

void CCappSheetDefView::OnCellByName()
{
    m_aux.EditCellByName();
}
