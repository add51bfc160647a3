#include "platform/gdi/FxTempMap.h"

#include <vector>

namespace
{
std::vector<void (*)()>& ClearFunctions()
{
    static auto* pList = new std::vector<void (*)()>;
    return *pList;
}
} // namespace

void FxRegisterTempMap(void (*pfnClear)())
{
    ClearFunctions().push_back(pfnClear);
}

void FxDeleteTempMaps()
{
    for (void (*pfnClear)() : ClearFunctions()) {
        pfnClear();
    }
}
