// The window part of CGlyphworkEdit: in-place editing, caret, mouse, selection, clipboard and undo.
#include <algorithm>
#include <cstdlib>

#include "common/KvClipboard.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/SelectGuard.h"
#include "platform/win/Menu.h"
#include "symbols/EnterContSeg.h"
#include "symbols/UndoItem.h"
#include "symedit/GlyphworkEdit.h"
#include "symedit/GlyphworkEditRow.h"
#include "symedit/res/resource.h"

namespace
{
const char kClassName[] = "SPECIALEDIT";
// WS_CHILD | WS_VISIBLE | WS_TABSTOP, with WS_VSCROLL for edit-style bit 0x2.
const DWORD kWndStyle = 0x50010000;
const DWORD kWndStyleScroll = 0x50210000;
const int kScrollBarWidth = 16;

bool IsKeyDown(int nVirtKey)
{
    return ::GetKeyState(nVirtKey) < 0;
}

int Scaled(float f)
{
    return static_cast<int>(f + 0.5f);
}

CContentSegment* SegAt(CGlyphworkEditRow* pRow, int nIndex)
{
    POSITION pos = nIndex >= 0 ? pRow->m_listSeg.FindIndex(nIndex) : nullptr;
    return pos != nullptr ? static_cast<CContentSegment*>(pRow->m_listSeg.GetAt(pos)) : nullptr;
}

int SegCount(CGlyphworkEditRow* pRow)
{
    return static_cast<int>(pRow->m_listSeg.GetCount());
}

bool EndsWithEnter(CGlyphworkEditRow* pRow)
{
    return !pRow->m_listSeg.IsEmpty() &&
           static_cast<CContentSegment*>(pRow->m_listSeg.GetTail())->IsKindOf() == SEG_ENTER;
}

// Reading order of (column, row) pairs: row first.
bool IsAfter(const CPoint& a, const CPoint& b)
{
    return a.y > b.y || (a.y == b.y && a.x > b.x);
}

void RegisterEditClass()
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FxWndProc;
    // CWnd::CreateEx creates named classes with the process module.
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32513)); // IDC_IBEAM
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);
}
} // namespace

CGlyphworkEdit::CGlyphworkEdit(CWnd* pParent, CRect& rcWnd, LOGFONT lfBase, UINT nID, CString strText, int /*nUnused*/,
                               int nRowLines, int nSpacing, COLORREF crText, CRect& rcText, int nFormat, int nEditStyle,
                               UINT nAlign, float fScale, CPoint ptClick)
    : CGlyphworkEdit()
{
    SetTextData(lfBase, strText, nFormat, static_cast<int>(nAlign), fScale, crText);
    SetLineStyle(nSpacing, nRowLines);
    CreateEdit(pParent, nEditStyle, rcWnd, rcText, nID, ptClick);
}

BOOL CGlyphworkEdit::CreateEdit(CWnd* pParent, int nEditStyle, CRect rcWnd, CRect rcText, UINT nID, CPoint ptClick)
{
    m_pParentWnd = pParent;
    m_dwEditStyle = static_cast<DWORD>(nEditStyle);
    m_rcCtrl = rcWnd;
    m_rcTextArea = rcText;
    ResetMargins();
    RegisterEditClass();
    const bool bScroll = (m_dwEditStyle & styleVScroll) != 0;
    if (!CreateEx(0, kClassName, "", bScroll ? kWndStyleScroll : kWndStyle, rcWnd.left, rcWnd.top, rcWnd.Width(),
                  rcWnd.Height(), pParent != nullptr ? pParent->GetSafeHwnd() : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    m_bAutoDelete = TRUE;
    if (bScroll) {
        if (m_rcTextArea.Height() > rcWnd.Height())
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcWnd.Width(), m_rcTextArea.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_rcTextArea.right -= kScrollBarWidth;
    }
    const int nFontHeight = static_cast<int>(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale);
    if (m_dwEditStyle & styleFontRowHeight)
        m_nRowHeight = Scaled(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale * 1.5f);
    else
        m_nRowHeight = rcWnd.Height();
    m_rcText = m_rcTextArea;
    m_nLayoutWidth = m_rcTextArea.Width() - m_nLeftMargin - m_nRightMargin;
    const int nRoom = rcWnd.Height() - 2 * m_nTopMargin - nFontHeight;
    if (nRoom > 0 && !(m_dwEditStyle & styleFontRowHeight)) {
        if (m_nAlign & 0x4)
            m_nTopMargin += nRoom / 2;
        else if (m_nAlign & 0x8)
            m_nTopMargin += nRoom;
    }
    m_nCaretY = m_nTopMargin;
    {
        CClientDC dc(m_hWnd);
        InitData(&dc, m_strText);
        m_nOrigRows = m_nRowCount;
        if (bScroll) {
            m_nPageRows = std::max(1, (m_rcTextArea.Height() + m_nRowSpacing) / std::max(1, GetRowPitch()));
            ::ShowScrollBar(m_hWnd, SB_VERT, TRUE);
            m_nScrollPos = 0;
            ResetVScrollRange();
        }
        if (ptClick.x != -1 && ptClick.y != -1)
            MoveCaretToPick(&dc, GetRowFromY(ptClick.y), ptClick.x);
    }
    ResizeWnd();
    SetFocus();
    return TRUE;
}

BOOL CGlyphworkEdit::SetBeginRow(int nRow)
{
    m_nFirstShowRow = nRow;
    return TRUE;
}

void CGlyphworkEdit::InitData(CDC* pDC, CString strText)
{
    DetachEditRowList();
    DetachContSegList();
    m_listEditRow.AddTail(new CGlyphworkEditRow);
    m_nRowCount = 1;
    m_nCaretRow = 0;
    m_nCaretCol = 0;
    if (!strText.IsEmpty()) {
        TransStringToContSegList(pDC, strText);
        auto* pRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetHead());
        pRow->m_listSeg.AddTail(&m_listContSeg);
        m_listContSeg.RemoveAll();
        ReCalEditRow(pDC, 0);
        m_nCaretRow = m_nRowCount - 1;
        m_nCaretCol = 0;
    }
    ResetInputPos();
}

void CGlyphworkEdit::SetSelectionState(int nState)
{
    m_nSelectionState = nState;
    if (GetSafeHwnd() == nullptr)
        return;
    if (nState != 0)
        ::SetCapture(m_hWnd);
    else if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CGlyphworkEdit::RunCommand(UINT nID)
{
    if (GetSafeHwnd() != nullptr)
        SendMessage(WM_COMMAND, nID, 0);
}

BOOL CGlyphworkEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
        return CWnd::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case ID_EDIT_UNDOEX:
        Undo();
        return TRUE;
    case ID_EDIT_REDOEX:
        Redo();
        return TRUE;
    case ID_EDIT_CUTEX:
        OnDataCut();
        return TRUE;
    case ID_EDIT_COPYEX:
        OnDataCopy();
        return TRUE;
    case ID_EDIT_PASTEEX:
        OnDataPaste();
        return TRUE;
    case ID_EDIT_ERASEEX:
        DeleteSelection();
        return TRUE;
    case ID_EDIT_SELALLEX:
        OnSelectAll();
        return TRUE;
    default:
        return RunHostMenuItem(LOWORD(wParam)) || CWnd::OnCommand(wParam, lParam);
    }
}

