// COM held on a thread for the length of one task, such as one parse.
#pragma once

#include <objbase.h>

// CoInitializeEx ... CoUninitialize as a scope; a thread already in another apartment keeps it.
class CFxComScope
{
public:
    CFxComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CFxComScope()
    {
        if (SUCCEEDED(m_hr)) {
            CoUninitialize();
        }
    }
    CFxComScope(const CFxComScope&) = delete;
    CFxComScope& operator=(const CFxComScope&) = delete;

private:
    HRESULT m_hr;
};
