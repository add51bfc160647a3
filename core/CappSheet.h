// One card page: the frame on the paper, the ruled grid of cell lines, the cells, detail areas,
// free objects, row sets and scripts. A card template (".znt") is the archive of one sheet.
#pragma once

#include "core/CappDefUndo.h"
#include "core/CardDataRel.h"
#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/Rect.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"

class CCappCell;
class CCappLine;
class CCappMidData;
class CCappRange;
class CCardObj;
class CDC;
class CWnd;

class VORNCARD_API CCappSheet : public CObject
{
    FX_DECLARE_SERIAL(CCappSheet)
public:
    // Ids of the frame lines in the cell-line lists.
    static constexpr int kFrameFirstID = 0;
    static constexpr int kFrameLastID = 10000;

    CCappSheet();
    ~CCappSheet() override;
    CCappSheet(const CCappSheet&) = delete;
    CCappSheet& operator=(const CCappSheet&) = delete;

    // The template archive. A failed load throws the archive or file exception and leaves the
    // sheet's lists empty.
    void Serialize(CArchive& ar) override;
    static void SerializeUIntArray(CUIntArray& arr, CArchive& ar);
    // Empties the undo history and frees the temporary detail areas.
    void PreSerialize();
    // Frees the entries of the list with that member name; an empty name frees all lists.
    void DetachList(const CString& strName);
    // The first detail area of that name; null when none.
    CCappMidData* FindMidData(const CString& strName) const;

    // Steps after loading.
    void SetAllCellSeat();
    // Drops every cell's and data range's scaled font, so that each is made again for the
    // sheet's (new) window at its next draw.
    void SetAllCellFontHeight();
    // Gives ids to cells without one, after raising the next cell id above every id kept.
    void SetCellID();
    void SetHideDataInfo();

    int GetNewLineID();
    int GetNewCellID();
    void SetNewLineID();

    // Type 1 horizontal, 2 vertical, 5 left-hand outline; null when absent.
    CCappLine* FindLine(int nType, int nID) const;
    // Types 1 and 3 horizontal, 2 and 4 vertical, 5 left-hand outline.
    CCappLine* GetLineByLineID(int nType, int nID) const;
    // Types 1, 3, 101 horizontal, 2, 4, 102 vertical, 5 left-hand outline; 1 when found, else 0
    // with nPos untouched.
    int GetLineSpace(int nType, int nID, int& nPos) const;
    // End points on the sheet, the top-left one first; FALSE without a line.
    BOOL GetLineCoordinate(const CCappLine* pLine, CPoint& ptStart, CPoint& ptEnd, int nFlag) const;
    BOOL GetLineCoordinate(int nType, int nID, CPoint& ptStart, CPoint& ptEnd, int nFlag) const;
    // Whether a line of the other direction starts or ends on the line.
    BOOL HaveJoinLine(const CCappLine* pLine) const;

    // Line edits; each records itself for undo when bUndo is non-zero and it succeeded.
    // Creates a cell line (nID -1: a new id) between two crossing lines and keeps the list in
    // position order; null for an unknown type, a used id, a missing crossing line or a copy of
    // an existing line, whichever end that copy starts from.
    CCappLine* AddCellLineBySpace(UINT nType, int nID, int nPos, int nStartID, int nEndID, int bUndo);
    // Refuses frame lines, and cell lines that a cell or detail seat uses as an edge or that
    // other lines start or end on.
    int DelCellLine(int nType, int nID, int bUndo);
    // Whether DelCellLine would take the line.
    BOOL CanDelCellLine(const CCappLine* pLine) const;
    int MoveCellLine(int nType, int nID, int nPos, int bUndo);
    int ReachCellLine(int nType, int nID, int nStartID, int nEndID, int bUndo);
    // Cuts the line at a crossing line strictly inside it; the piece beyond takes nNewID (-1: a
    // new id) and the cells, seats and lines that lie on that side. Gives the new piece.
    CCappLine* CutCellLine(int nType, int nID, int nCrossID, int nNewID, int bUndo);
    // Joins the line with the collinear line that starts where it ends and runs on the same way,
    // so that the two do not overlap; everything that used the other line uses this one after.
    int LinkCellLine(int nType, int nID, int nOtherID, int bUndo);

