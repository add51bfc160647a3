#include "platform/base/Object.h"

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

CObject* CRuntimeClass::CreateObject(LPCSTR pszClassName)
{
    const CRuntimeClass* pClass = FromName(pszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
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
