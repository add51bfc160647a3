// Ids of the test program's own dialogs and menus.
#pragma once

#define IDD_FXTEST 100
#define IDD_FXTEST_LIST 101
#define IDR_FXTEST_MENU 102
// A child dialog for the dialog bar tests.
#define IDD_FXTEST_BAR 103
#define IDC_FXTEST_NAME 1001
#define IDC_FXTEST_COUNT 1002
#define IDC_FXTEST_CHECK 1003
#define IDC_FXTEST_RADIO1 1004
#define IDC_FXTEST_RADIO2 1005
#define IDC_FXTEST_COMBO 1006
#define IDC_FXTEST_CODE 1007
#define IDC_FXTEST_LIST 1008
#define IDC_FXTEST_SPIN 1009
#define ID_FXTEST_FIRST 2001
#define ID_FXTEST_SECOND 2002
#define IDS_FXTEST_TEXT 3001

// Frames of the framework tests: the MDI frame and two kinds of document.
#define IDR_FXTEST_MAIN 110
#define IDR_FXTEST_GRID 111
#define IDR_FXTEST_NOTE 112
// Commands the routing tests send (ranges nest: each target handles the ids up to its own).
#define ID_FXROUTE_VIEW 5001
#define ID_FXROUTE_DOC 5002
#define ID_FXROUTE_TEMPLATE 5003
#define ID_FXROUTE_CHILD 5004
#define ID_FXROUTE_MAIN 5005
#define ID_FXROUTE_APP 5006
#define ID_FXROUTE_NOBODY 5007
#define ID_FXROUTE_CLOSE 5008
#define ID_FXACCEL_CHILD 5101
#define ID_FXACCEL_MAIN 5102
// Commands of the tool bar and status bar tests.
#define ID_FXBAR_OPEN 5201
#define ID_FXBAR_SAVE 5202
#define ID_FXBAR_BOLD 5203
#define ID_FXBAR_NOBODY 5204
#define ID_FXBAR_PAGE 5205
