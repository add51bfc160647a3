#include "platform/win/MsgBox.h"

namespace
{
FX_MSGBOX_HOOK g_pfnMsgBoxHook = nullptr;
}

int FxMessageBox(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (g_pfnMsgBoxHook != nullptr) {
        return g_pfnMsgBoxHook(hOwner, lpszText != nullptr ? lpszText : "", lpszCaption, nType);
    }
    return MessageBoxA(hOwner, lpszText != nullptr ? lpszText : "", lpszCaption, nType);
}

FX_MSGBOX_HOOK FxSetMessageBoxHook(FX_MSGBOX_HOOK pfnHook)
{
    FX_MSGBOX_HOOK pfnOld = g_pfnMsgBoxHook;
    g_pfnMsgBoxHook = pfnHook;
    return pfnOld;
}
