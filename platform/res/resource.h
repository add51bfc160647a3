// Resource ids of VornFx.dll: the printing-status dialog, the print preview's bar and texts.
#pragma once

// Printing status: shown while a job spools; Cancel stops it.
#define IDD_FX_PRINTING 30720
#define IDC_FX_PRINT_DOCNAME 30721
#define IDC_FX_PRINT_PRINTERNAME 30722
#define IDC_FX_PRINT_PAGENUM 30723

// The New command's choice of document kind when there are several templates.
#define IDD_FX_NEWTYPE 30740
#define IDC_FX_NEWTYPE_LIST 30741

#define FX_IDS_PRINT_FAILED 30730
#define FX_IDS_PRINT_PAGENUM 30731
#define FX_IDS_PREVIEW_PAGES 30732

// Buttons of the print preview's bar (commands to the preview view).
#define FX_ID_PREVIEW_CLOSE 0xE300
#define FX_ID_PREVIEW_NUMPAGE 0xE301
#define FX_ID_PREVIEW_NEXT 0xE302
#define FX_ID_PREVIEW_PREV 0xE303
#define FX_ID_PREVIEW_PRINT 0xE304
#define FX_ID_PREVIEW_ZOOMIN 0xE305
#define FX_ID_PREVIEW_ZOOMOUT 0xE306

// Texts of the one/two-page button, and the message of a command that could not run; callers
// use these values.
#define FX_IDS_ONEPAGE 61505
#define FX_IDS_TWOPAGE 61506
#define FX_IDS_COMMAND_FAILED 61705

// The preview's bar among the frame's children.
#define FX_IDW_PREVIEW_BAR 0xE80A
