// File extensions and matching small and large icon lists from the shell, for list views that
// show files by type: an extension's index in the list is its image index.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/ImageList.h"

class KVCOMM_API CKvShInfo
{
public:
    CKvShInfo();
    ~CKvShInfo();
    CKvShInfo(const CKvShInfo&) = delete;
    CKvShInfo& operator=(const CKvShInfo&) = delete;

    // Upper-cased; only extensions beginning with "." are kept, each once.
    void AddIconTypeToList(CString strExt);
    void RemoveIconType(CString strExt);
    void RemoveAllIconType();
    // -1 when absent or without the leading point.
    int GetExtTypeIndex(CString strExt) const;
    INT_PTR GetIconTypeCount() const { return m_arrExt.GetSize(); }

    // Builds both lists again: one icon per listed extension, in list order.
    BOOL UpdateDataImageList();
    // The shell's icons for a type registered under the classes root; the caller destroys them.
    BOOL GetTypeIcon(HICON& hLarge, HICON& hSmall, CString strExt);
    // The SHGFI_ flags used with the icon flags.
    void ModifyStyle(long lAdd, long lRemove);
    long GetStyle() const { return m_lFlags; }
    void DetachImageList();

    CImageList* GetSmallImageList() { return &m_imageSmall; }
    CImageList* GetLargeImageList() { return &m_imageLarge; }

protected:
    CStringArray m_arrExt;
    long m_lFlags;
    CImageList m_imageSmall;
    CImageList m_imageLarge;
};
