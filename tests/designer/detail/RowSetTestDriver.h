// Drives the row-set wizard while it runs modally: steps posted one after another, each handled
// by the wizard's own message loop, so that what a step posts (the wizard buttons) comes first.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <deque>
#include <functional>

#include "designer/detail/RowSetSheet.h"
#include "platform/win/Wnd.h"

class CRowSetTestDriver : public CWnd
{
public:
    typedef std::function<void(CRowSetSheet&)> Step;

    CRowSetTestDriver() { CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr); }
    ~CRowSetTestDriver() override { DestroyWindow(); }

    // Queues the steps; the first runs once a wizard is up.
    void Start(std::initializer_list<Step> steps)
    {
        m_steps.assign(steps.begin(), steps.end());
        PostMessage(msgStep);
    }
    BOOL IsDone() const { return m_steps.empty(); }

    static CRowSetSheet* FindWizard()
    {
        CRowSetSheet* pFound = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                auto* pSheet = dynamic_cast<CRowSetSheet*>(CWnd::FromHandlePermanent(hWnd));
                if (pSheet != nullptr) {
                    *reinterpret_cast<CRowSetSheet**>(lParam) = pSheet;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&pFound));
        return pFound;
    }
    static void Press(CRowSetSheet& sheet, int nButton) { sheet.SendMessage(PSM_PRESSBUTTON, nButton); }
    // A wizard button as the sheet shows it: 0x3023 Back, 0x3024 Next, 0x3025 Finish.
    static BOOL IsButtonUsable(CRowSetSheet& sheet, int nID)
    {
        HWND hButton = ::GetDlgItem(sheet.m_hWnd, nID);
        return hButton != nullptr && ::IsWindowVisible(hButton) && ::IsWindowEnabled(hButton);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != msgStep) {
            return CWnd::WindowProc(message, wParam, lParam);
        }
        CRowSetSheet* pSheet = FindWizard();
        if (pSheet == nullptr || m_steps.empty()) {
            // Not up yet: the wizard may still be opening.
            if (!m_steps.empty() && ++m_nWaits < 1000) {
                PostMessage(msgStep);
            }
            return 0;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(*pSheet);
        if (!m_steps.empty()) {
            PostMessage(msgStep);
        }
        return 0;
    }

private:
    static const UINT msgStep = WM_APP + 45;
    std::deque<Step> m_steps;
    int m_nWaits = 0;
};
