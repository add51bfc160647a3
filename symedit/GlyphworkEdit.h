// The special edit: turns segment text into content segments and back, lays them out in rows and
// draws them. An object without a window serves the static drawing entry and row measuring.
#pragma once

#include <windows.h>

#include "platform/base/ObList.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"
#include "symedit/CappBaseCtrl.h"
#include "symedit/MarkwellExport.h"

class CDC;
class CContentSegment;
class CGlyphworkEditRow;
class CUndoItem;
class CStringContSeg;
class CCustSymSource;
class CToleranceContSeg;
class CGpTolContSeg;
class CCoarsenessContSeg;
class CFractionContSeg;
class CSupSubScriptContSeg;
class CFrameStrContSeg;
class CCircleStrContSeg;
class CCustomDrawContSeg;

class MARKWELL_API CGlyphworkEdit : public CWnd, public CCappBaseCtrl
{
public:
    // Edit-style bits.
    enum : DWORD {
        styleVScroll = 0x2,
        styleEnterBreaksRow = 0x4,
        styleFontRowHeight = 0x10,
        styleNoAlignPrefix = 0x20,
        styleReadOnly = 0x80,
    };
    // Sent to the parent (0, 0) after every insertion or deletion of segments, undo and redo included.
    enum : UINT { msgContentChanged = 3994 };
    // Undo record actions.
    enum { undoInsert = 1, undoDelete = 2, undoModify = 3 };
    // Format flags: fit each row by narrowing characters; break rows by width.
    enum : UINT { formatFitRow = 0x2, formatBreakByWidth = 0x4 };

    CGlyphworkEdit();
    // Builds the control and its window in one step, for a host that creates it with new; the
    // window's destruction deletes the object. nUnused is kept for the callers' argument order.
    CGlyphworkEdit(CWnd* pParent, CRect& rcWnd, LOGFONT lfBase, UINT nID, CString strText, int nUnused, int nRowLines,
                   int nSpacing, COLORREF crText, CRect& rcText, int nFormat, int nEditStyle, UINT nAlign, float fScale,
                   CPoint ptClick);
    ~CGlyphworkEdit() override;

    // The custom-symbol cache custom symbols are looked up in; null skips the lookup.
    // Custom symbols are looked up there from now on; null is refused and keeps the cache in use.
    bool AttachMgr(CCustSymSource* pMgr);

    // Parsing and writing whole segment text.
    void TransStringToContSegList(CDC* pDC, CString strText);
    // Nonzero when the element letter is known; its segments are appended.
    int ProcessSpecial(CDC* pDC, char chLetter, CString strContent);
    void TransContSegListToString(CString& strOut);
    // Empties listOut (without freeing) and fills it with one-character copies of pSeg.
    void SeparateStrContSeg(CStringContSeg* pSeg, CObList& listOut);
    // Merges neighbouring text segments of the same font and colour.
    void JoinStrContSeg(CObList& list);
    int GetNewContSeg(CContentSegment*& pOut, CContentSegment* pSource);

    void GetData(CString& strOut) override;
    // Empties list (without freeing) and fills it with copies of the segments, text joined; the
    // caller owns them.
    void GetData(CObList& list);
    // Empty for a row outside 0 to row count - 1.
    void GetRowData(CString& strOut, int nRow) override;
    // The markup without alignment prefix, font tags and text-element tags.
    void GetTextData(CString& strOut) override;
    int GetRowCount() override;
    // Keeps the larger of the given and the present initial row count.
    void SetOrigRows(int nRows) override;
    int GetAlignFormat() override;
    DWORD GetEditStyle() override;
    void ModifyEditStyle(DWORD dwRemove, DWORD dwAdd) override;

    // In-place editing (the window part lives in GlyphworkEditWnd.cpp). The object must come from
    // new: the window's destruction deletes it.
    BOOL CreateEdit(CWnd* pParent, int nEditStyle, CRect rcWnd, CRect rcText, UINT nID, CPoint ptClick);
    BOOL SetBeginRow(int nRow);
    void InitData(CDC* pDC, CString strText);
    // Nonzero captures the mouse for a drag selection; 0 releases it.
    void SetSelectionState(int nState);
    void RunCommand(UINT nID) override;
    BOOL CanUndoEx() override;
    BOOL CanRedo() override;
    BOOL CanCopy() override;
    BOOL CanPaste() override;
    BOOL CanCut() override;
    BOOL CanSelectAll() override;
    void OnCopy() override;
    void OnPaste() override;
    void OnCut() override;
    void OnUndo() override;
    void OnRedo() override;
    // Inserts markup at the caret, replacing the selection.
    void Paste(CString strText) override;
    void Replace(CString strText) override;
    void GetSelData(CString& strOut) override;
    void DestroyEdit() override;

