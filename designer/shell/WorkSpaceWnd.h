// The workspace bar "Project Workspace": the tree of the work directory's template folder, its
// folders first, then its templates (".znt" left off); a double click opens a template.
#pragma once

#include "designer/shell/DesignTree.h"
#include "framework/FwControlBar.h"

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
