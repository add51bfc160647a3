// One entry of a sub-card list: its index and its name.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/String.h"

class VORNCARD_API CSubDataItem : public CObject
{
    FX_DECLARE_DYNCREATE(CSubDataItem)

public:
    CSubDataItem();
    CSubDataItem(int nIndex, const CString& strName);

    int m_nIndex;
    CString m_strName;
};
