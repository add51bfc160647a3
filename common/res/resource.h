// Resource ids of KvCommLib.dll: where the system's callers use a value, it is kept.
#pragma once

// Default cursors of the zoom view: panning, panning with the button down, zoom rectangle.
#define IDC_KV_ZOOM_MOVE 130
#define IDC_KV_ZOOM_MOVEBEGIN 131
#define IDC_KV_ZOOM_RECT 149
