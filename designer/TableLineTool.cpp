#include "designer/TableLineTool.h"

#include "designer/CappSheetDefView.h"

CTableLineTool::CTableLineTool(CCappSheetDefView* pView) : m_pView(pView)
{
}

BOOL CTableLineTool::OnLButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CTableLineTool::OnLButtonUp(UINT, CPoint)
{
    return FALSE;
}

BOOL CTableLineTool::OnMouseMove(UINT, CPoint)
{
    return FALSE;
}

BOOL CTableLineTool::OnLButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CTableLineTool::OnRButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CTableLineTool::OnSetCursor()
{
    return FALSE;
}

BOOL CTableLineTool::HasPendingLine() const
{
    return FALSE;
}
