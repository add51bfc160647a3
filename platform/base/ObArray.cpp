#include "platform/base/ObArray.h"

template class CFxArray<CObject*, CObject*>;
