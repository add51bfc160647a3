#include "tests/support/SysDlgDriver.h"

#include <gtest/gtest.h>

#include "platform/base/Firewall.h"
#include "platform/win/Wnd.h"

namespace
{
CTestSysDialogs* g_pSysDialogs = nullptr;

BOOL IsDialogWindow(HWND hWnd)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return strcmp(szClass, "#32770") == 0;
}
} // namespace

CString CTestSysDlg::GetCaption() const
{
    char sz[256] = "";
    ::GetWindowTextA(m_hWnd, sz, sizeof(sz));
    return CString(sz);
}

CString CTestSysDlg::GetText(int nID) const
{
    char sz[256] = "";
    ::GetDlgItemTextA(m_hWnd, nID, sz, sizeof(sz));
    return CString(sz);
}

std::vector<CString> CTestSysDlg::GetListItems(int nID) const
{
    std::vector<CString> items;
    const HWND hCombo = Item(nID);
    const LRESULT nCount = hCombo != nullptr ? ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < nCount; ++i) {
        const LRESULT nLength = ::SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (nLength == CB_ERR) {
            break;
        }
        std::vector<char> text(static_cast<size_t>(nLength) + 1);
        ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(text.data());
    }
    return items;
}

void CTestSysDlg::SetText(int nID, LPCSTR pszText)
{
    ::SetDlgItemTextA(m_hWnd, nID, pszText);
}

BOOL CTestSysDlg::IsChecked(int nID) const
{
    return ::IsDlgButtonChecked(m_hWnd, nID) == BST_CHECKED;
}

void CTestSysDlg::Click(int nID)
{
    HWND hButton = Item(nID);
    if (hButton == nullptr) {
        ADD_FAILURE() << "no control " << nID << " in the system dialog \"" << GetCaption().GetString() << "\"";
        return;
    }
    if (::IsWindowEnabled(hButton)) {
        ::SendMessageA(hButton, BM_CLICK, 0, 0);
    }
}

void CTestSysDlg::Ok()
{
    m_bAnswered = TRUE;
    ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
}

void CTestSysDlg::Cancel()
{
    m_bAnswered = TRUE;
    ::PostMessageA(m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

CTestSysDialogs::CTestSysDialogs() : m_hHook(nullptr), m_nOpened(0)
{
    if (g_pSysDialogs != nullptr) {
        ADD_FAILURE() << "one CTestSysDialogs at a time";
    }
    g_pSysDialogs = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &CTestSysDialogs::CbtHook, nullptr, ::GetCurrentThreadId());
    if (m_hHook == nullptr) {
        ADD_FAILURE() << "the CBT hook for system dialogs could not be set";
    }
}

CTestSysDialogs::~CTestSysDialogs()
{
    if (m_hHook != nullptr) {
        ::UnhookWindowsHookEx(m_hHook);
    }
    g_pSysDialogs = nullptr;
    if (!m_handlers.empty()) {
        ADD_FAILURE() << m_handlers.size() << " system dialog(s) were expected but never opened";
    }
}

void CTestSysDialogs::OnDialog(TestSysDlgHandler fnHandler)
{
    m_handlers.push_back(std::move(fnHandler));
}

LRESULT CALLBACK CTestSysDialogs::CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CTestSysDialogs* pThis = g_pSysDialogs;
    FxCallbackEntry("system dialog hook", FALSE, [&]() -> BOOL {
        if (pThis != nullptr && nCode == HCBT_ACTIVATE) {
            pThis->Activated(reinterpret_cast<HWND>(wParam));
        } else if (pThis != nullptr && nCode == HCBT_DESTROYWND) {
            // Window handles are reused: a later dialog may get this one.
            pThis->m_seen.erase(reinterpret_cast<HWND>(wParam));
        }
        return TRUE;
    });
    return ::CallNextHookEx(pThis != nullptr ? pThis->m_hHook : nullptr, nCode, wParam, lParam);
}

void CTestSysDialogs::Activated(HWND hWnd)
{
    // The suite's own dialogs are bound to their objects before they show: CTestUi answers them.
    if (!IsDialogWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != nullptr || !m_seen.insert(hWnd).second) {
        return;
    }
    ++m_nOpened;
    CTestSysDlg dlg(hWnd);
    if (m_handlers.empty()) {
        ADD_FAILURE() << "unexpected system dialog \"" << dlg.GetCaption().GetString() << "\" (cancelled)";
        dlg.Cancel();
        return;
    }
    TestSysDlgHandler fnHandler = std::move(m_handlers.front());
    m_handlers.erase(m_handlers.begin());
    fnHandler(dlg);
    if (!dlg.IsAnswered()) {
        ADD_FAILURE() << "system dialog \"" << dlg.GetCaption().GetString()
                      << "\" left open by its handler (cancelled)";
        dlg.Cancel();
    }
}
