#include "common/KvShellPidl.h"

#include <shlwapi.h>

#include "platform/base/FxCoTaskMem.h"
#include "platform/base/FxComPtr.h"

LPITEMIDLIST CKvShellPidl::GetNextItem(LPCITEMIDLIST pidl)
{
    if (pidl == nullptr || pidl->mkid.cb == 0) {
        return nullptr;
    }
    auto pNext =
        reinterpret_cast<LPITEMIDLIST>(reinterpret_cast<BYTE*>(const_cast<LPITEMIDLIST>(pidl)) + pidl->mkid.cb);
    return pNext->mkid.cb == 0 ? nullptr : pNext;
}

UINT CKvShellPidl::GetSize(LPCITEMIDLIST pidl)
{
    if (pidl == nullptr) {
        return 0;
    }
    UINT cbTotal = sizeof(USHORT);
    for (LPCITEMIDLIST p = pidl; p != nullptr && p->mkid.cb != 0; p = GetNextItem(p)) {
        cbTotal += p->mkid.cb;
    }
    return cbTotal;
}

LPITEMIDLIST CKvShellPidl::CreatePidl(UINT cbSize)
{
    auto pidl = static_cast<LPITEMIDLIST>(CoTaskMemAlloc(cbSize));
    if (pidl != nullptr) {
        memset(pidl, 0, cbSize);
    }
    return pidl;
}

void CKvShellPidl::FreeMem(LPITEMIDLIST pidl)
{
    CFxCoTaskMem<ITEMIDLIST> owner(pidl);
}

LPITEMIDLIST CKvShellPidl::CopyItemID(LPCITEMIDLIST pidl)
{
    const UINT cb = pidl != nullptr ? GetSize(pidl) : sizeof(USHORT);
    LPITEMIDLIST pidlNew = CreatePidl(cb);
    if (pidlNew != nullptr && pidl != nullptr) {
        memcpy(pidlNew, pidl, cb);
    }
    return pidlNew;
}

LPITEMIDLIST CKvShellPidl::ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2)
{
    const UINT cb1 = pidl1 != nullptr ? GetSize(pidl1) - sizeof(USHORT) : 0;
    const UINT cb2 = pidl2 != nullptr ? GetSize(pidl2) : sizeof(USHORT);
    LPITEMIDLIST pidlNew = CreatePidl(cb1 + cb2);
    if (pidlNew == nullptr) {
        return nullptr;
    }
    if (cb1 > 0) {
        memcpy(pidlNew, pidl1, cb1);
    }
    if (pidl2 != nullptr) {
        memcpy(reinterpret_cast<BYTE*>(pidlNew) + cb1, pidl2, cb2);
    }
    return pidlNew;
}

BOOL CKvShellPidl::GetName(IShellFolder* lpsf, LPCITEMIDLIST lpi, DWORD dwFlags, CString& strName)
{
    strName.Empty();
    STRRET str = {};
    if (lpsf == nullptr || FAILED(lpsf->GetDisplayNameOf(lpi, dwFlags, &str))) {
        return FALSE;
    }
    char szName[MAX_PATH] = {};
    // Frees the result's own string when it has one.
    if (FAILED(StrRetToBufA(&str, lpi, szName, MAX_PATH))) {
        return FALSE;
    }
    strName = szName;
    return TRUE;
}

void CKvShellPidl::FreeItemData(tagID* pData)
{
    if (pData == nullptr) {
        return;
    }
    CFxComPtr<IShellFolder> parent(pData->lpsfParent);
    FreeMem(pData->lpi);
    FreeMem(pData->lpifq);
    delete pData;
}
