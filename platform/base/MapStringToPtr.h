// Map from a text key to an untyped pointer, which it never owns.
#pragma once

#include "platform/base/FxMap.h"

extern template class FX_API CFxMap<CString, LPCSTR, void*, void*>;

class FX_API CMapStringToPtr : public CFxMap<CString, LPCSTR, void*, void*>
{
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CFxMap(nBlockSize) {}
};
