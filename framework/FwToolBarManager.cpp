#include "framework/FwToolBarManager.h"

#include <algorithm>
#include <cstdarg>
#include <vector>

#include "framework/FwLoadTextOr.h"
#include "framework/FwBmpMgr.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwCustomToolBarInfoEx.h"
#include "framework/FwFrameWnd.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMenuBar.h"
#include "framework/FwNewToolBarDlg.h"
#include "framework/FwPersistentNodeOwner.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "framework/FwControlBarInfo.h"

FX_IMPLEMENT_DYNAMIC(FwToolBarManager, FwControlBarManager)

namespace
{
struct DefaultBar
{
    UINT nID;
    CString strTitle;
    int nButtons;
    const UINT* pButtons;
    DWORD dwAlignment;
    UINT nDockBarID;
    UINT nDockBehindID;
    BOOL bDocked;
    BOOL bVisible;
};
} // namespace

FwToolBarManager::FwToolBarManager(CFrameWnd* pFrame, CWnd* pOwner)
    : m_pSelectedBar(nullptr), m_pCommandSource(new CommandSource{1, CRect(0, 0, 0, 0), FALSE}),
      m_pToolBarClass(FX_RUNTIME_CLASS(FwCustomToolBar)), m_pOwner(pOwner), m_pButtonMap(nullptr),
      m_pCustomizeDlg(nullptr), m_bCustomizing(FALSE), m_bCustomizeMode(FALSE), m_bToolTips(TRUE), m_bFlyBy(TRUE),
      m_bCoolLook(FALSE), m_bLargeButtons(FALSE), m_pMenuBarIDs(nullptr), m_nMenuBarIDs(0), m_pMenuEntries(nullptr),
      m_pBmpMgr(new FwBmpMgr)
{
    m_pFrameWnd = pFrame;
}

FwToolBarManager::~FwToolBarManager()
{
    m_pBmpMgr.Close();
    if (--m_pCommandSource->nRefs <= 0) {
        delete m_pCommandSource;
    }
    for (INT_PTR i = 0; i < m_arrDefaults.GetSize(); ++i) {
        delete static_cast<DefaultBar*>(m_arrDefaults[i]);
    }
    delete[] m_pMenuBarIDs;
    FreeMenuEntries();
}

UINT FwToolBarManager::GetBarNotifyMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_BARNOTIFY");
    return s_nMsg;
}

void FwToolBarManager::FreeMenuEntries()
{
    delete[] m_pMenuEntries;
    m_pMenuEntries = nullptr;
}

BOOL FwToolBarManager::AddToolBarResource(LPCSTR lpszSmall, LPCSTR lpszLarge)
{
    return m_pBmpMgr->AddToolBarResource(lpszSmall, lpszLarge, TRUE);
}

void FwToolBarManager::AddDefaultToolBar(UINT nID, LPCSTR lpszTitle, int nButtons, const UINT* pButtons,
                                         DWORD dwAlignment, UINT nDockBarID, UINT nDockBehindID, BOOL bDocked,
                                         BOOL bVisible)
{
    m_arrDefaults.Add(new DefaultBar{nID, CString(lpszTitle != nullptr ? lpszTitle : ""), nButtons, pButtons,
                                     dwAlignment, nDockBarID, nDockBehindID, bDocked, bVisible});
}

BOOL FwToolBarManager::GetDefaultToolBar(UINT nID, int& nButtons, const UINT*& pButtons) const
{
    for (INT_PTR i = 0; i < m_arrDefaults.GetSize(); ++i) {
        const DefaultBar* pDef = static_cast<const DefaultBar*>(m_arrDefaults[i]);
        if (pDef->nID == nID) {
            nButtons = pDef->nButtons;
            pButtons = pDef->pButtons;
            return TRUE;
        }
    }
    return FALSE;
}

