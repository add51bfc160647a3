#include "common/KvShellTree.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/base/Firewall.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/StringArray.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNAMIC(CKvShellTree, CTreeCtrl)

namespace
{
using CKvItemData = CKvShellPidl::tagID;

// Frees an identifier list of the shell's allocator when the scope ends.
class CPidlHolder
{
public:
    explicit CPidlHolder(LPITEMIDLIST pidl = nullptr) : m_pidl(pidl) {}
    ~CPidlHolder() { CKvShellPidl::FreeMem(m_pidl); }
    CPidlHolder(const CPidlHolder&) = delete;
    CPidlHolder& operator=(const CPidlHolder&) = delete;
    LPITEMIDLIST* Receive() { return &m_pidl; }
    operator LPITEMIDLIST() const { return m_pidl; }

private:
    LPITEMIDLIST m_pidl;
};

BOOL IsLeadByte(char ch)
{
    const auto uch = static_cast<unsigned char>(ch);
    return uch >= 0x81 && uch <= 0xFE;
}

// The text after the last point, empty without one (a trail byte is never a point).
CString ExtensionOf(const CString& strName)
{
    const int nPoint = strName.ReverseFind('.');
    return nPoint < 0 ? CString() : strName.Mid(nPoint + 1);
}

// The parts of a path between backslashes, stepping over GBK double-byte characters.
void SplitPath(const CString& strPath, CStringArray& parts)
{
    CString strPart;
    const int nLen = strPath.GetLength();
    for (int i = 0; i < nLen; ++i) {
        const char ch = strPath[i];
        if (IsLeadByte(ch) && i + 1 < nLen) {
            strPart += ch;
            strPart += strPath[++i];
        } else if (ch == '\\') {
            parts.Add(strPart);
            strPart.Empty();
        } else {
            strPart += ch;
        }
    }
    if (!strPart.IsEmpty()) {
        parts.Add(strPart);
    }
}

// The shell compares by the low 16 bits of its result; a failure counts as equal.
int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return FxCallbackEntry("CKvShellTree sort", 0, [&]() -> int {
        auto* pData1 = reinterpret_cast<CKvItemData*>(lParam1);
        auto* pData2 = reinterpret_cast<CKvItemData*>(lParam2);
        auto* lpsf = reinterpret_cast<IShellFolder*>(lParamSort);
        if (pData1 == nullptr || pData2 == nullptr || lpsf == nullptr) {
            return 0;
        }
        const HRESULT hr = lpsf->CompareIDs(0, pData1->lpi, pData2->lpi);
        if (FAILED(hr)) {
            return 0;
        }
        return static_cast<short>(HRESULT_CODE(hr));
    });
}

int SystemIconIndex(LPCITEMIDLIST lpifq, UINT uFlags)
{
    SHFILEINFOA sfi = {};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(lpifq), 0, &sfi, sizeof(sfi),
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | uFlags);
    return sfi.iIcon;
}
} // namespace

CKvShellTree::CKvShellTree() : m_strFileType("*.*")
{
}

CKvShellTree::~CKvShellTree() = default;

void CKvShellTree::EnableImages()
{
    SHFILEINFOA sfi = {};
    // The system list is shared by the whole process: the tree must not destroy it.
    auto hImageList = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (hImageList != nullptr) {
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(hImageList));
    }
}

void CKvShellTree::SetFileType(CString strPattern)
{
    m_strFileType = strPattern;
}

