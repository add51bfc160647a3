// Caret, arrow keys, mouse and selection of the special edit.
#include <algorithm>
#include <cstdlib>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "symbols/ContentSegment.h"
#include "symedit/GlyphworkEdit.h"
#include "symedit/GlyphworkEditRow.h"

bool CGlyphworkEdit::IsKeyDown(int nVirtKey)
{
    return ::GetKeyState(nVirtKey) < 0;
}

int CGlyphworkEdit::RoundPixel(float f)
{
    return static_cast<int>(f + 0.5f);
}

bool CGlyphworkEdit::IsAfter(const CPoint& a, const CPoint& b)
{
    return a.y > b.y || (a.y == b.y && a.x > b.x);
}

void CGlyphworkEdit::StopAtEdge(UINT nKey, bool bShift)
{
    if (bShift)
        return;
    if (HasSelection())
        SelectionNo();
    else
        EndEditByKey(nKey);
}

void CGlyphworkEdit::EndMove(bool bShift, bool bFollow)
{
    if (bShift) {
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    } else if (HasSelection()) {
        SelectionNo();
    }
    if (bFollow)
        FollowCaret();
    ShowCaretAt();
}

// Geometry.

CGlyphworkEditRow* CGlyphworkEdit::GetEditRow(int nRow)
{
    POSITION pos = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
    return pos != nullptr ? static_cast<CGlyphworkEditRow*>(m_listEditRow.GetAt(pos)) : nullptr;
}

int CGlyphworkEdit::GetSegXStep(CGlyphworkEditRow* pRow, int nIndex)
{
    CContentSegment* pSeg = pRow->GetSeg(nIndex);
    if (pSeg == nullptr)
        return 0;
    // The row spreads its spare pixels one each over its first segments.
    return RoundPixel(static_cast<float>(pSeg->m_nWidth) * m_fScale) + (nIndex < pRow->m_nSparePixels ? 1 : 0);
}

int CGlyphworkEdit::GetRowEndCol(CGlyphworkEditRow* pRow)
{
    return pRow->GetSegCount() - (pRow->EndsWithEnter() ? 1 : 0);
}

int CGlyphworkEdit::GetRowScaledWidth(CGlyphworkEditRow* pRow)
{
    return RoundPixel(static_cast<float>(pRow->m_nWidth) * m_fScale);
}

int CGlyphworkEdit::GetFirstXPos(CDC* pDC, CGlyphworkEditRow* pRow)
{
    return pRow->GetFirstXPos(pDC, m_nLayoutWidth, m_nLeftMargin, m_nAlign, m_fScale);
}

int CGlyphworkEdit::GetRowFromY(int y)
{
    return (y + m_nRowSpacing + m_nScrollOffset) / std::max(1, GetRowPitch());
}

int CGlyphworkEdit::GetCaretHeight()
{
    return RoundPixel(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale);
}

int CGlyphworkEdit::GetCaretPosX(CDC* pDC, int nRow, int& nCol, int& x)
{
    if (!HasRows())
        return 0;
    nRow = std::clamp(nRow, 0, m_nRowCount - 1);
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr)
        return 0;
    if (nCol < 0)
        nCol = 0;
    if (nCol > pRow->GetSegCount())
        nCol = GetRowEndCol(pRow);
    x = GetFirstXPos(pDC, pRow);
    for (int i = 0; i < nCol; i++)
        x += GetSegXStep(pRow, i);
    return 1;
}

int CGlyphworkEdit::GetPickedPos(CDC* pDC, int nRow, int x, int& nCaretX, int& nCol)
{
    CGlyphworkEditRow* pRow = HasRows() && nRow < m_nRowCount ? GetEditRow(nRow) : nullptr;
    if (pRow == nullptr)
        return 0;
    const int f = GetFirstXPos(pDC, pRow);
    const int w = GetRowScaledWidth(pRow);
    if (x >= f + w) {
        nCol = GetRowEndCol(pRow);
        return GetCaretPosX(pDC, nRow, nCol, nCaretX);
    }
    nCol = 0;
    nCaretX = f;
    if (x <= f)
        return 1;
    int nRunX = f;
    const int nCount = pRow->GetSegCount();
    for (int i = 0; i < nCount; i++) {
        const int nStep = GetSegXStep(pRow, i);
        if (pRow->GetSeg(i)->IsKindOf() == SEG_ENTER || (x >= nRunX && x < nRunX + nStep)) {
            nCol = i;
            nCaretX = nRunX;
            return 1;
        }
        nRunX += nStep;
        nCol = i + 1;
        nCaretX = nRunX;
    }
    return 1;
}

