#include "platform/base/FxClassInit.h"

#include <map>
#include <mutex>
#include <string>

#include "platform/base/Object.h"

namespace
{
struct ClassRegistry
{
    std::mutex lock;
    std::map<std::string, CRuntimeClass*> byName;
};

// Never destroyed: modules unload in an order we do not control, and each unregisters itself.
ClassRegistry& Registry()
{
    static ClassRegistry* pRegistry = new ClassRegistry;
    return *pRegistry;
}
} // namespace

// The registry's one reader; it lives here so that the registry stays private to this file.
const CRuntimeClass* CRuntimeClass::FromName(LPCSTR pszClassName)
{
    if (pszClassName == nullptr) {
        return nullptr;
    }
    ClassRegistry& reg = Registry();
    std::lock_guard<std::mutex> guard(reg.lock);
    auto it = reg.byName.find(pszClassName);
    return it != reg.byName.end() ? it->second : nullptr;
}

// The first module to register a name keeps it until it unloads.
CFxClassInit::CFxClassInit(CRuntimeClass* pClass) : m_pClass(pClass)
{
    ClassRegistry& reg = Registry();
    std::lock_guard<std::mutex> guard(reg.lock);
    reg.byName.emplace(pClass->m_lpszClassName, pClass);
}

CFxClassInit::~CFxClassInit()
{
    ClassRegistry& reg = Registry();
    std::lock_guard<std::mutex> guard(reg.lock);
    auto it = reg.byName.find(m_pClass->m_lpszClassName);
    if (it != reg.byName.end() && it->second == m_pClass) {
        reg.byName.erase(it);
    }
}