BOOL CKvShellTree::IsCanShowFile(CString strName)
{
    // Each pattern: the whole name, or its extension ("*" for any). Names have no ';'.
    CString strPatterns = m_strFileType;
    while (!strPatterns.IsEmpty()) {
        const int nSep = strPatterns.Find(';');
        CString strPattern = nSep < 0 ? strPatterns : strPatterns.Left(nSep);
        strPatterns = nSep < 0 ? CString() : strPatterns.Mid(nSep + 1);
        strPattern.Trim();
        if (strPattern.IsEmpty()) {
            continue;
        }
        if (strPattern.CompareNoCase(strName) == 0) {
            return TRUE;
        }
        const int nPoint = strPattern.ReverseFind('.');
        if (nPoint < 0) {
            continue;
        }
        const CString strExt = strPattern.Mid(nPoint + 1);
        if (strExt == "*" || strExt.CompareNoCase(ExtensionOf(strName)) == 0) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CKvShellTree::HasShownChildren(const CString& strFolderPath)
{
    CString strPatterns = m_strFileType;
    while (!strPatterns.IsEmpty()) {
        const int nSep = strPatterns.Find(';');
        CString strPattern = nSep < 0 ? strPatterns : strPatterns.Left(nSep);
        strPatterns = nSep < 0 ? CString() : strPatterns.Mid(nSep + 1);
        strPattern.Trim();
        if (strPattern.IsEmpty()) {
            continue;
        }
        WIN32_FIND_DATAA fd = {};
        CFxFindHandle find;
        if (find.FindFirst(strFolderPath + "\\" + strPattern, fd)) {
            do {
                // "*.*" finds "." and ".." in every folder, empty or not.
                if (strcmp(fd.cFileName, ".") != 0 && strcmp(fd.cFileName, "..") != 0) {
                    return TRUE;
                }
            } while (find.FindNext(fd));
        }
    }
    return FALSE;
}

void CKvShellTree::FillTreeView(IShellFolder* lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent)
{
    if (lpsf == nullptr) {
        return;
    }
    CFxComPtr<IEnumIDList> enumList;
    const HRESULT hrEnum = lpsf->EnumObjects(m_hWnd, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, enumList.Receive());
    if (FAILED(hrEnum) || !enumList.IsValid()) {
        return;
    }
    LPITEMIDLIST lpi = nullptr;
    ULONG ulFetched = 0;
    while (enumList->Next(1, &lpi, &ulFetched) == S_OK) {
        CPidlHolder holdItem(lpi);
        ULONG ulAttrs = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_FILESYSTEM;
        LPCITEMIDLIST apidl[1] = {lpi};
        if (FAILED(lpsf->GetAttributesOf(1, apidl, &ulAttrs))) {
            continue;
        }
        CString strName;
        if (!CKvShellPidl::GetName(lpsf, lpi, SHGDN_NORMAL, strName)) {
            continue;
        }
        if (!(ulAttrs & SFGAO_FOLDER)) {
            CString strFileName;
            CKvShellPidl::GetName(lpsf, lpi, SHGDN_INFOLDER | SHGDN_FORPARSING, strFileName);
            if (!IsCanShowFile(strFileName.IsEmpty() ? strName : strFileName)) {
                continue;
            }
        }

        auto* pData = new CKvItemData{lpsf, CKvShellPidl::CopyItemID(lpi), CKvShellPidl::ConcatPidls(lpifq, lpi)};
        if (pData->lpi == nullptr || pData->lpifq == nullptr) {
            pData->lpsfParent = nullptr;
            CKvShellPidl::FreeItemData(pData);
            continue;
        }
        lpsf->AddRef();

        TVINSERTSTRUCTA tvins = {};
        tvins.hParent = hParent;
        tvins.hInsertAfter = TVI_LAST;
        tvins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
        tvins.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strName));
        tvins.item.iImage = SystemIconIndex(pData->lpifq, 0);
        tvins.item.iSelectedImage = SystemIconIndex(pData->lpifq, SHGFI_OPENICON);
        tvins.item.lParam = reinterpret_cast<LPARAM>(pData);
        BOOL bChildren = (ulAttrs & SFGAO_HASSUBFOLDER) != 0;
        if (!bChildren && (ulAttrs & SFGAO_FOLDER) && (ulAttrs & SFGAO_FILESYSTEM)) {
            char szPath[MAX_PATH] = {};
            if (SHGetPathFromIDListA(pData->lpifq, szPath)) {
                bChildren = HasShownChildren(szPath);
            }
        }
        tvins.item.cChildren = bChildren ? 1 : 0;
        if (SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tvins)) == 0) {
            CKvShellPidl::FreeItemData(pData);
        }
    }
}

