// Orders a table of detail rows (each a CStringArray of values) by several keys, each with a
// column, a direction and a comparison type, and hands back the new order as table indexes.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/PtrArray.h"
#include "platform/base/UIntArray.h"
#include "platform/win/CmdTarget.h"

class VORNCARD_API CSortRecord : public CCmdTarget
{
    FX_DECLARE_DYNCREATE(CSortRecord)
public:
    // Comparison types; any other type compares in natural order.
    enum {
        typeInteger = 1,
        typeReal = 2,
        typeText = 3,
    };

    CSortRecord();

    // One key per entry of arrKeys (value columns); missing directions sort with 1, missing
    // types compare as text. Direction 1: greater numbers first, texts ascending; 0 reverses.
    BOOL SetSortKeys(const CUIntArray& arrKeys, const CUIntArray& arrDirections, const CUIntArray& arrTypes);
    // arrTable holds CStringArray* rows; arrOrder[n] receives the table index of the row that
    // comes n-th. Rows equal in every key come in no promised order. A missing value counts as
    // empty text.
    BOOL SortRecords(const CPtrArray& arrTable, CUIntArray& arrOrder);

private:
    int Compare(int nRowA, int nRowB, INT_PTR nKey) const;
    void SortRange(int nFirst, int nEnd, INT_PTR nKey);
    void SiftDown(int nFirst, int nPos, int nSize, INT_PTR nKey);

    CUIntArray m_arrDirection;
    CUIntArray m_arrType;
    CUIntArray m_arrKey;
    const CPtrArray* m_pTable;
    int* m_pOrder;
    int m_nRangeSize; // -1 outside a sort
    int m_nSpare1;
    int m_nSpare2;
};
