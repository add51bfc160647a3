// The sheet-definition view: draws the template being designed (its document's CCappSheet) on a
// zoom view, selects cell ranges, copies, pastes and drops cells and carries the window's commands.
// Mouse input goes to its tools: the free-object tool, the cell tool and the table-line tool.
#pragma once

#include "common/KvZoomView.h"
#include "core/CappRange.h"
#include "core/CappSheet.h"
#include "designer/template/DesignDropTarget.h"
#include "designer/sheet/DesignFreeObjEditTool.h"
#include "designer/sheet/SheetToolHost.h"
#include "designer/sheet/SheetViewAux.h"
#include "designer/sheet/TableLineTool.h"

class CCappCell;
class CCappFreeObj;
class CCappLine;
class CCappMidData;
class CCappSheetDefChildFrame;
class CCappSheetDefDoc;
class CDesignShellLink;
class CMenu;

class CCappSheetDefView : public CKvZoomView, public CSheetToolHost
{
    FX_DECLARE_DYNCREATE(CCappSheetDefView)

protected:
    CCappSheetDefView();

public:
    ~CCappSheetDefView() override;

    // Save states: 1 saved (or loaded) under m_strPath, 2 new and never saved, 3 changed.
    enum { saveStateSaved = 1, saveStateNew = 2, saveStateChanged = 3 };

    // Template files and the save state (CappSheetDefViewFile.cpp).
    enum { saveModeSave = 1, saveModeSaveAs = 2 };
    // Reads the template at the path into the sheet. As new: the view keeps no path and every
    // cell is new; otherwise the view and the document take the path. An unreadable or damaged
    // file is reported (message box, errors pane) and leaves the view as it was: FALSE.
    BOOL LoadTemplate(LPCSTR lpszPath, BOOL bAsNew);
    // Save (asks for a path only when the view has none) or Save As. TRUE when written; a
    // cancelled dialog or a failed write (reported) leaves the file, the path and the state.
    BOOL SaveTemplate(int nMode);
    // The state mirrored into the sheet's m_nState; a change marked on either counts.
    int GetSaveState() const;
    void SetSaveState(int nState);
    // Every command that changes the sheet calls this: a saved template becomes changed.
    void MarkChanged() override;
    // A new template nobody has changed since it was made: nothing in it to lose, so closing and
    // Save all pass it by without a question.
    BOOL IsUntouchedNew() const;
    // The close question for state 3 and a changed state 2 (Yes saves, No discards); FALSE keeps
    // the window.
    BOOL QueryCloseTemplate();
    // New from a template: loaded as new, without path or name (state 2).
    BOOL NewFromTemplate(LPCSTR lpszPath);
    // New blank template sized in the page setup sheet; FALSE when the sheet is cancelled.
    BOOL NewBlankTemplate();
    // The page setup command: a refused size is reported by the sheet and changes nothing.
    BOOL SetupPage() override;

    CCappSheetDefDoc* GetDocument() const;
    // The shell that made the view's window, or null: the view and its tools reach the output bar,
    // the recent files, the script window and the copied cell through it.
    CDesignShellLink* GetShellLink() const override;
    const CString& GetPath() const { return m_strPath; }
    BOOL IsTemplateLoaded() const { return m_bLoaded; }

    // The document's sheet, shown and edited here; the document owns it.
    CCappSheet* m_pSheet;
    CString m_strPath;
    int m_nSaveState;
    // Set by MarkChanged, cleared when a template is loaded or made new.
    BOOL m_bChangedSinceNew;

protected:
    void OnDraw(CDC* pDC) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnInitialUpdate() override;
    // Drop target registration.
    void OnDestroy() override;

    // Detail-area and cell-control commands (CappSheetDefViewMd.cpp).
public:
    // Applies one group of the cell-control dialog to its owner list: variable cells not named are
    // deleted, the named ones move to the front in the given order (one name a line) and missing
    // ones are made as card-variable cells with a rectangle of their own. Static texts stay.
    void ApplyCellControl(CObList& listCell, const CString& strSetting, int nSeat);

protected:
    void OnMdNew();
    void OnMdMerge();
    void OnMdContinue();
    void OnMdDelete();
    void OnMdAttributes();
    void OnMdFieldIndex();
    void OnMdSettings();
    void OnCellControl();

private:
    // The line ids of the selection united with the tracked range; FALSE when there is none.
    BOOL GetSelectedLineIDs(int& nTop, int& nLeft, int& nRight, int& nBottom) const;
    // The detail area holding the selection; null when none.
    CCappMidData* GetSelectedMidData() const;
    void ShowMdMessage(UINT nID, UINT nType) const;
    CCappMidData* AddMidDataArea(const CString& strName, int nTop, int nLeft, int nRight, int nBottom);
    // One more than the highest extension order among the continuations of the area.
    int GetNewExtOrder(const CString& strSrcName) const;
    // End of the detail-area and cell-control commands.

