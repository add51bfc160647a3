// Growable array of UINT values.
#pragma once

#include "platform/base/FxArray.h"

extern template class FX_API CFxArray<UINT, UINT>;

class FX_API CUIntArray : public CFxArray<UINT, UINT>
{
};
