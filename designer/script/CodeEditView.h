// The editing view of a script: typing in insert and overwrite modes, Enter with automatic
// indentation, Delete and Backspace, Tab and Shift+Tab over blocks of lines, cut, paste, undo, redo
// and replace. Every change goes through the buffer's undo operations, one undo group per user
// action, and never leaves half of a double-byte character behind.
#pragma once

#include "designer/script/CodeTextView.h"

class CCodeDropTarget;

class CCodeEditView : public CCodeTextView
{
    FX_DECLARE_DYNAMIC(CCodeEditView)

public:
    CCodeEditView();
    ~CCodeEditView() override;

    // A buffer is attached and it accepts edits.
    virtual BOOL CanEdit();
    BOOL GetOverwriteMode() const { return m_bOverwrite; }
    void SetOverwriteMode(BOOL bOverwrite) { m_bOverwrite = bOverwrite; }
    BOOL GetAutoIndent() const { return m_bKeepIndent; }
    void SetAutoIndent(BOOL bKeep) { m_bKeepIndent = bKeep; }

    // Deletes a non-empty selection (caret to its start); FALSE when there was none.
    BOOL DeleteSelection();
    // Replaces the selection and selects what was put in; FALSE without a selection.
    BOOL ReplaceSelected(LPCSTR pszNewText);

    void UpdateView(CCodeTextView* pSource, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine) override;
    void AfterEdit(int nAction, LPCSTR pszText) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The command handlers, public so that menus, keys and tests reach the same code.
    void OnEditDelete();
    void OnEditDeleteBack();
    void OnEditTab();
    void OnEditUntab();
    void OnEditSwitchOvrmode();
    void OnEditCut();
    void OnEditPaste();
    void OnEditUndo();
    void OnEditRedo();
    void OnEditReplace();
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    // The view as a drop target (its registered target calls these). CF_TEXT only: copy with
    // Ctrl, else move.
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Scrolls when the point is near an edge; DROPEFFECT_SCROLL with the drag's effect when it did.
    DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point);
    BOOL IsDropMarkShown() const { return m_bDropMarkShown; }
    CPoint GetDropPos() const { return m_ptDropAt; }

protected:
    void ResetState() override;
    DROPEFFECT DragEffects() override;
    void AfterDragOut(DROPEFFECT dropEffect) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;

    void OnUpdateEditSwitchOvrmode(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    void OnUpdateIndicatorOvr(CCmdUI* pCmdUI);
    void OnUpdateIndicatorRead(CCmdUI* pCmdUI);
    void OnUpdateIndicatorEmpty(CCmdUI* pCmdUI);

    FX_DECLARE_MESSAGE_MAP()

protected:
    // Caret, anchor and an empty selection at pt, made visible.
    void PlaceCaret(CPoint pt);
    void TypeBytes(LPCSTR pszBytes);
    // The lines a block Tab or Shift+Tab works on; FALSE when the selection is within one line.
    BOOL GetBlock(int& nFirst, int& nLast);
    void SelectBlock(int nFirst, int nLast);
    // The drop indicator: a thin caret at the text position under the point.
    void ShowDropIndicator(CPoint point);
    void HideDropIndicator();

    BOOL m_bOverwrite;
    BOOL m_bSelectionSaved;
    CPoint m_ptSavedSelStart;
    CPoint m_ptSavedSelEnd;
    BOOL m_bKeepIndent;
    HACCEL m_hEditAccel;
    // A lead byte typed and waiting for its trail byte, so both go in as one character.
    char m_chPendingLead;
    // Undo record count and caret after this view's last typed character; typing merges with it
    // only while nothing else has touched the history and the caret has not moved since.
    int m_nTypingMark;
    CPoint m_ptTypingEnd;
    BOOL m_bDropMarkShown;
    CPoint m_ptSavedCaret;
    BOOL m_bSavedCaretHidden;
    CPoint m_ptDropAt;
    // The answer of the last drag enter or over, kept for a drag that scrolls.
    DROPEFFECT m_dwLastDragEffect;
    CCodeDropTarget* m_pDropTarget;
};
