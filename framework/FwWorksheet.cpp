#include "framework/FwWorksheet.h"

#include "framework/FwWorkbook.h"
#include "framework/FwWorkbookClient.h"

FX_IMPLEMENT_DYNCREATE(FwWorksheet, FwMDIChildWnd)

FwWorksheet::FwWorksheet() : m_hTabIcon(nullptr), m_nIndex(-1), m_bActiveTab(FALSE)
{
}

FwWorkbook* FwWorksheet::GetWorkbook() const
{
    return dynamic_cast<FwWorkbook*>(GetMDIFrame());
}

BOOL FwWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!FwMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) {
        return FALSE;
    }
    if (FwWorkbook* pWorkbook = GetWorkbook()) {
        pWorkbook->AddWorksheet(this);
        // Shared icons need no destroying.
        HICON hIcon = static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource), IMAGE_ICON, 16, 16, LR_SHARED));
        pWorkbook->SetTabIcon(this, hIcon, FALSE);
    }
    return TRUE;
}

void FwWorksheet::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    FwMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (m_hMenuShared == nullptr && UsesMenuBar() && pFrame != nullptr) {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_FWWORKBOOK_REFRESHTABS, static_cast<WPARAM>(-1),
                       static_cast<LPARAM>(-1));
    }
}

void FwWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    FwMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (FwWorkbook* pWorkbook = GetWorkbook()) {
        pWorkbook->RepaintTab(this, FALSE);
    }
}

LRESULT FwWorksheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        if (FwWorkbook* pWorkbook = GetWorkbook()) {
            pWorkbook->RemoveWorksheet(this);
        }
    } else if (message == WM_SHOWWINDOW) {
        const LRESULT lResult = FwMDIChildWnd::WindowProc(message, wParam, lParam);
        if (FwWorkbook* pWorkbook = GetWorkbook()) {
            pWorkbook->RepaintTab(this, TRUE);
        }
        return lResult;
    }
    return FwMDIChildWnd::WindowProc(message, wParam, lParam);
}