void CGlyphworkEdit::PostNcDestroy()
{
    // Hosts create the control with new and leave its end to DestroyEdit.
    if (m_bAutoDelete)
        delete this;
}

void CGlyphworkEdit::DestroyEdit()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

// Queries and interface actions.

BOOL CGlyphworkEdit::CanUndoEx()
{
    return !IsReadOnly() && !m_listUndo.IsEmpty() && m_posUndo != nullptr;
}

BOOL CGlyphworkEdit::CanRedo()
{
    return !IsReadOnly() && !m_listUndo.IsEmpty() && m_posUndo != m_listUndo.GetTailPosition();
}

BOOL CGlyphworkEdit::CanCopy()
{
    return HasSelection();
}

BOOL CGlyphworkEdit::CanCut()
{
    return !IsReadOnly() && HasSelection();
}

BOOL CGlyphworkEdit::CanPaste()
{
    DWORD dwSize = 0;
    return !IsReadOnly() && CKvClipboard::GetTextLength(dwSize, GetSafeHwnd()) && dwSize > 1;
}

BOOL CGlyphworkEdit::CanSelectAll()
{
    if (IsReadOnly() || !HasRows())
        return FALSE;
    return m_nRowCount > 1 || SegCount(GetEditRow(0)) > 0;
}

void CGlyphworkEdit::OnCopy()
{
    OnDataCopy();
}

void CGlyphworkEdit::OnPaste()
{
    OnDataPaste();
}

void CGlyphworkEdit::OnCut()
{
    OnDataCut();
}

void CGlyphworkEdit::OnUndo()
{
    Undo();
}

void CGlyphworkEdit::OnRedo()
{
    Redo();
}

void CGlyphworkEdit::Paste(CString strText)
{
    if (IsReadOnly())
        return;
    // The row the text goes into is checked before the selection goes: a full row keeps it.
    int nRow = m_nCaretRow;
    if (HasSelection())
        nRow = IsAfter(m_posSelStart, m_posSelEnd) ? m_posSelEnd.y : m_posSelStart.y;
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow != nullptr && pRow->m_nWidth > m_nLayoutWidth)
        return;
    if (HasSelection())
        DeleteSelection();
    CClientDC dc(GetSafeHwnd());
    DetachContSegList();
    TransStringToContSegList(&dc, strText);
    if (!m_listContSeg.IsEmpty()) {
        SaveUndoInfo(undoInsert, m_listContSeg);
        CObList listInsert;
        listInsert.AddTail(&m_listContSeg);
        m_listContSeg.RemoveAll();
        InsertContSegList(listInsert);
        DetachContSegList(listInsert);
    }
}

void CGlyphworkEdit::Replace(CString strText)
{
    ClearSelectionPoints();
    DeleteUndoListFrom(nullptr);
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    {
        CClientDC dc(GetSafeHwnd());
        InitData(&dc, strText);
    }
    m_bModify = TRUE;
    ResetVScrollRange();
    ResizeWnd();
    if (GetSafeHwnd() != nullptr) {
        Invalidate(FALSE);
        ::ShowCaret(m_hWnd);
    }
    NotifyParent(msgContentChanged);
}

void CGlyphworkEdit::GetSelData(CString& strOut)
{
    strOut.Empty();
    CObList list;
    GetSelList(list);
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        CString strSeg;
        static_cast<CContentSegment*>(list.GetNext(pos))->GetData(strSeg, m_lfFont, m_crText);
        strOut += strSeg;
    }
}

// Geometry.

CGlyphworkEditRow* CGlyphworkEdit::GetEditRow(int nRow)
{
    POSITION pos = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
    return pos != nullptr ? static_cast<CGlyphworkEditRow*>(m_listEditRow.GetAt(pos)) : nullptr;
}

