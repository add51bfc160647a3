// One sort key as a detail area's sort-information text names it: a field name and the two
// numbers of its "%s,%d,%d" line.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CSortItem : public CObject
{
public:
    CSortItem() : m_nValue1(0), m_nValue2(0) {}

    CString m_strFieldName;
    int m_nValue1;
    int m_nValue2;
};
