#include "core/CappMsgFun.h"

#include "platform/win/Wnd.h"

namespace
{

constexpr UINT kMsgShowText = 0x442;

} // namespace

HWND CCappMsgFun::FindMainWindow(const CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsWindow()) {
        return GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT);
    }
    HWND hMain = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (!IsWindowVisible(hWnd) || GetWindow(hWnd, GW_OWNER) != nullptr) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hMain));
    return hMain;
}

void CCappMsgFun::ShowText(const CWnd* pWnd, const CString& strText)
{
    // Sent, not posted: the receiver copies the text before the string goes away.
    if (HWND hMain = FindMainWindow(pWnd)) {
        SendMessageA(hMain, kMsgShowText, 0, reinterpret_cast<LPARAM>(&strText));
    }
}