void CGlyphworkEdit::ResetInputPos()
{
    if (!HasRows())
        return;
    m_nCaretRow = std::clamp(m_nCaretRow, 0, m_nRowCount - 1);
    CClientDC dc(GetSafeHwnd());
    GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
    m_nCaretY = GetRowY(m_nCaretRow);
    if (GetSafeHwnd() != nullptr)
        ::SetCaretPos(m_nCaretX, m_nCaretY);
}

void CGlyphworkEdit::MoveCaretToPick(CDC* pDC, int nRow, int x)
{
    int nCaretX = 0;
    int nCol = 0;
    if (!GetPickedPos(pDC, nRow, x, nCaretX, nCol))
        return;
    m_nCaretRow = nRow;
    m_nCaretCol = nCol;
    m_nCaretX = nCaretX;
    m_nCaretY = GetRowY(nRow);
}

// Caret moves.

bool CGlyphworkEdit::BeginMove()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    if (bShift && !HasSelection()) {
        m_posSelStart = m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelStart = m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    }
    return bShift;
}

void CGlyphworkEdit::ClearSelectionPoints()
{
    m_posSelStart = m_posSelEnd = CPoint(0, 0);
    m_ptSelStart = m_ptSelEnd = CPoint(0, 0);
}

bool CGlyphworkEdit::CanMoveSideways(UINT nKey, bool bShift)
{
    if (IsReadOnly() || (!HasRows() && !bShift)) {
        EndEditByKey(nKey);
        return false;
    }
    return HasRows();
}

void CGlyphworkEdit::MoveCursorLeft()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (!CanMoveSideways(VK_LEFT, bShift))
        return;
    if (m_nCaretRow == 0 && m_nCaretCol == 0) {
        StopAtEdge(VK_LEFT, bShift);
        return;
    }
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    CClientDC dc(GetSafeHwnd());
    const bool bCrossed = m_nCaretCol == 0;
    if (!bCrossed) {
        m_nCaretCol--;
        m_nCaretX -= GetSegXStep(GetEditRow(m_nCaretRow), m_nCaretCol);
    } else {
        m_nCaretRow--;
        m_nCaretCol = (GetEditRow(m_nCaretRow))->GetSegCount() + 1;
        GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
        m_nCaretY -= GetRowPitch();
    }
    if (bShift) {
        if (!bCrossed && posOldEnd.x > 0)
            ReDrawRect(posOldEnd.y, posOldEnd.x - 1, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
    }
    EndMove(bShift, bCrossed);
}

void CGlyphworkEdit::MoveCursorRight()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (!CanMoveSideways(VK_RIGHT, bShift))
        return;
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    const bool bAtRowEnd = m_nCaretCol >= GetRowEndCol(pRow);
    if (bAtRowEnd && GetEditRow(m_nCaretRow + 1) == nullptr) {
        StopAtEdge(VK_RIGHT, bShift);
        return;
    }
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    const CPoint ptOldEnd = m_ptSelEnd;
    CClientDC dc(GetSafeHwnd());
    if (!bAtRowEnd) {
        m_nCaretX += GetSegXStep(pRow, m_nCaretCol);
        m_nCaretCol++;
    } else {
        m_nCaretRow++;
        m_nCaretCol = 0;
        m_nCaretX = GetFirstXPos(&dc, GetEditRow(m_nCaretRow));
        m_nCaretY += GetRowPitch();
    }
    if (bShift) {
        if (!bAtRowEnd)
            ReDrawRect(posOldEnd.y, posOldEnd.x, posOldEnd.y, posOldEnd.x + 1, ptOldEnd, FALSE);
    }
    EndMove(bShift, bAtRowEnd);
}

void CGlyphworkEdit::MoveCursorUp()
{
    MoveCursorToRow(-1, VK_UP);
}

void CGlyphworkEdit::MoveCursorDown()
{
    MoveCursorToRow(1, VK_DOWN);
}

void CGlyphworkEdit::MoveCursorToRow(int nStep, UINT nKey)
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (IsReadOnly() || !HasRows()) {
        EndEditByKey(nKey);
        return;
    }
    if (nStep < 0 ? m_nCaretRow == 0 : m_nCaretRow >= m_nRowCount - 1) {
        StopAtEdge(nKey, bShift);
        return;
    }
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    const CPoint ptOldEnd = m_ptSelEnd;
    CClientDC dc(GetSafeHwnd());
    MoveCaretToPick(&dc, m_nCaretRow + nStep, m_nCaretX);
    // The stretch between the old end and the caret, toggled from whichever comes first.
    if (bShift && nStep < 0)
        ReDrawRect(m_nCaretRow, m_nCaretCol, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
    else if (bShift)
        ReDrawRect(posOldEnd.y, posOldEnd.x, m_nCaretRow, m_nCaretCol, ptOldEnd, FALSE);
    EndMove(bShift, true);
}

