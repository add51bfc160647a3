// One class's entry in the registry CRuntimeClass::FromName searches, for the life of its module.
#pragma once

#include "platform/base/FxExport.h"

struct CRuntimeClass;

// Registers a class for FromName while its module is loaded; the macros make one per class.
class FX_API CFxClassInit
{
public:
    explicit CFxClassInit(CRuntimeClass* pClass);
    ~CFxClassInit();
    CFxClassInit(const CFxClassInit&) = delete;
    CFxClassInit& operator=(const CFxClassInit&) = delete;

private:
    CRuntimeClass* m_pClass;
};
