// One page of a card's chosen page order: a name and two numbers.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CPageSortItem : public CObject
{
public:
    CPageSortItem() = default;
    CPageSortItem(const CPageSortItem& src) = default;
    CPageSortItem& operator=(const CPageSortItem& src) = default;
    ~CPageSortItem() override = default;

    CString m_strName;
    int m_nFirst = 0;
    int m_nSecond = 0;
};
