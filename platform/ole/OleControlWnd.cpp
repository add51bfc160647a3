#include "platform/ole/OleControlWnd.h"

#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/ole/OleControlSite.h"

FX_IMPLEMENT_DYNAMIC(COleControlWnd, CWnd)

namespace
{
BOOL ClsidFromName(LPCSTR pszName, CLSID* pClsid)
{
    if (pszName == nullptr || *pszName == '\0') {
        return FALSE;
    }
    WCHAR wsz[256];
    if (MultiByteToWideChar(FX_CODEPAGE, 0, pszName, -1, wsz, 256) == 0) {
        return FALSE;
    }
    // CLSIDFromString takes both "{...}" and program identifiers.
    return SUCCEEDED(CLSIDFromString(wsz, pClsid));
}
} // namespace

// The class procedure of template-placed hosts: binds a self-deleting host object at WM_NCCREATE,
// then the suite's window procedure serves the window.
LRESULT CALLBACK FxOleHostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FxCallbackEntry("FxOleHostProc", FALSE, [&]() -> LRESULT {
        if (message == WM_NCCREATE && CWnd::FromHandlePermanent(hWnd) == nullptr) {
            COleControlWnd* pHost = new COleControlWnd;
            pHost->m_bAutoDelete = TRUE;
            if (!pHost->SubclassWindow(hWnd)) {
                delete pHost;
                return FALSE;
            }
            return FxWndProc(hWnd, message, wParam, lParam);
        }
        return DefWindowProcA(hWnd, message, wParam, lParam);
    });
}

BOOL FxEnableControlContainer()
{
    static BOOL bRegistered = FALSE;
    if (bRegistered) {
        return TRUE;
    }
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = FxOleHostProc;
    wc.hInstance = FX_MODULE_INSTANCE();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = FX_OLE_HOST_CLASS;
    bRegistered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return bRegistered;
}

COleControlWnd::COleControlWnd() : m_pSite(nullptr), m_bAutoDelete(FALSE), m_bCreatingFromCode(FALSE)
{
}

COleControlWnd::~COleControlWnd()
{
    if (m_pSite != nullptr) {
        m_driver.ReleaseDispatch();
        m_pSite->DestroyControl();
        m_pSite->Release();
        m_pSite = nullptr;
    }
}

COleControlWnd* COleControlWnd::FromHostHandle(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr && pWnd->IsKindOf(FX_RUNTIME_CLASS(COleControlWnd)) ? static_cast<COleControlWnd*>(pWnd)
                                                                               : nullptr;
}

BOOL COleControlWnd::CreateControl(REFCLSID clsid, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                                   CWnd* pParentWnd, UINT nID)
{
    FxEnableControlContainer();
    m_bCreatingFromCode = TRUE;
    const BOOL bCreated = CreateEx(0, nullptr, lpszWindowName, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                   pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
    m_bCreatingFromCode = FALSE;
    if (!bCreated) {
        return FALSE;
    }
    if (!CreateInWindow(clsid)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL COleControlWnd::CreateControl(LPCSTR pszProgID, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                                   CWnd* pParentWnd, UINT nID)
{
    CLSID clsid;
    if (!ClsidFromName(pszProgID, &clsid)) {
        return FALSE;
    }
    return CreateControl(clsid, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL COleControlWnd::CreateNamedControl(LPCSTR pszName)
{
    CLSID clsid;
    return ClsidFromName(pszName, &clsid) && CreateInWindow(clsid);
}

BOOL COleControlWnd::CreateInWindow(REFCLSID clsid)
{
    m_pSite = new COleControlSite(m_hWnd);
    if (FAILED(m_pSite->CreateControl(clsid))) {
        m_pSite->Release();
        m_pSite = nullptr;
        return FALSE;
    }
    IDispatch* pDisp = m_pSite->GetControlDispatch();
    if (pDisp != nullptr) {
        pDisp->AddRef();
        m_driver.AttachDispatch(pDisp, TRUE);
    }
    return TRUE;
}

IUnknown* COleControlWnd::GetControlUnknown() const
{
    return m_pSite != nullptr ? m_pSite->GetControlUnknown() : nullptr;
}

int COleControlWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // A template-placed host names its control in its text; one made by code gets it afterwards.
    if (!m_bCreatingFromCode && !CreateNamedControl(lpCreateStruct->lpszName)) {
        return -1;
    }
    return 0;
}

void COleControlWnd::OnDestroy()
{
    if (m_pSite != nullptr) {
        m_driver.ReleaseDispatch();
        m_pSite->DestroyControl();
        m_pSite->Release();
        m_pSite = nullptr;
    }
    CWnd::OnDestroy();
}

void COleControlWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pSite != nullptr) {
        m_pSite->MoveControl();
    }
}

void COleControlWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_pSite != nullptr) {
        m_pSite->ActivateUI();
    }
}

BOOL COleControlWnd::OnEraseBkgnd(CDC*)
{
    // The control covers the whole client area.
    return TRUE;
}

BOOL COleControlWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pSite != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HWND hWndControl = m_pSite->GetControlWindow();
        if (hWndControl != nullptr && (pMsg->hwnd == hWndControl || IsChild(hWndControl, pMsg->hwnd)) &&
            m_pSite->TranslateControlAccelerator(pMsg)) {
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void COleControlWnd::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}
