#include "platform/base/FxGlobalMem.h"

BOOL CFxGlobalMem::Alloc(UINT uFlags, SIZE_T cbBytes)
{
    Attach(GlobalAlloc(uFlags, cbBytes));
    return IsValid();
}