void FwToolBarManager::GetToolBars(CPtrArray& arrBars) const
{
    arrBars.RemoveAll();
    if (m_pFrameWnd == nullptr) {
        return;
    }
    for (POSITION pos = m_pFrameWnd->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_pFrameWnd->m_listControlBars.GetNext(pos));
        FwCustomToolBar* pTool = dynamic_cast<FwCustomToolBar*>(pBar);
        if (pTool != nullptr && pTool->m_hWnd != nullptr) {
            arrBars.Add(pTool);
        }
    }
}

DWORD FwToolBarManager::GetBarStyle() const
{
    return WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC |
           (m_bFlyBy ? CBRS_FLYBY : 0) | (m_bToolTips ? CBRS_TOOLTIPS : 0);
}

void FwToolBarManager::EnableToolTips(BOOL bEnable)
{
    if (bEnable == m_bToolTips) {
        return;
    }
    m_bToolTips = bEnable;
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        pBar->SetBarStyle(bEnable ? (pBar->GetBarStyle() | CBRS_TOOLTIPS) : (pBar->GetBarStyle() & ~CBRS_TOOLTIPS));
    }
}

BOOL FwToolBarManager::EnableCoolLook(BOOL bEnable, DWORD dwExStyle)
{
    if (bEnable == m_bCoolLook) {
        return FALSE;
    }
    m_bCoolLook = bEnable;
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        pBar->ModifyExtendedStyle(bEnable ? 0 : dwExStyle, bEnable ? dwExStyle : 0, FALSE);
        if ((dwExStyle & FWCBS_EX_FLAT) != 0) {
            pBar->Invalidate();
        }
    }
    if (m_pFrameWnd != nullptr && m_pFrameWnd->m_hWnd != nullptr) {
        m_pFrameWnd->DelayRecalcLayout();
    }
    return TRUE;
}

void FwToolBarManager::EnableLargeButtons(BOOL bEnable)
{
    if (bEnable != m_bLargeButtons) {
        m_bLargeButtons = bEnable;
        ApplyLargeButtons();
    }
}

BOOL FwToolBarManager::ApplyLargeButtons()
{
    m_pBmpMgr->SetSmallOnly(!m_bLargeButtons);
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        ApplyButtonSize(pBar);
        if (pBar->IsFloating() && pBar->m_pDockBar != nullptr) {
            if (CFrameWnd* pMini = pBar->GetDockingFrame()) {
                pMini->RecalcLayout();
            }
        }
    }
    if (bars.GetSize() > 0 && m_pFrameWnd != nullptr && m_pFrameWnd->m_hWnd != nullptr) {
        m_pFrameWnd->DelayRecalcLayout();
    }
    return TRUE;
}

void FwToolBarManager::ApplyButtonSize(FwCustomToolBar* pBar)
{
    if (pBar != nullptr) {
        pBar->ApplyButtonSize();
    }
}

void FwToolBarManager::RefreshToolBars()
{
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        pBar->m_pBarManager = this;
        pBar->SetBmpMgr(m_pBmpMgr);
        pBar->Invalidate();
    }
    if (bars.GetSize() == 0) {
        CreateDefaultToolBars();
    }
}

FwMenuBar* FwToolBarManager::GetFrameMenuBar() const
{
    if (FwMDIFrameWnd* pMDI = dynamic_cast<FwMDIFrameWnd*>(m_pFrameWnd)) {
        return pMDI->GetMenuBar();
    }
    if (FwFrameWnd* pSDI = dynamic_cast<FwFrameWnd*>(m_pFrameWnd)) {
        return pSDI->GetMenuBar();
    }
    return nullptr;
}

FwCustomToolBar* FwToolBarManager::NewToolBar()
{
    CObject* pObject = m_pToolBarClass != nullptr ? m_pToolBarClass->CreateObject() : nullptr;
    FwCustomToolBar* pBar = dynamic_cast<FwCustomToolBar*>(pObject);
    if (pBar == nullptr) {
        delete pObject;
    }
    return pBar;
}

