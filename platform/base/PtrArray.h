// Growable array of untyped pointers; it never owns what they point to.
#pragma once

#include "platform/base/FxArray.h"

extern template class FX_API CFxArray<void*, void*>;

class FX_API CPtrArray : public CFxArray<void*, void*>
{
};
