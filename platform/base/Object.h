// Root of the framework's class tree: run-time class information, dynamic creation by class or
// by name, and archive serialisation.
#pragma once

#include "platform/base/FxClassInit.h"
#include "platform/base/FxExport.h"

class CObject;
class CArchive;

// Schema of a class that is not serialisable (declared with FX_DECLARE_DYNAMIC or _DYNCREATE).
#define FX_NO_SCHEMA 0xFFFF

struct FX_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // nullptr when the class is not dynamically creatable.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Every module's classes enter one registry at static initialisation, so a class of any
    // loaded DLL is found here by its exact name; nullptr when none is registered.
    static const CRuntimeClass* FromName(LPCSTR pszClassName);
    static CObject* CreateObject(LPCSTR pszClassName);
};

// Typed loading behind `ar >> pObj`; throws CArchiveException badClass when the stored object is
// not of pClass.
FX_API CObject* FxReadObject(CArchive& ar, const CRuntimeClass* pClass);

class FX_API CObject
{
public:
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    // Writes or reads the object's own fields; the base has none.
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define FX_RUNTIME_CLASS(cls) (cls::GetThisClass())

#define FX_DECLARE_DYNAMIC(cls)                                                                                        \
public:                                                                                                                \
    static CRuntimeClass* GetThisClass();                                                                              \
    CRuntimeClass* GetRuntimeClass() const override;

#define FX_DECLARE_DYNCREATE(cls)                                                                                      \
    FX_DECLARE_DYNAMIC(cls)                                                                                            \
    static CObject* CreateObject();

// The friend is inline so that `ar >> pObj` works in every module without an export.
#define FX_DECLARE_SERIAL(cls)                                                                                         \
    FX_DECLARE_DYNCREATE(cls)                                                                                          \
    friend CArchive& operator>>(CArchive& ar, cls*& pOb)                                                               \
    {                                                                                                                  \
        pOb = static_cast<cls*>(FxReadObject(ar, cls::GetThisClass()));                                                \
        return ar;                                                                                                     \
    }

#define FX_IMPLEMENT_RUNTIMECLASS_(cls, base, schema, pfnNew)                                                          \
    CRuntimeClass* cls::GetThisClass()                                                                                 \
    {                                                                                                                  \
        static CRuntimeClass rc = {#cls, static_cast<int>(sizeof(cls)), schema, pfnNew, base::GetThisClass()};         \
        return &rc;                                                                                                    \
    }                                                                                                                  \
    CRuntimeClass* cls::GetRuntimeClass() const                                                                        \
    {                                                                                                                  \
        return cls::GetThisClass();                                                                                    \
    }                                                                                                                  \
    static const CFxClassInit fxClassInit##cls(cls::GetThisClass());

#define FX_IMPLEMENT_DYNAMIC(cls, base) FX_IMPLEMENT_RUNTIMECLASS_(cls, base, FX_NO_SCHEMA, nullptr)

#define FX_IMPLEMENT_DYNCREATE(cls, base)                                                                              \
    CObject* cls::CreateObject()                                                                                       \
    {                                                                                                                  \
        return new cls;                                                                                                \
    }                                                                                                                  \
    FX_IMPLEMENT_RUNTIMECLASS_(cls, base, FX_NO_SCHEMA, &cls::CreateObject)

#define FX_IMPLEMENT_SERIAL(cls, base, schema)                                                                         \
    CObject* cls::CreateObject()                                                                                       \
    {                                                                                                                  \
        return new cls;                                                                                                \
    }                                                                                                                  \
    FX_IMPLEMENT_RUNTIMECLASS_(cls, base, schema, &cls::CreateObject)

// Serialize bodies need the archive; callers of the macros get it with this header.
#include "platform/base/Archive.h"