void CGlyphworkEdit::JumpToHead()
{
    JumpInRow(false);
}

void CGlyphworkEdit::JumpToEnd()
{
    JumpInRow(true);
}

void CGlyphworkEdit::JumpInRow(bool bEnd)
{
    if (IsReadOnly() || !HasRows())
        return;
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (!bShift && HasSelection())
        SelectionNo();
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    const CPoint ptOldEnd = m_ptSelEnd;
    CClientDC dc(GetSafeHwnd());
    m_nCaretCol = bEnd ? GetRowEndCol(GetEditRow(m_nCaretRow)) : 0;
    GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
    if (bShift && bEnd)
        ReDrawRect(posOldEnd.y, posOldEnd.x, m_nCaretRow, m_nCaretCol, ptOldEnd, FALSE);
    else if (bShift)
        ReDrawRect(m_nCaretRow, 0, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
    EndMove(bShift, false);
}

// Deleting.

void CGlyphworkEdit::DeleteChar()
{
    if (IsReadOnly() || !HasRows())
        return;
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    CContentSegment* pSeg = pRow != nullptr ? pRow->GetSeg(m_nCaretCol) : nullptr;
    if (pSeg == nullptr)
        return;
    CObList list;
    list.AddTail(pSeg);
    SaveUndoInfo(undoDelete, list);
    DeleteContSegList(1);
}

void CGlyphworkEdit::Backspace()
{
    if (IsReadOnly() || !HasRows() || (m_nCaretRow == 0 && m_nCaretCol == 0))
        return;
    CContentSegment* pSeg = nullptr;
    if (m_nCaretCol > 0) {
        m_nCaretCol--;
        pSeg = (GetEditRow(m_nCaretRow))->GetSeg(m_nCaretCol);
    } else {
        m_nCaretRow--;
        CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
        m_nCaretCol = std::max(0, pRow->GetSegCount() - 1);
        pSeg = pRow->GetSeg(m_nCaretCol);
    }
    ResetInputPos();
    if (pSeg == nullptr)
        return;
    CObList list;
    list.AddTail(pSeg);
    SaveUndoInfo(undoDelete, list);
    DeleteContSegList(1);
}

void CGlyphworkEdit::DeleteSelection()
{
    if (IsReadOnly() || !HasRows() || !HasSelection())
        return;
    CObList list;
    GetSelList(list);
    CPoint posStart = m_posSelStart;
    CPoint posEnd = m_posSelEnd;
    CPoint ptStart = m_ptSelStart;
    CPoint ptEnd = m_ptSelEnd;
    NormalPos(posStart, posEnd, ptStart, ptEnd);
    m_nCaretRow = posStart.y;
    m_nCaretCol = posStart.x;
    SelectionNo();
    ResetInputPos();
    SaveUndoInfo(undoDelete, list);
    DeleteContSegList(static_cast<int>(list.GetCount()));
}

// Selection.

void CGlyphworkEdit::NormalPos(CPoint& posStart, CPoint& posEnd, CPoint& ptStart, CPoint& ptEnd)
{
    if (!IsAfter(posStart, posEnd))
        return;
    std::swap(posStart, posEnd);
    std::swap(ptStart, ptEnd);
}

void CGlyphworkEdit::GetSelList(CObList& list)
{
    list.RemoveAll();
    CPoint posStart = m_posSelStart;
    CPoint posEnd = m_posSelEnd;
    if (posStart.x < 0 || posStart.y < 0 || posEnd.x < 0 || posEnd.y < 0)
        return;
    CPoint ptStart = m_ptSelStart;
    CPoint ptEnd = m_ptSelEnd;
    NormalPos(posStart, posEnd, ptStart, ptEnd);
    if (posStart == posEnd || !HasRows())
        return;
    for (int nRow = posStart.y; nRow <= posEnd.y; nRow++) {
        CGlyphworkEditRow* pRow = GetEditRow(nRow);
        if (pRow == nullptr)
            break;
        const int nFrom = nRow == posStart.y ? posStart.x : 0;
        const int nTo = nRow == posEnd.y ? posEnd.x : pRow->GetSegCount();
        for (int i = nFrom; i < nTo; i++) {
            if (CContentSegment* pSeg = pRow->GetSeg(i))
                list.AddTail(pSeg);
        }
    }
}

void CGlyphworkEdit::SelectionNo()
{
    if (!HasSelection())
        return;
    CPoint posStart = m_posSelStart;
    CPoint posEnd = m_posSelEnd;
    CPoint ptStart = m_ptSelStart;
    CPoint ptEnd = m_ptSelEnd;
    NormalPos(posStart, posEnd, ptStart, ptEnd);
    ReDrawRect(posStart.y, posStart.x, posEnd.y, posEnd.x, ptStart, FALSE);
    ClearSelectionPoints();
}

void CGlyphworkEdit::OnSelectAll()
{
    if (IsReadOnly() || !HasRows())
        return;
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    SelectionNo();
    CClientDC dc(GetSafeHwnd());
    CGlyphworkEditRow* pFirst = GetEditRow(0);
    CGlyphworkEditRow* pLast = GetEditRow(m_nRowCount - 1);
    m_posSelStart = CPoint(0, 0);
    m_ptSelStart = CPoint(GetFirstXPos(&dc, pFirst), m_nTopMargin + GetVSpace() - m_nScrollOffset);
    m_posSelEnd = CPoint(pLast->GetSegCount(), m_nRowCount - 1);
    m_ptSelEnd = CPoint(GetFirstXPos(&dc, pLast) + GetRowScaledWidth(pLast), GetRowY(m_nRowCount - 1));
    ReDrawRect(0, 0, m_posSelEnd.y, m_posSelEnd.x, m_ptSelStart, TRUE);
    m_nCaretRow = m_posSelEnd.y;
    m_nCaretCol = m_posSelEnd.x;
    m_nCaretX = m_ptSelEnd.x;
    m_nCaretY = m_ptSelEnd.y;
    ShowCaretAt();
}

void CGlyphworkEdit::ReDrawRect(int nFromRow, int nFromCol, int nToRow, int nToCol, CPoint ptStart, BOOL bForce)
{
    CClientDC dc(GetSafeHwnd());
    if (nFromRow == nToRow) {
        ReDrawRow(&dc, nFromRow, ptStart.x, ptStart.y, nFromCol, nToCol, bForce);
        return;
    }
    CGlyphworkEditRow* pRow = GetEditRow(nFromRow);
    if (pRow != nullptr)
        ReDrawRow(&dc, nFromRow, ptStart.x, ptStart.y, nFromCol, pRow->GetSegCount(), bForce);
    int y = ptStart.y;
    for (int nRow = nFromRow + 1; nRow <= nToRow; nRow++) {
        y += GetRowPitch();
        pRow = GetEditRow(nRow);
        if (pRow == nullptr)
            break;
        ReDrawRow(&dc, nRow, GetFirstXPos(&dc, pRow), y, 0, nRow == nToRow ? nToCol : pRow->GetSegCount(), bForce);
    }
}

void CGlyphworkEdit::ReDrawRow(CDC* pDC, int nRow, int x, int y, int nFromCol, int nToCol, BOOL bForce)
{
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr)
        return;
    if (nFromCol > nToCol)
        std::swap(nFromCol, nToCol);
    int nWidth = 0;
    for (int i = nFromCol; i < nToCol; i++) {
        CContentSegment* pSeg = pRow->GetSeg(i);
        if (pSeg == nullptr)
            break;
        pSeg->m_bSelected = bForce ? 1 : !pSeg->m_bSelected;
        nWidth += GetSegXStep(pRow, i);
    }
    // The paint handler draws the shadow from the flags; only the stretch needs repainting.
    if (pDC == nullptr || GetSafeHwnd() == nullptr || nWidth == 0)
        return;
    const float h = static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale;
    CRect rc(x, y - RoundPixel(h * 0.25f), x + nWidth, y + RoundPixel(h * 1.25f));
    InvalidateRect(&rc, FALSE);
}

