#include "designer/SheetViewAux.h"

#include "designer/CappSheetDefView.h"
#include "core/CappSheet.h"
#include "designer/SheetDefRangeFun.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/SavedDC.h"
#include "platform/gdi/SelectGuard.h"

CSheetViewAux::CSheetViewAux(CCappSheetDefView* pView) : m_pView(pView)
{
}

BOOL CSheetViewAux::OnLButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CSheetViewAux::OnLButtonUp(UINT, CPoint)
{
    return FALSE;
}

BOOL CSheetViewAux::OnMouseMove(UINT, CPoint)
{
    return FALSE;
}

BOOL CSheetViewAux::OnLButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CSheetViewAux::OnSetCursor()
{
    return FALSE;
}

void CSheetViewAux::BeginTracking()
{
}

void CSheetViewAux::EndTracking()
{
}

void CSheetViewAux::ResetTracking()
{
    CCappSheetDefView& view = *m_pView;
    if (!CSheetDefRangeFun::IsEmpty(view.m_rangeTrack)) {
        view.RepaintSheetRect(CSheetDefRangeFun::Union(view.m_rangeSel, view.m_rangeTrack).m_rect);
        view.m_rangeTrack.ResertVal();
    }
}

void CSheetViewAux::SetStaticText(CCappCell*)
{
}

void CSheetViewAux::SetCardVar(CCappCell*)
{
}

void CSheetViewAux::SetGraphVar(CCappCell*)
{
}

void CSheetViewAux::AddCell(CCappCell* pCell, const CString& strMidName)
{
    m_pView->m_pSheet->m_DefUndo.DetachUndoList();
    CSheetDefRangeFun::AddCell(*m_pView->m_pSheet, strMidName, pCell);
}

void CSheetViewAux::RemoveCell(CCappCell* pCell, BOOL)
{
    CSheetDefRangeFun::RemoveCell(*m_pView->m_pSheet, pCell);
}

void CSheetViewAux::DrawMarks(CDC* pDC)
{
    const CCappSheetDefView& view = *m_pView;
    // The selection: a red outline one pixel wide, right and bottom edges one pixel inside.
    if (!CSheetDefRangeFun::IsEmpty(view.m_rangeSel)) {
        CRect rc = view.m_rangeSel.m_rect;
        pDC->LPtoDP(&rc);
        rc.NormalizeRect();
        CFxSavedDC saved(pDC);
        pDC->SetMapMode(MM_TEXT);
        pDC->SetViewportOrg(0, 0);
        pDC->SetWindowOrg(0, 0);
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, NULL_BRUSH);
        pDC->Rectangle(rc.left, rc.top, rc.right, rc.bottom);
    }
    // The drop-target range: grey with a magenta outline, masked over what lies below.
    if (!CSheetDefRangeFun::IsEmpty(view.m_rangeDrop)) {
        CFxSavedDC saved(pDC);
        pDC->SetROP2(R2_MASKPEN);
        CPen pen(PS_SOLID, 1, RGB(255, 0, 255));
        CBrush brush(RGB(0xBC, 0xBC, 0xBC));
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, &brush);
        pDC->Rectangle(&view.m_rangeDrop.m_rect);
    }
}
