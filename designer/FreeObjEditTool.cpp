#include "designer/FreeObjEditTool.h"

#include "designer/CappSheetDefView.h"

CFreeObjEditTool::CFreeObjEditTool() = default;

CFreeObjEditTool::~CFreeObjEditTool() = default;

void CFreeObjEditTool::OnLButtonDown(UINT, CPoint)
{
}

void CFreeObjEditTool::OnLButtonUp(UINT, CPoint)
{
}

void CFreeObjEditTool::OnMouseMove(UINT, CPoint)
{
}

void CFreeObjEditTool::OnLButtonDblClk(UINT, CPoint)
{
}

void CFreeObjEditTool::OnRButtonDown(UINT, CPoint)
{
}

void CFreeObjEditTool::OnKeyDown(UINT)
{
}

void CFreeObjEditTool::OnKeyUp(UINT)
{
}

void CFreeObjEditTool::Draw(CDC*)
{
}

void CFreeObjEditTool::DeselectAll()
{
}

void CFreeObjEditTool::SetCreateKind(int)
{
}

CCappFreeObj* CFreeObjEditTool::FindByCellID(int) const
{
    return nullptr;
}

void CFreeObjEditTool::DeleteObj(CCappFreeObj*)
{
}

CDesignFreeObjEditTool::CDesignFreeObjEditTool(CCappSheetDefView* pView)
{
    m_pView = pView;
}
