#include "platform/base/UIntArray.h"

template class CFxArray<UINT, UINT>;
