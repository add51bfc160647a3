// Ids of the framework test program's own resources.
#pragma once

#define IDR_FWTEST_CARD 3101
#define IDR_FWTEST_CARD2 3102
#define IDR_FWTEST_SCRIPT 3103

// The dialog bar's template and its controls.
#define IDD_FWTEST_DLGBAR 3201
#define IDC_FWTEST_HANDLED 3202
#define IDC_FWTEST_UNHANDLED 3203

// A dialog bar holding the test OLE control.
#define IDD_FWTEST_OLEBAR 3211
#define IDC_FWTEST_OLECTL 3212
#define IDC_FWTEST_OLEEDIT 3213
