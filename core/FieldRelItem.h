// One link of a row set between a card variable and a field of its query's result.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CFieldRelItem : public CObject
{
    FX_DECLARE_SERIAL(CFieldRelItem)
public:
    CFieldRelItem();
    CFieldRelItem(const CFieldRelItem& src);
    CFieldRelItem& operator=(const CFieldRelItem& src);

    // Card variable name, the stored int, field name.
    void Serialize(CArchive& ar) override;

    // Both names emptied.
    void DetachRel();
    void InitData();

    CString m_strCardVar;
    CString m_strTempTabField;
    int m_nRelInt;
    // Copied with the item, never stored.
    int m_nExtInt;
};
