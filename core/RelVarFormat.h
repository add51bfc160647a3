// One output format of a cell's related resource.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CRelVarFormat : public CObject
{
    FX_DECLARE_SERIAL(CRelVarFormat)
public:
    CRelVarFormat();
    CRelVarFormat(const CRelVarFormat& src);
    CRelVarFormat& operator=(const CRelVarFormat& src);

    // Version ("4.2"), mode, column name, format text, attributes (only in "4.2" records).
    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    // 0 plain text, 1 expression.
    int m_nMode;
    CString m_strColumn;
    CString m_strFormat;
    CString m_strAttributes;
};
