// Ordered list of CString, walked with POSITION.
#pragma once

#include "platform/base/FxList.h"
#include "platform/base/String.h"

extern template class FX_API CFxList<CString, const CString&>;

class FX_API CStringList : public CFxList<CString, const CString&>
{
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CFxList(nBlockSize) {}
};
