#include "core/CappListArchive.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "core/CappCardVarItem.h"
#include "core/CappLoadScope.h"

#include "platform/base/ArchiveException.h"

namespace
{

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