int CGlyphworkEdit::GetSegXStep(CGlyphworkEditRow* pRow, int nIndex)
{
    CContentSegment* pSeg = SegAt(pRow, nIndex);
    if (pSeg == nullptr)
        return 0;
    // The row spreads its spare pixels one each over its first segments.
    return Scaled(static_cast<float>(pSeg->m_nWidth) * m_fScale) + (nIndex < pRow->m_nSparePixels ? 1 : 0);
}

int CGlyphworkEdit::GetRowEndCol(CGlyphworkEditRow* pRow)
{
    return SegCount(pRow) - (EndsWithEnter(pRow) ? 1 : 0);
}

int CGlyphworkEdit::GetRowScaledWidth(CGlyphworkEditRow* pRow)
{
    return Scaled(static_cast<float>(pRow->m_nWidth) * m_fScale);
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
    return Scaled(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale);
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
    if (nCol > SegCount(pRow))
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
    const int nCount = SegCount(pRow);
    for (int i = 0; i < nCount; i++) {
        const int nStep = GetSegXStep(pRow, i);
        if (SegAt(pRow, i)->IsKindOf() == SEG_ENTER || (x >= nRunX && x < nRunX + nStep)) {
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

void CGlyphworkEdit::ShowCaretAt()
{
    if (GetSafeHwnd() == nullptr)
        return;
    ::SetCaretPos(m_nCaretX, m_nCaretY);
    ::ShowCaret(m_hWnd);
}

void CGlyphworkEdit::NotifyParent(UINT message)
{
    SendToParent(message);
}

// Layout after edits.

void CGlyphworkEdit::RelayoutAfterEdit(CDC* pDC, bool bFull)
{
    if (m_listEditRow.IsEmpty())
        m_listEditRow.AddTail(new CGlyphworkEditRow);
    m_nCaretRow = std::clamp(m_nCaretRow, 0, static_cast<int>(m_listEditRow.GetCount()) - 1);
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    if (bFull) {
        // Rejoin the rows that continue this one up to its line break, then break again.
        POSITION posNext = m_listEditRow.FindIndex(m_nCaretRow + 1);
        while (!EndsWithEnter(pRow) && posNext != nullptr) {
            POSITION posCur = posNext;
            auto* pNext = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(posNext));
            pRow->m_listSeg.AddTail(&pNext->m_listSeg);
            pNext->m_listSeg.RemoveAll();
            delete pNext;
            m_listEditRow.RemoveAt(posCur);
        }
        ReCalEditRow(pDC, m_nCaretRow);
        pRow = GetEditRow(m_nCaretRow);
    } else if (m_nFormat & formatFitRow) {
        pRow->FitToWidth(pDC, m_nLayoutWidth, m_fScale, m_lfFont.lfHeight);
    }
    pRow->CalcWidth(pDC, m_fScale);
    m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
}

void CGlyphworkEdit::FinishEdit()
{
    ResetInputPos();
    ShowCaretAt();
    m_bModify = TRUE;
    NotifyParent(msgContentChanged);
}

void CGlyphworkEdit::InsertContSeg(CContentSegment* pSeg)
{
    CObList list;
    list.AddTail(pSeg);
    InsertContSegList(list);
}

void CGlyphworkEdit::InsertContSegList(CObList& list)
{
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    CClientDC dc(GetSafeHwnd());
    if (m_listEditRow.IsEmpty()) {
        m_listEditRow.AddTail(new CGlyphworkEditRow);
        m_nRowCount = 1;
    }
    m_nCaretRow = std::clamp(m_nCaretRow, 0, static_cast<int>(m_listEditRow.GetCount()) - 1);
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    bool bEnter = false;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        CContentSegment* pClone = nullptr;
        if (!GetNewContSeg(pClone, static_cast<CContentSegment*>(list.GetNext(pos))))
            continue;
        if (pClone->IsKindOf() == SEG_ENTER) {
            bEnter = true;
        } else if (pClone->m_nWidth == 0) {
            pClone->m_lFont = m_lfFont;
            pClone->m_nWidth = pClone->GetWidth(&dc);
        }
        POSITION posAt = m_nCaretCol >= 0 ? pRow->m_listSeg.FindIndex(m_nCaretCol) : nullptr;
        if (posAt != nullptr)
            pRow->m_listSeg.InsertBefore(posAt, pClone);
        else
            pRow->m_listSeg.AddTail(pClone);
        m_nCaretCol++;
    }
    const bool bFull = bEnter || (m_nFormat & formatBreakByWidth) != 0;
    const int nRow = m_nCaretRow;
    RelayoutAfterEdit(&dc, bFull);
    if (bFull) {
        RefreshFromRow(nRow);
        ResetVScrollRange();
        FollowCaret();
    } else {
        RefreshCurRow(nRow);
    }
    FinishEdit();
}

void CGlyphworkEdit::DeleteContSegList(int nCount)
{
    if (!HasRows() || nCount <= 0)
        return;
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    CClientDC dc(GetSafeHwnd());
    bool bEnter = false;
    int nRow = m_nCaretRow;
    int nCol = m_nCaretCol;
    for (int nDone = 0; nDone < nCount;) {
        CGlyphworkEditRow* pRow = GetEditRow(nRow);
        if (pRow == nullptr)
            break;
        POSITION pos = nCol >= 0 ? pRow->m_listSeg.FindIndex(nCol) : nullptr;
        if (pos == nullptr) {
            // The row ran out: go on with the first segments of the next.
            nRow++;
            nCol = 0;
            continue;
        }
        auto* pSeg = static_cast<CContentSegment*>(pRow->m_listSeg.GetAt(pos));
        pRow->m_listSeg.RemoveAt(pos);
        bEnter = bEnter || pSeg->IsKindOf() == SEG_ENTER;
        delete pSeg;
        nDone++;
    }
    const bool bFull = bEnter || (m_nFormat & formatBreakByWidth) != 0;
    RelayoutAfterEdit(&dc, bFull);
    if (bFull) {
        RefreshFromRow(m_nCaretRow);
        ResetVScrollRange();
        FollowCaret();
    } else {
        RefreshCurRow(m_nCaretRow);
    }
    FinishEdit();
}

void CGlyphworkEdit::ModifyContSeg(CObList& list, int nWhich)
{
    POSITION pos = list.GetHeadPosition();
    if (pos == nullptr)
        return;
    CObject* pSeg = list.GetNext(pos);
    if (nWhich == 0) {
        if (pos == nullptr)
            return;
        pSeg = list.GetAt(pos);
    }
    ModifyContSeg(static_cast<CContentSegment*>(pSeg));
}

void CGlyphworkEdit::ModifyContSeg(CContentSegment* pSeg)
{
    if (pSeg == nullptr || !HasRows())
        return;
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    CClientDC dc(GetSafeHwnd());
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    int nCol = m_nCaretCol;
    POSITION posOld = pRow != nullptr && nCol >= 0 ? pRow->m_listSeg.FindIndex(nCol) : nullptr;
    if (posOld == nullptr) {
        pRow = GetEditRow(m_nCaretRow + 1);
        posOld = pRow != nullptr ? pRow->m_listSeg.GetHeadPosition() : nullptr;
    }
    if (posOld == nullptr)
        return;
    auto* pOld = static_cast<CContentSegment*>(pRow->m_listSeg.GetAt(posOld));
    const bool bEnter = pOld->IsKindOf() == SEG_ENTER || pSeg->IsKindOf() == SEG_ENTER;
    CContentSegment* pClone = nullptr;
    GetNewContSeg(pClone, pSeg);
    pClone->m_nWidth = pClone->GetWidth(&dc);
    pRow->m_listSeg.SetAt(posOld, pClone);
    delete pOld;
    if (!bEnter && !(m_nFormat & formatBreakByWidth)) {
        if (m_nFormat & formatFitRow)
            pRow->FitToWidth(&dc, m_nLayoutWidth, m_fScale, m_lfFont.lfHeight);
        pRow->CalcWidth(&dc, m_fScale);
        RefreshCurRow(m_nCaretRow);
    } else {
        UniteDataFromRow(m_nCaretRow);
        ReCalEditRow(&dc, m_nCaretRow);
        RefreshFromRow(m_nCaretRow);
        ResetVScrollRange();
        FollowCaret();
    }
    FinishEdit();
}

void CGlyphworkEdit::UniteDataFromRow(int nRow)
{
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr)
        return;
    POSITION pos = m_listEditRow.FindIndex(nRow + 1);
    while (pos != nullptr) {
        POSITION posCur = pos;
        auto* pNext = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(pos));
        pRow->m_listSeg.AddTail(&pNext->m_listSeg);
        pNext->m_listSeg.RemoveAll();
        delete pNext;
        m_listEditRow.RemoveAt(posCur);
    }
    m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
}

