// Texts of the framework's own bars and dialogs: the program's string resources when it has them.
#pragma once

#include <windows.h>

#include "platform/base/String.h"

// The program's string nID, or pszFallback when the program has none.
CString FwLoadTextOr(UINT nID, LPCSTR pszFallback);