BOOL FwToolBarManager::SetUpBar(FwCustomToolBar* pBar, UINT nID, LPCSTR lpszTitle, BOOL bOwner, BOOL bAutoDelete)
{
    pBar->m_pBarManager = this;
    pBar->SetBmpMgr(m_pBmpMgr);
    const DWORD dwExStyle = m_bCoolLook ? (FWCBS_EX_FLAT | FWCBS_EX_GRIPPER) : 0;
    if (!pBar->Create(dwExStyle, m_pFrameWnd, GetBarStyle(), nID, lpszTitle)) {
        return FALSE;
    }
    if (bOwner && m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr) {
        ::SetWindowLongPtrA(pBar->m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_pOwner->m_hWnd));
    }
    ApplyButtonSize(pBar);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pBar->m_bAutoDelete = bAutoDelete;
    return TRUE;
}

void FwToolBarManager::CreateDefaultToolBars()
{
    if (m_pFrameWnd == nullptr || m_pFrameWnd->m_hWnd == nullptr) {
        return;
    }
    if (FwMenuBar* pMenuBar = GetFrameMenuBar()) {
        if (pMenuBar->m_hWnd == nullptr &&
            SetUpBar(pMenuBar, FW_IDW_MENUBAR, FwLoadTextOr(20619, "Menu bar"), FALSE, FALSE)) {
            pMenuBar->ResetMenu(TRUE);
            m_pFrameWnd->DockControlBar(pMenuBar, FX_IDW_DOCKBAR_TOP);
        }
    }
    std::vector<FwCustomToolBar*> made;
    for (INT_PTR i = 0; i < m_arrDefaults.GetSize(); ++i) {
        const DefaultBar* pDef = static_cast<const DefaultBar*>(m_arrDefaults[i]);
        FwCustomToolBar* pBar = NewToolBar();
        if (pBar == nullptr) {
            break;
        }
        if (!SetUpBar(pBar, pDef->nID, pDef->strTitle, TRUE, TRUE)) {
            delete pBar;
            break;
        }
        pBar->SetButtons(pDef->pButtons, pDef->nButtons);
        pBar->EnableDocking(pDef->dwAlignment);
        made.push_back(pBar);
        if (pDef->nDockBehindID == 0) {
            m_pFrameWnd->DockControlBar(pBar, pDef->nDockBarID);
            continue;
        }
        m_pFrameWnd->RecalcLayout();
        // The bar named, or the last definition's when no definition has that id.
        UINT nBehind = static_cast<const DefaultBar*>(m_arrDefaults[m_arrDefaults.GetSize() - 1])->nID;
        for (INT_PTR j = 0; j < m_arrDefaults.GetSize(); ++j) {
            if (static_cast<const DefaultBar*>(m_arrDefaults[j])->nID == pDef->nDockBehindID) {
                nBehind = pDef->nDockBehindID;
                break;
            }
        }
        CControlBar* pBehind = m_pFrameWnd->GetControlBar(nBehind);
        if (pBehind == nullptr || pBehind == pBar) {
            m_pFrameWnd->DockControlBar(pBar, pDef->nDockBarID);
            continue;
        }
        CRect rc;
        pBehind->GetWindowRect(&rc);
        const BOOL bHorz = pDef->nDockBarID == FX_IDW_DOCKBAR_TOP || pDef->nDockBarID == FX_IDW_DOCKBAR_BOTTOM;
        rc.OffsetRect(bHorz ? 1 : 0, bHorz ? 0 : 1);
        m_pFrameWnd->DockControlBar(pBar, pDef->nDockBarID, &rc);
    }
    m_pFrameWnd->RecalcLayout();
    for (size_t i = 0; i < made.size(); ++i) {
        const DefaultBar* pDef = static_cast<const DefaultBar*>(m_arrDefaults[static_cast<INT_PTR>(i)]);
        if (!pDef->bVisible) {
            m_pFrameWnd->ShowControlBar(made[i], FALSE, FALSE);
        }
        if (!pDef->bDocked && made[i]->m_pDockContext != nullptr) {
            made[i]->m_pDockContext->ToggleDocking();
        }
    }
}

