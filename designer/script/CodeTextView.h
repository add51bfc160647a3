// A read-only view of a script's text buffer: fixed font, a line-number margin, colours from a line
// parser, a caret and a selection moved by keys and the mouse, scrolling, finding, copying and
// printing. Positions are (character, line) with the character a byte index into the line; the
// caret and the selection never stop inside a double-byte character.
#pragma once

#include <vector>

#include "designer/script/CodeColour.h"
#include "designer/script/CodeTextDragOut.h"
#include "designer/script/CodeTextSearch.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/doc/View.h"
#include "platform/ole/OleDataObject.h"

class CBitmap;
class CCodeTextBuffer;
class CCodeUpdateContext;
class CCmdUI;
class CFont;
class COleDataSource;
class CSplitterWnd;

class CCodeTextView : public CView
{
    FX_DECLARE_DYNAMIC(CCodeTextView)

public:
    CCodeTextView();
    ~CCodeTextView() override;

    void AttachBuffer(CCodeTextBuffer* pBuffer);
    void DetachBuffer();
    void SetFont(const LOGFONTA& lf);
    const LOGFONTA& GetTextFontDesc() const { return m_lfText; }

    CPoint GetCursorPos() const { return m_ptCaret; }
    void SetCursorPos(CPoint ptCaret);
    void SetSelection(CPoint ptStart, CPoint ptEnd);
    void SetAnchorPos(CPoint ptAnchor) { m_ptFixed = ptAnchor; }
    // Ordered: start <= end.
    void GetSelection(CPoint& ptStart, CPoint& ptEnd) const;
    BOOL IsSelection() const { return m_ptSelFrom != m_ptSelTo; }
    void SelectAll();
    void EnsureVisible(CPoint pt);
    void ScrollToTopLine(int nNewTopLine);
    void ScrollToColumn(int nNewFirstColumn);
    int GetTopLine() const { return m_nFirstLine; }
    int GetFirstColumn() const { return m_nFirstColumn; }
    int GetLineHeight();
    int GetCharWidth();
    int GetMarginWidth() const { return m_bShowMargin ? 25 : 1; }
    int GetVisibleLines();

    BOOL SearchText(LPCSTR pszText, CPoint ptStart, DWORD dwFlags, BOOL bWrap, CPoint& ptFound);
    void SelectFound(CPoint ptFound, int nLength);
    // The search F3 repeats; empty text: none yet.
    void SetLastSearch(LPCSTR pszText, DWORD dwFlags);

    CPoint PointToText(CPoint pt);
    CPoint TextToPoint(CPoint ptText);
    int CharToColumn(int nLine, int nChar);
    int ColumnToChar(int nLine, int nColumn);

    // Buffer notifications (see CCodeTextBuffer::NotifyViews).
    virtual void UpdateView(CCodeTextView* pSource, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine);
    // After an edit group closed by this view; the edit view reacts.
    virtual void AfterEdit(int nAction, LPCSTR pszText);

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    int GetPrintPageCount() const { return static_cast<int>(m_pageStarts.size()); }

    // The state the line parser ended line nLine in (0 before line 0).
    DWORD GetParseState(int nLine);

    // Text is being dragged out of this view: the range it came from (moved by edits meanwhile).
    BOOL IsDraggingOut() const { return m_dragOut.IsActive(); }
    void GetDraggedRange(CPoint& ptStart, CPoint& ptEnd) const;
    // The view text is being dragged out of, in this process; null when none.
    static CCodeTextView* GetDragOutView() { return s_pDragOutView; }
    // pt lies in the range being dragged out of pBuffer (its ends included).
    BOOL IsInDraggedRange(const CCodeTextBuffer* pBuffer, CPoint pt) const;

protected:
    virtual void ResetState();
    virtual void PrintHeader(CDC* pDC, int nPage);
    virtual void PrintFooter(CDC* pDC, int nPage);
    virtual CString GetHeaderText(int nPage);
    virtual CString GetFooterText(int nPage);
    // Panes of a splitter scroll together: a row to one line, a column to one column.
    virtual void UpdateSiblingScrollPos(BOOL bHorz);
    virtual void OnUpdateSibling(CCodeTextView* pUpdateSource, BOOL bHorz);
    virtual int LineCount();
    virtual int LineLength(int nLine);
    virtual int GetLineWidth(int nLine);
    virtual LPCSTR LineText(int nLine);
    virtual DWORD LineFlags(int nLine);
    virtual void GetRangeText(CPoint ptStart, CPoint ptEnd, CString& strText);
    virtual BOOL ClipboardHasText();
    virtual BOOL WriteClipboard(const CString& strText);
    virtual BOOL ReadClipboard(CString& strText);
    // The selected text as CF_TEXT, with one reference for the caller; null without a selection.
    virtual COleDataSource* MakeDragData();
    virtual DROPEFFECT DragEffects();
    // After a drag out of this view ended with an effect (inside the drag's undo group).
    virtual void AfterDragOut(DROPEFFECT dropEffect);
    virtual COLORREF ClassColour(int nClass);
    virtual BOOL IsClassBold(int nClass);
    virtual BOOL IsClassItalic(int nClass);
    virtual void DrawSingleLine(CDC* pDC, const CRect& rcLine, int nLine);
    virtual void DrawMargin(CDC* pDC, const CRect& rcMargin, int nLine);
    // Colours one line from the state the line before ended in and returns the state it ends in.
    // pBlocks null: only the state. pszDrawn: the copy of the line that will be drawn (the parser
    // may re-spell words in it). The plain view colours nothing.
    virtual DWORD ColourLine(DWORD dwState, int nLine, char* pszDrawn, CodeTextBlock* pBlocks, int& nBlocks);
    virtual HINSTANCE GetResourceModule();
    virtual CCodeTextBuffer* GetTextBuffer();

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    LRESULT OnVScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnHScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursorMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChangeMsg(WPARAM wParam, LPARAM lParam);

