#include "platform/base/StringList.h"

template class CFxList<CString, const CString&>;
