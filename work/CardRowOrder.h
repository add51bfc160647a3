// Index numbering and natural sorting of a sheet's detail rows, where one entry may span several
// rows whose own key values are empty.
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "work/VornWorkExport.h"

class CCappMDData;
class CCappMidData;
class CCappSheet;

class VORNWORK_API CCardRowOrder
{
public:
    // The sheet whose detail areas are ordered; null finds no area and no key cell.
    explicit CCardRowOrder(CCappSheet* pSheet);

    // Renumbers one index level of the area from nStart (below it with bFromCur); with
    // bGroupOnly it stops where the parent level's value changes. 0 when refused.
    static int ResetVarOrder(CCappMidData* pArea, int nLevel, int nStart, int bFromCur, int bGroupOnly);
    // The order text a new row at nRow of the area would get; "" for no index column.
    CString GetRowAutoOrder(int nRow, const CString& strMDName, const CString& strVarName) const;
    // By the key, or by the index columns in order for an empty key; empty rows keep their indexes.
    void SortArea(const CString& strMDName, const CString& strKeyName) const;
    // Sorts rows nFirst..nLast by the first key, then each run of equal values by the rest.
    int SortTextNest(CCappMDData* pData, CStringArray& keys, int nFirst, int nLast) const;
    // Swaps the entry ending at row nA with the entry beginning at row nB.
    static int BulkExchangeRow(CCappMDData* pData, const CString& strKey, int nA, int nB, int nFirst, int nLast);

private:
    CCappSheet* m_pSheet;
};