void CKvShellTree::SortChildren(HTREEITEM hParent)
{
    IShellFolder* lpsf = nullptr;
    CFxComPtr<IShellFolder> desktop;
    CFxComPtr<IShellFolder> folder;
    auto* pData =
        hParent != nullptr && hParent != TVI_ROOT ? reinterpret_cast<CKvItemData*>(GetItemData(hParent)) : nullptr;
    if (FAILED(SHGetDesktopFolder(desktop.Receive()))) {
        return;
    }
    if (pData == nullptr || pData->lpifq == nullptr || pData->lpifq->mkid.cb == 0) {
        lpsf = desktop;
    } else if (SUCCEEDED(desktop->BindToObject(pData->lpifq, nullptr, IID_IShellFolder, folder.ReceiveVoid()))) {
        lpsf = folder;
    } else {
        return;
    }
    TVSORTCB sort = {hParent, CompareItems, reinterpret_cast<LPARAM>(lpsf)};
    SendMessage(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void CKvShellTree::FillChildren(HTREEITEM hItem)
{
    if (hItem == nullptr || GetChildItem(hItem) != nullptr) {
        return;
    }
    auto* pData = reinterpret_cast<CKvItemData*>(GetItemData(hItem));
    if (pData == nullptr) {
        return;
    }
    CFxComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Receive()))) {
        return;
    }
    CFxComPtr<IShellFolder> folder;
    if (pData->lpifq->mkid.cb == 0) {
        // The desktop itself: binding to an empty list is not allowed.
        folder.Attach(desktop.Detach());
    } else if (FAILED(desktop->BindToObject(pData->lpifq, nullptr, IID_IShellFolder, folder.ReceiveVoid()))) {
        return;
    }
    SendMessage(WM_SETREDRAW, FALSE);
    FillTreeView(folder, pData->lpifq, hItem);
    SortChildren(hItem);
    SendMessage(WM_SETREDRAW, TRUE);
    if (GetChildItem(hItem) == nullptr) {
        // Nothing to show after all: no button.
        TVITEMA tvi = {};
        tvi.mask = TVIF_CHILDREN;
        tvi.hItem = hItem;
        tvi.cChildren = 0;
        SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    }
}

void CKvShellTree::PopulateFrom(LPITEMIDLIST lpifq)
{
    DeleteAllItems();
    CFxComPtr<IShellFolder> desktop;
    if (lpifq == nullptr || FAILED(SHGetDesktopFolder(desktop.Receive()))) {
        return;
    }
    CString strName;
    CKvShellPidl::GetName(desktop, lpifq, SHGDN_NORMAL, strName);
    auto* pData = new CKvItemData{desktop, CKvShellPidl::CopyItemID(lpifq), CKvShellPidl::CopyItemID(lpifq)};
    if (pData->lpi == nullptr || pData->lpifq == nullptr) {
        pData->lpsfParent = nullptr;
        CKvShellPidl::FreeItemData(pData);
        return;
    }
    pData->lpsfParent->AddRef();
    TVINSERTSTRUCTA tvins = {};
    tvins.hParent = TVI_ROOT;
    tvins.hInsertAfter = TVI_LAST;
    tvins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    tvins.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strName));
    tvins.item.iImage = SystemIconIndex(pData->lpifq, 0);
    tvins.item.iSelectedImage = SystemIconIndex(pData->lpifq, SHGFI_OPENICON);
    tvins.item.lParam = reinterpret_cast<LPARAM>(pData);
    tvins.item.cChildren = 1;
    auto hRoot = reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tvins)));
    if (hRoot == nullptr) {
        CKvShellPidl::FreeItemData(pData);
        return;
    }
    FillChildren(hRoot);
    SortChildren(TVI_ROOT);
    Expand(hRoot, TVE_EXPAND);
    SelectItem(hRoot);
}

void CKvShellTree::PopulateTree()
{
    PopulateTree(CSIDL_DESKTOP);
}

