#include "common/KvShInfo.h"

#include <shellapi.h>

#include "platform/base/FxIcon.h"
#include "platform/base/FxRegKey.h"

namespace
{
// The shell's icon for a file of the type, by name only (the file need not exist).
HICON TypeIcon(const CString& strExt, long lFlags, UINT uSize)
{
    SHFILEINFOA sfi = {};
    const UINT uFlags = static_cast<UINT>(lFlags) | SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | uSize;
    if (SHGetFileInfoA(strExt, FILE_ATTRIBUTE_NORMAL, &sfi, sizeof(sfi), uFlags) == 0) {
        return nullptr;
    }
    return sfi.hIcon;
}

// Adds the icon, or a stand-in when the shell gave none, so that indices stay those of the list.
void AddIcon(CImageList& list, HICON hIcon)
{
    CFxIcon icon(hIcon);
    if (icon.IsValid()) {
        list.Add(icon);
    } else {
        list.Add(LoadIconA(nullptr, IDI_APPLICATION)); // shared: not destroyed
    }
}
} // namespace

CKvShInfo::CKvShInfo() : m_lFlags(SHGFI_DISPLAYNAME | SHGFI_TYPENAME)
{
}

CKvShInfo::~CKvShInfo()
{
    DetachImageList();
}

void CKvShInfo::AddIconTypeToList(CString strExt)
{
    strExt.MakeUpper();
    if (strExt.GetLength() > 0 && strExt[0] == '.' && GetExtTypeIndex(strExt) < 0) {
        m_arrExt.Add(strExt);
    }
}

void CKvShInfo::RemoveIconType(CString strExt)
{
    const int nIndex = GetExtTypeIndex(strExt);
    if (nIndex >= 0) {
        m_arrExt.RemoveAt(nIndex);
    }
}

void CKvShInfo::RemoveAllIconType()
{
    m_arrExt.RemoveAll();
}

int CKvShInfo::GetExtTypeIndex(CString strExt) const
{
    if (strExt.IsEmpty() || strExt[0] != '.') {
        return -1;
    }
    for (INT_PTR i = 0; i < m_arrExt.GetSize(); ++i) {
        if (m_arrExt[i].CompareNoCase(strExt) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

BOOL CKvShInfo::UpdateDataImageList()
{
    DetachImageList();
    if (!m_imageSmall.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 500) ||
        !m_imageLarge.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 500)) {
        DetachImageList();
        return FALSE;
    }
    // One look-up per extension and size.
    for (INT_PTR i = 0; i < m_arrExt.GetSize(); ++i) {
        AddIcon(m_imageSmall, TypeIcon(m_arrExt[i], m_lFlags, SHGFI_SMALLICON));
        AddIcon(m_imageLarge, TypeIcon(m_arrExt[i], m_lFlags, SHGFI_LARGEICON));
    }
    return TRUE;
}

BOOL CKvShInfo::GetTypeIcon(HICON& hLarge, HICON& hSmall, CString strExt)
{
    hLarge = hSmall = nullptr;
    if (strExt.IsEmpty() || strExt[0] != '.') {
        return FALSE;
    }
    // The classes root compares key names without regard to case.
    CFxRegKey key;
    if (key.OpenForRead(HKEY_CLASSES_ROOT, strExt) != ERROR_SUCCESS) {
        return FALSE;
    }
    hLarge = TypeIcon(strExt, m_lFlags, SHGFI_LARGEICON);
    hSmall = TypeIcon(strExt, m_lFlags, SHGFI_SMALLICON);
    return TRUE;
}

void CKvShInfo::ModifyStyle(long lAdd, long lRemove)
{
    // By bits, not by subtraction: removing a flag that is not set must not borrow from others.
    m_lFlags = (m_lFlags & ~lRemove) | lAdd;
}

void CKvShInfo::DetachImageList()
{
    m_imageSmall.DeleteImageList();
    m_imageLarge.DeleteImageList();
}
