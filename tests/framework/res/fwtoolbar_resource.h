// Ids of the designer-like frame that the tool-bar tests build: its tool-bar images, menus and
// the framework's strings and dialogs the program provides.
#pragma once

// The frame's own menu and the menus of its two document types.
#define IDR_FWTB_FRAME 128
#define IDR_FWTB_CARD 131
#define IDR_FWTB_SCRIPT 137

// Tool-bar image resources (small, large).
#define IDR_FWTB_MAIN 128
#define IDR_FWTB_MAIN_LARGE 153
#define IDR_FWTB_EDIT 178
#define IDR_FWTB_EDIT_LARGE 179
#define IDR_FWTB_SHAPES 23006
#define IDR_FWTB_SHAPES_LARGE 23007
// A tool-bar resource whose item count runs past its data, and one without a bitmap.
#define IDR_FWTB_DAMAGED 23100
#define IDR_FWTB_NOBITMAP 23101

// Commands: 23 of the main strip, 12 of the edit strip (the first shared with the main strip),
// 24 of the shapes strip.
#define ID_FWTB_MAIN_FIRST 0x8101
#define ID_FWTB_EDIT_FIRST 0x8201
#define ID_FWTB_SHAPES_FIRST 0x8301
#define ID_FWTB_NOIMAGE 0x8400

// The framework's strings.
#define IDS_FW_MENUBAR 20619
#define IDS_FW_TOOLBARN 20674
#define IDS_FW_RESET 20536
#define IDS_FW_DELETE 20537

// The Toolbars dialog, its page and the New Toolbar dialog.
#define IDD_FW_TOOLBARS 20510
#define IDD_FW_NEWTOOLBAR 20511
#define IDD_FW_TOOLBARSPAGE 20513
#define IDC_FW_TB_LIST 43094
#define IDC_FW_TB_NEWNAME 43096
#define IDC_FW_TB_NAMELABEL 43097
#define IDC_FW_TB_NEW 43098
#define IDC_FW_TB_CUSTOMIZE 43099
#define IDC_FW_TB_RESET 43100
#define IDC_FW_TB_TOOLTIPS 43101
#define IDC_FW_TB_NAME 43102
#define IDC_FW_TB_LARGE 43103
#define IDC_FW_TB_COOLLOOK 43104
