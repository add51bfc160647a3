// Item identifier lists of the shell namespace: walked, measured, copied and joined with the
// shell's allocator, and display-name results turned into text.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include "common/KvCommLibExport.h"
#include "platform/base/String.h"

class KVCOMM_API CKvShellPidl
{
public:
    // The data of one shell tree item, owned by the item: a counted reference to the parent
    // folder, the item's list relative to it and its fully qualified list.
    struct tagID
    {
        IShellFolder* lpsfParent;
        LPITEMIDLIST lpi;
        LPITEMIDLIST lpifq;
    };

    // The next item of a list; null at its terminator.
    static LPITEMIDLIST GetNextItem(LPCITEMIDLIST pidl);
    // Bytes of the list with its terminator; 0 for null.
    static UINT GetSize(LPCITEMIDLIST pidl);
    // Zeroed memory from the shell's allocator; free with FreeMem.
    static LPITEMIDLIST CreatePidl(UINT cbSize);
    static void FreeMem(LPITEMIDLIST pidl);
    // A copy of the list (an empty list for null); null when out of memory.
    static LPITEMIDLIST CopyItemID(LPCITEMIDLIST pidl);
    // pidl1 followed by pidl2; null when out of memory.
    static LPITEMIDLIST ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);
    // The display name of an item of lpsf (SHGDN_ flags); FALSE when the folder gives none.
    static BOOL GetName(IShellFolder* lpsf, LPCITEMIDLIST lpi, DWORD dwFlags, CString& strName);
    // Releases the folder and frees both lists, then the record itself.
    static void FreeItemData(tagID* pData);
};