FwCustomToolBar* FwToolBarManager::CreateUserToolBar(LPCSTR lpszTitle)
{
    if (m_pFrameWnd == nullptr) {
        return nullptr;
    }
    CPtrArray bars;
    GetToolBars(bars);
    UINT nID = FW_IDW_FIRSTUSERBAR;
    for (; nID < 0xE900; ++nID) {
        BOOL bUsed = FALSE;
        for (INT_PTR i = 0; i < bars.GetSize() && !bUsed; ++i) {
            bUsed = static_cast<FwCustomToolBar*>(bars[i])->GetDlgCtrlID() == static_cast<int>(nID);
        }
        if (!bUsed) {
            break;
        }
    }
    if (nID >= 0xE900) {
        return nullptr;
    }
    FwCustomToolBar* pBar = NewToolBar();
    if (pBar == nullptr) {
        return nullptr;
    }
    // Titles longer than the limit are cut before they go anywhere.
    CString strTitle = FwNewToolBarDlg::CutName(CString(lpszTitle != nullptr ? lpszTitle : ""));
    if (strTitle.IsEmpty()) {
        strTitle.Format(FwLoadTextOr(20674, "ToolBar%d"), static_cast<int>(nID - 0xE81F));
    }
    if (!SetUpBar(pBar, nID, strTitle, TRUE, TRUE)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetCustomizeMode(m_bCustomizeMode);
    return pBar;
}

FwCustomToolBar* FwToolBarManager::FindToolBarInRect(LPCRECT lpRect)
{
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        if (!pBar->IsVisible()) {
            continue;
        }
        CRect rc;
        CFrameWnd* pMini = pBar->IsFloating() ? pBar->GetDockingFrame() : nullptr;
        if (pMini != nullptr && pMini->m_hWnd != nullptr) {
            pMini->GetWindowRect(&rc);
        } else {
            pBar->GetWindowRect(&rc);
        }
        CRect rcHit;
        if (rcHit.IntersectRect(&rc, lpRect)) {
            return pBar;
        }
    }
    return nullptr;
}

FwCustomToolBar* FwToolBarManager::FindToolBar(UINT nID)
{
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(bars[i]);
        if (pBar->GetDlgCtrlID() == static_cast<int>(nID)) {
            return pBar;
        }
    }
    return nullptr;
}

BOOL FwToolBarManager::SetMenuBarMenus(int nCount, ...)
{
    FwMenuBar* pMenuBar = GetFrameMenuBar();
    if (pMenuBar == nullptr || nCount <= 0) {
        return FALSE;
    }
    std::vector<UINT> ids;
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; ++i) {
        ids.push_back(va_arg(args, UINT));
    }
    va_end(args);
    FreeMenuEntries();
    m_pMenuEntries = pMenuBar->ParseMenus(static_cast<int>(ids.size()), ids.data());
    if (m_pMenuEntries == nullptr) {
        SetMenuBarButtons(0, nullptr);
        return FALSE;
    }
    std::vector<UINT> buttons;
    for (const FwMenuBarEntry* pEntry = m_pMenuEntries; pEntry->pfnCreate != nullptr; ++pEntry) {
        buttons.push_back(pEntry->nID);
    }
    SetMenuBarButtons(static_cast<int>(buttons.size()), buttons.data());
    return TRUE;
}

void FwToolBarManager::SetMenuBarButtons(int nCount, const UINT* pIDs)
{
    delete[] m_pMenuBarIDs;
    m_pMenuBarIDs = nullptr;
    m_nMenuBarIDs = 0;
    if (nCount > 0 && pIDs != nullptr) {
        m_pMenuBarIDs = new UINT[static_cast<size_t>(nCount)];
        std::copy(pIDs, pIDs + nCount, m_pMenuBarIDs);
        m_nMenuBarIDs = nCount;
    }
}

void FwToolBarManager::GetMenuBarButtons(UINT*& pIDs, int& nCount) const
{
    pIDs = m_pMenuBarIDs;
    nCount = m_nMenuBarIDs;
}

