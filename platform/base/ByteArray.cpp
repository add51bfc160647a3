#include "platform/base/ByteArray.h"

template class CFxArray<BYTE, BYTE>;
