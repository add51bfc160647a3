#include "platform/base/FxGlobalMem.h"

CFxGlobalMem::CFxGlobalMem() : m_hMem(nullptr)
{
}

CFxGlobalMem::~CFxGlobalMem()
{
    Free();
}

BOOL CFxGlobalMem::Alloc(UINT uFlags, SIZE_T cbBytes)
{
    Attach(GlobalAlloc(uFlags, cbBytes));
    return m_hMem != nullptr;
}

void CFxGlobalMem::Attach(HGLOBAL hMem)
{
    Free();
    m_hMem = hMem;
}

HGLOBAL CFxGlobalMem::Detach()
{
    HGLOBAL hMem = m_hMem;
    m_hMem = nullptr;
    return hMem;
}

void CFxGlobalMem::Free()
{
    if (m_hMem != nullptr) {
        GlobalFree(Detach());
    }
}
