// Owns one global memory block until it is freed or handed on (to the clipboard, through Detach).
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/FxOwner.h"

struct CFxGlobalRelease : CFxNullIsEmpty<HGLOBAL>
{
    static void NothingHeld() {}
    void Release(HGLOBAL hMem) const { GlobalFree(hMem); }
};

class FX_API CFxGlobalMem : public CFxOwner<CFxGlobalRelease>
{
public:
    // Takes over the block.
    explicit CFxGlobalMem(HGLOBAL hMem = nullptr) : CFxOwner(hMem) {}

    // Frees any held block first. FALSE when the block could not be had.
    BOOL Alloc(UINT uFlags, SIZE_T cbBytes);
    void Free() { Close(); }
};
