// Computed entries of card cells: an expression over the values of the cell's row (or of the
// card's head), and the next sequence text of a detail column.
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "work/VornWorkExport.h"

class CCappCell;
class CCappMDData;

class VORNWORK_API CCardCompute
{
public:
    CCardCompute() = delete;

    // Compute kinds of a cell.
    enum { kindCompute = 4, kindCode = 5 };
    // The designer's compute settings of a cell (cell integer 14 and cell text 6).
    static int GetComputeKind(const CCappCell* pCell);
    static CString GetComputeExpress(const CCappCell* pCell);

    // The expression with each name's value as "[name]", read as atof reads it (text without a
    // leading number counts as 0); "" when the evaluator rejects it.
    static CString Compute(const CString& strExpress, const CStringArray& names, const CStringArray& values);
    // The order text after the closest non-empty value of the column above nDataRow; "" for the
    // first row or when every row above is empty.
    static CString GetNextIndexText(const CCappMDData* pData, const CString& strVarName, int nDataRow, int nStep);
};
