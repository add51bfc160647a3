#include "platform/base/MapPtrToPtr.h"

template class CFxMap<void*, void*, void*, void*>;
