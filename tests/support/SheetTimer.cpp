#include "tests/support/SheetTimer.h"

#include <map>
#include <utility>

#include "platform/base/Firewall.h"

namespace
{
// Thread timers carry no pointer of their own: each is found by its id.
std::map<UINT_PTR, CTestSheetTimer*>& Timers()
{
    static std::map<UINT_PTR, CTestSheetTimer*> timers;
    return timers;
}

struct SheetSearch
{
    LPCSTR pszCaption;
    HWND hSheet;
};

BOOL CALLBACK FindSheet(HWND hWnd, LPARAM lParam)
{
    return FxCallbackEntry("CTestSheetTimer FindSheet", FALSE, [&]() -> BOOL {
        auto* pSearch = reinterpret_cast<SheetSearch*>(lParam);
        char szCaption[128] = {};
        ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
        if (::IsWindowVisible(hWnd) && CString(szCaption) == pSearch->pszCaption) {
            pSearch->hSheet = hWnd;
            return FALSE;
        }
        return TRUE;
    });
}
} // namespace

CTestSheetTimer::CTestSheetTimer(LPCSTR pszCaption, std::function<void(HWND hSheet)> fnSheet, UINT nElapse)
    : m_strCaption(pszCaption), m_fnSheet(std::move(fnSheet)), m_nTimer(0), m_nAnswered(0)
{
    m_nTimer = ::SetTimer(nullptr, 0, nElapse, &CTestSheetTimer::OnTimer);
    Timers()[m_nTimer] = this;
}

CTestSheetTimer::~CTestSheetTimer()
{
    if (m_nTimer != 0) {
        ::KillTimer(nullptr, m_nTimer);
        Timers().erase(m_nTimer);
    }
}

void CALLBACK CTestSheetTimer::OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    FxCallbackEntry("CTestSheetTimer::OnTimer", FALSE, [&]() -> BOOL {
        auto it = Timers().find(nIDEvent);
        if (it != Timers().end()) {
            it->second->Look();
        }
        return TRUE;
    });
}

void CTestSheetTimer::Look()
{
    SheetSearch search = {m_strCaption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindSheet, reinterpret_cast<LPARAM>(&search));
    if (search.hSheet == nullptr) {
        return;
    }
    // Stopped first: the test's answer may run a loop in which the timer would fire again.
    ::KillTimer(nullptr, m_nTimer);
    Timers().erase(m_nTimer);
    m_nTimer = 0;
    ++m_nAnswered;
    if (m_fnSheet) {
        m_fnSheet(search.hSheet);
    }
}
