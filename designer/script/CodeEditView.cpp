#include "designer/script/CodeEditView.h"

#include <algorithm>
#include <cstring>

#include "designer/script/CodeCharFun.h"
#include "designer/script/CodeFindDlg.h"
#include "designer/script/CodeReplaceDlg.h"
#include "designer/script/CodeTextBuffer.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleDropTarget.h"
#include "platform/win/CmdUI.h"

namespace
{
const char kReplaceSection[] = "CodeEdit\\Replace";

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}
} // namespace

// Hands the OLE drag events of the view's window to the view.
class CCodeDropTarget : public COleDropTarget
{
public:
    explicit CCodeDropTarget(CCodeEditView* pView) : m_pView(pView) {}

    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return m_pView->OnDragEnter(pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return m_pView->OnDragOver(pDataObject, dwKeyState, point);
    }
    void OnDragLeave(CWnd*) override { m_pView->OnDragLeave(); }
    BOOL OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        return m_pView->OnDrop(pDataObject, dropEffect, point);
    }
    DROPEFFECT OnDragScroll(CWnd*, DWORD dwKeyState, CPoint point) override
    {
        return m_pView->OnDragScroll(dwKeyState, point);
    }

private:
    CCodeEditView* m_pView;
};

FX_IMPLEMENT_DYNAMIC(CCodeEditView, CCodeTextView)

FX_BEGIN_MESSAGE_MAP(CCodeEditView, CCodeTextView)
FX_ON_WM_CREATE()
FX_ON_WM_DESTROY()
FX_ON_WM_CHAR()
FX_ON_COMMAND(ID_EDIT_DELETE, OnEditDelete)
FX_ON_COMMAND(ID_EDIT_DELETE_BACK, OnEditDeleteBack)
FX_ON_COMMAND(ID_EDIT_TAB, OnEditTab)
FX_ON_COMMAND(ID_EDIT_UNTAB, OnEditUntab)
FX_ON_COMMAND(ID_EDIT_SWITCH_OVRMODE, OnEditSwitchOvrmode)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_SWITCH_OVRMODE, OnUpdateEditSwitchOvrmode)
FX_ON_COMMAND(ID_EDIT_CUT, OnEditCut)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
FX_ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
FX_ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
FX_ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
FX_ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateIndicatorOvr)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_READ, OnUpdateIndicatorRead)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_EMPTY, OnUpdateIndicatorEmpty)
FX_END_MESSAGE_MAP()

CCodeEditView::CCodeEditView()
    : m_bOverwrite(FALSE), m_bSelectionSaved(FALSE), m_bKeepIndent(TRUE), m_hEditAccel(nullptr), m_chPendingLead(0),
      m_nTypingMark(-1), m_bDropMarkShown(FALSE), m_bSavedCaretHidden(FALSE), m_dwLastDragEffect(DROPEFFECT_NONE),
      m_pDropTarget(nullptr)
{
}

CCodeEditView::~CCodeEditView()
{
    delete m_pDropTarget;
}

int CCodeEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCodeTextView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_hEditAccel = ::LoadAcceleratorsA(GetResourceModule(), MAKEINTRESOURCEA(IDR_CODE_EDIT_KEYS));
    // Registration fails where OLE was not initialised: the view then takes no drops.
    m_pDropTarget = new CCodeDropTarget(this);
    m_pDropTarget->Register(this);
    return 0;
}

void CCodeEditView::OnDestroy()
{
    // Accelerator tables loaded from resources are freed with their module.
    m_hEditAccel = nullptr;
    if (m_pDropTarget != nullptr) {
        m_pDropTarget->Revoke();
    }
    CCodeTextView::OnDestroy();
}

BOOL CCodeEditView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hEditAccel != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hEditAccel, pMsg) != 0) {
        return TRUE;
    }
    return CCodeTextView::PreTranslateMessage(pMsg);
}

