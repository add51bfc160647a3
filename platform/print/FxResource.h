// VornFx's own resources (the printing-status dialog, the preview's bar and texts): loaded from
// its own module, whatever the chain of resource modules holds at the time.
#pragma once

#include "platform/base/String.h"

FX_API HINSTANCE FxGetFxInstance();
// Empty when the string is missing.
FX_API CString FxLoadFxString(UINT nID);
// Tells the user, in the suite's message box over hWndOwner, that a command could not run.
FX_API void FxReportCommandFailed(HWND hWndOwner);