    // Cell merging (CappSheetUnit.cpp).
    // Whether the range's four sides are ruled all along, by one line or by collinear pieces.
    int IsCloseLoop(const CCappRange& range) const;
    // Whether UnitCell would merge the range, changing nothing; the reason when it would not.
    // With bInnerCellsGo the head, page and detail cells lying wholly inside do not count (the
    // caller removes them).
    BOOL CanUnitCell(const CCappRange& range, BOOL bInnerCellsGo, CString& strReason) const;
    // Merges a closed range into one: lines crossing its sides are cut there, the lines inside
    // are deleted, all as one undo group. A refusal goes to the main window (message 0x442) and
    // leaves the sheet as it was: 0.
    int UnitCell(CCappRange& range);
    // End of cell merging.
    // Picking for the designer's table-line tool (CappSheetPick.cpp): points in sheet units, a
    // tolerance of 10 units; each gives non-zero and sets its out values when it found a line.
    // The line of the grid (frame lines included) nearest the point within the tolerance, the
    // point lying in the frame widened by the frame line width, or a left-hand outline line near
    // it; the foot is the point's projection onto the line.
    int pickLine(CPoint point, CCappLine*& pLine, CPoint& ptFoot) const;
    // Code 101: the first horizontal cell line whose y lies within the tolerance of the point's;
    // code 102: the first vertical one by x.
    int pickBaseLine(UINT nCode, CPoint point, CCappLine*& pLine) const;
    // A line of the other direction crossing the line strictly inside both, the crossing within
    // the tolerance of the point.
    int PickCrossLine(const CCappLine* pLine, CPoint point, CCappLine*& pCross, CPoint& ptCross) const;
    // The nearest line of the direction of nType (1 horizontal, 2 vertical; frame lines too) at or
    // below (at or right of) the point, or at or above (left of) it, that spans the point's
    // other coordinate.
    int FindNextNearLine(UINT nType, CPoint point, CCappLine*& pLine) const;
    int FindPrevNearLine(UINT nType, CPoint point, CCappLine*& pLine) const;

    // Stores the frame and keeps the four frame lines in the cell-line lists.
    void SetFrameRect(const CRect& rcFrame, COLORREF crFrame, int nFrameWidth);
    // The reason in strReason when the frame would not hold every table line.
    BOOL CanSetFrameRect(const CRect& rcFrame, int nFrameWidth, CString& strReason) const;
    void GetFrameSide(int& nTop, int& nLeft, int& nRight, int& nBottom) const;
    // 0 when the frame is refused; the reason then goes to the application's main window as
    // message 0x442 with the address of a CString in lParam.
    int SetSheetPageSize(int nWidth, int nHeight, int nFrameWidth, int nTop, int nLeft, int nRight, int nBottom,
                         const CString& strPaperName);
    void NewSheetDef(int nWidth, int nHeight, int nFrameWidth, int nTop, int nLeft, int nRight, int nBottom,
                     const CString& strPaperName);
    void SetCardObj(CCardObj* pCardObj) { m_pCardObj = pCardObj; }
    // Background and current-row colours and the current-row flag.
    void InitData();

    // Drawing into a DC whose logical unit is a tenth of a millimetre (CappSheetDraw.cpp).
    // The page's layers in order; a print run leaves out what the card's print selection does
    // not name. 0 when the background cannot be drawn.
    int DrawSheet(CDC* pDC);
    // Into rcView, the device rectangle drawn on (a printer's page), in place of m_rcView, which
    // stays as it is.
    int DrawSheet(CDC* pDC, const CRect& rcView);
    // Paper, detail-area shading (on screen only) and the frame; 0 when a region fails.
    int DrawCardBackground(CDC* pDC, COLORREF crPaper, int bScreen, COLORREF crArea, COLORREF crSecond);
    // The outline with the null brush; 0 when the pen cannot be made.
    static int DrawCardRectangle(CDC* pDC, const CRect& rect, int nPenStyle, int nWidth, COLORREF crColor);
    void AddCurRowRectItem(const CRect& rect);
    void CleanCurRowRectItems();
    void DrawCurRowRect(CDC* pDC);
    // A width-0 line shows, grey and thin, only in the designer on screen.
    void DrawLine(CDC* pDC, const CCappLine* pLine);
    // In the given colour instead of its own (the designer's red highlight).
    void DrawLine(CDC* pDC, const CCappLine* pLine, COLORREF crColor);
    void DrawCell(CDC* pDC, CCappCell* pCell);
    void DrawMidData(CDC* pDC, CCappMidData* pMidData);
    // The rectangle between four cell lines (horizontal top and bottom, vertical left and
    // right) on the sheet; FALSE, and an empty rectangle, when a line is missing.
    BOOL GetRectSpace(int nTopID, int nLeftID, int nRightID, int nBottomID, CRect& rect) const;
    // The cell's own rectangle or the one between its base lines; empty when it has neither.
    CRect GetCellRect(const CCappCell* pCell) const;

