// Where the custom-symbol cache hands what its lookups could not do. A program above the library
// installs one (the designer shows the reports in its output bar); the cache never calls up.
#pragma once

#include "platform/base/String.h"
#include "symedit/MarkwellExport.h"

class MARKWELL_API CCustSymReportSink
{
public:
    virtual ~CCustSymReportSink() = default;
    // One report, as the cache words it; called on the thread that looked the symbol up.
    virtual void OnCustSymReport(const CString& strText) = 0;
};
