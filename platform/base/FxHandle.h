// Owns one kernel handle (event, thread, process, file, change notification) and closes it once.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/FxOwner.h"

// A change notification goes back through FindCloseChangeNotification, everything else through
// CloseHandle.
struct CFxKernelRelease
{
    enum Kind { kernelObject, changeNotification };
    using Handle = HANDLE;

    static HANDLE Empty() { return nullptr; }
    // Creators fail with either nullptr or INVALID_HANDLE_VALUE, depending on the call: neither is held.
    static BOOL IsHeld(HANDLE hHandle) { return hHandle != nullptr && hHandle != INVALID_HANDLE_VALUE; }
    static BOOL NothingHeld() { return TRUE; }
    BOOL Release(HANDLE hHandle) const
    {
        return m_kind == changeNotification ? FindCloseChangeNotification(hHandle) : CloseHandle(hHandle);
    }

    Kind m_kind = kernelObject;
};

class FX_API CFxHandle : public CFxOwner<CFxKernelRelease>
{
public:
    using Kind = CFxKernelRelease::Kind;
    static constexpr Kind kernelObject = CFxKernelRelease::kernelObject;
    static constexpr Kind changeNotification = CFxKernelRelease::changeNotification;

    explicit CFxHandle(HANDLE hHandle = nullptr, Kind kind = kernelObject);

    // Closes the held handle first.
    void Attach(HANDLE hHandle, Kind kind = kernelObject);
};
