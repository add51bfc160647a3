#include "platform/win/MsgBox.h"

#include "platform/base/Exception.h"
#include "platform/base/String.h"

namespace
{
FX_MSGBOX_HOOK g_pfnMsgBoxHook = nullptr;
CString g_strDefaultTitle;

// A box owned by a window that a modal dialog keeps disabled would, when it closes, make that
// window the foreground one over the dialog: the box belongs to the dialog instead, the popup of
// the owner's top-level window that was active last.
HWND ModalSafeOwner(HWND hOwner)
{
    if (hOwner == nullptr || !::IsWindow(hOwner)) {
        return hOwner;
    }
    HWND hTop = ::GetAncestor(hOwner, GA_ROOT);
    if (hTop == nullptr || ::IsWindowEnabled(hTop)) {
        return hOwner;
    }
    HWND hPopup = ::GetLastActivePopup(hTop);
    if (hPopup == nullptr || hPopup == hTop || !::IsWindowEnabled(hPopup) || !::IsWindowVisible(hPopup)) {
        return hOwner;
    }
    return hPopup;
}

int ReportInMessageBox(LPCSTR lpszText, UINT nType)
{
    return FxMessageBox(::GetActiveWindow(), lpszText, nullptr, nType);
}

// The framework's exceptions report through the suite's box from the moment the library is in.
[[maybe_unused]] const FX_ERROR_REPORTER g_pfnBaseReporter = FxSetErrorReporter(ReportInMessageBox);
} // namespace

int FxMessageBox(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr && !g_strDefaultTitle.IsEmpty()) {
        lpszCaption = g_strDefaultTitle;
    }
    if (g_pfnMsgBoxHook != nullptr) {
        return g_pfnMsgBoxHook(hOwner, lpszText != nullptr ? lpszText : "", lpszCaption, nType);
    }
    return MessageBoxA(ModalSafeOwner(hOwner), lpszText != nullptr ? lpszText : "", lpszCaption, nType);
}

void FxSetMessageBoxTitle(LPCSTR lpszTitle)
{
    g_strDefaultTitle = lpszTitle != nullptr ? lpszTitle : "";
}

FX_MSGBOX_HOOK FxSetMessageBoxHook(FX_MSGBOX_HOOK pfnHook)
{
    FX_MSGBOX_HOOK pfnOld = g_pfnMsgBoxHook;
    g_pfnMsgBoxHook = pfnHook;
    return pfnOld;
}
