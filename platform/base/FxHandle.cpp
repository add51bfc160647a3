#include "platform/base/FxHandle.h"

CFxHandle::CFxHandle(HANDLE hHandle, Kind kind) : m_hHandle(hHandle), m_kind(kind)
{
}

CFxHandle::~CFxHandle()
{
    Close();
}

BOOL CFxHandle::IsValid() const
{
    return m_hHandle != nullptr && m_hHandle != INVALID_HANDLE_VALUE;
}

void CFxHandle::Attach(HANDLE hHandle, Kind kind)
{
    Close();
    m_hHandle = hHandle;
    m_kind = kind;
}

HANDLE CFxHandle::Detach()
{
    HANDLE hHandle = m_hHandle;
    m_hHandle = nullptr;
    m_kind = kernelObject;
    return hHandle;
}

BOOL CFxHandle::Close()
{
    if (!IsValid()) {
        m_hHandle = nullptr;
        return TRUE;
    }
    Kind kind = m_kind;
    HANDLE hHandle = Detach();
    return kind == changeNotification ? FindCloseChangeNotification(hHandle) : CloseHandle(hHandle);
}
