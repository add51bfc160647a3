#include "platform/frame/FrameWnd.h"

#include "platform/base/ResMgr.h"
#include "platform/doc/Document.h"
#include "platform/doc/PreviewView.h"
#include "platform/doc/View.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/WinApp.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"

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

CFrameWnd::~CFrameWnd() = default;

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
    CCreateContext* pContext = ContextOf(lpCreateStruct);
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr && CreateView(pContext) == nullptr) {
        return -1;
    }
    return 0;
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
    FX_SIZEPARENTPARAMS params = {};
    GetClientRect(&params.rect);
    HWND hPane = nullptr;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == FX_IDW_PANE_FIRST) {
            hPane = hChild;
            continue;
        }
        ::SendMessageA(hChild, FxGetSizeParentMessage(), 0, reinterpret_cast<LPARAM>(&params));
    }
    if (hPane != nullptr) {
        const RECT& rc = params.rect;
        ::MoveWindow(hPane, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (pDoc != nullptr) {
        // A child frame shows the document's title; a top-level one "document - program".
        if ((GetStyle() & WS_CHILD) != 0) {
            SetWindowText(pDoc->GetTitle());
        } else {
            CString strTitle;
            strTitle.Format("%s - %s", static_cast<LPCSTR>(pDoc->GetTitle()), static_cast<LPCSTR>(m_strTitle));
            SetWindowText(strTitle);
        }
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
    const int nCount = ::GetMenuItemCount(hPopup);
    for (int i = 0; i < nCount; ++i) {
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
