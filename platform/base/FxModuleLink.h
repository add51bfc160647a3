// A library's place in the chain of modules resources are searched in.
#pragma once

#include "platform/base/FxResMgr.h"

// One static instance per library: it joins the resource chain when the library loads and leaves
// it when the library unloads. Use FX_MODULE_LINK() once in the library's sources.
class FX_API CFxModuleLink
{
public:
    explicit CFxModuleLink(HINSTANCE hInst);
    ~CFxModuleLink();
    CFxModuleLink(const CFxModuleLink&) = delete;
    CFxModuleLink& operator=(const CFxModuleLink&) = delete;

    HINSTANCE GetInstance() const { return m_hInst; }

private:
    HINSTANCE m_hInst;
};

#define FX_MODULE_LINK(name) CFxModuleLink name(FX_MODULE_INSTANCE())
