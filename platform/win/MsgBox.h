// The suite's modal message box: every message the user reads goes through here, so a test
// harness can answer it instead of a person.
#pragma once

#include "platform/base/FxExport.h"

// Answers a message box in place of the user; returns the button id (IDOK, IDYES...).
typedef int (*FX_MSGBOX_HOOK)(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// MessageBoxA with GBK text; a null caption shows the title set by FxSetMessageBoxTitle (the
// system's "Error" would title every notice and question as a failure). When the owner's top-level
// window is disabled by a modal dialog, the dialog owns the box.
FX_API int FxMessageBox(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
// The title of boxes shown without a caption: the application's name; null goes back to the
// system's default.
FX_API void FxSetMessageBoxTitle(LPCSTR lpszTitle);
// Installs a hook (null removes it) and returns the previous one.
FX_API FX_MSGBOX_HOOK FxSetMessageBoxHook(FX_MSGBOX_HOOK pfnHook);
