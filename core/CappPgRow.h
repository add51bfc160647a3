// The values of one page of a card: one value per page variable.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class VORNCARD_API CCappPgRow : public CObject
{
    FX_DECLARE_SERIAL(CCappPgRow)
public:
    CCappPgRow();
    ~CCappPgRow() override;
    CCappPgRow(const CCappPgRow& src);
    // Copies row word, state, page order and spare word; deep-copies the values.
    CCappPgRow& operator=(const CCappPgRow& src);

    // A change makes an unchanged row modified.
    void SetPageOrder(int nPageOrder);
    // "m_listVarData" frees the values; other names do nothing.
    void DetachList(const CString& strName);

    // Row word, then the values.
    void Serialize(CArchive& ar) override;

    int m_nRowWord;        // reserved: stored and read back unchanged
    CObList m_listVarData; // CCellFieldDataItem, owned, in variable order
    int m_nState;          // as CCappMidRow's states
    int m_nPageOrder;
    int m_nSpare;
};
