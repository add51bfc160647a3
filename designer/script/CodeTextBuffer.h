// The text of one script while it is edited: lines of GBK bytes, the undo history, the modified
// flag and the views that show it. Every change goes through here and is told to each view.
#pragma once

#include <vector>

#include "designer/script/CodeUpdateContext.h"
#include "platform/base/Point.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"

class CCodeTextView;

// What the views hear with a change (flags of CCodeTextView::UpdateView).
#define UPDATE_CHARS 0x0001
#define UPDATE_LINES 0x0002
#define UPDATE_ONELINE 0x0100
#define UPDATE_RESETALL 0x1000

// Action kinds of the undo records.
enum CodeEditAction : int {
    CE_ACTION_UNKNOWN = 0,
    CE_ACTION_PASTE = 1,
    CE_ACTION_DELSEL = 2,
    CE_ACTION_CUT = 3,
    CE_ACTION_TYPING = 4,
    CE_ACTION_BACKSPACE = 5,
    CE_ACTION_INDENT = 6,
    CE_ACTION_DRAGDROP = 7,
    CE_ACTION_REPLACE = 8,
    CE_ACTION_DELETE = 9,
    CE_ACTION_AUTOINDENT = 10,
};

class CCodeTextBuffer : public CCmdTarget
{
public:
    CCodeTextBuffer();
    ~CCodeTextBuffer() override;

    BOOL InitEmpty(int nCrlfMode = 0);
    void Clear();
    BOOL SetAllText(CString strText);
    BOOL GetAllText(CString& strText) const;
    BOOL IsLoaded() const { return m_bLoaded; }

    int LineCount() const;
    int LineLength(int nLine) const;
    // Points into the line's own storage; not terminated.
    LPCSTR LineText(int nLine) const;
    DWORD LineFlags(int nLine) const;
    BOOL IsNoEdit() const { return m_bNoEdit; }
    void SetNoEdit(BOOL bNoEdit) { m_bNoEdit = bNoEdit; }
    int LineEndStyle() const { return m_nLineEndStyle; }
    BOOL IsModified() const { return m_bChanged; }

    // nLength -1 measures up to the terminator; nPos -1 appends.
    void AddLine(LPCSTR pszText, int nLength = -1, int nPos = -1);
    void AppendToLine(int nLine, LPCSTR pszText, int nLength = -1);
    // Separator null: CR LF.
    void GetTextRange(int nStartLine, int nStartChar, int nEndLine, int nEndChar, CString& strText,
                      LPCSTR pszSeparator = nullptr) const;

    void AttachView(CCodeTextView* pView);
    void DetachView(CCodeTextView* pView);
    void NotifyViews(CCodeTextView* pSource, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine);

    BOOL InsertWithUndo(CCodeTextView* pSource, int nLine, int nChar, LPCSTR pszText, int& nEndLine, int& nEndChar,
                        int nAction = CE_ACTION_UNKNOWN);
    BOOL DeleteWithUndo(CCodeTextView* pSource, int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                        int nAction = CE_ACTION_UNKNOWN);

    BOOL CanUndo() const { return m_nUndoPos > 0; }
    BOOL CanRedo() const { return m_nUndoPos < static_cast<int>(m_undoSteps.size()); }
    BOOL Undo(CPoint& ptCaret);
    BOOL Redo(CPoint& ptCaret);
    void OpenUndoGroup(BOOL bMergeWithPrevious = FALSE);
    void CloseUndoGroup(CCodeTextView* pSource = nullptr);
    int UndoStepCount() const { return static_cast<int>(m_undoSteps.size()); }

    virtual BOOL DescribeAction(int nAction, CString& strDesc);
    virtual void SetChanged(BOOL bModified);

    BOOL RawInsert(CCodeTextView* pSource, int nLine, int nChar, LPCSTR pszText, int& nEndLine, int& nEndChar);
    BOOL RawDelete(CCodeTextView* pSource, int nStartLine, int nStartChar, int nEndLine, int nEndChar);

private:
    struct LineRec
    {
        char* pText = nullptr; // owned, not terminated; capacity leaves room for a terminator
        int nLength = 0;
        int nCapacity = 0;
        DWORD dwFlags = 0;
    };
    struct UndoRec
    {
        DWORD dwFlags = 0;
        CPoint ptStart;
        CPoint ptEnd;
        int nAction = 0;
        CString strText;
    };

    static LineRec MakeLine(LPCSTR pszText, int nLength);
    void FreeLines();
    void PushUndoStep(bool bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText, int nAction);
    void SettleModified();

    BOOL m_bLoaded = FALSE;
    BOOL m_bNoEdit = FALSE;
    BOOL m_bChanged = FALSE;
    int m_nLineEndStyle = 0;
    int m_nUndoLimit = 1024;
    std::vector<LineRec> m_lines;
    std::vector<UndoRec> m_undoSteps;
    int m_nUndoPos = 0;
    // -1 once the text that counted as unmodified can no longer be reached by undo or redo.
    int m_nSavedPos = 0;
    BOOL m_bGroupOpen = FALSE;
    BOOL m_bNextStartsGroup = FALSE;
    // Records pushed since the group opened: an empty group replays no edit on closing.
    int m_nGroupSteps = 0;
    std::vector<CCodeTextView*> m_views;
};