    void InsertContSeg(CContentSegment* pSeg);
    // Inserts clones of the segments at the caret.
    void InsertContSegList(CObList& list);
    // Removes and frees nCount segments from the caret on, across rows.
    void DeleteContSegList(int nCount);
    // Replaces the segment at the caret with a clone of the list's first (nWhich nonzero) or second.
    void ModifyContSeg(CObList& list, int nWhich);
    void ModifyContSeg(CContentSegment* pSeg);
    void UniteDataFromRow(int nRow);
    // Frees the undo records from pos (from the first when null) to the end.
    void DeleteUndoListFrom(POSITION pos);
    void SaveUndoInfo(int nAction, CObList& listSeg);
    void MyOnChar(UINT nChar);
    void MyOnEnter();
    BOOL OnDataCopy();
    void OnDataPaste();
    void OnDataCut();
    void Undo();
    void Redo();
    void ResizeWnd();
    void RefreshCurRow(int nRow);
    void RefreshFromRow(int nRow);
    void ResetVScrollRange();

    // Caret, mouse and selection.
    int GetCaretPosX(CDC* pDC, int nRow, int& nCol, int& x);
    int GetPickedPos(CDC* pDC, int nRow, int x, int& nCaretX, int& nCol);
    void ResetInputPos();
    static void NormalPos(CPoint& posStart, CPoint& posEnd, CPoint& ptStart, CPoint& ptEnd);
    void SelectionNo();
    // The selected segments themselves, in reading order; valid until the next edit.
    void GetSelList(CObList& list);
    void MoveCursorLeft();
    void MoveCursorRight();
    void MoveCursorUp();
    void MoveCursorDown();
    void JumpToHead();
    void JumpToEnd();
    void DeleteChar();
    void Backspace();
    void DeleteSelection();
    void OnSelectAll();
    void DrawEdit(CDC* pDC);
    void DrawShadow(CDC* pDC);
    void DrawRowShadow(CDC* pDC, int nRow, int x, int y, int nFromCol, int nToCol);
    void ReDrawRect(int nFromRow, int nFromCol, int nToRow, int nToCol, CPoint ptStart, BOOL bForce);
    void ReDrawRow(CDC* pDC, int nRow, int x, int y, int nFromCol, int nToCol, BOOL bForce);
    BOOL HasSelection() const { return m_posSelStart != m_posSelEnd; }

    // Notation (GlyphworkEditNotation.cpp). The New* commands insert at the caret through the
    // notation dialogs and do nothing while read-only; a cancelled dialog changes nothing.
    void InsertSymbol();
    void NewTolerance();
    void NewGptol();
    void NewCoarseness();
    void NewFraction();
    void NewSuperSubScript();
    void NewFrameStr();
    void NewCircleStr();
    void NewCustomDrawSeg();
    // Changes the element at (row, column) through its dialog, the caret put on it first: 1 when
    // the element has a dialog (whatever the answer), 0 for text, a line break, a position
    // outside the text or a read-only edit.
    int EditSpecial(int nRow, int nCol);
    // The change operations replace the segment at the caret, which must be the one given.
    void EditTolerance(CToleranceContSeg* pSeg);
    void EditGpTol(CGpTolContSeg* pSeg);
    void EditCoarseness(CCoarsenessContSeg* pSeg);
    void EditFraction(CFractionContSeg* pSeg);
    void EditSuperSubScript(CSupSubScriptContSeg* pSeg);
    void EditFrameStr(CFrameStrContSeg* pSeg);
    void EditCircleStr(CCircleStrContSeg* pSeg);
    void EditSymbol(CCustomDrawContSeg* pSeg);
    // The "WorkDir" of HKLM "SoftWare\Saelo\CAPP", else of "SoftWare\Saelo\PDM"; without
    // either the user is told and the result is FALSE.
    BOOL GetWorkDir(CString& strDir);
    // The double click's and Ctrl+Down's action: change the element at the caret, else send the
    // double-click message.
    void EditAtCaretOrTellParent();

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void TransEditRowToContSegList(int nRow);
    void TransEditRowListToContSegList();
    void DetachContSegList();
    void DetachContSegList(CObList& list);
    void DetachEditRowList();

