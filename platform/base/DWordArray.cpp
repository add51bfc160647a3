#include "platform/base/DWordArray.h"

template class CFxArray<DWORD, DWORD>;
