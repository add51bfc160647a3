// The window part of CGlyphworkEdit: in-place editing, caret, mouse, selection, clipboard and undo.
#include <algorithm>
#include <cstdlib>

#include "common/KvClipboard.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
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

void RegisterEditClass()
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FxWndProc;
    // CWnd::CreateEx creates named classes with the process module.
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_IBEAM);
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
        m_nRowHeight = RoundPixel(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale * 1.5f);
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
    case ID_EDIT_SYMBOL:
        InsertSymbol();
        return TRUE;
    case ID_EDIT_TOLERANCE:
        NewTolerance();
        return TRUE;
    case ID_EDIT_GPTOL:
        NewGptol();
        return TRUE;
    case ID_EDIT_COARSENESS:
        NewCoarseness();
        return TRUE;
    case ID_EDIT_FRACTION:
        NewFraction();
        return TRUE;
    case ID_EDIT_SUPSUBSCRIPT:
        NewSuperSubScript();
        return TRUE;
    case ID_EDIT_FRAMESTR:
        NewFrameStr();
        return TRUE;
    case ID_EDIT_CUSTOMDRAW:
        NewCustomDrawSeg();
        return TRUE;
    case ID_EDIT_CIRCLESTR:
        NewCircleStr();
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
    return m_nRowCount > 1 || (GetEditRow(0))->GetSegCount() > 0;
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
        JoinFollowingRows(m_nCaretRow, true);
        ReCalEditRow(pDC, m_nCaretRow);
        pRow = GetEditRow(m_nCaretRow);
    } else if (m_nFormat & formatFitRow) {
        pRow->FitToWidth(pDC, m_nLayoutWidth, m_fScale, m_lfFont.lfHeight);
    }
    pRow->CalcWidth(pDC, m_fScale);
    m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
}

void CGlyphworkEdit::FinishEdit(int nRow, bool bFull)
{
    if (bFull) {
        RefreshFromRow(nRow);
        ResetVScrollRange();
        FollowCaret();
    } else {
        RefreshCurRow(nRow);
    }
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
    FinishEdit(nRow, bFull);
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
    FinishEdit(m_nCaretRow, bFull);
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
    } else {
        UniteDataFromRow(m_nCaretRow);
        ReCalEditRow(&dc, m_nCaretRow);
    }
    FinishEdit(m_nCaretRow, bEnter || (m_nFormat & formatBreakByWidth) != 0);
}

void CGlyphworkEdit::UniteDataFromRow(int nRow)
{
    JoinFollowingRows(nRow, false);
}

void CGlyphworkEdit::JoinFollowingRows(int nRow, bool bUpToLineBreak)
{
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr)
        return;
    POSITION pos = m_listEditRow.FindIndex(nRow + 1);
    while (pos != nullptr && !(bUpToLineBreak && pRow->EndsWithEnter())) {
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
    ApplyUndoItem(pItem, true);
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
    ApplyUndoItem(static_cast<CUndoItem*>(m_listUndo.GetAt(m_posUndo)), false);
}

void CGlyphworkEdit::ApplyUndoItem(CUndoItem* pItem, bool bUndo)
{
    m_nCaretRow = pItem->m_nRow;
    m_nCaretCol = pItem->m_nCol;
    m_nCaretX = pItem->m_nCaretX;
    m_nCaretY = pItem->m_nCaretY;
    if (GetEditRow(m_nCaretRow) == nullptr) {
        m_listEditRow.AddTail(new CGlyphworkEditRow);
        m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
        m_nCaretRow = m_nRowCount - 1;
    }
    const int nCount = static_cast<int>(pItem->m_listContSeg.GetCount());
    // Undoing an insertion deletes, as redoing a deletion does.
    if (pItem->m_nAction == (bUndo ? undoInsert : undoDelete))
        DeleteContSegList(nCount);
    else if (pItem->m_nAction == (bUndo ? undoDelete : undoInsert))
        InsertContSegList(pItem->m_listContSeg);
    else if (pItem->m_nAction == undoModify)
        ModifyContSeg(pItem->m_listContSeg, bUndo ? 1 : 0);
    // The insertion or deletion has told the parent already; the step tells it again.
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
            EditAtCaretOrTellParent();
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
    case VK_INSERT:
        NewTolerance();
        break;
    case VK_F2:
        SendDBClickMsg();
        break;
    case VK_F3:
        InsertSymbol();
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
    const int nCount = pRow->GetSegCount();
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
    } else if (pRow->EndsWithEnter()) {
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
    FinishEdit(std::max(0, nOldRow - 1), true);
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