    // Layout.
    void SetTextData(LOGFONT lfBase, CString strText, int nFormat, int nAlign, float fScale, COLORREF crText);
    void SetLineStyle(int nSpacing, int nRowLines);
    // Lays the markup out for the rectangle's width without drawing.
    void SetBaseData(CDC* pDC, CRect& rect, LOGFONT lfBase, int nFormat, int nAlign, CString strText);
    // Draws the markup into the rectangle; without bFontRowHeight the rectangle is one row.
    void DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT lfBase, UINT nFormat, int nAlign, bool bFontRowHeight,
                  COLORREF crText);
    void GetLogFont(LOGFONT& lf);
    void SetAlignFormat(int nAlign);
    // Breaks rows from nRow to the end, by line breaks and, with formatBreakByWidth, by width.
    void ReCalEditRow(CDC* pDC, int nRow);
    int GetVSpace();
    // The editor's drawing of one row in window coordinates, its band cleared to the background.
    void DrawRow(CDC* pDC, int nRow);
    // Lines between rows, as wide as the row spacing, when row lines are on.
    void DrawEditLine(CDC* pDC);

    CObList m_listContSeg;
    CObList m_listEditRow;
    int m_nRowCount = 1;
    int m_nCaretRow = 0;
    int m_nCaretCol = 0;
    int m_nCaretX = 0;
    int m_nCaretY = 0;
    COLORREF m_crBack = RGB(255, 255, 255);
    COLORREF m_crText = 0;
    DWORD m_dwEditStyle = 0;
    UINT m_nFormat = 0;
    int m_nAlign = 0;
    float m_fScale = 1.0f;
    CRect m_rcText;
    int m_nRowHeight = 0;
    int m_nRowSpacing = 0;
    int m_nRowLines = 0;
    int m_nLayoutWidth = 0;
    int m_nOrigRows = 0;
    int m_nFirstShowRow = 0;
    int m_nScrollOffset = 0;
    int m_nTopMargin = 1;
    int m_nLeftMargin = 2;
    int m_nRightMargin = 2;
    // Selection start and end as (column, row) pairs with their pixel points; equal: none.
    CPoint m_posSelStart;
    CPoint m_posSelEnd;
    CPoint m_ptSelStart;
    CPoint m_ptSelEnd;
    int m_nSelectionState = 0;
    CObList m_listUndo;
    // The last applied undo record; null before the first.
    POSITION m_posUndo = nullptr;
    CRect m_rcTextArea;
    int m_nPageRows = 1;
    int m_nScrollPos = 0;
    // A typed GBK lead byte waiting for its trail byte; 0 when none.
    UINT m_nLeadByte = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void ResetMargins();
    int GetRowPitch() const { return m_nRowHeight + m_nRowSpacing; }
    // Clones of the row's segments (all rows for -1) written as markup.
    void WriteRows(CString& strOut, int nRow);
    void AppendText(CDC* pDC, const CString& strChar);
    void AppendMeasured(CDC* pDC, CContentSegment* pSeg);

    CGlyphworkEditRow* GetEditRow(int nRow);
    int GetRowY(int nRow) { return GetRowPitch() * nRow - m_nScrollOffset + m_nTopMargin + GetVSpace(); }
    int GetSegXStep(CGlyphworkEditRow* pRow, int nIndex);
    int GetRowEndCol(CGlyphworkEditRow* pRow);
    int GetRowScaledWidth(CGlyphworkEditRow* pRow);
    int GetFirstXPos(CDC* pDC, CGlyphworkEditRow* pRow);
    int GetRowFromY(int y);
    int GetCaretHeight();
    // The black stretches behind the row's selected segments.
    void DrawRowSelection(CDC* pDC, int nRow);
    bool IsReadOnly() const { return (m_dwEditStyle & styleReadOnly) != 0; }
    // Lays rows out again after an edit at the caret's row: in full (rejoining the rows that
    // continue it) or by fitting that row only; then the caret is moved onto the row it belongs to.
    void RelayoutAfterEdit(CDC* pDC, bool bFull);
    void FollowCaret();
    // Repaints after an edit (from nRow on when the layout changed in full, else that row), puts
    // the caret back, sets the modified flag and tells the parent.
    void FinishEdit(int nRow, bool bFull);
    // Puts the caret where the record was taken and takes the step back (bUndo) or again.
    void ApplyUndoItem(CUndoItem* pItem, bool bUndo);
    // Home (bEnd false) and End: within the caret's row.
    void JumpInRow(bool bEnd);
    // Up (nStep -1) and Down (1): a hit test on that row at the caret's x.
    void MoveCursorToRow(int nStep, UINT nKey);
    // Left and Right: read-only, or without rows unless Shift is held, end the edit with the key.
    bool CanMoveSideways(UINT nKey, bool bShift);
    // Moves the segments of the rows after nRow to its end and frees those rows; with
    // bUpToLineBreak only until nRow ends with a line break.
    void JoinFollowingRows(int nRow, bool bUpToLineBreak);
    // At the text's edge a shifted move stops; an unshifted one removes the selection, else ends
    // the edit with the key.
    void StopAtEdge(UINT nKey, bool bShift);
    // The end of every caret move: the selection end follows a shifted move, any other move drops
    // the selection; then the caret is shown.
    void EndMove(bool bShift, bool bFollow);
    static bool IsKeyDown(int nVirtKey);
    static int RoundPixel(float f);
    // Reading order of (column, row) pairs: row first.
    static bool IsAfter(const CPoint& a, const CPoint& b);
    void NotifyParent(UINT message);
    void MoveCaretToPick(CDC* pDC, int nRow, int x);
    void ClearSelectionPoints();
    // Shift-move bookkeeping around a caret move (step 1 and 3 of every move).
    bool BeginMove();
    void ShowCaretAt();
    bool HasRows() { return m_nRowCount > 0 && !m_listEditRow.IsEmpty(); }

    // Records an insertion of pSeg and inserts a copy at the caret.
    void InsertNewSeg(CContentSegment* pSeg);
    // Records a modification from pOld to pNew and puts a copy of pNew in place of the caret's segment.
    void ReplaceSegAtCaret(CContentSegment* pOld, CContentSegment* pNew);
    void EndNotationCommand();

    CCustSymSource* m_pCustSymMgr = nullptr;
    BOOL m_bAutoDelete = FALSE;
};
