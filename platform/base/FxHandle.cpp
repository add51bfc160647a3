#include "platform/base/FxHandle.h"

CFxHandle::CFxHandle(HANDLE hHandle, Kind kind) : CFxOwner(hHandle, CFxKernelRelease{kind})
{
}

void CFxHandle::Attach(HANDLE hHandle, Kind kind)
{
    CFxOwner::Attach(hHandle);
    m_policy.m_kind = kind;
}
