#include "framework/FwTabControlBase.h"

#include <algorithm>

#include "framework/Fw3DTab.h"

FX_IMPLEMENT_DYNAMIC(FwTabControlBase, CWnd)

FwTabControlBase::FwTabControlBase() : m_pTabs(nullptr), m_nActive(0), m_bHasActive(FALSE), m_hCursor(nullptr)
{
}

FwTabControlBase::~FwTabControlBase()
{
    DeleteRecords();
}

BOOL FwTabControlBase::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The plain window class takes double clicks.
    if (!CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID)) {
        return FALSE;
    }
    if (m_pTabs == nullptr) {
        m_pTabs = new CPtrArray;
    }
    m_hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    Initialise(dwStyle);
    return TRUE;
}

void FwTabControlBase::DeleteRecords()
{
    if (m_pTabs == nullptr) {
        return;
    }
    for (INT_PTR i = 0; i < m_pTabs->GetSize(); ++i) {
        delete static_cast<FwTab*>(m_pTabs->GetAt(i));
    }
    delete m_pTabs;
    m_pTabs = nullptr;
}

FwTab* FwTabControlBase::GetTab(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetTabCount()) {
        return nullptr;
    }
    return static_cast<FwTab*>(m_pTabs->GetAt(nIndex));
}

void FwTabControlBase::NotifyParent(UINT message, WPARAM wParam)
{
    if (m_hWnd != nullptr) {
        if (HWND hParent = ::GetParent(m_hWnd)) {
            ::SendMessageA(hParent, message, wParam, 0);
        }
    }
}

void FwTabControlBase::RepaintFrom(int nFrom)
{
    for (int i = std::max(nFrom, 0); i < GetTabCount(); ++i) {
        RepaintTab(i);
    }
}

FwTab* FwTabControlBase::InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1, DWORD dwExtra2)
{
    if (m_pTabs == nullptr) {
        return nullptr;
    }
    nIndex = std::clamp(nIndex, 0, GetTabCount());
    FwTab* pTab = CreateTabRecord();
    m_pTabs->InsertAt(nIndex, pTab);
    pTab->m_strLabel = lpszLabel != nullptr ? lpszLabel : "";
    pTab->m_bSelected = FALSE;
    pTab->m_pWnd = pWnd;
    pTab->m_dwExtra1 = dwExtra1;
    pTab->m_dwExtra2 = dwExtra2;
    // The active tab stays the same tab when one is inserted before it.
    if (m_bHasActive && nIndex <= m_nActive && GetTabCount() > 1) {
        ++m_nActive;
    }
    return pTab;
}

FwTab* FwTabControlBase::AddTab(LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1, DWORD dwExtra2)
{
    FwTab* pTab = InsertTab(GetTabCount(), lpszLabel, pWnd, dwExtra1, dwExtra2);
    RecalcTabWidths();
    RepaintTab(GetTabCount() - 1);
    return pTab;
}

void FwTabControlBase::DeleteTab(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetTabCount()) {
        return;
    }
    RepaintFrom(nIndex);
    delete GetTab(nIndex);
    m_pTabs->RemoveAt(nIndex);
    if (m_bHasActive) {
        if (GetTabCount() == 0) {
            m_bHasActive = FALSE;
            m_nActive = 0;
        } else if (nIndex < m_nActive) {
            --m_nActive;
        } else if (m_nActive >= GetTabCount()) {
            m_bHasActive = FALSE;
            ActivateTab(GetTabCount() - 1);
        } else if (nIndex == m_nActive) {
            m_bHasActive = FALSE;
            ActivateTab(nIndex);
        }
    }
    RepaintFrom(nIndex);
    RecalcTabWidths();
}

void FwTabControlBase::RenameTab(int nIndex, LPCSTR lpszLabel)
{
    FwTab* pTab = GetTab(nIndex);
    if (pTab == nullptr) {
        return;
    }
    RepaintFrom(nIndex);
    pTab->m_strLabel = lpszLabel != nullptr ? lpszLabel : "";
    RecalcTabWidths();
    RepaintFrom(nIndex);
}

void FwTabControlBase::ActivateTab(int nIndex)
{
    FwTab* pTab = GetTab(nIndex);
    if (pTab == nullptr || (m_bHasActive && m_nActive == nIndex)) {
        return;
    }
    if (FwTab* pOld = m_bHasActive ? GetTab(m_nActive) : nullptr) {
        pOld->m_bSelected = FALSE;
        RepaintTab(m_nActive);
    }
    m_nActive = nIndex;
    m_bHasActive = TRUE;
    pTab->m_bSelected = TRUE;
    OnTabActivated(nIndex);
    RepaintTab(nIndex);
    ScrollToTab(nIndex);
    NotifyParent(WM_FWTAB_ACTIVATED, static_cast<WPARAM>(nIndex));
}

void FwTabControlBase::ActiveTabClicked()
{
    NotifyParent(WM_FWTAB_ACTIVECLICKED, static_cast<WPARAM>(m_nActive));
}

void FwTabControlBase::SelectTab(int nIndex)
{
    FwTab* pTab = GetTab(nIndex);
    if (pTab == nullptr) {
        return;
    }
    pTab->m_bSelected = TRUE;
    RepaintTab(nIndex);
    NotifyParent(WM_FWTAB_ACTIVATED, static_cast<WPARAM>(m_nActive));
}

void FwTabControlBase::ClearSelection()
{
    for (int i = 0; i < GetTabCount(); ++i) {
        FwTab* pTab = GetTab(i);
        if (pTab->m_bSelected) {
            RepaintTab(i);
            pTab->m_bSelected = FALSE;
        }
    }
    m_bHasActive = FALSE;
    NotifyParent(WM_FWTAB_SELCLEARED, 0);
}

BOOL FwTabControlBase::GetTabInfo(int nIndex, CString& strLabel, BOOL& bSelected, CWnd*& pWnd, DWORD& dwExtra1,
                                  DWORD& dwExtra2) const
{
    const FwTab* pTab = GetTab(nIndex);
    if (pTab == nullptr) {
        return FALSE;
    }
    strLabel =
        pTab->IsKindOf(FX_RUNTIME_CLASS(Fw3DTab)) ? static_cast<const Fw3DTab*>(pTab)->m_strLabel3D : pTab->m_strLabel;
    bSelected = pTab->m_bSelected;
    pWnd = pTab->m_pWnd;
    dwExtra1 = pTab->m_dwExtra1;
    dwExtra2 = pTab->m_dwExtra2;
    return TRUE;
}

BOOL FwTabControlBase::FindTab(const CWnd* pWnd, int& nIndex) const
{
    for (int i = GetTabCount() - 1; i >= 0; --i) {
        if (GetTab(i)->m_pWnd == pWnd) {
            nIndex = i;
            return TRUE;
        }
    }
    return FALSE;
}

void FwTabControlBase::OnDestroy()
{
    DeleteRecords();
    CWnd::OnDestroy();
}

LRESULT FwTabControlBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