    void OnCharLeft();
    void OnExtCharLeft();
    void OnCharRight();
    void OnExtCharRight();
    void OnWordLeft();
    void OnExtWordLeft();
    void OnWordRight();
    void OnExtWordRight();
    void OnLineUp();
    void OnExtLineUp();
    void OnLineDown();
    void OnExtLineDown();
    void OnScrollUp();
    void OnScrollDown();
    void OnPageUp();
    void OnExtPageUp();
    void OnPageDown();
    void OnExtPageDown();
    void OnLineEnd();
    void OnExtLineEnd();
    void OnHome();
    void OnExtHome();
    void OnTextBegin();
    void OnExtTextBegin();
    void OnTextEnd();
    void OnExtTextEnd();
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    void OnEditRepeat();
    void OnEditFindPrevious();
    void OnEditFind();
    void OnUpdateEditRepeat(CCmdUI* pCmdUI);
    void OnFilePageSetup();
    void OnUpdateIndicatorPosition(CCmdUI* pCmdUI);
    void OnUpdateIndicatorCrlf(CCmdUI* pCmdUI);

    FX_DECLARE_MESSAGE_MAP()

protected:
    void MoveCaretTo(CPoint ptCaret, BOOL bSelect, BOOL bKeepWantedColumn = FALSE);
    void UpdateCaret();
    void RecalcVertScrollBar(BOOL bPositionOnly = FALSE);
    void RecalcHorzScrollBar(BOOL bPositionOnly = FALSE);
    // One bar's range, page and position (nFirst is the view's first line or column).
    void SetScrollBar(int nBar, int& nFirst, BOOL bPositionOnly, int nVisible, int nTotal);
    // Where a scroll bar code moves nPos, clamped to the text; FALSE for a code that moves nothing.
    BOOL ScrollBarTarget(int nBar, UINT nCode, int nVisible, int nTotal, int& nPos);
    // Where Home puts the caret on its line.
    int HomeChar();
    int GetVisibleColumns();
    int GetMaxLineWidth();
    CFont* GetFont(BOOL bBold = FALSE, BOOL bItalic = FALSE);
    void CalcLineCharDim();
    void InvalidateLines(int nLine1, int nLine2);
    BOOL IsInsideSelection(CPoint pt) const;
    CPoint WordStartAt(CPoint pt);
    CPoint WordEndAt(CPoint pt);
    CPoint WordLeftOf(CPoint pt);
    CPoint WordRightOf(CPoint pt);
    void DropFonts();
    void DoFindAgain(BOOL bReverse);
    void DragScroll(CPoint ptCursor);
    void ExpandTabs(int nLine, CString& strText);
    int PrintLineHeight(CDC* pDC, int nLine);
    // The splitter this view is a pane of, or null.
    CSplitterWnd* GetParentSplitter() const;
    // The window and bar code that hold the view's scroll bar: a splitter's shared bar, else its own.
    HWND GetScrollBarOwner(int nBar, int& nCtlBar) const;
    // The closest text position to a client point, as a click places the caret.
    CPoint ClosestTextPos(CPoint point);
    // Offers the selection to an OLE drag; one undo group holds what the drop does to the buffer.
    void DragOutSelection();

    CString m_strKeywords;
    CString m_strKeywordsLower;
    COLORREF m_crLineNumber;
    LOGFONTA m_lfLineNumber;
    // The search F3 repeats.
    CCodeTextSearch m_search;
    BOOL m_bCaretHidden;
    CBitmap* m_pLineBitmap;
    int m_nLineCy;
    int m_nCharCx;
    int m_nTabWidth;
    BOOL m_bShowMargin;
    int m_nVisibleLines;
    int m_nVisibleColumns;
    int m_nWidestLine;
    int m_nWantedColumn;
    BOOL m_bHasFocus;
    CPoint m_ptFixed;
    LOGFONTA m_lfText;
    CFont* m_apFonts[4];
    CFont* m_pLineNumberFont;
    std::vector<DWORD> m_parseStates;
    std::vector<int> m_lineWidths;
    BOOL m_bDragPending;
    // The text being dragged out of this view.
    CCodeTextDragOut m_dragOut;
    BOOL m_bMouseSelecting;
    BOOL m_bWordMode;
    BOOL m_bLineMode;
    UINT_PTR m_nDragTimer;
    CPoint m_ptSelLow;
    CPoint m_ptSelHigh;
    CPoint m_ptCaret;
    CPoint m_ptSelFrom;
    CPoint m_ptSelTo;
    CCodeTextBuffer* m_pBuffer;
    HACCEL m_hAccel;
    BOOL m_bVertBarFrozen;
    BOOL m_bHorzBarFrozen;
    BOOL m_bKeepSelVisible;
    std::vector<int> m_pageStarts;
    CFont* m_pPrintFont;
    int m_nPrintLineCy;
    BOOL m_bPrintHeader;
    BOOL m_bPrintFooter;
    CRect m_rcPrintArea;
    int m_nFirstLine;
    int m_nFirstColumn;
    static CCodeTextView* s_pDragOutView;
};
