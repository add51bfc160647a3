// Where a popup (a dialog, a property sheet) opens when it does not place itself.
#pragma once

#include "platform/base/FxExport.h"

// Moves the popup over the middle of its owner, or of the work area when the owner is hidden,
// minimised or missing; it stays inside the work area of the owner's monitor.
FX_API void FxCenterOverOwner(HWND hWnd);