void CGlyphworkEdit::DrawShadow(CDC* pDC)
{
    if (!HasSelection())
        return;
    for (int nRow = 0; nRow < m_nRowCount; nRow++)
        DrawRowSelection(pDC, nRow);
}

void CGlyphworkEdit::DrawRowSelection(CDC* pDC, int nRow)
{
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr)
        return;
    // Each run of selected segments gets one black stretch.
    int x = GetFirstXPos(pDC, pRow);
    const int nCount = pRow->GetSegCount();
    for (int i = 0; i < nCount;) {
        if (!pRow->GetSeg(i)->m_bSelected) {
            x += GetSegXStep(pRow, i++);
            continue;
        }
        int nTo = i;
        int nStretch = 0;
        while (nTo < nCount && pRow->GetSeg(nTo)->m_bSelected)
            nStretch += GetSegXStep(pRow, nTo++);
        DrawRowShadow(pDC, nRow, x, GetRowY(nRow), i, nTo);
        x += nStretch;
        i = nTo;
    }
}

void CGlyphworkEdit::DrawRowShadow(CDC* pDC, int nRow, int x, int y, int nFromCol, int nToCol)
{
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pDC == nullptr || pRow == nullptr)
        return;
    int nWidth = 0;
    for (int i = std::min(nFromCol, nToCol); i < std::max(nFromCol, nToCol); i++)
        nWidth += GetSegXStep(pRow, i);
    const float h = static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale;
    if (pRow->m_bFitsByNarrowing)
        pDC->FillSolidRect(x, y, nWidth, RoundPixel(h), RGB(0, 0, 0));
    else
        pDC->FillSolidRect(x, y - RoundPixel(h * 0.25f), nWidth, RoundPixel(h * 0.25f) + RoundPixel(h * 1.25f),
                           RGB(0, 0, 0));
}