void CCodeEditView::ResetState()
{
    CCodeTextView::ResetState();
    m_bKeepIndent = TRUE;
    m_bOverwrite = FALSE;
    m_bSelectionSaved = FALSE;
    m_chPendingLead = 0;
    m_nTypingMark = -1;
}

BOOL CCodeEditView::CanEdit()
{
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    return pBuffer != nullptr && pBuffer->IsLoaded() && !pBuffer->IsNoEdit();
}

void CCodeEditView::PlaceCaret(CPoint pt)
{
    SetCursorPos(pt);
    m_ptFixed = pt;
    SetSelection(pt, pt);
    EnsureVisible(pt);
}

void CCodeEditView::UpdateView(CCodeTextView* pSource, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine)
{
    CCodeTextView::UpdateView(pSource, pContext, dwFlags, nLine);
    if (m_bSelectionSaved && pContext != nullptr) {
        pContext->RecalcPoint(m_ptSavedSelStart);
        pContext->RecalcPoint(m_ptSavedSelEnd);
    }
}

BOOL CCodeEditView::DeleteSelection()
{
    if (!IsSelection()) {
        return FALSE;
    }
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    PlaceCaret(ptStart);
    GetTextBuffer()->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_DELSEL);
    return TRUE;
}

void CCodeEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CCodeTextView::OnChar(nChar, nRepCnt, nFlags);
    if ((::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 || (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0) {
        return;
    }
    if (!CanEdit()) {
        return;
    }
    const char ch = static_cast<char>(nChar & 0xFF);
    if (m_chPendingLead != 0) {
        const char szPair[3] = {m_chPendingLead, ch, '\0'};
        m_chPendingLead = 0;
        if (static_cast<unsigned char>(ch) >= 0x40 && ch != 0x7F) {
            TypeBytes(szPair);
            return;
        }
        // A lead byte without a trail byte after it is dropped rather than stored alone.
    }
    if (nChar == 13) {
        CCodeTextBuffer* pBuffer = GetTextBuffer();
        m_nTypingMark = -1;
        if (m_bOverwrite && m_ptCaret.y + 1 < LineCount()) {
            PlaceCaret(CPoint(0, m_ptCaret.y + 1));
            return;
        }
        pBuffer->OpenUndoGroup(FALSE);
        DeleteSelection();
        int nEndLine = 0;
        int nEndChar = 0;
        pBuffer->InsertWithUndo(this, m_ptCaret.y, m_ptCaret.x, "\r\n", nEndLine, nEndChar, CE_ACTION_TYPING);
        PlaceCaret(CPoint(nEndChar, nEndLine));
        pBuffer->CloseUndoGroup(this);
        return;
    }
    if (static_cast<unsigned char>(ch) < 32 || ch == 0x7F) {
        return;
    }
    if (CCodeCharFun::IsLeadByte(ch)) {
        m_chPendingLead = ch;
        return;
    }
    const char szByte[2] = {ch, '\0'};
    TypeBytes(szByte);
}

// One typed character, one or two bytes.
void CCodeEditView::TypeBytes(LPCSTR pszBytes)
{
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    const bool bBlank = pszBytes[0] == ' ';
    // A run of typed characters undoes as one step; each blank starts a new one.
    const bool bMerge = !bBlank && m_nTypingMark >= 0 && m_nTypingMark == pBuffer->UndoStepCount() &&
                        !pBuffer->CanRedo() && !IsSelection() && m_ptCaret == m_ptTypingEnd;
    pBuffer->OpenUndoGroup(bMerge ? TRUE : FALSE);
    if (IsSelection()) {
        DeleteSelection();
    } else if (m_bOverwrite && m_ptCaret.x < LineLength(m_ptCaret.y)) {
        // Overwriting takes the whole character at the caret, never half of one.
        const int nNext = CCodeCharFun::NextChar(LineText(m_ptCaret.y), LineLength(m_ptCaret.y), m_ptCaret.x);
        pBuffer->DeleteWithUndo(this, m_ptCaret.y, m_ptCaret.x, m_ptCaret.y, nNext, CE_ACTION_TYPING);
    }
    int nEndLine = 0;
    int nEndChar = 0;
    pBuffer->InsertWithUndo(this, m_ptCaret.y, m_ptCaret.x, pszBytes, nEndLine, nEndChar, CE_ACTION_TYPING);
    PlaceCaret(CPoint(nEndChar, nEndLine));
    // Closed without this view so that the next character may still join the group; the view
    // still reacts as after any edit.
    pBuffer->CloseUndoGroup(nullptr);
    m_nTypingMark = pBuffer->UndoStepCount();
    m_ptTypingEnd = m_ptCaret;
    AfterEdit(CE_ACTION_TYPING, pszBytes);
}

void CCodeEditView::AfterEdit(int nAction, LPCSTR pszText)
{
    if (nAction != CE_ACTION_TYPING || pszText == nullptr || strcmp(pszText, "\r\n") != 0 || !m_bKeepIndent ||
        m_bOverwrite || m_ptCaret.y == 0) {
        return;
    }
    const int nAbove = m_ptCaret.y - 1;
    const LPCSTR psz = LineText(nAbove);
    const int nLength = LineLength(nAbove);
    int nBlanks = 0;
    while (nBlanks < nLength && IsBlank(psz[nBlanks])) {
        ++nBlanks;
    }
    if (nBlanks == 0) {
        return;
    }
    const CString strIndent(psz, nBlanks);
    int nEndLine = 0;
    int nEndChar = 0;
    // Its own undo step: the first undo takes the indent, the next the line break.
    GetTextBuffer()->InsertWithUndo(nullptr, m_ptCaret.y, m_ptCaret.x, strIndent, nEndLine, nEndChar,
                                    CE_ACTION_AUTOINDENT);
    PlaceCaret(CPoint(nEndChar, nEndLine));
}

void CCodeEditView::OnEditDelete()
{
    if (!CanEdit()) {
        return;
    }
    m_nTypingMark = -1;
    if (DeleteSelection()) {
        return;
    }
    const int nLines = LineCount();
    CPoint ptEnd = m_ptCaret;
    const int nLength = LineLength(m_ptCaret.y);
    if (m_ptCaret.x < nLength) {
        ptEnd.x = CCodeCharFun::NextChar(LineText(m_ptCaret.y), nLength, m_ptCaret.x);
    } else if (m_ptCaret.y + 1 < nLines) {
        ptEnd = CPoint(0, m_ptCaret.y + 1);
    } else {
        return;
    }
    const CPoint ptStart = m_ptCaret;
    PlaceCaret(ptStart);
    GetTextBuffer()->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_DELETE);
}