// Undo.

void CGlyphworkEdit::DeleteUndoListFrom(POSITION pos)
{
    if (m_listUndo.IsEmpty())
        return;
    if (pos == nullptr)
        pos = m_listUndo.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posCur = pos;
        auto* pItem = static_cast<CUndoItem*>(m_listUndo.GetNext(pos));
        if (m_posUndo == posCur)
            m_posUndo = nullptr;
        m_listUndo.RemoveAt(posCur);
        delete pItem;
    }
    if (m_posUndo == nullptr && !m_listUndo.IsEmpty())
        m_posUndo = m_listUndo.GetTailPosition();
}

void CGlyphworkEdit::SaveUndoInfo(int nAction, CObList& listSeg)
{
    if (!m_listUndo.IsEmpty() && m_posUndo != m_listUndo.GetTailPosition()) {
        POSITION posNext = m_posUndo;
        if (posNext != nullptr)
            m_listUndo.GetNext(posNext);
        else
            posNext = m_listUndo.GetHeadPosition();
        // Freeing every record when none is applied leaves no position to keep.
        const bool bAll = m_posUndo == nullptr;
        DeleteUndoListFrom(posNext);
        if (bAll)
            m_posUndo = nullptr;
    }
    auto* pItem = new CUndoItem;
    pItem->m_nAction = nAction;
    pItem->m_nRow = m_nCaretRow;
    pItem->m_nCol = m_nCaretCol;
    pItem->m_nCaretX = m_nCaretX;
    pItem->m_nCaretY = m_nCaretY;
    POSITION pos = listSeg.GetHeadPosition();
    while (pos != nullptr) {
        CContentSegment* pClone = nullptr;
        if (GetNewContSeg(pClone, static_cast<CContentSegment*>(listSeg.GetNext(pos))))
            pItem->m_listContSeg.AddTail(pClone);
    }
    m_posUndo = m_listUndo.AddTail(pItem);
}

