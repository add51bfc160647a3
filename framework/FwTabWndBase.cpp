#include "framework/FwTabWndBase.h"

#include "framework/FwTab.h"
#include "platform/frame/FrameWnd.h"

FX_IMPLEMENT_DYNAMIC(FwTabWndBase, CWnd)

FwTabWndBase::FwTabWndBase()
    : m_pTabControl(nullptr), m_pActiveWnd(nullptr), m_pWndInCreation(nullptr), m_pNotifyWnd(nullptr),
      m_bChangingTabs(FALSE)
{
}

FwTabWndBase::~FwTabWndBase()
{
    delete m_pTabControl;
}

BOOL FwTabWndBase::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_pNotifyWnd = pParentWnd;
    if (!CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID)) {
        return FALSE;
    }
    return CreateTabControl(0, FW_IDC_TABCONTROL);
}

HWND FwTabWndBase::CreateScrollBarCtrl(DWORD dwStyle, UINT nID)
{
    return ::CreateWindowExA(0, "SCROLLBAR", nullptr, dwStyle | WS_CHILD, 0, 0, 1, 1, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), ::GetModuleHandleA(nullptr), nullptr);
}

CWnd* FwTabWndBase::CreateChild(CRuntimeClass* pClass, CCreateContext* pContext, UINT nID)
{
    if (pClass == nullptr) {
        return nullptr;
    }
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CWnd))) {
        delete pObject;
        return nullptr;
    }
    CWnd* pWnd = static_cast<CWnd*>(pObject);
    if (nID == static_cast<UINT>(-1)) {
        nID = FW_IDC_TABCHILD_FIRST + static_cast<UINT>(m_pTabControl != nullptr ? m_pTabControl->GetTabCount() : 0);
    }
    m_pWndInCreation = pWnd;
    const BOOL bOk = pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext);
    m_pWndInCreation = nullptr;
    if (!bOk) {
        delete pWnd;
        return nullptr;
    }
    return pWnd;
}

CWnd* FwTabWndBase::InsertTab(CRuntimeClass* pClass, int nIndex, LPCSTR lpszLabel, CCreateContext* pContext, UINT nID)
{
    CWnd* pWnd = CreateChild(pClass, pContext, nID);
    if (pWnd != nullptr) {
        InsertTab(pWnd, nIndex, lpszLabel);
    }
    return pWnd;
}

BOOL FwTabWndBase::InsertTab(CWnd* pWnd, int nIndex, LPCSTR lpszLabel)
{
    if (m_pTabControl == nullptr || m_pTabControl->InsertTab(nIndex, lpszLabel, pWnd) == nullptr) {
        return FALSE;
    }
    SetTabScrollStyle(nIndex, 0);
    return TRUE;
}

CWnd* FwTabWndBase::AddTab(CRuntimeClass* pClass, LPCSTR lpszLabel, CCreateContext* pContext, UINT nID)
{
    CWnd* pWnd = CreateChild(pClass, pContext, nID);
    if (pWnd != nullptr) {
        AddTab(pWnd, lpszLabel);
    }
    return pWnd;
}

BOOL FwTabWndBase::AddTab(CWnd* pWnd, LPCSTR lpszLabel)
{
    if (m_pTabControl == nullptr || m_pTabControl->AddTab(lpszLabel, pWnd) == nullptr) {
        return FALSE;
    }
    SetTabScrollStyle(m_pTabControl->GetTabCount() - 1, 0);
    return TRUE;
}

void FwTabWndBase::SetTabAttribute1(int a, int b, int c, int d)
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->SetTabAttribute1(a, b, c, d);
    }
}

void FwTabWndBase::SetTabAttribute2(int a, int b, int c, int d)
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->SetTabAttribute2(a, b, c, d);
    }
}

void FwTabWndBase::SetTabAttribute3(int a, int b)
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->SetTabAttribute3(a, b);
    }
}

void FwTabWndBase::RemoveTab(int nIndex)
{
    FwTab* pTab = m_pTabControl != nullptr ? m_pTabControl->GetTab(nIndex) : nullptr;
    if (pTab == nullptr) {
        return;
    }
    if (pTab->m_pWnd == m_pActiveWnd) {
        m_pActiveWnd = nullptr;
    }
    m_bChangingTabs = TRUE;
    m_pTabControl->DeleteTab(nIndex);
    m_bChangingTabs = FALSE;
}

