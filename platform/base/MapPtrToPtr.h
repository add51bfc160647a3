// Map from an untyped pointer to another; it owns neither.
#pragma once

#include "platform/base/FxMap.h"

extern template class FX_API CFxMap<void*, void*, void*, void*>;

class FX_API CMapPtrToPtr : public CFxMap<void*, void*, void*, void*>
{
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CFxMap(nBlockSize) {}
};
