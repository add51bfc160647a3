// One cached custom symbol: its GUID and its symbol string.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "symedit/MarkwellExport.h"

class MARKWELL_API CCustSymItem : public CObject
{
public:
    CCustSymItem() = default;
    CCustSymItem(CString strGuid, CString strSymbol);

    CString m_strGuid;
    CString m_strSymbol;
};