void CCodeEditView::OnEditDeleteBack()
{
    if (!CanEdit()) {
        return;
    }
    m_nTypingMark = -1;
    if (DeleteSelection()) {
        return;
    }
    CPoint ptStart = m_ptCaret;
    if (m_ptCaret.x > 0) {
        ptStart.x = CCodeCharFun::PrevChar(LineText(m_ptCaret.y), LineLength(m_ptCaret.y), m_ptCaret.x);
    } else if (m_ptCaret.y > 0) {
        ptStart = CPoint(LineLength(m_ptCaret.y - 1), m_ptCaret.y - 1);
    } else {
        return;
    }
    const CPoint ptEnd = m_ptCaret;
    PlaceCaret(ptStart);
    GetTextBuffer()->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_BACKSPACE);
}

BOOL CCodeEditView::GetBlock(int& nFirst, int& nLast)
{
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    if (ptStart.y == ptEnd.y) {
        return FALSE;
    }
    nFirst = ptStart.y;
    nLast = ptEnd.x == 0 ? ptEnd.y - 1 : ptEnd.y;
    return TRUE;
}

void CCodeEditView::SelectBlock(int nFirst, int nLast)
{
    const CPoint ptFrom(0, nFirst);
    const CPoint ptTo = nLast + 1 < LineCount() ? CPoint(0, nLast + 1) : CPoint(LineLength(nLast), nLast);
    m_ptFixed = ptFrom;
    SetCursorPos(ptTo);
    SetSelection(ptFrom, ptTo);
}