void FwToolBarManager::BeginCustomize()
{
    if (m_bCustomizing || m_pFrameWnd == nullptr || m_pFrameWnd->m_hWnd == nullptr) {
        return;
    }
    m_bCustomizing = TRUE;
    // A modal dialog disabled the frame: the bars must take the mouse while the rest waits.
    m_pFrameWnd->EnableWindow(TRUE);
    for (HWND hChild = ::GetWindow(m_pFrameWnd->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CControlBar* pBar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(hChild));
        if ((pBar != nullptr && pBar->IsDockBar()) || !::IsWindowEnabled(hChild)) {
            continue;
        }
        ::EnableWindow(hChild, FALSE);
        m_arrDisabled.Add(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hChild)));
    }
}

void FwToolBarManager::EndCustomize()
{
    if (!m_bCustomizing) {
        return;
    }
    m_bCustomizing = FALSE;
    if (m_pFrameWnd != nullptr && m_pFrameWnd->m_hWnd != nullptr) {
        m_pFrameWnd->EnableWindow(FALSE);
    }
    for (INT_PTR i = 0; i < m_arrDisabled.GetSize(); ++i) {
        HWND hWnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(m_arrDisabled[i]));
        if (::IsWindow(hWnd)) {
            ::EnableWindow(hWnd, TRUE);
        }
    }
    m_arrDisabled.RemoveAll();
}

void FwToolBarManager::SetCustomizeMode(BOOL bMode)
{
    if (bMode == m_bCustomizeMode) {
        return;
    }
    m_bCustomizeMode = bMode;
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        static_cast<FwCustomToolBar*>(bars[i])->SetCustomizeMode(bMode);
    }
}

void FwToolBarManager::GetCustomizeDialogRect(LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    if (m_pCustomizeDlg != nullptr && m_pCustomizeDlg->m_hWnd != nullptr) {
        m_pCustomizeDlg->GetWindowRect(lpRect);
    }
}

void FwToolBarManager::NotifyButtons(UINT nID, int nCode, const DWORD* pData)
{
    CPtrArray bars;
    GetToolBars(bars);
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        static_cast<FwCustomToolBar*>(bars[i])->NotifyButtons(nID, nCode, pData, FALSE);
    }
}

void FwToolBarManager::AddNotifyWindow(CWnd* pWnd)
{
    RemoveNotifyWindow(pWnd);
    m_arrNotify.Add(pWnd);
}

void FwToolBarManager::RemoveNotifyWindow(CWnd* pWnd)
{
    for (INT_PTR i = m_arrNotify.GetSize() - 1; i >= 0; --i) {
        if (m_arrNotify[i] == pWnd) {
            m_arrNotify.RemoveAt(i);
        }
    }
}

void FwToolBarManager::NotifyBars(UINT nBarID, LPARAM lCode)
{
    for (INT_PTR i = 0; i < m_arrNotify.GetSize(); ++i) {
        CWnd* pWnd = static_cast<CWnd*>(m_arrNotify[i]);
        if (pWnd != nullptr && pWnd->m_hWnd != nullptr && ::IsWindow(pWnd->m_hWnd)) {
            ::SendMessageA(pWnd->m_hWnd, GetBarNotifyMessage(), nBarID, lCode);
        }
    }
}

DWORD FwToolBarManager::GetBarTypeID(CControlBar* pBar)
{
    if (dynamic_cast<FwMenuBar*>(pBar) != nullptr) {
        return FW_BARTYPE_MENUBAR;
    }
    if (dynamic_cast<FwCustomToolBar*>(pBar) != nullptr) {
        return FW_BARTYPE_TOOLBAR;
    }
    return FwControlBarManager::GetBarTypeID(pBar);
}

FwControlBarInfoEx* FwToolBarManager::CreateBarInfo(FwControlBarInfo* pInfo)
{
    if (pInfo != nullptr && (pInfo->m_dwTypeID == FW_BARTYPE_TOOLBAR || pInfo->m_dwTypeID == FW_BARTYPE_MENUBAR)) {
        return new FwCustomToolBarInfoEx;
    }
    return FwControlBarManager::CreateBarInfo(pInfo);
}

