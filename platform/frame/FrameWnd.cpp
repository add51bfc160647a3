#include "platform/frame/FrameWnd.h"

#include "platform/base/FxResMgr.h"
#include "platform/doc/Document.h"
#include "platform/doc/PreviewView.h"
#include "platform/doc/View.h"
#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/DockState.h"
#include "platform/frame/MiniDockFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"

#include <algorithm>
#include <vector>

#include <commctrl.h>

namespace
{
HINSTANCE ModuleOf(UINT nID, WORD nType)
{
    return CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(nType));
}

} // namespace

UINT FxGetSizeParentMessage()
{
    static const UINT nMsg = RegisterWindowMessageA("VornFxSizeParent");
    return nMsg;
}

CFrameWnd* FxGetParentFrame(const CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) {
        return nullptr;
    }
    for (HWND hWnd = ::GetParent(pWnd->m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pParent = CWnd::FromHandlePermanent(hWnd);
        if (pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
            return static_cast<CFrameWnd*>(pParent);
        }
    }
    return nullptr;
}

FX_IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

CFrameWnd::CFrameWnd()
    : m_strIdleMessage("就绪"), m_hAccelTable(nullptr), m_bAutoMenuEnable(TRUE), m_pViewActive(nullptr),
      m_hMenuDefault(nullptr), m_nCmdDepth(0), m_bClosePending(FALSE), m_bDeletePending(FALSE), m_nModalCount(0),
      m_nIDResource(0), m_hIcon(nullptr)
{
}

CFrameWnd::~CFrameWnd()
{
    // Bars that outlive the frame (members of a derived frame go first) must not call back.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        pBar->m_pDockSite = nullptr;
        if (pBar->m_pDockContext != nullptr) {
            pBar->m_pDockContext->m_pDockSite = nullptr;
        }
    }
    m_listControlBars.RemoveAll();
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource)) {
        const int nEnd = strFull.Find('\n');
        m_strTitle = nEnd >= 0 ? strFull.Left(nEnd) : strFull;
    }
    HMENU hMenu = nullptr;
    if (HINSTANCE hInst = ModuleOf(nIDResource, 4)) { // RT_MENU
        hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    }
    if (HINSTANCE hInst = ModuleOf(nIDResource, 9)) { // RT_ACCELERATOR
        m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    }
    if (HINSTANCE hInst = ModuleOf(nIDResource, 14)) { // RT_GROUP_ICON
        m_hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    }
    // A child frame's menu travels separately (MDI swaps it in); only a top-level frame shows it.
    const BOOL bChild = (dwDefaultStyle & WS_CHILD) != 0;
    if (!CreateFrame(dwDefaultStyle, pParentWnd, bChild ? nullptr : hMenu, pContext)) {
        if (hMenu != nullptr) {
            ::DestroyMenu(hMenu);
        }
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    if (m_hIcon != nullptr) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    }
    return TRUE;
}

BOOL CFrameWnd::CreateFrame(DWORD dwStyle, CWnd* pParentWnd, HMENU hMenu, CCreateContext* pContext)
{
    return CreateEx(0, nullptr, m_strTitle, dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, hMenu, pContext);
}

