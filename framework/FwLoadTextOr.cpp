#include "framework/FwLoadTextOr.h"

CString FwLoadTextOr(UINT nID, LPCSTR pszFallback)
{
    char sz[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), nID, sz, sizeof(sz)) > 0) {
        return CString(sz);
    }
    return CString(pszFallback);
}