void FwTabWndBase::RemoveTab(CWnd* pWnd)
{
    int nIndex = 0;
    if (m_pTabControl != nullptr && m_pTabControl->FindTab(pWnd, nIndex)) {
        RemoveTab(nIndex);
    }
}

void FwTabWndBase::RenameTab(int nIndex, LPCSTR lpszLabel)
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->RenameTab(nIndex, lpszLabel);
    }
}

void FwTabWndBase::RenameTab(CWnd* pWnd, LPCSTR lpszLabel)
{
    int nIndex = 0;
    if (m_pTabControl != nullptr && m_pTabControl->FindTab(pWnd, nIndex)) {
        m_pTabControl->RenameTab(nIndex, lpszLabel);
    }
}

void FwTabWndBase::ActivateTab(int nIndex)
{
    FwTab* pTab = m_pTabControl != nullptr ? m_pTabControl->GetTab(nIndex) : nullptr;
    if (pTab != nullptr) {
        ActivateTab(pTab->m_pWnd, nIndex);
    }
}

void FwTabWndBase::ActivateTab(CWnd* pWnd)
{
    int nIndex = 0;
    if (m_pTabControl != nullptr && m_pTabControl->FindTab(pWnd, nIndex)) {
        ActivateTab(pWnd, nIndex);
    }
}

void FwTabWndBase::ActivateTab(CWnd* pWnd, int nIndex)
{
    if (pWnd == m_pActiveWnd) {
        return;
    }
    if (m_pTabControl != nullptr && (!m_pTabControl->HasActiveTab() || m_pTabControl->GetActiveIndex() != nIndex)) {
        m_bChangingTabs = TRUE;
        m_pTabControl->ActivateTab(nIndex);
        m_bChangingTabs = FALSE;
    }
    if (m_pActiveWnd != nullptr && m_pActiveWnd->m_hWnd != nullptr) {
        m_pActiveWnd->ShowWindow(SW_HIDE);
    }
    m_pActiveWnd = pWnd;
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr) {
        pWnd->ShowWindow(SW_SHOW);
        if (::IsWindowVisible(m_hWnd)) {
            SetFocus();
            pWnd->SetFocus();
        }
    }
    RecalcLayout();
    Invalidate();
}

void FwTabWndBase::ClearSelection()
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->ClearSelection();
    }
}

void FwTabWndBase::ScrollToTab(int nIndex)
{
    if (m_pTabControl != nullptr) {
        m_pTabControl->ScrollToTab(nIndex);
    }
}

void FwTabWndBase::ScrollToTab(CWnd* pWnd)
{
    int nIndex = 0;
    if (m_pTabControl != nullptr && m_pTabControl->FindTab(pWnd, nIndex)) {
        m_pTabControl->ScrollToTab(nIndex);
    }
}

void FwTabWndBase::SetFocusToActive()
{
    if (m_pTabControl == nullptr || !m_pTabControl->HasActiveTab()) {
        return;
    }
    FwTab* pTab = m_pTabControl->GetTab(m_pTabControl->GetActiveIndex());
    if (pTab != nullptr && pTab->m_pWnd != nullptr && pTab->m_pWnd->m_hWnd != nullptr) {
        SetFocus();
        pTab->m_pWnd->SetFocus();
        m_pActiveWnd = pTab->m_pWnd;
    }
}

CWnd* FwTabWndBase::GetNotifyWnd() const
{
    return m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetParent();
}

void FwTabWndBase::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
}

void FwTabWndBase::OnDestroy()
{
    if (m_pTabControl != nullptr) {
        if (m_pTabControl->m_hWnd != nullptr) {
            m_pTabControl->DestroyWindow();
        }
        delete m_pTabControl;
        m_pTabControl = nullptr;
    }
    CWnd::OnDestroy();
}

LRESULT FwTabWndBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_FWTAB_ACTIVATED:
        if (!m_bChangingTabs) {
            ActivateTab(static_cast<int>(wParam));
        }
        return 0;
    case WM_FWTAB_ACTIVECLICKED:
        SetFocusToActive();
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
