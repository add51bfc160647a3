// What the segment-text reader asks of a custom-symbol cache: a symbol's markup by identifier.
#pragma once

#include <windows.h>

#include "platform/base/String.h"
#include "symedit/MarkwellExport.h"

class MARKWELL_API CCustSymSource
{
public:
    virtual ~CCustSymSource() = default;
    // TRUE with the markup in strSymbol when the symbol is known.
    virtual BOOL Lookup(CString strGuid, CString& strSymbol) = 0;
};