void CGlyphworkEdit::Undo()
{
    if (IsReadOnly() || m_posUndo == nullptr)
        return;
    SelectionNo();
    auto* pItem = static_cast<CUndoItem*>(m_listUndo.GetAt(m_posUndo));
    m_listUndo.GetPrev(m_posUndo);
    m_nCaretRow = pItem->m_nRow;
    m_nCaretCol = pItem->m_nCol;
    m_nCaretX = pItem->m_nCaretX;
    m_nCaretY = pItem->m_nCaretY;
    if (GetEditRow(m_nCaretRow) == nullptr) {
        m_listEditRow.AddTail(new CGlyphworkEditRow);
        m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
        m_nCaretRow = m_nRowCount - 1;
    }
    switch (pItem->m_nAction) {
    case undoInsert:
        DeleteContSegList(static_cast<int>(pItem->m_listContSeg.GetCount()));
        break;
    case undoDelete:
        InsertContSegList(pItem->m_listContSeg);
        break;
    case undoModify:
        ModifyContSeg(pItem->m_listContSeg, 1);
        break;
    default:
        break;
    }
    NotifyParent(msgContentChanged);
}

void CGlyphworkEdit::Redo()
{
    if (IsReadOnly() || m_listUndo.IsEmpty())
        return;
    POSITION posNext = m_posUndo;
    if (posNext == nullptr)
        posNext = m_listUndo.GetHeadPosition();
    else
        m_listUndo.GetNext(posNext);
    if (posNext == nullptr)
        return;
    m_posUndo = posNext;
    SelectionNo();
    auto* pItem = static_cast<CUndoItem*>(m_listUndo.GetAt(m_posUndo));
    m_nCaretRow = pItem->m_nRow;
    m_nCaretCol = pItem->m_nCol;
    m_nCaretX = pItem->m_nCaretX;
    m_nCaretY = pItem->m_nCaretY;
    switch (pItem->m_nAction) {
    case undoInsert:
        InsertContSegList(pItem->m_listContSeg);
        break;
    case undoDelete:
        DeleteContSegList(static_cast<int>(pItem->m_listContSeg.GetCount()));
        break;
    case undoModify:
        ModifyContSeg(pItem->m_listContSeg, 0);
        break;
    default:
        break;
    }
    NotifyParent(msgContentChanged);
}

// Keys and characters.

void CGlyphworkEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        EndEditByKey(nChar);
        break;
    case VK_RETURN:
        if ((m_dwEditStyle & styleEnterBreaksRow) && !IsReadOnly())
            MyOnEnter();
        else
            EndEditByKey(nChar);
        break;
    case VK_HOME:
        JumpToHead();
        break;
    case VK_END:
        JumpToEnd();
        break;
    case VK_LEFT:
        MoveCursorLeft();
        break;
    case VK_RIGHT:
        MoveCursorRight();
        break;
    case VK_UP:
        MoveCursorUp();
        break;
    case VK_DOWN:
        if (IsKeyDown(VK_CONTROL))
            SendDBClickMsg();
        else
            MoveCursorDown();
        break;
    case VK_DELETE:
        if (IsReadOnly())
            break;
        if (HasSelection())
            DeleteSelection();
        else
            DeleteChar();
        break;
    case VK_F2:
        SendDBClickMsg();
        break;
    case VK_F4:
        SendToParent(msgFunctionKey4);
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CGlyphworkEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (IsReadOnly())
        return;
    if (IsKeyDown(VK_CONTROL)) {
        DWORD dwSize = 0;
        switch (nChar) {
        case 'A' - '@':
            OnSelectAll();
            break;
        case 'C' - '@':
            if (HasSelection())
                OnDataCopy();
            break;
        case 'X' - '@':
            if (HasSelection())
                OnDataCut();
            break;
        case 'V' - '@':
            if (CKvClipboard::GetTextLength(dwSize, m_hWnd) && dwSize >= 2)
                OnDataPaste();
            break;
        case 'Y' - '@':
            Redo();
            break;
        case 'Z' - '@':
            Undo();
            break;
        default:
            break;
        }
        return;
    }
    MyOnChar(nChar);
}

void CGlyphworkEdit::MyOnChar(UINT nChar)
{
    nChar &= 0xFF;
    if (nChar < 0x80) {
        m_nLeadByte = 0;
        if (nChar < 0x20 || nChar == 0x7F) {
            if (nChar == VK_BACK) {
                if (HasSelection())
                    DeleteSelection();
                else
                    Backspace();
            }
            return;
        }
        char sz[2] = {static_cast<char>(nChar), 0};
        Paste(sz);
        return;
    }
    if (m_nLeadByte == 0) {
        m_nLeadByte = nChar;
        return;
    }
    char sz[3] = {static_cast<char>(m_nLeadByte), static_cast<char>(nChar), 0};
    m_nLeadByte = 0;
    Paste(sz);
}