CCreateContext* CFrameWnd::ContextOf(LPCREATESTRUCT lpcs) const
{
    return lpcs != nullptr ? static_cast<CCreateContext*>(lpcs->lpCreateParams) : nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    return OnCreateClient(lpCreateStruct, ContextOf(lpCreateStruct)) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return pContext == nullptr || pContext->m_pNewViewClass == nullptr || CreateView(pContext) != nullptr;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) {
        return nullptr;
    }
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CView))) {
        delete pObject;
        return nullptr;
    }
    CView* pView = static_cast<CView*>(pObject);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext)) {
        // No window, so no PostNcDestroy to free it.
        delete pView;
        return nullptr;
    }
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    // A bar's layout may resize the frame (a floating frame snaps to its bars): no recursion.
    if (m_bInRecalcLayout || m_hWnd == nullptr) {
        return;
    }
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, FX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::ShowDocumentTitle(LPCSTR lpszDocTitle)
{
    if (m_hWnd == nullptr) {
        return;
    }
    if ((GetStyle() & WS_CHILD) != 0) {
        SetWindowText(lpszDocTitle);
    } else {
        CString strTitle;
        strTitle.Format("%s - %s", lpszDocTitle, static_cast<LPCSTR>(m_strTitle));
        SetWindowText(strTitle);
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (pDoc != nullptr) {
        ShowDocumentTitle(pDoc->GetTitle());
        pDoc->SendInitialUpdate();
    }
    if (m_pViewActive == nullptr) {
        if (CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, FX_IDW_PANE_FIRST))) {
            if (pPane->IsKindOf(FX_RUNTIME_CLASS(CView))) {
                SetActiveView(static_cast<CView*>(pPane));
            }
        }
    }
    RecalcLayout();
    if (bMakeVisible) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) {
        return;
    }
    m_pViewActive = nullptr;
    if (bNotify && pViewOld != nullptr) {
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    }
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr) {
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
    }
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    if (HWND hBar = ::GetDlgItem(m_hWnd, FX_IDW_STATUS_BAR)) {
        ::SetWindowTextA(hBar, lpszText != nullptr ? lpszText : "");
    }
}

void CFrameWnd::BeginModalState()
{
    if (m_nModalCount++ == 0) {
        EnableWindow(FALSE);
    }
}

void CFrameWnd::EndModalState()
{
    if (m_nModalCount > 0 && --m_nModalCount == 0) {
        EnableWindow(TRUE);
    }
}

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (pState == nullptr) {
        return;
    }
    if (bPreview) {
        pState->pViewActiveOld = m_pViewActive;
        pState->hiddenWnds.RemoveAll();
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            if (::GetDlgCtrlID(hChild) == FX_IDW_PANE_FIRST) {
                pState->hWndPane = hChild;
                ::SetWindowLongPtrA(hChild, GWLP_ID, FX_IDW_PANE_SAVE);
            }
            if (::IsWindowVisible(hChild)) {
                pState->hiddenWnds.Add(hChild);
                ::ShowWindow(hChild, SW_HIDE);
            }
        }
        return;
    }
    if (pState->hWndPane != nullptr && ::IsWindow(pState->hWndPane)) {
        ::SetWindowLongPtrA(pState->hWndPane, GWLP_ID, FX_IDW_PANE_FIRST);
    }
    for (INT_PTR i = 0; i < pState->hiddenWnds.GetSize(); ++i) {
        HWND hWnd = static_cast<HWND>(pState->hiddenWnds[i]);
        if (::IsWindow(hWnd)) {
            ::ShowWindow(hWnd, SW_SHOWNA);
        }
    }
    pState->hiddenWnds.RemoveAll();
    RecalcLayout();
    SetActiveView(pState->pViewActiveOld);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // A handler may close or destroy this frame: a close waits, a delete is put off until the
    // command has left.
    ++m_nCmdDepth;
    const BOOL bHandled = RouteCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (--m_nCmdDepth == 0) {
        if (m_bDeletePending) {
            delete this;
        } else if (m_bClosePending) {
            m_bClosePending = FALSE;
            PostMessage(WM_CLOSE);
        }
    }
    return bHandled;
}