    // Sheet view: drawing, input, selection, cell copy and drop, view commands.
public:
    // Edit modes (the mouse tool and its state); 0 is plain cell selection.
    enum { editSelect = 0, editDrawLine = 3, editOverLine = 6, editTracking = 11 };
    // Drag messages of the designer's drop target: over (answer 2 move, 3 copy, else no drop),
    // drop (non-zero when taken) and leave.
    enum { msgDragOver = 0x2299, msgDrop = 0x229A, msgDragLeave = 0x229B };

    // The sheet's frame in client pixels and its size in sheet units, for the rulers.
    BOOL GetPageRectDevice(CRect& rcDevice, CSize& sizeTenthMm);
    // Selects the range at a point in sheet units, through the cell tool; (0, 0) clears the
    // selection.
    void SelectAt(CPoint ptSheet);
    // The drop-target range follows a point in sheet units, as the drag-over message does.
    LRESULT DragOverAt(CPoint ptSheet);
    // The menu 149 popup for the current selection with its items enabled, or FALSE when the
    // selection is empty (no menu). The caller owns the menu; nPopup gets 0 "cell" or 1 "mdcell".
    BOOL BuildContextMenu(CMenu& menu, int& nPopup);
    BOOL IsFreeObjectOn() const { return m_bFreeObjOn; }
    int GetZoomPrint() const { return m_nZoomPrint; }
    void SetZoomPrint(int nZoomPrint) { m_nZoomPrint = nZoomPrint; }

    // An OLE drag of the selected cell, with a token text as its data; FALSE when a drag runs
    // already or the selection holds no cell.
    BOOL StartCellDrag() override;

    int m_nEditMode = editSelect;
    CCappRange m_rangeSel;
    CCappRange m_rangeTrack;
    CCappRange m_rangeDrop;
    CCappLine* m_pHighlightLine = nullptr;
    // The cursor of the last drag event in client coordinates, taken from the drop target on
    // every drag-over.
    CPoint m_ptDrag;
    // The cell this view is dragging, while a drag runs.
    CCappCell* m_pDragCell = nullptr;
    // Drop target: registered in the initial update, revoked when the window goes.
    CDesignDropTarget m_dropTarget;

    // Screen: the zoom view's mapping. Printer: one sheet unit a tenth of a millimetre from the
    // paper's corner (ZoomPrint 0), or the screen's zoom carried to the printer (ZoomPrint 1).
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // The sheet's own paper and orientation: the print dialog offers them, direct printing and
    // the preview use them.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

protected:
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ZoomLevelChanged() override;
    void ZoomViewScroll() override;

