// The framework's standard command and window ids that resources and code share.
#pragma once

// Commands.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_REPEAT 0xE128
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// Child windows of a frame: its status bar and the pane that takes the client area left by
// the bars (the view, or an MDI frame's client).
#define FX_IDW_STATUS_BAR 0xE801
#define FX_IDW_PANE_FIRST 0xE900
// The view pane's id while print preview shows in its place.
#define FX_IDW_PANE_SAVE 0xE9FF
// The first MDI child in the window menu.
#define FX_IDM_FIRST_MDICHILD 0xFF00

// Control bars and docking: the tool bar, the four dock bars of a frame and the dock bar of a
// floating frame.
#define FX_IDW_TOOLBAR 0xE800
// A frame's rebar and the dialog bar it carries.
#define FX_IDW_REBAR 0xE804
#define FX_IDW_DIALOGBAR 0xE805
#define FX_IDW_DOCKBAR_TOP 0xE81B
#define FX_IDW_DOCKBAR_LEFT 0xE81C
#define FX_IDW_DOCKBAR_RIGHT 0xE81D
#define FX_IDW_DOCKBAR_BOTTOM 0xE81E
#define FX_IDW_DOCKBAR_FLOAT 0xE81F
// A separator in a tool bar's command list; the stretching pane in a status bar's.
#define ID_SEPARATOR 0
// Status bar indicators that follow the keyboard state on idle.
#define ID_INDICATOR_EXT 0xE700
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_OVR 0xE704
#define ID_INDICATOR_REC 0xE705
// Sent to a frame to show a status text: wParam a command id (its prompt), or lParam the text.
#define WM_SETMESSAGESTRING 0x0362
