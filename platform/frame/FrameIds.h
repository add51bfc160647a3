// The framework's standard command and window ids that resources and code share.
#pragma once

// Commands.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_APP_EXIT 0xE141

// Child windows of a frame: its status bar and the pane that takes the client area left by
// the bars (the view, or an MDI frame's client).
#define FX_IDW_STATUS_BAR 0xE801
#define FX_IDW_PANE_FIRST 0xE900
// The view pane's id while print preview shows in its place.
#define FX_IDW_PANE_SAVE 0xE9FF
// The first MDI child in the window menu.
#define FX_IDM_FIRST_MDICHILD 0xFF00
