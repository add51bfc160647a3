// One output format of a cell's related resource.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/StringArray.h"
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

    // The format text with each "[name]" replaced by the value of its index; an expression
    // (mode 1) gives the evaluator's result text of that.
    CString GetData(const CStringArray& arrNames, const CStringArray& arrValues) const;

    CString m_strVersion;
    // 0 plain text, 1 expression.
    int m_nMode;
    CString m_strColumn;
    CString m_strFormat;
    CString m_strAttributes;
};
