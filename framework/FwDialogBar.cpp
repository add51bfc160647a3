#include "framework/FwDialogBar.h"

#include "framework/FwControlBarInfo.h"
#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/FrameWnd.h"
#include "platform/ole/OleControlWnd.h"
#include "platform/win/CmdUI.h"

FX_IMPLEMENT_DYNCREATE(FwDialogBar, FwControlBar)

// The dialog manager's procedure for the bar: binds the window to its object when the dialog
// initialises; everything after that reaches the object through the subclassed window.
INT_PTR CALLBACK FwDialogBarProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    // FALSE either way: the bar sets no focus of its own.
    return FxCallbackEntry("FwDialogBarProc", FALSE, [&]() -> INT_PTR {
        FwDialogBar* pBar = reinterpret_cast<FwDialogBar*>(lParam);
        if (pBar != nullptr && pBar->m_hWnd == nullptr) {
            pBar->SubclassWindow(hWnd);
        }
        return FALSE;
    });
}

FwDialogBar::FwDialogBar() : m_nIDTemplate(0)
{
}

FwDialogBar::~FwDialogBar()
{
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
}

BOOL FwDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    m_nIDTemplate = nIDTemplate;
    const BOOL bOk = Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), dwStyle, dwExStyle, nID);
    return bOk;
}

BOOL FwDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    if (pParentWnd == nullptr || lpszTemplateName == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDTemplate = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    } else {
        m_strTemplateName = lpszTemplateName;
    }
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExStyle;
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszTemplateName, MAKEINTRESOURCEA(5));
    HRSRC hRes = hInst != nullptr ? ::FindResourceA(hInst, lpszTemplateName, MAKEINTRESOURCEA(5)) : nullptr;
    HGLOBAL hTemplate = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    const DLGTEMPLATE* pTemplate =
        hTemplate != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr) {
        return FALSE;
    }
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, pTemplate, pParentWnd->m_hWnd, FwDialogBarProc,
                                             reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr || m_hWnd != hWnd) {
        if (hWnd != nullptr) {
            ::DestroyWindow(hWnd);
        }
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    CRect rc;
    GetWindowRect(&rc);
    m_szHorz = rc.Size();
    m_szVert = rc.Size();
    m_szFloat = rc.Size();
    LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_CAPTION)) | WS_CLIPSIBLINGS | WS_CHILD;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    // Made by the dialog manager, the bar missed WM_CREATE: it joins its frame here.
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (m_pDockSite == nullptr && pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
        m_pDockSite->AddControlBar(this);
    }
    RecordChildLayout();
    ::ShowWindow(m_hWnd, (dwStyle & WS_VISIBLE) != 0 ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

void FwDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // Each control with an id asks the frame's routing for its state, as a menu item would.
    CCmdUI state;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const int nID = ::GetDlgCtrlID(hChild);
        if (nID <= 0 || nID == 0xFFFF) {
            continue;
        }
        state.m_nID = static_cast<UINT>(nID);
        state.m_pOther = CWnd::FromHandle(hChild);
        // Only a push button stands for a command: an edit, a list or an OLE control without a
        // handler stays usable.
        const LRESULT nCode = ::SendMessageA(hChild, WM_GETDLGCODE, 0, 0);
        const BOOL bPushButton = (nCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        state.DoUpdate(pTarget, bDisableIfNoHndler && bPushButton);
    }
}

void FwDialogBar::FillBarInfo(FwControlBarInfo* pInfo)
{
    if (pInfo == nullptr) {
        return;
    }
    // A template named by text has no number to store: 0, and the bar is not made again.
    pInfo->m_nResourceID = m_nIDTemplate;
    FwControlBar::FillBarInfo(pInfo);
}

COleControlWnd* FwDialogBar::GetOleControl(UINT nID) const
{
    return m_hWnd != nullptr ? COleControlWnd::FromHostHandle(::GetDlgItem(m_hWnd, static_cast<int>(nID))) : nullptr;
}
