#include "platform/base/WordArray.h"

template class CFxArray<WORD, WORD>;
