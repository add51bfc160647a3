#include "control/UrlFetchScope.h"

namespace
{
thread_local const CUrlFetchLimits* t_pLimits = nullptr;
} // namespace

CUrlFetchLimits::CUrlFetchLimits()
    : cbMaxBody(kDefaultMaxBody), dwTimeoutMs(kDefaultTimeoutMs), dwTotalMs(kDefaultTotalMs),
      nMaxRedirects(kDefaultMaxRedirects)
{
}

CUrlFetchLimits CUrlFetchLimits::Current()
{
    return t_pLimits != nullptr ? *t_pLimits : CUrlFetchLimits();
}

CUrlFetchScope::CUrlFetchScope(const CUrlFetchLimits& limits) : m_pOuter(t_pLimits), m_limits(limits)
{
    t_pLimits = &m_limits;
}

CUrlFetchScope::~CUrlFetchScope()
{
    t_pLimits = m_pOuter;
}