    // Commands (CappSheetDefViewCmd.cpp).
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomRect();
    void OnUpdateZoomRect(CCmdUI* pCmdUI);
    void OnZoomMove();
    void OnUpdateZoomMove(CCmdUI* pCmdUI);
    void OnZoomAll();
    void OnZoomFixed(UINT nID);
    void OnUndo();
    void OnUpdateUndo(CCmdUI* pCmdUI);
    void OnRedo();
    void OnUpdateRedo(CCmdUI* pCmdUI);
    void OnFreeObjSwitch();
    void OnUpdateFreeObjSwitch(CCmdUI* pCmdUI);
    // Free-object kinds and arrangement (CappSheetDefViewFree.cpp).
    void OnFreeObjKind(UINT nID);
    void OnUpdateFreeObjKind(CCmdUI* pCmdUI);
    void OnFreeObjArrange(UINT nID);
    void OnUpdateFreeObjArrange(CCmdUI* pCmdUI);
    // End of the free-object commands.
    void OnEditCopy();
    void OnEditPaste();
    void OnCleanTable();
    LRESULT OnDragOver(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrop(WPARAM wParam, LPARAM lParam);
    LRESULT OnDragLeave(WPARAM wParam, LPARAM lParam);
    // Figure text of the sheet (CappSheetDefViewSge.cpp).
    void OnSgeInput();
    // Data binding of the template (CappSheetDefViewData.cpp).
    void OnDataBinding();
    // Cell tool commands (CappSheetDefViewCell.cpp): the role tools, the roles and properties.
    void OnCellSelectTool();
    void OnCellRoleTool(UINT nID);
    void OnUpdateCellRoleTool(CCmdUI* pCmdUI);
    void OnCellStatic();
    void OnCellVariable();
    void OnCellImage();
    void OnCellEdit();
    void OnUpdateCellEdit(CCmdUI* pCmdUI);
    void OnCellProperties();
    void OnCellByName();
    // End of the cell tool commands.
    // Split and merge of the selected area (CappSheetDefViewSplit.cpp).
    void OnCellSplit();
    void OnUpdateCellSplit(CCmdUI* pCmdUI);
    void OnCellMerge();
    FX_DECLARE_MESSAGE_MAP()

public:
    // The selected cell dropped on the current drop-target range: copied to an empty range, else
    // over the target (nMove 0) or exchanged with it (nMove 1); -1 asks with the move-cell dialog.
    // The dragged cell stays; nothing happens on its own range. Non-zero when the drop was taken.
    int DropSelectedCell(int nMove);

    // Table-line commands and the cell-size command (CappSheetDefViewLine.cpp).
protected:
    void OnLineDraw();
    void OnUpdateLineDraw(CCmdUI* pCmdUI);
    void OnLineDelete();
    void OnUpdateLineDelete(CCmdUI* pCmdUI);
    void OnLineMove();
    void OnUpdateLineMove(CCmdUI* pCmdUI);
    void OnLineCut();
    void OnUpdateLineCut(CCmdUI* pCmdUI);
    void OnLineMerge();
    void OnUpdateLineMerge(CCmdUI* pCmdUI);
    void OnLineExtend();
    void OnUpdateLineExtend(CCmdUI* pCmdUI);
    void OnLineNavigate();
    void OnUpdateLineNavigate(CCmdUI* pCmdUI);
    void OnLineProperties();
    void OnUpdateLineProperties(CCmdUI* pCmdUI);
    void OnCellSize();
    void OnUpdateCellSize(CCmdUI* pCmdUI);

private:
    // A line-tool command: the mode it arms, or 0 when that mode is on.
    void ToggleLineMode(int nMode);
    // End of the table-line commands.

public:
    // The mouse tools: input goes to the free-object tool while its switch is on, else to the cell
    // tool and then the table-line tool.
    CDesignFreeObjEditTool m_freeObjTool;
    CTableLineTool m_lineTool;
    CSheetViewAux m_aux;

    // A point in the client to sheet units, through a client DC prepared by the view.
    CPoint ClientToSheet(CPoint point);

    // What the tools ask of the view.
    CCappSheet* GetSheet() const override { return m_pSheet; }
    CWnd* GetToolWnd() override { return this; }
    void PrepareToolDC(CDC* pDC) override { OnPrepareDC(pDC, nullptr); }
    // Repaints a rectangle in sheet units, 2 pixels larger on every side, without erasing.
    void RepaintSheetRect(const CRect& rcSheet) override;
    void RepaintLine(const CCappLine* pLine) override;
    void RepaintAll() override { Invalidate(FALSE); }
    void CaptureMouse() override;
    BOOL HasMouseCapture() override { return m_hWnd != nullptr && ::GetCapture() == m_hWnd; }
    int GetEditMode() const override { return m_nEditMode; }
    void SetEditMode(int nMode) override { m_nEditMode = nMode; }
    CCappLine* GetSelectedLine() const override { return m_pHighlightLine; }
    // The selected table line, drawn in red; selecting one drops the cell selection.
    void SelectLine(CCappLine* pLine) override;
    void ClearHighlightLine() override;
    void ResetSelection() override;
    const CCappRange& GetSelRange() const override { return m_rangeSel; }
    void SetSelRange(const CCappRange& range) override { m_rangeSel = range; }
    const CCappRange& GetTrackRange() const override { return m_rangeTrack; }
    void SetTrackRange(const CCappRange& range) override { m_rangeTrack = range; }
    const CCappRange& GetDropRange() const override { return m_rangeDrop; }
    CCappFreeObj* FindFreeObjOfCell(int nCellID) const override;
    void DeleteFreeObj(CCappFreeObj* pObj) override;
    void ReportTip(LPCSTR lpszText) override;

private:
    CCappSheetDefChildFrame* GetSheetFrame() const;
    void UpdateFrameRulers();
    // The right-click escape: TRUE when the click only ended a tool.
    BOOL EscapeByRightClick();
    void AutoScroll(CPoint point);
    // The paste command's work; bKeepDragName lets a copy of the dragged cell keep its variable
    // name (the dragged cell is about to be replaced).
    void PasteAtSelection(BOOL bKeepDragName);

    // Draws the sheet and its marks, off-screen while the free-object switch is on.
    void DrawSheetView(CDC* pDC);
    // The point of a mouse message in sheet units, or FALSE while the zoom view's own tool runs.
    BOOL ToolPoint(CPoint point, CPoint& ptSheet);

    int m_nZoomPrint = 1;
    BOOL m_bFreeObjOn = FALSE;
    BOOL m_bCtrlHeld = FALSE;
    // Set when a right button press ended a table-line tool, until its release.
    BOOL m_bRightClickEndedTool = FALSE;

private:
    BOOL m_bLoaded;
};
