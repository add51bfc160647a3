#include "platform/base/PtrArray.h"

template class CFxArray<void*, void*>;
