// Ordered list of untyped pointers, walked with POSITION; it never owns what they point to.
#pragma once

#include "platform/base/FxList.h"
#include "platform/base/String.h"

extern template class FX_API CFxList<void*, void*>;

class FX_API CPtrList : public CFxList<void*, void*>
{
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CFxList(nBlockSize) {}
};
