#include "platform/base/MapWordToPtr.h"

template class CFxMap<WORD, WORD, void*, void*>;
