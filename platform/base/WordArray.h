// Growable array of WORD values.
#pragma once

#include "platform/base/FxArray.h"

extern template class FX_API CFxArray<WORD, WORD>;

class FX_API CWordArray : public CFxArray<WORD, WORD>
{
};
