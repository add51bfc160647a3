#include "core/CappMsgFun.h"

#include "platform/frame/WinApp.h"
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
    const CWnd* pMainWnd = FxGetMainWnd();
    return pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
}

void CCappMsgFun::ShowText(const CWnd* pWnd, const CString& strText)
{
    // Sent, not posted: the receiver copies the text before the string goes away.
    if (HWND hMain = FindMainWindow(pWnd)) {
        SendMessageA(hMain, kMsgShowText, 0, reinterpret_cast<LPARAM>(&strText));
    }
}