BOOL CFrameWnd::RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // View (and behind it the document and its template), then the frame, then the application:
    // the first that has a handler takes the command.
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    CWinApp* pApp = FxGetApp();
    return RoutesToApp() && pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg) != 0;
    }
    return FALSE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == FxGetIdleUpdateMessage()) {
        OnIdleUpdateCmdUI();
        return 0;
    }
    LRESULT lBarResult = 0;
    if (OnBarMessage(message, wParam, lParam, &lBarResult)) {
        return lBarResult;
    }
    switch (message) {
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) == 0) {
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        }
        break;
    case WM_MENUSELECT: {
        // The prompt of a command is its string up to '\n'.
        const UINT nID = LOWORD(wParam);
        CString strPrompt;
        if ((HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)) == 0 && nID != 0 && strPrompt.LoadString(nID)) {
            const int nEnd = strPrompt.Find('\n');
            SetMessageText(nEnd >= 0 ? static_cast<LPCSTR>(strPrompt.Left(nEnd)) : static_cast<LPCSTR>(strPrompt));
        }
        break;
    }
    case WM_EXITMENULOOP:
        SetMessageText(m_strIdleMessage);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopup)
{
    CCmdUI state;
    state.m_pMenu = CMenu::FromHandle(hPopup);
    // The count is read again each time: an update may insert items (a list of recent files).
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i) {
        const UINT nID = ::GetMenuItemID(hPopup, i);
        // Separators, popups, the MDI window list and system commands keep their state.
        if (nID == 0 || nID == static_cast<UINT>(-1) || nID >= FX_IDM_FIRST_MDICHILD) {
            continue;
        }
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = nID;
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    // Delayed layout and show of this frame, then the floating frames of its bars, which are
    // not among its children.
    if ((m_nIdleFlags & idleLayout) != 0) {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    }
    if (m_nShowDelay >= 0) {
        const int nShow = m_nShowDelay;
        m_nShowDelay = -1;
        ShowWindow(nShow);
    }
    std::vector<HWND> floating;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating && pBar->m_hWnd != nullptr) {
            floating.push_back(::GetParent(pBar->m_hWnd));
        }
    }
    for (HWND hFrame : floating) {
        if (::IsWindow(hFrame) && hFrame != m_hWnd) {
            ::SendMessageA(hFrame, FxGetIdleUpdateMessage(), static_cast<WPARAM>(m_bAutoMenuEnable), 0);
        }
    }
}

void CFrameWnd::OnClose()
{
    // A command handler of ours is still running (a view may be inside it): close afterwards.
    if (m_nCmdDepth > 0) {
        m_bClosePending = TRUE;
        return;
    }
    // A print preview stands in for the view and has no document: leave it first, so the document
    // is asked about its changes as on any close.
    CView* pActive = GetActiveView();
    if (pActive != nullptr && pActive->IsKindOf(FX_RUNTIME_CLASS(CPreviewView))) {
        static_cast<CPreviewView*>(pActive)->OnPreviewClose();
    }
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && !pDoc->CanCloseFrame(this)) {
        return;
    }
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this && !pApp->SaveAllModified()) {
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED) {
        RecalcLayout();
    }
}

void CFrameWnd::OnDestroy()
{
    m_pViewActive = nullptr;
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    // Frames are made with new and go with their window.
    if (m_nCmdDepth > 0) {
        m_bDeletePending = TRUE;
        return;
    }
    delete this;
}

// Control bars and docking.