// Mouse.

void CGlyphworkEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsReadOnly()) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    SetFocus();
    ::HideCaret(m_hWnd);
    SelectionNo();
    SetSelectionState(0);
    CClientDC dc(m_hWnd);
    const int nRow = GetRowFromY(point.y);
    int nCaretX = 0;
    int nCol = 0;
    if (GetPickedPos(&dc, nRow, point.x, nCaretX, nCol)) {
        m_nCaretRow = nRow;
        m_nCaretCol = nCol;
        m_nCaretX = nCaretX;
        m_nCaretY = GetRowY(nRow);
        m_posSelStart = m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelStart = m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
        SetSelectionState(1);
    }
    ShowCaretAt();
}

void CGlyphworkEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nSelectionState == 0 || !HasRows())
        return;
    if (!(nFlags & MK_LBUTTON)) {
        // Released outside the window.
        ::HideCaret(m_hWnd);
        SetSelectionState(0);
        m_nCaretRow = m_posSelEnd.y;
        m_nCaretCol = m_posSelEnd.x;
        m_nCaretX = m_ptSelEnd.x;
        m_nCaretY = m_ptSelEnd.y;
        ShowCaretAt();
        return;
    }
    CClientDC dc(m_hWnd);
    const int nRow = std::clamp(GetRowFromY(point.y), 0, m_nRowCount - 1);
    MoveCaretToPick(&dc, nRow, point.x);
    const CPoint posNew(m_nCaretCol, m_nCaretRow);
    if (posNew == m_posSelEnd)
        return;
    CPoint posFrom = posNew;
    CPoint posTo = m_posSelEnd;
    CPoint ptFrom(m_nCaretX, m_nCaretY);
    CPoint ptTo = m_ptSelEnd;
    NormalPos(posFrom, posTo, ptFrom, ptTo);
    ReDrawRect(posFrom.y, posFrom.x, posTo.y, posTo.x, ptFrom, FALSE);
    m_posSelEnd = posNew;
    m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    ::SetCaretPos(m_nCaretX, m_nCaretY);
}

void CGlyphworkEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsReadOnly()) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    ::SetCaretPos(m_nCaretX, m_nCaretY);
    if (m_nSelectionState != 0 && HasRows()) {
        SetSelectionState(0);
        ::HideCaret(m_hWnd);
        CClientDC dc(m_hWnd);
        MoveCaretToPick(&dc, std::clamp(GetRowFromY(point.y), 0, m_nRowCount - 1), point.x);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
        if (m_posSelEnd != m_posSelStart)
            NormalPos(m_posSelStart, m_posSelEnd, m_ptSelStart, m_ptSelEnd);
    }
    SetFocus();
    ShowCaretAt();
}

void CGlyphworkEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SelectionNo();
    const int nRow = GetRowFromY(point.y);
    if (!IsReadOnly() && HasRows() && nRow >= 0 && nRow < m_nRowCount) {
        {
            CClientDC dc(m_hWnd);
            MoveCaretToPick(&dc, nRow, point.x);
        }
        EditAtCaretOrTellParent();
    } else {
        // Below the last row there is no element: the caret's would be the wrong one.
        SendDBClickMsg();
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CGlyphworkEdit::EditAtCaretOrTellParent()
{
    SelectionNo();
    if (EditSpecial(m_nCaretRow, m_nCaretCol) == 0)
        SendDBClickMsg();
}