void CGlyphworkEdit::MyOnEnter()
{
    if (!(m_dwEditStyle & styleEnterBreaksRow) || IsReadOnly() || !HasRows())
        return;
    if (HasSelection())
        DeleteSelection();
    {
        CEnterContSeg enter(m_lfFont, m_crText);
        CObList list;
        list.AddTail(&enter);
        SaveUndoInfo(undoInsert, list);
    }
    if (GetSafeHwnd() != nullptr)
        ::HideCaret(m_hWnd);
    CClientDC dc(GetSafeHwnd());
    const bool bFit = (m_nFormat & formatFitRow) != 0;
    auto fit = [&](CGlyphworkEditRow* pFitRow) {
        if (bFit && pFitRow != nullptr)
            pFitRow->FitToWidth(&dc, m_nLayoutWidth, m_fScale, m_lfFont.lfHeight);
    };
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    POSITION posRow = m_listEditRow.FindIndex(m_nCaretRow);
    const int nCount = SegCount(pRow);
    const int nOldRow = m_nCaretRow;
    auto* pEnter = new CEnterContSeg(m_lfFont, m_crText);
    if (m_nCaretRow == m_nRowCount - 1 && m_nCaretCol >= nCount) {
        pRow->m_listSeg.AddTail(pEnter);
        auto* pNew = new CGlyphworkEditRow;
        m_listEditRow.AddTail(pNew);
        fit(pNew);
    } else if (m_nCaretCol < GetRowEndCol(pRow)) {
        POSITION posAt = pRow->m_listSeg.FindIndex(m_nCaretCol);
        pRow->m_listSeg.InsertBefore(posAt, pEnter);
        auto* pNew = new CGlyphworkEditRow;
        m_listEditRow.InsertAfter(posRow, pNew);
        // Everything from the caret's old segment on moves to the new row.
        while (posAt != nullptr) {
            POSITION posMove = posAt;
            CObject* pSeg = pRow->m_listSeg.GetNext(posAt);
            pRow->m_listSeg.RemoveAt(posMove);
            pNew->m_listSeg.AddTail(pSeg);
        }
        if (m_nFormat & formatBreakByWidth) {
            UniteDataFromRow(m_nCaretRow + 1);
            ReCalEditRow(&dc, m_nCaretRow + 1);
        }
        fit(pRow);
        fit(pNew);
    } else if (EndsWithEnter(pRow)) {
        auto* pNew = new CGlyphworkEditRow;
        pNew->m_listSeg.AddTail(pEnter);
        m_listEditRow.InsertAfter(posRow, pNew);
        fit(pNew);
    } else {
        pRow->m_listSeg.AddTail(pEnter);
        if (GetEditRow(m_nCaretRow + 1) == nullptr)
            m_listEditRow.AddTail(new CGlyphworkEditRow);
    }
    m_nCaretRow++;
    m_nCaretCol = 0;
    m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
    FollowCaret();
    ResetVScrollRange();
    RefreshFromRow(std::max(0, nOldRow - 1));
    FinishEdit();
}

// Clipboard.

BOOL CGlyphworkEdit::OnDataCopy()
{
    // Empty text only empties the clipboard.
    CKvClipboard::SetText("", GetSafeHwnd());
    CString strSel;
    GetSelData(strSel);
    if (strSel.IsEmpty())
        return TRUE;
    return CKvClipboard::SetText(strSel, GetSafeHwnd());
}

void CGlyphworkEdit::OnDataPaste()
{
    if (IsReadOnly())
        return;
    CString strText;
    if (CKvClipboard::GetText(strText, GetSafeHwnd()))
        Paste(strText);
}

void CGlyphworkEdit::OnDataCut()
{
    if (IsReadOnly() || !HasSelection())
        return;
    if (OnDataCopy())
        DeleteSelection();
}

// Window height, repainting and scrolling.

void CGlyphworkEdit::ResizeWnd()
{
    if (GetSafeHwnd() == nullptr || (m_dwEditStyle & styleVScroll))
        return;
    if (m_nMinRow != 0 && m_nRowCount < m_nOrigRows)
        return;
    const int nHeight = std::max(m_nRowCount * GetRowPitch() - m_nRowSpacing, m_rcCtrl.Height());
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (rcWnd.Height() == nHeight)
        return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcWnd.Width(), nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGlyphworkEdit::RefreshCurRow(int nRow)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    rc.top = GetRowPitch() * nRow - m_nScrollOffset;
    rc.bottom = GetRowPitch() * (nRow + 1) - m_nScrollOffset - m_nRowSpacing;
    InvalidateRect(&rc, FALSE);
}

void CGlyphworkEdit::RefreshFromRow(int nRow)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    ResizeWnd();
    CRect rcAfter;
    GetWindowRect(&rcAfter);
    if (rcAfter.bottom < rcBefore.bottom)
        return;
    CRect rc;
    GetClientRect(&rc);
    rc.top = GetRowPitch() * nRow - m_nScrollOffset - m_nRowSpacing;
    InvalidateRect(&rc, FALSE);
}

void CGlyphworkEdit::ResetVScrollRange()
{
    if (GetSafeHwnd() == nullptr || !(m_dwEditStyle & styleVScroll))
        return;
    const int nLast = std::max(0, m_nRowCount - m_nPageRows);
    ::SetScrollRange(m_hWnd, SB_VERT, 0, nLast, FALSE);
    ::EnableScrollBar(m_hWnd, SB_VERT, nLast > 0 ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    m_nScrollPos = std::min(m_nScrollPos, nLast);
    ::SetScrollPos(m_hWnd, SB_VERT, m_nScrollPos, TRUE);
    m_nScrollOffset = m_nScrollPos * GetRowPitch();
    Invalidate(FALSE);
}

void CGlyphworkEdit::FollowCaret()
{
    if (GetSafeHwnd() == nullptr || !(m_dwEditStyle & styleVScroll))
        return;
    CRect rc;
    GetClientRect(&rc);
    const int y = GetRowY(m_nCaretRow);
    const int nLast = std::max(0, m_nRowCount - m_nPageRows);
    if (y < rc.top && m_nScrollPos > 0)
        m_nScrollPos--;
    else if (y + GetRowPitch() > rc.bottom && m_nScrollPos < nLast)
        m_nScrollPos++;
    else
        return;
    m_nScrollOffset = m_nScrollPos * GetRowPitch();
    ::SetScrollPos(m_hWnd, SB_VERT, m_nScrollPos, TRUE);
    Invalidate(FALSE);
}

LRESULT CGlyphworkEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    if (message != WM_VSCROLL || !(m_dwEditStyle & styleVScroll))
        return CWnd::WindowProc(message, wParam, lParam);
    const int nLast = std::max(0, m_nRowCount - m_nPageRows);
    int nPos = m_nScrollPos;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        nPos--;
        break;
    case SB_LINEDOWN:
        nPos++;
        break;
    case SB_PAGEUP:
        nPos += 1 - m_nPageRows;
        break;
    case SB_PAGEDOWN:
        nPos += m_nPageRows - 1;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nPos = HIWORD(wParam);
        break;
    default:
        break;
    }
    nPos = std::clamp(nPos, 0, nLast);
    const int nRows = nPos - m_nScrollPos;
    if (nRows == 0)
        return CWnd::WindowProc(message, wParam, lParam);
    m_nScrollPos = nPos;
    m_nScrollOffset += nRows * GetRowPitch();
    ::SetScrollPos(m_hWnd, SB_VERT, m_nScrollPos, TRUE);
    CRect rc;
    GetClientRect(&rc);
    const int y = GetRowY(m_nCaretRow);
    if (y < rc.top || y >= rc.bottom)
        m_nCaretRow += nRows;
    ResetInputPos();
    Invalidate(FALSE);
    return 0;
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