namespace
{
struct DockBarDef
{
    UINT nID;
    DWORD dwStyle;
};
// Top and bottom first: they span the whole width, the side dock bars fit between them.
const DockBarDef dockBarDefs[4] = {
    {FX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {FX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {FX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {FX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

// The text after the first '\n' of a command's string: its tool tip.
CString ToolTipOf(UINT nID)
{
    CString strFull;
    if (nID == 0 || !strFull.LoadString(nID)) {
        return CString();
    }
    const int nEnd = strFull.Find('\n');
    return nEnd >= 0 ? strFull.Mid(nEnd + 1) : strFull;
}
} // namespace

BOOL CFrameWnd::OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_SETMESSAGESTRING) {
        if (lParam != 0) {
            SetMessageText(reinterpret_cast<LPCSTR>(lParam));
        } else {
            CString strPrompt;
            if (wParam != 0 && strPrompt.LoadString(static_cast<UINT>(wParam))) {
                const int nEnd = strPrompt.Find('\n');
                SetMessageText(nEnd >= 0 ? static_cast<LPCSTR>(strPrompt.Left(nEnd)) : static_cast<LPCSTR>(strPrompt));
            } else {
                SetMessageText(m_strIdleMessage);
            }
        }
        *pResult = 0;
        return TRUE;
    }
    if (message != WM_NOTIFY || lParam == 0) {
        return FALSE;
    }
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr->code != TTN_GETDISPINFOA && pHdr->code != TTN_GETDISPINFOW) {
        return FALSE;
    }
    // Tool tips of bar buttons: the id is the command.
    UINT_PTR nID = pHdr->idFrom;
    if (pHdr->code == TTN_GETDISPINFOA) {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pHdr);
        if ((pInfo->uFlags & TTF_IDISHWND) != 0) {
            nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
        }
        const CString strTip = ToolTipOf(static_cast<UINT>(nID));
        // Cut on a character boundary: a GBK pair is never split.
        int nLen = 0;
        const int nMax = static_cast<int>(sizeof(pInfo->szText)) - 1;
        LPCSTR psz = strTip;
        while (psz[nLen] != '\0') {
            const int nStep = ::IsDBCSLeadByteEx(936, static_cast<BYTE>(psz[nLen])) && psz[nLen + 1] != '\0' ? 2 : 1;
            if (nLen + nStep > nMax) {
                break;
            }
            nLen += nStep;
        }
        memcpy(pInfo->szText, psz, static_cast<size_t>(nLen));
        pInfo->szText[nLen] = '\0';
        pInfo->lpszText = pInfo->szText;
    } else {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pHdr);
        if ((pInfo->uFlags & TTF_IDISHWND) != 0) {
            nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
        }
        const CString strTip = ToolTipOf(static_cast<UINT>(nID));
        const int nMax = static_cast<int>(sizeof(pInfo->szText) / sizeof(WCHAR)) - 1;
        const int n = ::MultiByteToWideChar(936, 0, strTip, strTip.GetLength(), pInfo->szText, nMax);
        pInfo->szText[std::max(n, 0)] = L'\0';
        pInfo->lpszText = pInfo->szText;
    }
    *pResult = 0;
    return TRUE;
}

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                               LPCRECT lpRectClient, BOOL bStretch)
{
    FX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr) {
        layout.rect = *lpRectClient;
    } else {
        GetClientRect(&layout.rect);
    }
    const BOOL bQuery = (nFlags & reposQuery) != 0;
    if (!bQuery) {
        layout.hDWP = ::BeginDeferWindowPos(8);
    }
    // Children in z-order: the first made is laid first, along the outermost strip.
    HWND hLeftOver = nullptr;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (nID == nIDLeftOver) {
            hLeftOver = hChild;
        } else if (nID >= nIDFirst && nID <= nIDLast) {
            ::SendMessageA(hChild, FxGetSizeParentMessage(), 0, reinterpret_cast<LPARAM>(&layout));
        }
    }
    if (bQuery) {
        if (lpRectParam != nullptr) {
            if (bStretch) {
                *lpRectParam = layout.rect;
            } else {
                lpRectParam->left = 0;
                lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }
    if ((nFlags & reposExtra) != 0 && lpRectParam != nullptr) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hLeftOver != nullptr) {
        FxRepositionWindow(&layout, hLeftOver, &layout.rect);
    }
    if (layout.hDWP != nullptr) {
        ::EndDeferWindowPos(layout.hDWP);
    }
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (m_pFloatingFrameClass == nullptr) {
        m_pFloatingFrameClass = FX_RUNTIME_CLASS(CMiniDockFrameWnd);
    }
    for (const DockBarDef& def : dockBarDefs) {
        if ((dwDockStyle & def.dwStyle & CBRS_ALIGN_ANY) == 0 || GetControlBar(def.nID) != nullptr) {
            continue;
        }
        CreateDockBar(def.nID, def.dwStyle);
    }
}

