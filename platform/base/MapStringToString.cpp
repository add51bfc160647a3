#include "platform/base/MapStringToString.h"

template class CFxMap<CString, LPCSTR, CString, LPCSTR>;
