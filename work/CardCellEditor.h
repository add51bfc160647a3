// The card view's selection and in-place editor: what is selected, how keys move it across
// cells, rows and pages, and the editor that writes its text back into the card's data.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "work/VornWorkExport.h"

class CCappBaseCtrl;
class CCappCardView;
class CCappCell;
class CCappMidData;
class CCellFieldDataItem;
class CDC;
class CWnd;

class VORNWORK_API CCardCellEditor
{
public:
    // The in-place editor's control id.
    enum { idEditCtrl = 999 };

    CCardCellEditor();
    virtual ~CCardCellEditor();
    CCardCellEditor(const CCardCellEditor&) = delete;
    CCardCellEditor& operator=(const CCardCellEditor&) = delete;

    // With bSelect 0 the selection is dropped; with 1 its rectangle is computed and scrolled into
    // view. Either way the parent frame hears of it.
    void ShowCurCell(BOOL bSelect);
    // Opens the editor on the selected card-variable cell; (0, 0) puts the caret nowhere special.
    void BeginEdit(CPoint ptClick);
    // Closes the open editor, writing its text back first when bSave is 1.
    void EndEdit(BOOL bSave);
    // Writes the open editor's text into the card's head, page or detail data.
    void SaveEditData();
    // TRUE when the key was used: Tab, Enter and the arrows move the selection.
    BOOL HandleKey(UINT nKey, UINT nRepeat, UINT nFlags);
    // *pCrossedPage: 1 after a move onto the next page, -1 onto the previous one, else 0.
    void MoveCurCell(UINT nKey, int* pCrossedPage);
    void MoveInMidData(UINT nKey, CCappMidData* pArea, CCappCell** ppCell, int* pRow, int* pCrossed);
    // Head and page cells: the next (Tab, Enter, Right) or previous (Left) card-variable cell of
    // the cell's own list, cyclically; Up and Down do not move.
    void MoveInCellList(UINT nKey, CCappCell** ppCell);
    // The selection's outline, one black pixel wide, on a DC mapped to sheet units.
    void DrawCurCellFrame(CDC* pDC);
    // Marks the grid rows of the current detail row on the sheet; (-1, -1) clears the marks.
    void SetCurRowMarks(int nFirstRow, int nLastRow);
    // The selection's rectangles as "left,top,right,bottom" texts, in sheet units.
    void GetSelRects(CStringArray& arrRects);
    void InvalidateRects(CStringArray& arrRects);
    void InvalidateSel();
    static BOOL SameRects(CStringArray& arrA, CStringArray& arrB);
    void InvalidateCell(CCappCell* pCell);

    // The stored value of the selected cell; null without one or beyond the detail data.
    void GetCurDataItem(CCellFieldDataItem*& pItem);
    // A variable's value as the selection sees it; empty without a selection.
    CString GetCurVarValue(CString strName, int nInherit);
    // Every "[name]" of the text becomes GetCurVarValue(name).
    void ReplaceVarRefs(CString& strText);
    void ReplaceEditText(CString strText);
    void InsertEditText(CString strText);
    // Stores a value that came from outside the editor into the cell of the current selection's
    // kind (and row, for detail cells).
    void StoreCellValue(CCappCell* pCell, CString strValue, int nUnused);
    // The i-th value goes to the cell of the i-th variable of the record's first related
    // resource (its output formats), a cell of the record's kind within the named area. A
    // variable without a cell is reported in a message box and skipped.
    void StoreVarValues(const CCappCell* pRecord, CString strMDName, const CStringArray& arrValues);
    // Selects the cell of that variable (in that data row, for detail cells); FALSE when none.
    BOOL FocusCell(CString strVarName, int nDataRow);
    void PasteMark();
    // An empty current detail row of an area with one sequence column is given the next number
    // of that column (CardCellEditorIndex.cpp).
    void AutoIndexEmptyRow();

    // The open editor's window, or null.
    CWnd* GetEditWnd() const;

    CCappCardView* m_pView;
    BOOL m_bEditing;
    CCappBaseCtrl* m_pEditCtrl;
    // Set while a key the editor sent is handled: the editor must outlive its own handler.
    int m_nInEditorKey;

private:
    // A detail row was written: when its line count changed the pages are counted again; then
    // the area's texts are laid out again and repainted.
    void RelayoutDetailArea(int nDataRow, bool bLinesChanged);
    void StoreHeadOrPageValue(CCappCell* pCell, const CString& strText);
    // Writes a detail value into the current data row: FALSE when the row cannot be made.
    BOOL StoreDetailValue(CCappCell* pCell, const CString& strText);

    // The text the editor was opened with: writing it back again changes nothing.
    CString m_strOpenText;
};