void CCodeEditView::OnEditTab()
{
    if (!CanEdit()) {
        return;
    }
    m_nTypingMark = -1;
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    int nFirst = 0;
    int nLast = 0;
    if (GetBlock(nFirst, nLast)) {
        pBuffer->OpenUndoGroup(FALSE);
        SelectBlock(nFirst, nLast);
        m_bHorzBarFrozen = TRUE;
        for (int nLine = nFirst; nLine <= nLast; ++nLine) {
            int nEndLine = 0;
            int nEndChar = 0;
            pBuffer->InsertWithUndo(this, nLine, 0, "\t", nEndLine, nEndChar, CE_ACTION_INDENT);
        }
        m_bHorzBarFrozen = FALSE;
        RecalcHorzScrollBar();
        // The inserts moved the selection's start past the first tab: the block starts at column 0.
        SelectBlock(nFirst, nLast);
        pBuffer->CloseUndoGroup(this);
        return;
    }
    const int nLength = LineLength(m_ptCaret.y);
    if (m_bOverwrite && m_ptCaret.x < nLength) {
        const LPCSTR psz = LineText(m_ptCaret.y);
        const int nSteps = m_nTabWidth - CharToColumn(m_ptCaret.y, m_ptCaret.x) % m_nTabWidth;
        int nPos = m_ptCaret.x;
        for (int i = 0; i < nSteps && nPos < nLength; ++i) {
            const bool bTab = psz[nPos] == '\t';
            nPos = CCodeCharFun::NextChar(psz, nLength, nPos);
            if (bTab) {
                break;
            }
        }
        PlaceCaret(CPoint(nPos, m_ptCaret.y));
        return;
    }
    pBuffer->OpenUndoGroup(FALSE);
    DeleteSelection();
    int nEndLine = 0;
    int nEndChar = 0;
    pBuffer->InsertWithUndo(this, m_ptCaret.y, m_ptCaret.x, "\t", nEndLine, nEndChar, CE_ACTION_TYPING);
    PlaceCaret(CPoint(nEndChar, nEndLine));
    pBuffer->CloseUndoGroup(this);
}

void CCodeEditView::OnEditUntab()
{
    if (!CanEdit()) {
        return;
    }
    m_nTypingMark = -1;
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    int nFirst = 0;
    int nLast = 0;
    if (GetBlock(nFirst, nLast)) {
        pBuffer->OpenUndoGroup(FALSE);
        SelectBlock(nFirst, nLast);
        m_bHorzBarFrozen = TRUE;
        for (int nLine = nFirst; nLine <= nLast; ++nLine) {
            const LPCSTR psz = LineText(nLine);
            const int nLength = LineLength(nLine);
            int nCut = 0;
            while (nCut < nLength && nCut < m_nTabWidth && psz[nCut] == ' ') {
                ++nCut;
            }
            if (nCut < m_nTabWidth && nCut < nLength && psz[nCut] == '\t') {
                ++nCut;
            }
            if (nCut > 0) {
                pBuffer->DeleteWithUndo(this, nLine, 0, nLine, nCut, CE_ACTION_INDENT);
            }
        }
        m_bHorzBarFrozen = FALSE;
        RecalcHorzScrollBar();
        SelectBlock(nFirst, nLast);
        pBuffer->CloseUndoGroup(this);
        return;
    }
    const int nColumn = CharToColumn(m_ptCaret.y, m_ptCaret.x);
    if (nColumn == 0) {
        return;
    }
    const int nTarget = (nColumn - 1) / m_nTabWidth * m_nTabWidth;
    PlaceCaret(CPoint(ColumnToChar(m_ptCaret.y, nTarget), m_ptCaret.y));
}

