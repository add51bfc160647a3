// Growable array of bytes.
#pragma once

#include "platform/base/FxArray.h"

extern template class FX_API CFxArray<BYTE, BYTE>;

class FX_API CByteArray : public CFxArray<BYTE, BYTE>
{
};
