// Owns one local memory block that a system call allocated for its caller (CommandLineToArgvW,
// FormatMessage with its allocate flag) until it goes out of scope.
#pragma once

#include "platform/base/FxOwner.h"

struct CFxLocalRelease : CFxNullIsEmpty<HLOCAL>
{
    static void NothingHeld() {}
    void Release(HLOCAL hMem) const { LocalFree(hMem); }
};

class CFxLocalMem : public CFxOwner<CFxLocalRelease>
{
public:
    explicit CFxLocalMem(void* pBlock = nullptr) : CFxOwner(static_cast<HLOCAL>(pBlock)) {}
};