void CCodeEditView::OnEditSwitchOvrmode()
{
    m_bOverwrite = !m_bOverwrite;
}

void CCodeEditView::OnUpdateEditSwitchOvrmode(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bOverwrite ? 1 : 0);
}

void CCodeEditView::OnEditCut()
{
    if (!CanEdit() || !IsSelection()) {
        return;
    }
    m_nTypingMark = -1;
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    CString strText;
    GetRangeText(ptStart, ptEnd, strText);
    WriteClipboard(strText);
    PlaceCaret(ptStart);
    GetTextBuffer()->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_CUT);
}

void CCodeEditView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanEdit() && IsSelection());
}

void CCodeEditView::OnEditPaste()
{
    if (!CanEdit()) {
        return;
    }
    m_nTypingMark = -1;
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    pBuffer->OpenUndoGroup(FALSE);
    DeleteSelection();
    CString strText;
    if (ReadClipboard(strText) && !strText.IsEmpty()) {
        int nEndLine = 0;
        int nEndChar = 0;
        pBuffer->InsertWithUndo(this, m_ptCaret.y, m_ptCaret.x, strText, nEndLine, nEndChar, CE_ACTION_PASTE);
        PlaceCaret(CPoint(nEndChar, nEndLine));
    }
    pBuffer->CloseUndoGroup(this);
}

void CCodeEditView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanEdit() && ClipboardHasText());
}

void CCodeEditView::OnEditUndo()
{
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    if (!CanEdit() || !pBuffer->CanUndo()) {
        return;
    }
    m_nTypingMark = -1;
    CPoint ptCaret;
    if (pBuffer->Undo(ptCaret)) {
        PlaceCaret(ptCaret);
    }
}

void CCodeEditView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanEdit() && GetTextBuffer()->CanUndo());
}

void CCodeEditView::OnEditRedo()
{
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    if (!CanEdit() || !pBuffer->CanRedo()) {
        return;
    }
    m_nTypingMark = -1;
    CPoint ptCaret;
    if (pBuffer->Redo(ptCaret)) {
        PlaceCaret(ptCaret);
    }
}

void CCodeEditView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanEdit() && GetTextBuffer()->CanRedo());
}

BOOL CCodeEditView::ReplaceSelected(LPCSTR pszNewText)
{
    if (!CanEdit() || !IsSelection()) {
        return FALSE;
    }
    m_nTypingMark = -1;
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    pBuffer->OpenUndoGroup(FALSE);
    PlaceCaret(ptStart);
    pBuffer->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_REPLACE);
    CPoint ptNewEnd = ptStart;
    if (pszNewText != nullptr && pszNewText[0] != '\0') {
        int nEndLine = 0;
        int nEndChar = 0;
        pBuffer->InsertWithUndo(this, ptStart.y, ptStart.x, pszNewText, nEndLine, nEndChar, CE_ACTION_REPLACE);
        ptNewEnd = CPoint(nEndChar, nEndLine);
    }
    pBuffer->CloseUndoGroup(this);
    m_ptFixed = ptStart;
    SetCursorPos(ptNewEnd);
    SetSelection(ptStart, ptNewEnd);
    EnsureVisible(ptNewEnd);
    return TRUE;
}

