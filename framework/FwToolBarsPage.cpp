#include "framework/FwToolBarsPage.h"

#include "framework/FwToolBarManager.h"

FwToolBarsPage::FwToolBarsPage(FwToolBarManager* pManager)
    : CPropertyPage(FW_IDD_TOOLBARSPAGE), FwToolBarsBase(pManager)
{
}

UINT FwToolBarsPage::GetStyleChangingMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_TOOLBARSTYLECHANGING");
    return s_nMsg;
}

BOOL FwToolBarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    InitBase(this);
    return TRUE;
}

void FwToolBarsPage::OnSettingChanged(UINT nCheckID)
{
    if (nCheckID != FW_IDC_TB_COOLLOOK && nCheckID != FW_IDC_TB_LARGE) {
        return;
    }
    // The sheet's other pages hear of it: 2 for the cool look, 1 for large buttons.
    const WPARAM wCode = nCheckID == FW_IDC_TB_COOLLOOK ? 2 : 1;
    HWND hSheet = ::GetParent(m_hWnd);
    for (HWND hPage = ::GetWindow(hSheet, GW_CHILD); hPage != nullptr; hPage = ::GetWindow(hPage, GW_HWNDNEXT)) {
        if (hPage != m_hWnd && dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(hPage)) != nullptr) {
            ::SendMessageA(hPage, GetStyleChangingMessage(), wCode, 0);
        }
    }
}

void FwToolBarsPage::OnOK()
{
    RenameSelected();
    Finish(TRUE);
    CPropertyPage::OnOK();
}

void FwToolBarsPage::OnCancel()
{
    Finish(FALSE);
    CPropertyPage::OnCancel();
}

BOOL FwToolBarsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (nID == FW_IDC_TB_NEW) {
        CreateNamedBar();
        return TRUE;
    }
    return HandleCommand(nID, HIWORD(wParam)) || CPropertyPage::OnCommand(wParam, lParam);
}

LRESULT FwToolBarsPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == FwToolBarManager::GetBarNotifyMessage()) {
        OnBarNotify(static_cast<UINT>(wParam), lParam);
        return 0;
    }
    return CPropertyPage::WindowProc(message, wParam, lParam);
}
