// An MDI child of the workbook that enters the workbook's ordered worksheet list when it is made
// and leaves it when it is destroyed.
#pragma once

#include "framework/FwMDIChildWnd.h"

class FwWorkbook;

class FwWorksheet : public FwMDIChildWnd
{
    FX_DECLARE_DYNCREATE(FwWorksheet)

public:
    FwWorksheet();

    // Joins the workbook only when the window was made; the tab icon is the 16 x 16 icon of the
    // same id.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    FwWorkbook* GetWorkbook() const;

    HICON m_hTabIcon;
    // Index in the workbook's list; -1 while not in it.
    int m_nIndex;
    BOOL m_bActiveTab;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