void CCodeEditView::OnEditReplace()
{
    if (!CanEdit()) {
        return;
    }
    CWinApp* pApp = FxGetApp();
    CCodeReplaceDlg dlg(this);
    if (pApp != nullptr) {
        dlg.m_bMatchCase = static_cast<int>(pApp->GetProfileInt(kReplaceSection, "MatchCase", 0));
        dlg.m_bWholeWord = static_cast<int>(pApp->GetProfileInt(kReplaceSection, "WholeWord", 0));
        dlg.m_strText = pApp->GetProfileString(kReplaceSection, "FindWhat", "");
        dlg.m_strNewText = pApp->GetProfileString(kReplaceSection, "ReplaceWith", "");
    }
    if (IsSelection()) {
        GetSelection(dlg.m_ptBlockBegin, dlg.m_ptBlockEnd);
        dlg.m_ptCurrentPos = dlg.m_ptBlockBegin;
        dlg.m_bEnableScopeSelection = TRUE;
        dlg.m_nScope = 0;
        m_ptSavedSelStart = dlg.m_ptBlockBegin;
        m_ptSavedSelEnd = dlg.m_ptBlockEnd;
        m_bSelectionSaved = TRUE;
    } else {
        dlg.m_ptCurrentPos = m_ptCaret;
        dlg.m_bEnableScopeSelection = FALSE;
        dlg.m_nScope = 1;
    }
    m_bKeepSelVisible = TRUE;
    dlg.DoModal();
    m_bKeepSelVisible = FALSE;
    if (m_bSelectionSaved) {
        m_ptFixed = m_ptSavedSelStart;
        SetCursorPos(m_ptSavedSelEnd);
        SetSelection(m_ptSavedSelStart, m_ptSavedSelEnd);
        EnsureVisible(m_ptSavedSelEnd);
        m_bSelectionSaved = FALSE;
    }
    if (pApp != nullptr) {
        pApp->WriteProfileInt(kReplaceSection, "MatchCase", dlg.m_bMatchCase);
        pApp->WriteProfileInt(kReplaceSection, "WholeWord", dlg.m_bWholeWord);
        pApp->WriteProfileString(kReplaceSection, "FindWhat", dlg.m_strText);
        pApp->WriteProfileString(kReplaceSection, "ReplaceWith", dlg.m_strNewText);
    }
}

void CCodeEditView::OnUpdateIndicatorOvr(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOverwrite);
}

void CCodeEditView::OnUpdateIndicatorRead(CCmdUI* pCmdUI)
{
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    pCmdUI->Enable(pBuffer != nullptr && pBuffer->IsNoEdit());
}

void CCodeEditView::OnUpdateIndicatorEmpty(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

DROPEFFECT CCodeEditView::DragEffects()
{
    // A text that cannot be edited is never removed: offering a move would lie to the target.
    return CanEdit() ? DROPEFFECT_COPY | DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

void CCodeEditView::AfterDragOut(DROPEFFECT dropEffect)
{
    if ((dropEffect & DROPEFFECT_MOVE) == 0 || !CanEdit()) {
        return;
    }
    // The dragged range has moved through the drop's insertion (UpdateView).
    CPoint ptStart;
    CPoint ptEnd;
    GetDraggedRange(ptStart, ptEnd);
    if (ptStart != ptEnd) {
        GetTextBuffer()->DeleteWithUndo(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, CE_ACTION_DRAGDROP);
    }
}

DROPEFFECT CCodeEditView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (pDataObject == nullptr || !pDataObject->IsDataAvailable(CF_TEXT)) {
        HideDropIndicator();
        m_dwLastDragEffect = DROPEFFECT_NONE;
        return DROPEFFECT_NONE;
    }
    ShowDropIndicator(point);
    m_dwLastDragEffect = (dwKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    return m_dwLastDragEffect;
}

DROPEFFECT CCodeEditView::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!CanEdit()) {
        HideDropIndicator();
        m_dwLastDragEffect = DROPEFFECT_NONE;
        return DROPEFFECT_NONE;
    }
    return OnDragEnter(pDataObject, dwKeyState, point);
}

void CCodeEditView::OnDragLeave()
{
    HideDropIndicator();
}