void CGlyphworkEdit::MoveCursorLeft()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (IsReadOnly() || (!HasRows() && !bShift)) {
        EndEditByKey(VK_LEFT);
        return;
    }
    if (!HasRows())
        return;
    if (m_nCaretRow == 0 && m_nCaretCol == 0) {
        if (bShift)
            return;
        if (HasSelection())
            SelectionNo();
        else
            EndEditByKey(VK_LEFT);
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
        m_nCaretCol = SegCount(GetEditRow(m_nCaretRow)) + 1;
        GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
        m_nCaretY -= GetRowPitch();
    }
    if (bShift) {
        if (!bCrossed && posOldEnd.x > 0)
            ReDrawRect(posOldEnd.y, posOldEnd.x - 1, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    } else if (HasSelection()) {
        SelectionNo();
    }
    if (bCrossed)
        FollowCaret();
    ShowCaretAt();
}

void CGlyphworkEdit::MoveCursorRight()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (IsReadOnly() || (!HasRows() && !bShift)) {
        EndEditByKey(VK_RIGHT);
        return;
    }
    if (!HasRows())
        return;
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    const bool bAtRowEnd = m_nCaretCol >= GetRowEndCol(pRow);
    if (bAtRowEnd && GetEditRow(m_nCaretRow + 1) == nullptr) {
        if (bShift)
            return;
        if (HasSelection())
            SelectionNo();
        else
            EndEditByKey(VK_RIGHT);
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
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    } else if (HasSelection()) {
        SelectionNo();
    }
    if (bAtRowEnd)
        FollowCaret();
    ShowCaretAt();
}

void CGlyphworkEdit::MoveCursorUp()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (IsReadOnly() || !HasRows()) {
        EndEditByKey(VK_UP);
        return;
    }
    if (m_nCaretRow == 0) {
        if (bShift)
            return;
        if (HasSelection())
            SelectionNo();
        else
            EndEditByKey(VK_UP);
        return;
    }
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    CClientDC dc(GetSafeHwnd());
    MoveCaretToPick(&dc, m_nCaretRow - 1, m_nCaretX);
    if (bShift) {
        ReDrawRect(m_nCaretRow, m_nCaretCol, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    } else if (HasSelection()) {
        SelectionNo();
    }
    FollowCaret();
    ShowCaretAt();
}

void CGlyphworkEdit::MoveCursorDown()
{
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (IsReadOnly() || !HasRows()) {
        EndEditByKey(VK_DOWN);
        return;
    }
    if (m_nCaretRow >= m_nRowCount - 1) {
        if (bShift)
            return;
        if (HasSelection())
            SelectionNo();
        else
            EndEditByKey(VK_DOWN);
        return;
    }
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    const CPoint ptOldEnd = m_ptSelEnd;
    CClientDC dc(GetSafeHwnd());
    MoveCaretToPick(&dc, m_nCaretRow + 1, m_nCaretX);
    if (bShift) {
        ReDrawRect(posOldEnd.y, posOldEnd.x, m_nCaretRow, m_nCaretCol, ptOldEnd, FALSE);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    } else if (HasSelection()) {
        SelectionNo();
    }
    FollowCaret();
    ShowCaretAt();
}

void CGlyphworkEdit::JumpToHead()
{
    if (IsReadOnly() || !HasRows())
        return;
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (!bShift && HasSelection())
        SelectionNo();
    BeginMove();
    const CPoint posOldEnd = m_posSelEnd;
    CClientDC dc(GetSafeHwnd());
    m_nCaretCol = 0;
    GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
    if (bShift) {
        ReDrawRect(m_nCaretRow, 0, posOldEnd.y, posOldEnd.x, CPoint(m_nCaretX, m_nCaretY), FALSE);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    }
    ShowCaretAt();
}

void CGlyphworkEdit::JumpToEnd()
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
    m_nCaretCol = GetRowEndCol(GetEditRow(m_nCaretRow));
    GetCaretPosX(&dc, m_nCaretRow, m_nCaretCol, m_nCaretX);
    if (bShift) {
        ReDrawRect(posOldEnd.y, posOldEnd.x, m_nCaretRow, m_nCaretCol, ptOldEnd, FALSE);
        m_posSelEnd = CPoint(m_nCaretCol, m_nCaretRow);
        m_ptSelEnd = CPoint(m_nCaretX, m_nCaretY);
    }
    ShowCaretAt();
}

// Deleting.

