#include "platform/base/FxModuleLink.h"

#include "platform/base/FxResMgr.h"

CFxModuleLink::CFxModuleLink(HINSTANCE hInst) : m_hInst(hInst)
{
    CFxResMgr::AddModule(hInst);
}

CFxModuleLink::~CFxModuleLink()
{
    CFxResMgr::RemoveModule(m_hInst);
}
