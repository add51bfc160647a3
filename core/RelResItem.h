// A related resource of a cell: a named data source with a condition and output formats.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class VORNCARD_API CRelResItem : public CObject
{
    FX_DECLARE_SERIAL(CRelResItem)
public:
    CRelResItem();
    ~CRelResItem() override;
    CRelResItem(const CRelResItem& src);
    // Copies condition, name, formats flag and column text and deep-copies the formats; the
    // version stays.
    CRelResItem& operator=(const CRelResItem& src);

    // Version ("2.5"), condition, name, formats flag, column text, the formats as object list.
    void Serialize(CArchive& ar) override;

    // Deletes every format.
    void DetachList();
    // Each format's text followed by "\n".
    CString GetOutputFormats() const;

    CString m_strVersion;
    CString m_strCondition;
    CString m_strName;
    int m_bFormatsOn;
    CObList m_listFormat; // CRelVarFormat, owned
    CString m_strColumnText;
};
