// One field of a card table, as the field helpers of CCappBaseFun find it in a CObList.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CCappFieldItem : public CObject
{
public:
    CCappFieldItem() = default;
    CCappFieldItem(const CCappFieldItem& src) = default;
    CCappFieldItem& operator=(const CCappFieldItem& src) = default;
    ~CCappFieldItem() override = default;

    int m_nID = 0;
    CString m_strName;
};
