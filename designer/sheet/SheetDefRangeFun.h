// Queries and cell edits the sheet-definition view makes on its sheet: the grid range under a
// point, the cell of a range, detail areas, card-variable names and empty-cell cleaning.
#pragma once

#include "core/CappRange.h"
#include "platform/base/Point.h"
#include "platform/base/String.h"

class CCappCell;
class CCappMidData;
class CCappSheet;

class CSheetDefRangeFun
{
public:
    // The range bounded by the nearest lines around the point (sheet units): the closest
    // horizontal lines above and below that run across the point's x, the closest vertical lines
    // left and right that run across its y. Kind 0 (empty) outside the frame or without lines.
    static CCappRange GetRange(const CCappSheet& sheet, CPoint pt);
    // The head, page, outline or detail cell whose four base lines are the range's; null when none.
    static CCappCell* GetCell(const CCappSheet& sheet, const CCappRange& range);
    // The detail area one of whose seats holds the point; null when none.
    static CCappMidData* GetMidData(const CCappSheet& sheet, CPoint pt);
    static CCappMidData* GetMidData(const CCappSheet& sheet, const CString& strName);
    // Whether a head or detail cell lies wholly inside a non-empty range.
    static BOOL HaveCellInRange(const CCappSheet& sheet, const CCappRange& range);
    // Whether any cell is bound to the card variable.
    static BOOL ExistCardVarCell(const CCappSheet& sheet, const CString& strName);
    // Deletes text cells without text and variable cells without a name; the count deleted.
    static int CleanMack(CCappSheet& sheet);
    // Puts the cell into the owner list of its seat (a detail cell into the named area, a head
    // cell when the area is missing) and gives it a new id when it has none.
    static void AddCell(CCappSheet& sheet, const CString& strArea, CCappCell* pCell);
    // Takes the cell out of whichever list holds it and deletes it; FALSE when none holds it.
    static BOOL RemoveCell(CCappSheet& sheet, CCappCell* pCell);
    // The smallest range holding both (left and top from the one further left or up, right and
    // bottom from the one further right or down); the kind of the first. An empty second gives
    // the first.
    static CCappRange Union(const CCappRange& first, const CCappRange& second);
    static BOOL IsEmpty(const CCappRange& range);
    static BOOL IsSameRange(const CCappRange& a, const CCappRange& b);
};