CControlBar* FwToolBarManager::CreateBarFromInfo(FwControlBarInfo* pInfo)
{
    if (pInfo == nullptr) {
        return nullptr;
    }
    if (pInfo->m_dwTypeID == FW_BARTYPE_TOOLBAR) {
        FwCustomToolBar* pBar = NewToolBar();
        if (pBar == nullptr) {
            return nullptr;
        }
        if (!SetUpBar(pBar, pInfo->m_nBarID, nullptr, TRUE, TRUE)) {
            delete pBar;
            return nullptr;
        }
        return pBar;
    }
    if (pInfo->m_dwTypeID == FW_BARTYPE_MENUBAR) {
        FwMenuBar* pMenuBar = GetFrameMenuBar();
        if (pMenuBar == nullptr || pMenuBar->m_hWnd != nullptr ||
            !SetUpBar(pMenuBar, pInfo->m_nBarID, nullptr, FALSE, FALSE)) {
            return nullptr;
        }
        return pMenuBar;
    }
    return FwControlBarManager::CreateBarFromInfo(pInfo);
}

void FwToolBarManager::LoadState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-ToolBarManager", lpszProfileName);
    const BOOL bToolTips = static_cast<BOOL>(pApp->GetProfileInt(strSection, "ToolTips", m_bToolTips));
    const BOOL bCoolLook = static_cast<BOOL>(pApp->GetProfileInt(strSection, "CoolLook", m_bCoolLook));
    const BOOL bLarge = static_cast<BOOL>(pApp->GetProfileInt(strSection, "LargeButtons", m_bLargeButtons));
    EnableToolTips(bToolTips != 0);
    EnableCoolLook(bCoolLook != 0, FWCBS_EX_FLAT | FWCBS_EX_GRIPPER);
    EnableLargeButtons(bLarge != 0);
    RefreshToolBars();
}

void FwToolBarManager::SaveState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-ToolBarManager", lpszProfileName);
    pApp->WriteProfileInt(strSection, "ToolTips", m_bToolTips);
    pApp->WriteProfileInt(strSection, "CoolLook", m_bCoolLook);
    pApp->WriteProfileInt(strSection, "LargeButtons", m_bLargeButtons);
}

BOOL FwToolBarManager::LoadStateFromNode(FwPersistentTreeNode* pParent)
{
    FwPersistentTreeNode* pNode = pParent != nullptr ? pParent->FindChild("ToolBarMgr") : nullptr;
    if (pNode == nullptr) {
        EnableLargeButtons(FALSE);
        EnableToolTips(TRUE);
        EnableCoolLook(TRUE, FWCBS_EX_FLAT | FWCBS_EX_GRIPPER);
        RefreshToolBars();
        return FALSE;
    }
    int nToolTips = m_bToolTips;
    int nCoolLook = m_bCoolLook;
    int nLarge = m_bLargeButtons;
    pNode->GetInt("ToolTips", nToolTips, m_bToolTips);
    pNode->GetInt("CoolLook", nCoolLook, m_bCoolLook);
    pNode->GetInt("LargeButtons", nLarge, m_bLargeButtons);
    EnableToolTips(nToolTips != 0);
    EnableCoolLook(nCoolLook != 0, FWCBS_EX_FLAT | FWCBS_EX_GRIPPER);
    EnableLargeButtons(nLarge != 0);
    RefreshToolBars();
    return TRUE;
}

BOOL FwToolBarManager::SaveStateToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent)
{
    if (pOwner == nullptr || pParent == nullptr) {
        return FALSE;
    }
    FwPersistentTreeNode* pNode = pOwner->AddChild("ToolBarMgr", pParent);
    if (pNode == nullptr) {
        return FALSE;
    }
    pNode->SetInt("ToolTips", m_bToolTips, TRUE);
    pNode->SetInt("CoolLook", m_bCoolLook, TRUE);
    pNode->SetInt("LargeButtons", m_bLargeButtons, TRUE);
    return TRUE;
}
