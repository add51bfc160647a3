// A scope that draws resources from one named library module.
#pragma once

#include "platform/base/FxExport.h"

// Switches the current resource module to a loaded module named by its file name and restores the
// old one when it goes out of scope; when the module is not loaded the current one stays.
class FX_API CFxResourceSwitch
{
public:
    explicit CFxResourceSwitch(LPCSTR pszModuleFileName);
    ~CFxResourceSwitch();
    CFxResourceSwitch(const CFxResourceSwitch&) = delete;
    CFxResourceSwitch& operator=(const CFxResourceSwitch&) = delete;

    BOOL IsSwitched() const { return m_bSwitched; }

private:
    HINSTANCE m_hOld;
    BOOL m_bSwitched;
};
