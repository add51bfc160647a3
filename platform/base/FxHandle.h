// Owns one kernel handle (event, thread, process, file, change notification) and closes it once.
#pragma once

#include "platform/base/FxExport.h"

class FX_API CFxHandle
{
public:
    // A change notification goes back through FindCloseChangeNotification, everything else
    // through CloseHandle.
    enum Kind { kernelObject, changeNotification };

    explicit CFxHandle(HANDLE hHandle = nullptr, Kind kind = kernelObject);
    ~CFxHandle();
    CFxHandle(const CFxHandle&) = delete;
    CFxHandle& operator=(const CFxHandle&) = delete;

    operator HANDLE() const { return m_hHandle; }
    // Creators fail with either nullptr or INVALID_HANDLE_VALUE, depending on the call: neither is held.
    BOOL IsValid() const;
    // Closes the held handle first.
    void Attach(HANDLE hHandle, Kind kind = kernelObject);
    // The caller closes what this returns.
    HANDLE Detach();
    // TRUE when nothing was held.
    BOOL Close();

private:
    HANDLE m_hHandle;
    Kind m_kind;
};