void CKvShellTree::PopulateTree(int nSpecialFolder)
{
    CPidlHolder pidl;
    if (SUCCEEDED(SHGetSpecialFolderLocation(m_hWnd, nSpecialFolder, pidl.Receive()))) {
        PopulateFrom(pidl);
    } else {
        DeleteAllItems();
    }
}

void CKvShellTree::PopulateTree(const char* lpszPath)
{
    CFxComPtr<IShellFolder> desktop;
    CPidlHolder pidl;
    if (lpszPath == nullptr || FAILED(SHGetDesktopFolder(desktop.Receive()))) {
        DeleteAllItems();
        return;
    }
    wchar_t wszPath[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wszPath, MAX_PATH) == 0 ||
        FAILED(desktop->ParseDisplayName(m_hWnd, nullptr, wszPath, nullptr, pidl.Receive(), nullptr))) {
        DeleteAllItems();
        return;
    }
    PopulateFrom(pidl);
}

void CKvShellTree::OnFolderExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pNMTreeView = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    if (pNMTreeView->action != TVE_COLLAPSE) {
        FillChildren(pNMTreeView->itemNew.hItem);
    }
    *pResult = 0;
}

BOOL CKvShellTree::OnFolderSelected(NMHDR* pNMHDR, LRESULT* pResult, CString& strFolderPath)
{
    auto* pNMTreeView = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    *pResult = 0;
    strFolderPath.Empty();
    const HTREEITEM hItem = pNMTreeView->itemNew.hItem;
    auto* pData = hItem != nullptr ? reinterpret_cast<CKvItemData*>(GetItemData(hItem)) : nullptr;
    if (pData == nullptr) {
        return FALSE;
    }
    int nImage = 0;
    const BOOL bPath = GetPathName(pData, strFolderPath, nImage);
    FillChildren(hItem);
    return bPath;
}

void CKvShellTree::GetContextMenu(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    POINT pt = {};
    GetCursorPos(&pt);
    TVHITTESTINFO hit = {};
    hit.pt = pt;
    ScreenToClient(m_hWnd, &hit.pt);
    const auto hItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hItem == nullptr || !(hit.flags & TVHT_ONITEM)) {
        return;
    }
    SelectItem(hItem);
    auto* pData = reinterpret_cast<CKvItemData*>(GetItemData(hItem));
    if (pData == nullptr || pData->lpsfParent == nullptr) {
        return;
    }
    CFxComPtr<IContextMenu> contextMenu;
    LPCITEMIDLIST apidl[1] = {pData->lpi};
    const HRESULT hr =
        pData->lpsfParent->GetUIObjectOf(m_hWnd, 1, apidl, IID_IContextMenu, nullptr, contextMenu.ReceiveVoid());
    if (FAILED(hr) || !contextMenu.IsValid()) {
        CString strMessage;
        strMessage.Format("GetUIObjectOf failed! hr=%lx", static_cast<unsigned long>(hr));
        FxMessageBox(m_hWnd, strMessage, nullptr, MB_OK);
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu()) {
        return;
    }
    if (SUCCEEDED(contextMenu->QueryContextMenu(menu, 0, 1, 0x7FFF, CMF_EXPLORE))) {
        // The chosen command comes back here and the shell carries it out.
        const int nCmd =
            ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
        if (nCmd > 0) {
            CMINVOKECOMMANDINFO cmi = {};
            cmi.cbSize = sizeof(cmi);
            cmi.hwnd = m_hWnd;
            cmi.lpVerb = MAKEINTRESOURCEA(nCmd - 1);
            cmi.nShow = SW_SHOWNORMAL;
            contextMenu->InvokeCommand(&cmi);
        }
    }
}

void CKvShellTree::OnDeleteShellItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pNMTreeView = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    CKvShellPidl::FreeItemData(reinterpret_cast<CKvItemData*>(pNMTreeView->itemOld.lParam));
    *pResult = 0;
}

