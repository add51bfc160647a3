#include "platform/base/MapStringToOb.h"

template class CFxMap<CString, LPCSTR, CObject*, CObject*>;
