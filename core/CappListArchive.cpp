#include "core/CappListArchive.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "core/CappCardVarItem.h"

#include "platform/base/ArchiveException.h"

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
// Lists nest (sheet, detail area, cell, resource, format); a crafted archive could nest them
// until the stack runs out.
thread_local int t_nDepth = 0;
constexpr int kMaxListDepth = 16;

class CDepthGuard
{
public:
    CDepthGuard()
    {
        if (t_nDepth >= kMaxListDepth) {
            CArchiveException::Throw(CArchiveException::genericException);
        }
        ++t_nDepth;
    }
    ~CDepthGuard() { --t_nDepth; }
    CDepthGuard(const CDepthGuard&) = delete;
    CDepthGuard& operator=(const CDepthGuard&) = delete;
};

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

void CappFreeList(CObList& list)
{
    while (!list.IsEmpty()) {
        delete list.RemoveHead();
    }
}

void CappSerializeList(CArchive& ar, CObList& list, const CRuntimeClass* pClass)
{
    if (ar.IsStoring()) {
        ar.WriteCount(list.GetCount());
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            ar.WriteObject(list.GetNext(pos));
        }
        return;
    }

    CappFreeList(list);
    CDepthGuard depth;
    DWORD_PTR nCount = ar.ReadCount();
    if (pClass == nullptr && nCount != 0) {
        CArchiveException::Throw(CArchiveException::badClass);
    }
    // A set, not a walk of the list: a template of many thousand lines loads in linear time.
    // Within a load scope the scope's claim already refuses a second owner.
    const BOOL bScoped = CCappLoadScope::IsActive();
    std::unordered_set<const CObject*> read;
    while (nCount-- > 0) {
        CObject* pObject = ar.ReadObject(pClass);
        if (pObject == nullptr) {
            CArchiveException::Throw(CArchiveException::badClass);
        }
        // A back reference: the object already has an owner (or is this list's own element).
        if (!CCappLoadScope::Claim(pObject) || (!bScoped && !read.insert(pObject).second)) {
            CArchiveException::Throw(CArchiveException::badIndex);
        }
        list.AddTail(pObject);
    }
}

void CappSerializeRowTable(CArchive& ar, const CString& strVersion, LPCSTR pszVersion, CStringArray& arrVarName,
                           CObList& listRows, const CRuntimeClass* pRowClass, CObList& listCardVar)
{
    arrVarName.Serialize(ar);
    CappSerializeList(ar, listRows, pRowClass);
    if (ar.IsStoring() || strVersion == pszVersion) {
        CappSerializeList(ar, listCardVar, FX_RUNTIME_CLASS(CCappCardVarItem));
    }
}
