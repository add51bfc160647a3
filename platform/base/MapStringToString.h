// Map from a text key to a text value.
#pragma once

#include "platform/base/FxMap.h"

extern template class FX_API CFxMap<CString, LPCSTR, CString, LPCSTR>;

class FX_API CMapStringToString : public CFxMap<CString, LPCSTR, CString, LPCSTR>
{
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CFxMap(nBlockSize) {}
};