BOOL CCodeEditView::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint point)
{
    HideDropIndicator();
    CString strText;
    if (!CanEdit() || pDataObject == nullptr || !pDataObject->IsDataAvailable(CF_TEXT) ||
        !pDataObject->GetText(strText)) {
        return FALSE;
    }
    const CPoint ptDrop = ClosestTextPos(point);
    // Dropped onto itself, from this view or another pane of the same text: nothing moves, and
    // the refusal keeps the source from deleting what it would have moved.
    CCodeTextView* pDragView = GetDragOutView();
    if (pDragView != nullptr && pDragView->IsInDraggedRange(GetTextBuffer(), ptDrop)) {
        PlaceCaret(ptDrop);
        return FALSE;
    }
    int nEndLine = ptDrop.y;
    int nEndChar = ptDrop.x;
    if (!GetTextBuffer()->InsertWithUndo(this, ptDrop.y, ptDrop.x, strText, nEndLine, nEndChar, CE_ACTION_DRAGDROP)) {
        return FALSE;
    }
    const CPoint ptEndPos(nEndChar, nEndLine);
    SetAnchorPos(ptDrop);
    SetCursorPos(ptEndPos);
    SetSelection(ptDrop, ptEndPos);
    EnsureVisible(ptEndPos);
    return TRUE;
}

DROPEFFECT CCodeEditView::OnDragScroll(DWORD, CPoint point)
{
    const int nEdge = 5;
    CRect rc;
    GetClientRect(&rc);
    int nTop = GetTopLine();
    int nFirst = GetFirstColumn();
    if (point.y < rc.top + nEdge) {
        --nTop;
    } else if (point.y >= rc.bottom - nEdge) {
        ++nTop;
    }
    if (point.x < rc.left + GetMarginWidth() + nEdge) {
        --nFirst;
    } else if (point.x >= rc.right - nEdge) {
        ++nFirst;
    }
    nTop = std::clamp(nTop, 0, std::max(0, LineCount() - 1));
    nFirst = std::clamp(nFirst, 0, std::max(0, GetMaxLineWidth() - 1));
    if (nTop == GetTopLine() && nFirst == GetFirstColumn()) {
        return DROPEFFECT_NONE;
    }
    const BOOL bShown = m_bDropMarkShown;
    HideDropIndicator();
    ScrollToTopLine(nTop);
    ScrollToColumn(nFirst);
    UpdateWindow();
    if (bShown) {
        ShowDropIndicator(point);
    }
    return DROPEFFECT_SCROLL | m_dwLastDragEffect;
}

void CCodeEditView::ShowDropIndicator(CPoint point)
{
    if (!m_bDropMarkShown) {
        ::HideCaret(m_hWnd);
        m_ptSavedCaret = GetCursorPos();
        // The normal caret stays away while the indicator is up (scrolling updates the caret).
        m_bSavedCaretHidden = m_bCaretHidden;
        m_bCaretHidden = TRUE;
        m_bDropMarkShown = TRUE;
    }
    m_ptDropAt = ClosestTextPos(point);
    // A fresh caret each time: its hide count starts at one, so one ShowCaret shows it.
    ::DestroyCaret();
    ::CreateCaret(m_hWnd, nullptr, 2, GetLineHeight());
    const int nColumn = CharToColumn(m_ptDropAt.y, m_ptDropAt.x);
    const int nColumns = GetVisibleColumns();
    if (nColumn >= GetFirstColumn() && nColumn <= GetFirstColumn() + nColumns) {
        const CPoint pt = TextToPoint(m_ptDropAt);
        ::SetCaretPos(pt.x, pt.y);
        ::ShowCaret(m_hWnd);
    }
}

void CCodeEditView::HideDropIndicator()
{
    if (!m_bDropMarkShown) {
        return;
    }
    m_bDropMarkShown = FALSE;
    ::DestroyCaret();
    m_bCaretHidden = m_bSavedCaretHidden;
    m_ptCaret = m_ptSavedCaret;
    UpdateCaret();
}
