// The one-pixel raised or sunken edge the sizing bar and its close button draw straight on a
// device context; KvCommLib's own helper, not exported.
#pragma once

#include <windows.h>

// Top and left lines in crTopLeft, right and bottom lines in crBottomRight, inside rc.
void KvDraw3dRect(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight);
