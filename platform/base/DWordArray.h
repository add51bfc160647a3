// Growable array of DWORD values.
#pragma once

#include "platform/base/FxArray.h"

extern template class FX_API CFxArray<DWORD, DWORD>;

class FX_API CDWordArray : public CFxArray<DWORD, DWORD>
{
};
