// Map from a WORD key to an untyped pointer, which it never owns.
#pragma once

#include "platform/base/FxMap.h"

extern template class FX_API CFxMap<WORD, WORD, void*, void*>;

class FX_API CMapWordToPtr : public CFxMap<WORD, WORD, void*, void*>
{
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CFxMap(nBlockSize) {}
};