BOOL CKvShellTree::GetSelectedFolderPath(CString& strFolderPath)
{
    int nImage = 0;
    const HTREEITEM hItem = GetSelectedItem();
    return hItem != nullptr && GetPathName(hItem, strFolderPath, nImage);
}

IShellFolder* CKvShellTree::GetParentShellFolder(HTREEITEM hItem)
{
    auto* pData = hItem != nullptr ? reinterpret_cast<CKvItemData*>(GetItemData(hItem)) : nullptr;
    return pData != nullptr ? pData->lpsfParent : nullptr;
}

LPITEMIDLIST CKvShellTree::GetRelativeIDLIST(HTREEITEM hItem)
{
    auto* pData = hItem != nullptr ? reinterpret_cast<CKvItemData*>(GetItemData(hItem)) : nullptr;
    return pData != nullptr ? pData->lpi : nullptr;
}

BOOL CKvShellTree::GetPathName(HTREEITEM hItem, CString& strPath, int& nImage)
{
    auto* pData = hItem != nullptr ? reinterpret_cast<CKvItemData*>(GetItemData(hItem)) : nullptr;
    return GetPathName(pData, strPath, nImage);
}

BOOL CKvShellTree::GetPathName(CKvShellPidl::tagID* pData, CString& strPath, int& nImage)
{
    strPath.Empty();
    if (pData == nullptr || pData->lpifq == nullptr) {
        return FALSE;
    }
    nImage = SystemIconIndex(pData->lpifq, 0);
    char szPath[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(pData->lpifq, szPath) || szPath[0] == '\0') {
        return FALSE;
    }
    strPath = szPath;
    return TRUE;
}

BOOL CKvShellTree::SearchTree(HTREEITEM hFirst, CString strName, FindAttribs attr)
{
    strName.MakeUpper();
    for (HTREEITEM hItem = hFirst; hItem != nullptr; hItem = GetNextSiblingItem(hItem)) {
        CString strPath;
        int nImage = 0;
        if (!GetPathName(hItem, strPath, nImage)) {
            continue;
        }
        CString strCompare;
        if (attr == type_drive) {
            // "C:\" of "C:\Windows".
            strCompare = strPath.Left(3);
        } else {
            strCompare = GetItemText(hItem);
        }
        strCompare.MakeUpper();
        if (strCompare == strName) {
            SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem));
            SelectItem(hItem);
            return TRUE;
        }
    }
    return FALSE;
}

void CKvShellTree::TunnelTree(CString strPath)
{
    BOOL bExists = FALSE;
    if (strPath.GetLength() == 3 && strPath[1] == ':' && strPath[2] == '\\') {
        bExists = TRUE;
    } else {
        CStringArray parts;
        SplitPath(strPath, parts);
        // Rebuilt from its parts: the trailing backslash goes, a trail byte 0x5C stays.
        CString strLook;
        for (INT_PTR i = 0; i < parts.GetSize(); ++i) {
            strLook += (i > 0 ? "\\" : "") + parts[i];
        }
        bExists = !strLook.IsEmpty() && GetFileAttributesA(strLook) != INVALID_FILE_ATTRIBUTES;
    }
    if (!bExists) {
        FxMessageBox(m_hWnd, strPath, "Folder not found", MB_OK | MB_ICONSTOP);
        return;
    }
    CStringArray parts;
    SplitPath(strPath, parts);
    if (parts.GetSize() == 0) {
        return;
    }
    const HTREEITEM hRoot = GetRootItem();
    if (hRoot == nullptr) {
        return;
    }
    FillChildren(hRoot);
    Expand(hRoot, TVE_EXPAND);
    if (!SearchTree(GetChildItem(hRoot), parts[0] + "\\", type_drive)) {
        return;
    }
    for (INT_PTR i = 1; i < parts.GetSize(); ++i) {
        const HTREEITEM hItem = GetSelectedItem();
        FillChildren(hItem);
        Expand(hItem, TVE_EXPAND);
        if (!SearchTree(GetChildItem(hItem), parts[i], type_folder)) {
            return;
        }
    }
}
