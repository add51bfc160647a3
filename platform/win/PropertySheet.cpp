#include "platform/win/PropertySheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "platform/base/Firewall.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/PropertyPage.h"

FX_IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace
{
// The sheet being opened: the first window the thread creates after PropertySheetA starts is its
// dialog, bound here before it gets WM_INITDIALOG.
CPropertySheet* g_pSheetInit = nullptr;
HHOOK g_hSheetHook = nullptr;
} // namespace

LRESULT CALLBACK FxSheetCbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = g_hSheetHook;
    FxCallbackEntry("property sheet creation hook", FALSE, [&]() -> BOOL {
        if (nCode == HCBT_CREATEWND && g_pSheetInit != nullptr) {
            CPropertySheet* pSheet = g_pSheetInit;
            g_pSheetInit = nullptr;
            pSheet->SubclassWindow(reinterpret_cast<HWND>(wParam));
        }
        return TRUE;
    });
    return CallNextHookEx(hHook, nCode, wParam, lParam);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage), m_bWizard(FALSE), m_bFinished(FALSE)
{
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption != nullptr ? pszCaption : ""), m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage),
      m_bWizard(FALSE), m_bFinished(FALSE)
{
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage != nullptr) {
        m_pages.Add(pPage);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    for (INT_PTR i = 0; i < m_pages.GetSize(); ++i) {
        if (m_pages.GetAt(i) == pPage) {
            m_pages.RemoveAt(i);
            return;
        }
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount()) {
        return nullptr;
    }
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr) {
        return -1;
    }
    HWND hPage = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage)));
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr) {
        m_nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage)));
}

CWnd* CPropertySheet::GetTabControl() const
{
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)));
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : GetActiveWindow();
    INT_PTR nResult = Open(FALSE, hWndParent);
    if (nResult < 0) {
        return -1;
    }
    if (m_bWizard) {
        return m_bFinished ? ID_WIZFINISH : IDCANCEL;
    }
    // The common sheet answers how many changes were applied: none when cancelled.
    return nResult > 0 ? IDOK : IDCANCEL;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd)
{
    if (pParentWnd != nullptr) {
        m_pParentWnd = pParentWnd;
    }
    HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    return Open(TRUE, hWndParent) > 0 && m_hWnd != nullptr;
}

INT_PTR CPropertySheet::Open(BOOL bModeless, HWND hWndParent)
{
    if (m_hWnd != nullptr || m_pages.GetSize() == 0) {
        return -1;
    }
    std::vector<PROPSHEETPAGEA> pages;
    for (int i = 0; i < GetPageCount(); ++i) {
        if (!GetPage(i)->PrepareSheetPage()) {
            return -1;
        }
        pages.push_back(GetPage(i)->m_psp);
    }
    INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    PROPSHEETHEADERA psh = {};
    psh.dwSize = sizeof(psh);
    psh.dwFlags = PSH_PROPSHEETPAGE | (bModeless ? PSH_MODELESS : 0) | (m_bWizard ? PSH_WIZARD : 0);
    psh.hwndParent = hWndParent;
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.pszCaption = m_strCaption;
    psh.nPages = static_cast<UINT>(pages.size());
    psh.nStartPage = m_nStartPage < pages.size() ? m_nStartPage : 0;
    psh.ppsp = pages.data();

    m_bFinished = FALSE;
    CPropertySheet* pOldInit = g_pSheetInit;
    HHOOK hOldHook = g_hSheetHook;
    g_pSheetInit = this;
    g_hSheetHook = SetWindowsHookExA(WH_CBT, FxSheetCbtHook, nullptr, GetCurrentThreadId());
    INT_PTR nResult = PropertySheetA(&psh);
    if (g_hSheetHook != nullptr) {
        UnhookWindowsHookEx(g_hSheetHook);
    }
    g_hSheetHook = hOldHook;
    g_pSheetInit = pOldInit;
    return nResult;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    if (m_hWnd != nullptr) {
        PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
    }
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        // The common sheet builds its tabs and first page here; ours comes after.
        LRESULT lResult = DefWindowProc(message, wParam, lParam);
        CRect rcBefore;
        GetWindowRect(&rcBefore);
        OnInitDialog();
        CRect rcAfter;
        GetWindowRect(&rcAfter);
        if ((GetStyle() & WS_CHILD) == 0 && rcAfter.TopLeft() == rcBefore.TopLeft()) {
            FxCenterOverOwner(m_hWnd);
        }
        return lResult;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
