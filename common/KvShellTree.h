// A tree of the shell namespace as the file manager shows it: folders and, filtered by a file
// pattern, files, with the shell's icons, children filled when a folder opens, the shell's
// context menu, and a way to find and select a path.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvShellPidl.h"
#include "platform/win/TreeCtrl.h"

class KVCOMM_API CKvShellTree : public CTreeCtrl
{
    FX_DECLARE_DYNAMIC(CKvShellTree)

public:
    // How SearchTree compares: the drive part of an item's path, or the item's text.
    enum FindAttribs { type_drive = 0, type_folder = 1 };

    CKvShellTree();
    ~CKvShellTree() override;

    // The system's small icon list.
    void EnableImages();
    // Empty the tree and fill it below one root item: the desktop, a special folder (CSIDL_) or
    // a path; the root is expanded and selected.
    void PopulateTree();
    void PopulateTree(int nSpecialFolder);
    void PopulateTree(const char* lpszPath);

    // Files shown: patterns separated by ";" ("*.znt;*.ccd"); "*.*" shows every file.
    void SetFileType(CString strPattern);
    BOOL IsCanShowFile(CString strName);

    // Handlers the owner calls from its tree notifications.
    void OnFolderExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnFolderSelected(NMHDR* pNMHDR, LRESULT* pResult, CString& strFolderPath);
    void GetContextMenu(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteShellItem(NMHDR* pNMHDR, LRESULT* pResult);

    BOOL GetSelectedFolderPath(CString& strFolderPath);
    IShellFolder* GetParentShellFolder(HTREEITEM hItem);
    LPITEMIDLIST GetRelativeIDLIST(HTREEITEM hItem);
    BOOL GetPathName(HTREEITEM hItem, CString& strPath, int& nImage);
    BOOL GetPathName(CKvShellPidl::tagID* pData, CString& strPath, int& nImage);

    BOOL SearchTree(HTREEITEM hFirst, CString strName, FindAttribs attr);
    void TunnelTree(CString strPath);

protected:
    // Fills hParent with the objects of lpsf, whose fully qualified list is lpifq.
    void FillTreeView(IShellFolder* lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent);
    // Fills an item's children when it has none yet.
    void FillChildren(HTREEITEM hItem);
    void SortChildren(HTREEITEM hParent);
    // A root item for the folder lpifq (a copy is kept) with its children filled.
    void PopulateFrom(LPITEMIDLIST lpifq);
    BOOL HasShownChildren(const CString& strFolderPath);

    CString m_strFileType;
};