    // Filling a card (CappSheetCard.cpp).
    // Gives every cell of each detail area one data range per grid row below it, down to the
    // area's bottom line; the first cell's count becomes the area's rows per page.
    void ReCreateSheetCell();
    // The page cells named in arrNames take the format of the same index.
    void SetPageCellFormat(const CStringArray& arrNames, const CStringArray& arrFormats);
    // Head and page variable cells show the card's values (page values of its current page).
    void UpdateHFCellData();
    void UpdatePgCellData();

    // Stored.
    CString m_strVersion;
    int m_nSheetInt1;
    int m_nSheetInt2;
    int m_nSheetInt3;
    CString m_strName; // the template's file name without extension
    CString m_strSheetText2;
    CString m_strSheetText3;
    int m_nSheetInt4;
    CRect m_rcFrame;
    int m_nFrameWidth;
    COLORREF m_crFrame;
    CString m_strPaperName;
    int m_nPageWidth;
    int m_nPageHeight;
    int m_nNextLineID;
    int m_nNextCellID;
    CString m_strSheetText4;
    CString m_strSheetText5;
    int m_nSheetInt5;
    CUIntArray m_arrUInt1;
    CUIntArray m_arrUInt2;

    CObList m_MidDataList;   // CCappMidData
    CObList m_HCellLineList; // CCappLine, horizontal
    CObList m_VCellLineList; // CCappLine, vertical
    CObList m_LHOutLineList; // CCappLine, left-hand outline
    CObList m_TVOutLineList;
    CObList m_RHOutLineList;
    CObList m_BVOutLineList;
    CObList m_OutCellList;  // CCappCell outside the frame
    CObList m_HeadCellList; // CCappCell
    CObList m_PageCellList; // CCappCell
    CObList m_listFreeObj;  // CCappFreeObj
    CObList m_listSGE;      // figures, never stored
    CString m_strSGE;       // the figures' text, never stored
    CObList m_listScript;   // CScriptItem
    CCardDataRel m_CardDataRel;

    // Run time only.
    CCappDefUndo m_DefUndo;
    COLORREF m_crBackground;
    COLORREF m_crCurRow;
    int m_bCurRow;
    CStringArray m_arrCurRowRect;
    int m_bOwnDrawFreeObj;
    int m_bDesign;
    int m_bPrintAll;
    // Print settings a host copies in: whether the frame is drawn on paper; set while a page is
    // drawn for a print preview.
    BOOL m_bDrawFrameOnPrint;
    BOOL m_bPrinting;
    int m_nState; // 1 saved, 2 new, 3 changed
    CRect m_rcView;
    CWnd* m_pWnd;
    CCardObj* m_pCardObj;

private:
    // Undo puts a line back at the place in its list it had before the edit.
    friend class CCappDefUndo;

    void Load(CArchive& ar);
    void Store(CArchive& ar);
    // The paper is clipped to rcView in device units; an empty one stands for the window's client area.
    int DrawCardBackground(CDC* pDC, const CRect& rcView, COLORREF crPaper, int bScreen, COLORREF crArea);
    void SerializeLists(CArchive& ar);
    CObList* GetLineList(int nType) const;
    CObList* GetCrossList(int nType) const;
    // FindLine that also gives the line's place in its list.
    CCappLine* FindLineAt(int nType, int nID, POSITION* pPos) const;
    // The next line id not used in the list; -1 when none is left.
    int NewLineID(const CObList* pList);
    // Index of the line in its list, -1 when absent; PlaceLine moves it to an index.
    int GetLineIndex(int nType, int nID) const;
    void PlaceLine(int nType, int nID, int nIndex);
    void InsertLineSorted(CObList& list, CCappLine* pLine) const;
    void CollectCells(CObList& cells) const;
    // Whether a cell or detail seat uses the line as an edge.
    BOOL IsLineUsed(const CCappLine* pLine) const;
    // FindNextNearLine and FindPrevNearLine: bForward picks the side of the point.
    int FindNearLine(UINT nType, CPoint point, BOOL bForward, CCappLine*& pLine) const;
    // Moves the edge references of cells, seats and crossing lines from one line to another:
    // all of them, or those lying past nBeyond (towards higher positions when bForward).
    void RepointLine(const CCappLine* pLine, int nFromID, int nToID, BOOL bAll, int nBeyond, BOOL bForward);
};
