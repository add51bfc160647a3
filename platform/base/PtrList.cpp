#include "platform/base/PtrList.h"

template class CFxList<void*, void*>;
