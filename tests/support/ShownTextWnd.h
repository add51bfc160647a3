// A main window that keeps the texts the card library shows on it (message 0x442, lParam a
// CString's address), with a view window inside it for a sheet to draw in.
#pragma once

#include <string>
#include <vector>

#include "platform/base/Firewall.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"

class CShownTextWnd
{
public:
    CShownTextWnd()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CShownTextWnd::ListenProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VornShownTextWnd";
        RegisterClassA(&wc);
        m_hMain = CreateWindowExA(0, wc.lpszClassName, "main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        m_hView = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 100, 100, m_hMain, nullptr, wc.hInstance, nullptr);
        m_wndMain.Attach(m_hMain);
        m_wndView.Attach(m_hView);
        Texts().clear();
    }
    ~CShownTextWnd()
    {
        m_wndView.Detach();
        m_wndMain.Detach();
        DestroyWindow(m_hMain);
    }
    CShownTextWnd(const CShownTextWnd&) = delete;
    CShownTextWnd& operator=(const CShownTextWnd&) = delete;

    bool IsCreated() const { return m_hMain != nullptr && m_hView != nullptr; }
    CWnd* GetMain() { return &m_wndMain; }
    CWnd* GetView() { return &m_wndView; }
    // Every text shown since the window was made or last cleared, oldest first.
    static std::vector<std::string>& Texts()
    {
        static std::vector<std::string> texts;
        return texts;
    }

private:
    static LRESULT CALLBACK ListenProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg != 0x442 || wParam != 0) {
            return DefWindowProcA(hWnd, nMsg, wParam, lParam);
        }
        return FxCallbackEntry("CShownTextWnd::ListenProc", 0, [&]() -> LRESULT {
            Texts().push_back(static_cast<LPCSTR>(*reinterpret_cast<const CString*>(lParam)));
            return 0;
        });
    }

    HWND m_hMain = nullptr;
    HWND m_hView = nullptr;
    CWnd m_wndMain;
    CWnd m_wndView;
};
