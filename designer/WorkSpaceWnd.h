// The workspace bar "Project Workspace": the tree of the work directory's template folder, its
// folders first, then its templates (".znt" left off); a double click opens a template.
#pragma once

#include "framework/FwControlBar.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/TreeCtrl.h"

class CDesignTree : public CTreeCtrl
{
public:
    CDesignTree();
    ~CDesignTree() override;

    enum { imageRoot = 0, imageFolder = 1, imageTemplate = 2 };

    // Styles, colours and images once the window exists.
    BOOL Init();
    // Fills from the work directory's "Template" folder unless already filled.
    void Fill();
    // Fills again from disk.
    void Refresh();
    // Fills from the given folder (the root item stands for it).
    void FillFrom(LPCSTR lpszTemplateDir);
    // The file a template item stands for; empty for the root and folders.
    CString GetTemplatePath(HTREEITEM hItem) const;
    BOOL IsFilled() const { return m_bFilled; }

private:
    void WalkFolder(const CString& strFolder, HTREEITEM hParent);
    int GetImage(HTREEITEM hItem) const;

    CImageList m_images;
    CString m_strTemplateDir;
    BOOL m_bFilled;
};

class CWorkSpaceWnd : public FwControlBar
{
    FX_DECLARE_DYNAMIC(CWorkSpaceWnd)

public:
    CWorkSpaceWnd();
    ~CWorkSpaceWnd() override;

    // The first fill after start-up.
    void FirstFill();

    CDesignTree m_wndTree;
    BOOL m_bFilled;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()
};
