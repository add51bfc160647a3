#include "core/CappLoadScope.h"

#include <algorithm>
#include <iterator>

namespace
{

thread_local CCappLoadScope* t_pScope = nullptr;

// Pointers are aligned: mix the high bits down so that neighbouring objects spread.
size_t SlotOf(const CObject* pObject)
{
    ULONGLONG n = reinterpret_cast<ULONG_PTR>(pObject) >> 4;
    n *= 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(n ^ (n >> 32));
}

} // namespace

CCappLoadScope::CCappLoadScope() : m_nOwned(0), m_pOuter(t_pScope)
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

BOOL CCappLoadScope::IsActive()
{
    return t_pScope != nullptr;
}

BOOL CCappLoadScope::Own(const CObject* pObject)
{
    if ((m_nOwned + 1) * 2 > m_owned.size()) {
        std::vector<const CObject*> old(std::max<size_t>(64, m_owned.size() * 2), nullptr);
        old.swap(m_owned);
        m_nOwned = 0;
        for (const CObject* p : old) {
            if (p != nullptr) {
                Own(p);
            }
        }
    }
    const size_t nMask = m_owned.size() - 1;
    for (size_t i = SlotOf(pObject) & nMask;; i = (i + 1) & nMask) {
        if (m_owned[i] == pObject) {
            return FALSE;
        }
        if (m_owned[i] == nullptr) {
            m_owned[i] = pObject;
            ++m_nOwned;
            return TRUE;
        }
    }
}

BOOL CCappLoadScope::Claim(const CObject* pObject)
{
    if (t_pScope == nullptr) {
        return TRUE;
    }
    const std::vector<const CObject*>& open = t_pScope->m_open;
    if (std::find(open.begin(), open.end(), pObject) != open.end()) {
        return FALSE;
    }
    return t_pScope->Own(pObject);
}

CCappLoadScope::COpen::COpen(const CObject* pObject) : m_pObject(pObject)
{
    if (t_pScope != nullptr) {
        t_pScope->m_open.push_back(pObject);
    }
}

CCappLoadScope::COpen::~COpen()
{
    if (t_pScope == nullptr) {
        return;
    }
    std::vector<const CObject*>& open = t_pScope->m_open;
    const auto it = std::find(open.rbegin(), open.rend(), m_pObject);
    if (it != open.rend()) {
        open.erase(std::next(it).base());
    }
}
