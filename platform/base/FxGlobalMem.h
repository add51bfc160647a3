// Owns one global memory block until it is freed or handed on (to the clipboard, through Detach).
#pragma once

#include "platform/base/FxExport.h"

class FX_API CFxGlobalMem
{
public:
    CFxGlobalMem();
    ~CFxGlobalMem();
    CFxGlobalMem(const CFxGlobalMem&) = delete;
    CFxGlobalMem& operator=(const CFxGlobalMem&) = delete;

    operator HGLOBAL() const { return m_hMem; }
    // Frees any held block first. FALSE when the block could not be had.
    BOOL Alloc(UINT uFlags, SIZE_T cbBytes);
    // Frees any held block first.
    void Attach(HGLOBAL hMem);
    // The caller, or whoever it hands the block to, frees what this returns.
    HGLOBAL Detach();
    void Free();

private:
    HGLOBAL m_hMem;
};
