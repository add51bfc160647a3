#include "platform/base/FxResourceSwitch.h"

#include "platform/base/FxResMgr.h"

CFxResourceSwitch::CFxResourceSwitch(LPCSTR pszModuleFileName)
    : m_hOld(CFxResMgr::GetResourceHandle()), m_bSwitched(FALSE)
{
    HINSTANCE hInst = CFxResMgr::FindModule(pszModuleFileName);
    if (hInst != nullptr) {
        CFxResMgr::SetResourceHandle(hInst);
        m_bSwitched = TRUE;
    }
}

CFxResourceSwitch::~CFxResourceSwitch()
{
    CFxResMgr::SetResourceHandle(m_hOld);
}
