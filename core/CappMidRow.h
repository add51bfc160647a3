// One row of a card's detail data: its id, state, printed line count and one value per variable.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class VORNCARD_API CCappMidRow : public CObject
{
    FX_DECLARE_SERIAL(CCappMidRow)
public:
    enum {
        stateUnchanged = 0,
        stateNew = 1,
        stateModified = 2,
        stateDeleted = 3,
    };

    CCappMidRow();
    ~CCappMidRow() override;
    CCappMidRow(const CCappMidRow& src);
    // Copies state, empty-row flag, row id, line count and inherited names; deep-copies the values.
    CCappMidRow& operator=(const CCappMidRow& src);

    // A change of the flag makes an unchanged row modified.
    void SetEmptyRow(int nEmptyRow);
    void SetHaveSubCardValue() {}
    void EmptyRow();
    // Marks an unchanged row modified; new and deleted rows keep their state.
    void SetModified();

    // Version, row id, line count, empty-row flag, values.
    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    int m_nLineCount;
    CObList m_listVarData; // CCellFieldDataItem, owned, in variable order
    int m_nRowID;
    int m_nState;
    CString m_strInheritNames; // each name followed by "\n"
    int m_nEmptyRow;
};