void CGlyphworkEdit::DeleteChar()
{
    if (IsReadOnly() || !HasRows())
        return;
    CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
    CContentSegment* pSeg = pRow != nullptr ? SegAt(pRow, m_nCaretCol) : nullptr;
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
        pSeg = SegAt(GetEditRow(m_nCaretRow), m_nCaretCol);
    } else {
        m_nCaretRow--;
        CGlyphworkEditRow* pRow = GetEditRow(m_nCaretRow);
        m_nCaretCol = std::max(0, SegCount(pRow) - 1);
        pSeg = SegAt(pRow, m_nCaretCol);
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
        const int nTo = nRow == posEnd.y ? posEnd.x : SegCount(pRow);
        for (int i = nFrom; i < nTo; i++) {
            if (CContentSegment* pSeg = SegAt(pRow, i))
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
    m_posSelEnd = CPoint(SegCount(pLast), m_nRowCount - 1);
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
        ReDrawRow(&dc, nFromRow, ptStart.x, ptStart.y, nFromCol, SegCount(pRow), bForce);
    int y = ptStart.y;
    for (int nRow = nFromRow + 1; nRow <= nToRow; nRow++) {
        y += GetRowPitch();
        pRow = GetEditRow(nRow);
        if (pRow == nullptr)
            break;
        ReDrawRow(&dc, nRow, GetFirstXPos(&dc, pRow), y, 0, nRow == nToRow ? nToCol : SegCount(pRow), bForce);
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
        CContentSegment* pSeg = SegAt(pRow, i);
        if (pSeg == nullptr)
            break;
        pSeg->m_bSelected = bForce ? 1 : !pSeg->m_bSelected;
        nWidth += GetSegXStep(pRow, i);
    }
    // The paint handler draws the shadow from the flags; only the stretch needs repainting.
    if (pDC == nullptr || GetSafeHwnd() == nullptr || nWidth == 0)
        return;
    const float h = static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale;
    CRect rc(x, y - Scaled(h * 0.25f), x + nWidth, y + Scaled(h * 1.25f));
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
    const int nCount = SegCount(pRow);
    for (int i = 0; i < nCount;) {
        if (!SegAt(pRow, i)->m_bSelected) {
            x += GetSegXStep(pRow, i++);
            continue;
        }
        int nTo = i;
        int nStretch = 0;
        while (nTo < nCount && SegAt(pRow, nTo)->m_bSelected)
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
        pDC->FillSolidRect(x, y, nWidth, Scaled(h), RGB(0, 0, 0));
    else
        pDC->FillSolidRect(x, y - Scaled(h * 0.25f), nWidth, Scaled(h * 0.25f) + Scaled(h * 1.25f), RGB(0, 0, 0));
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
    // Elements are changed by the notation commands; a double click here changes none.
    SelectionNo();
    SendDBClickMsg();
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CGlyphworkEdit::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_EDITMENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(IsReadOnly() ? 2 : 0);
    if (pPopup == nullptr)
        return;
    HMENU hPopup = pPopup->m_hMenu;
    if (!m_arrMenuText.IsEmpty() && IsReadOnly())
        ::DeleteMenu(hPopup, 0, MF_BYPOSITION);
    AppendHostMenuItems(hPopup);
    if (IsReadOnly() && !m_arrMenuText.IsEmpty())
        ::DeleteMenu(hPopup, 0, MF_BYPOSITION); // the separator AppendHostMenuItems leads with
    if (!IsReadOnly()) {
        auto enable = [hPopup](UINT nID, BOOL bEnable) {
            ::EnableMenuItem(hPopup, nID, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
        };
        const BOOL bRecords = !m_listUndo.IsEmpty();
        enable(ID_EDIT_UNDOEX, bRecords && m_posUndo != nullptr);
        enable(ID_EDIT_REDOEX, bRecords && m_posUndo != m_listUndo.GetTailPosition());
        enable(ID_EDIT_CUTEX, HasSelection());
        enable(ID_EDIT_COPYEX, HasSelection());
        enable(ID_EDIT_ERASEEX, HasSelection());
        DWORD dwSize = 0;
        enable(ID_EDIT_PASTEEX, CKvClipboard::GetTextLength(dwSize, m_hWnd) && dwSize >= 2);
        enable(ID_EDIT_SELALLEX, CanSelectAll());
    }
    POINT pt = {point.x, point.y};
    ::ClientToScreen(m_hWnd, &pt);
    ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
}

// Focus and painting.

void CGlyphworkEdit::OnSetFocus(CWnd* /*pOldWnd*/)
{
    if (IsReadOnly())
        return;
    ::CreateCaret(m_hWnd, nullptr, 1, GetCaretHeight());
    ResetInputPos();
    ::ShowCaret(m_hWnd);
}

void CGlyphworkEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    ::HideCaret(m_hWnd);
    ::DestroyCaret();
}

BOOL CGlyphworkEdit::OnEraseBkgnd(CDC* /*pDC*/)
{
    // The paint handler fills everything through its off-screen bitmap.
    return TRUE;
}

void CGlyphworkEdit::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rc;
    GetClientRect(&rc);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height()))
        return;
    CFxSelectGuard selectBitmap(&memDC, &bitmap);
    DrawEdit(&memDC);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
}

void CGlyphworkEdit::DrawEdit(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, m_crBack);
    CBrush brushFrame;
    if (brushFrame.CreateSolidBrush(RGB(0, 0, 0)))
        pDC->FrameRect(&rc, &brushFrame);
    DrawEditLine(pDC);
    for (int nRow = 0; nRow < m_nRowCount; nRow++)
        DrawRow(pDC, nRow);
}
