// Resource ids of KvCommLib.dll: where the system's callers use a value, it is kept.
#pragma once

// Common controls I: the progress dialog and its animation.
#define IDD_KV_PROGRESS 9909
#define IDC_KV_PROGRESS_BAR 9908
#define IDC_KV_PROGRESS_ANIMATE 9910
#define IDC_KV_PROGRESS_PROMPT 1001
#define IDR_KV_PROGRESS_AVI 1008

// Default cursors of the zoom view: panning, panning with the button down, zoom rectangle.
#define IDC_KV_ZOOM_MOVE 130
#define IDC_KV_ZOOM_MOVEBEGIN 131
#define IDC_KV_ZOOM_RECT 149
// Common controls III: the digital clock's cells (digits 0 to 9, separator, blank).
#define IDB_KV_CLOCK_DIGIT0 100
#define IDB_KV_CLOCK_DIGIT9 109
#define IDB_KV_CLOCK_SEPARATOR 120
#define IDB_KV_CLOCK_BLANK 121

// Common controls II: the splitter bars' cursors.
#define IDC_KV_SPLIT_X 30980
#define IDC_KV_SPLIT_Y 30981

// Common controls II: the outlook bar's cursors (over a folder button, dragging an item, and a
// third the bar keeps).
#define IDC_KV_OUTBAR_ITEM 1004
#define IDC_KV_OUTBAR_FOLDER 1005
#define IDC_KV_OUTBAR_DRAG 1006
