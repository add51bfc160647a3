// Growable array of object pointers; it never deletes the objects.
#pragma once

#include "platform/base/FxArray.h"

class CObject;

extern template class FX_API CFxArray<CObject*, CObject*>;

class FX_API CObArray : public CFxArray<CObject*, CObject*>
{
};
