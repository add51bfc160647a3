// What a frame puts aside while print preview occupies it: the windows it hid and the view that
// was active, so that leaving preview gives them back.
#pragma once

#include "platform/base/PtrArray.h"

class CView;

struct CPrintPreviewState
{
    CView* pViewActiveOld = nullptr;
    // HWNDs the frame hid (its bars and its view pane), shown again in that order.
    CPtrArray hiddenWnds;
    // The old view pane, moved off the pane id while the preview takes it.
    HWND hWndPane = nullptr;
};
