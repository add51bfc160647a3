#include "platform/base/Object.h"

#include <map>
#include <mutex>
#include <string>

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

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass) {
            return TRUE;
        }
    }
    return FALSE;
}

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

CObject* CRuntimeClass::CreateObject(LPCSTR pszClassName)
{
    const CRuntimeClass* pClass = FromName(pszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
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

CObject* FxReadObject(CArchive& ar, const CRuntimeClass* pClass)
{
    return ar.ReadObject(pClass);
}

CRuntimeClass* CObject::GetThisClass()
{
    static CRuntimeClass rc = {"CObject", static_cast<int>(sizeof(CObject)), FX_NO_SCHEMA, nullptr, nullptr};
    return &rc;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}

static const CFxClassInit fxClassInitCObject(CObject::GetThisClass());

void CObject::Serialize(CArchive& /*ar*/)
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != FX_NO_SCHEMA;
}