CDockBar* CFrameWnd::CreateDockBar(UINT nID, DWORD dwSideStyle)
{
    CDockBar* pDockBar = new CDockBar(FALSE);
    pDockBar->m_bAutoDelete = TRUE;
    if (!pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwSideStyle, nID)) {
        delete pDockBar;
        return nullptr;
    }
    return pDockBar;
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) {
            return pBar;
        }
    }
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (pBar != nullptr && m_listControlBars.Find(pBar) == nullptr) {
        m_listControlBars.AddTail(pBar);
    }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar)) {
        m_listControlBars.RemoveAt(pos);
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nullptr;
    if (nDockBarID != 0) {
        CControlBar* pFound = GetControlBar(nDockBarID);
        if (pFound == nullptr || !pFound->IsDockBar()) {
            return;
        }
        pDockBar = static_cast<CDockBar*>(pFound);
    }
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    if (pDockBar == nullptr) {
        // The dock bar of the bar's own alignment, else the first side it may dock to.
        for (const DockBarDef& def : dockBarDefs) {
            if ((def.dwStyle & CBRS_ALIGN_ANY) == (pBar->m_dwStyle & CBRS_ALIGN_ANY)) {
                pDockBar = static_cast<CDockBar*>(GetControlBar(def.nID));
                break;
            }
        }
        for (int i = 0; pDockBar == nullptr && i < 4; ++i) {
            if ((dockBarDefs[i].dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY) != 0) {
                pDockBar = static_cast<CDockBar*>(GetControlBar(dockBarDefs[i].nID));
            }
        }
    }
    if (pDockBar == nullptr) {
        return;
    }
    pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    if (pDockBar == nullptr) {
        // The side dock bar that kept the bar's place.
        const void* pPlace = reinterpret_cast<void*>(static_cast<UINT_PTR>(LOWORD(pBar->GetDlgCtrlID())));
        for (const DockBarDef& def : dockBarDefs) {
            CControlBar* pFound = GetControlBar(def.nID);
            if (pFound != nullptr && static_cast<CDockBar*>(pFound)->FindBar(pPlace) >= 0) {
                pDockBar = static_cast<CDockBar*>(pFound);
                break;
            }
        }
    }
    if (pDockBar == nullptr) {
        DockControlBar(pBar, static_cast<CDockBar*>(nullptr), lpRect);
        return;
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : FX_RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    CMiniDockFrameWnd* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
    if (!pFrame->Create(this, dwStyle)) {
        // A window made goes with its object; one never made leaves the object to us.
        if (pFrame->m_hWnd != nullptr) {
            pFrame->DestroyWindow();
        } else {
            delete pFrame;
        }
        return nullptr;
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    // Alone in a floating frame of the same kind already: only the frame moves.
    if (pBar->IsFloating() && pBar->m_pDockBar->GetDockedCount() == 1 &&
        (pBar->m_pDockBar->m_dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) ==
            (dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI))) {
        ::SetWindowPos(::GetParent(pBar->m_pDockBar->m_hWnd), nullptr, point.x, point.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // A dynamic bar floats horizontally and lays itself out to the width it is given.
    if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if ((dwStyle & CBRS_ORIENT_VERT) != 0) {
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
        }
    }
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle);
    if (pFrame == nullptr) {
        return;
    }
    ::SetWindowPos(pFrame->m_hWnd, nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetDockBar()->DockControlBar(pBar);
    pFrame->RecalcLayout();
    if ((pBar->GetStyle() & WS_VISIBLE) != 0) {
        pFrame->ShowWindow(SW_SHOWNA);
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (pParentFrame == nullptr) {
        pParentFrame = this;
    }
    if (bDelay) {
        pBar->DelayShow(bShow);
        pParentFrame->DelayRecalcLayout();
    } else {
        pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
        ::SetWindowPos(pBar->m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        if (bShow || !pBar->IsFloating()) {
            pParentFrame->RecalcLayout();
        }
    }
    if (pBar->IsFloating()) {
        // The floating frame shows with its first visible bar and hides with its last.
        const int nVisible = pBar->m_pDockBar->GetDockedVisibleCount();
        int nShow = -1;
        if (nVisible == 1 && bShow) {
            nShow = SW_SHOWNA;
        } else if (nVisible == 0) {
            nShow = SW_HIDE;
        }
        if (nShow >= 0) {
            if (bDelay) {
                pParentFrame->m_nShowDelay = nShow;
                pParentFrame->DelayRecalcLayout();
            } else {
                pParentFrame->ShowWindow(nShow);
            }
        }
    }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar) const
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!pBar->IsDockBar() || static_cast<CDockBar*>(pBar)->m_bFloating || pBar->m_hWnd == nullptr) {
            continue;
        }
        const DWORD dwSide = pBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY;
        if (dwSide == 0) {
            continue;
        }
        // An empty dock bar is a line along the frame's edge: a rectangle touching it docks.
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        if (rcBar.Width() == 0) {
            rcBar.right++;
        }
        if (rcBar.Height() == 0) {
            rcBar.bottom++;
        }
        CRect rcHit;
        if (rcHit.IntersectRect(&rcBar, &rect)) {
            if (ppDockBar != nullptr) {
                *ppDockBar = static_cast<CDockBar*>(pBar);
            }
            return dwSide;
        }
    }
    return 0;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= bNotify ? (idleLayout | idleNotify) : static_cast<UINT>(idleLayout);
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd == nullptr) {
            continue;
        }
        CControlBarInfo* pInfo = new CControlBarInfo;
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(CDockState& state)
{
    const INT_PTR nCount = state.m_arrBarInfo.GetSize();
    // First the bars: floating records get a new floating frame; a record whose bar this frame
    // does not have is left out.
    for (INT_PTR i = 0; i < nCount; ++i) {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_bFloating) {
            if (!pInfo->m_bDockBar) {
                continue;
            }
            CMiniDockFrameWnd* pFrame = CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            if (pFrame == nullptr) {
                continue;
            }
            ::SetWindowPos(pFrame->m_hWnd, nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pInfo->m_pBar = pFrame->GetDockBar();
        } else {
            pInfo->m_pBar = GetControlBar(pInfo->m_nBarID);
            if (pInfo->m_pBar != nullptr && pInfo->m_pBar->IsDockBar() != pInfo->m_bDockBar) {
                pInfo->m_pBar = nullptr;
            }
        }
        if (pInfo->m_pBar != nullptr) {
            pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
        }
    }
    // Dock bars take their bars first, so each bar's place is set in its new dock bar.
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
            if (pInfo->m_pBar != nullptr && pInfo->m_bDockBar == (nPass == 0)) {
                pInfo->m_pBar->SetBarInfo(pInfo, this);
            }
        }
    }
    // Floating frames: shown when a bar in them shows, gone when none was restored into them.
    for (INT_PTR i = 0; i < nCount; ++i) {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (!pInfo->m_bFloating || pInfo->m_pBar == nullptr) {
            continue;
        }
        CDockBar* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
        CWnd* pFrame = CWnd::FromHandlePermanent(::GetParent(pDockBar->m_hWnd));
        pInfo->m_pBar = nullptr;
        if (pFrame == nullptr || !pFrame->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd))) {
            continue;
        }
        if (pDockBar->GetDockedCount() == 0) {
            pFrame->DestroyWindow();
        } else if (pDockBar->GetDockedVisibleCount() > 0) {
            static_cast<CMiniDockFrameWnd*>(pFrame)->RecalcLayout();
            pFrame->ShowWindow(SW_SHOWNA);
        }
    }
    RecalcLayout();
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
