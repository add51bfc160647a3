#include "symedit/CappDrawScope.h"

CCappDrawScope::CCappDrawScope() : m_pCache(CCappDrawCache::GetCurrent())
{
    if (m_pCache == nullptr) {
        m_pOwn = std::make_unique<CCappDrawCache>();
        m_pCache = m_pOwn.get();
        CCappDrawCache::SetCurrent(m_pCache);
    }
}

CCappDrawScope::~CCappDrawScope()
{
    if (m_pOwn != nullptr) {
        CCappDrawCache::SetCurrent(nullptr);
    }
}
