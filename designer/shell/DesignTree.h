// The template tree of the workspace bar: the work directory's template folder, its folders first,
// then its templates (".znt" left off); folders and templates are made, deleted and moved by
// drag and drop on it.
#pragma once

#include "designer/template/DesignDropTarget.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/TreeCtrl.h"

class CDesignTree : public CTreeCtrl
{
    FX_DECLARE_DYNAMIC(CDesignTree)

public:
    CDesignTree();
    ~CDesignTree() override;

    enum { imageRoot = 0, imageFolder = 1, imageTemplate = 2 };

    // Styles, colours, images and the drop target once the window exists.
    BOOL Init();
    // Fills from the work directory's "Template" folder unless already filled.
    void Fill();
    // Fills again from disk.
    void Refresh();
    // Fills from the given folder (the root item stands for it).
    void FillFrom(LPCSTR lpszTemplateDir);
    // The file a template item stands for; empty for the root and folders.
    CString GetTemplatePath(HTREEITEM hItem) const;
    // The folder the root or a folder item stands for; empty for a template.
    CString GetFolderPath(HTREEITEM hItem) const;
    BOOL IsFilled() const { return m_bFilled; }
    int GetImage(HTREEITEM hItem) const;

    // The tree's commands, offered on its context menu.
    void OnNewFolder();
    void OnDeleteSelected();
    void OnDeleteChosen();
    void OnRefresh();
    void OnNewTemplate();

    // The item the delete command last chose and the item being dragged; both are forgotten
    // when their item goes (a refill, a move, a delete).
    HTREEITEM m_hDeleteItem;
    HTREEITEM m_hDragItem;
    // The root or folder marked as the place of a drop.
    HTREEITEM m_hDropItem;
    CDesignDropTarget m_dropTarget;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnDestroy() override;
    LRESULT OnDesignDragOver(WPARAM wParam, LPARAM lParam);
    LRESULT OnDesignDrop(WPARAM wParam, LPARAM lParam);
    LRESULT OnDesignDragLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenuMsg(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    void WalkFolder(const CString& strFolder, HTREEITEM hParent);
    void BeginDrag(HTREEITEM hItem);
    void MarkDropItem(HTREEITEM hItem);
    void DeleteOnDisk(HTREEITEM hItem);
    BOOL IsWithin(HTREEITEM hItem, HTREEITEM hAncestor) const;

    CImageList m_images;
    CString m_strTemplateDir;
    BOOL m_bFilled;
};
