// Map from a text key to an object pointer; it never deletes the objects.
#pragma once

#include "platform/base/FxMap.h"

class CObject;

extern template class FX_API CFxMap<CString, LPCSTR, CObject*, CObject*>;

class FX_API CMapStringToOb : public CFxMap<CString, LPCSTR, CObject*, CObject*>
{
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CFxMap(nBlockSize) {}
};
