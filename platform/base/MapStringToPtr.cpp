#include "platform/base/MapStringToPtr.h"

template class CFxMap<CString, LPCSTR, void*, void*>;
