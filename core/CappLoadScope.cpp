#include "core/CappLoadScope.h"

namespace
{
thread_local CCappLoadScope* t_pScope = nullptr;
} // namespace

CCappLoadScope::CCappLoadScope() : m_pOuter(t_pScope)
{
    if (m_pOuter == nullptr) {
        t_pScope = this;
    }
}

CCappLoadScope::~CCappLoadScope()
{
    if (t_pScope == this) {
        t_pScope = nullptr;
    }
}

BOOL CCappLoadScope::Claim(const CObject* pObject)
{
    if (t_pScope == nullptr) {
        return TRUE;
    }
    if (t_pScope->m_open.count(pObject) != 0) {
        return FALSE;
    }
    return t_pScope->m_owned.insert(pObject).second ? TRUE : FALSE;
}

CCappLoadScope::COpen::COpen(const CObject* pObject) : m_pObject(pObject)
{
    if (t_pScope != nullptr) {
        t_pScope->m_open.insert(pObject);
    }
}

CCappLoadScope::COpen::~COpen()
{
    if (t_pScope != nullptr) {
        t_pScope->m_open.erase(m_pObject);
    }
}
