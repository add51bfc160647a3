#include "platform/base/Firewall.h"

#include <cstdio>

void FxReportException(LPCSTR pszWhere)
{
    char szText[256] = {};
    snprintf(szText, sizeof(szText), "VornFx: exception caught in %s\n", pszWhere != nullptr ? pszWhere : "?");
    OutputDebugStringA(szText);
}
