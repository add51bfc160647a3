// Answers the system's own modal dialogs (print, print set-up, colour, a real MessageBoxA), which
// never pass the suite's dialog hook: a CBT hook on the test's thread hands each such dialog, as it
// is first activated, to the next queued handler.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <vector>

#include "platform/base/String.h"

// A system dialog as its handler sees it. The handler runs while the dialog is being activated:
// reading and setting controls is immediate, OK and Cancel are posted and take effect once the
// dialog's own loop runs.
class CTestSysDlg
{
public:
    explicit CTestSysDlg(HWND hWnd) : m_hWnd(hWnd) {}

    HWND GetHwnd() const { return m_hWnd; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    BOOL HasItem(int nID) const { return Item(nID) != nullptr; }
    CString GetCaption() const;
    CString GetText(int nID) const;
    // The entries of a combo box's list, in order.
    std::vector<CString> GetListItems(int nID) const;
    // WM_SETTEXT: an edit control tells the dialog EN_UPDATE and EN_CHANGE as when the user types.
    void SetText(int nID, LPCSTR pszText);
    BOOL IsChecked(int nID) const;
    // A click as the user makes it (a radio button is chosen, a push button pressed).
    void Click(int nID);
    void Ok();
    void Cancel();
    BOOL IsAnswered() const { return m_bAnswered; }

private:
    HWND m_hWnd;
    BOOL m_bAnswered = FALSE;
};

typedef std::function<void(CTestSysDlg&)> TestSysDlgHandler;

// One per test while system dialogs may appear. Handlers are used in the order given, one per
// dialog; a dialog without a handler fails the test and is cancelled, and so is one its handler
// neither accepted nor cancelled. Dialogs of the suite's own CDialog classes are left to CTestUi.
class CTestSysDialogs
{
public:
    CTestSysDialogs();
    ~CTestSysDialogs();
    CTestSysDialogs(const CTestSysDialogs&) = delete;
    CTestSysDialogs& operator=(const CTestSysDialogs&) = delete;

    void OnDialog(TestSysDlgHandler fnHandler);
    int GetDialogsOpened() const { return m_nOpened; }

private:
    static LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam);
    void Activated(HWND hWnd);

    HHOOK m_hHook;
    std::vector<TestSysDlgHandler> m_handlers;
    // Dialogs handed out already: a dialog is activated again when a box it showed closes.
    std::set<HWND> m_seen;
    int m_nOpened;
};
