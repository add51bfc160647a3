// Resource ids of VornBaseCls.dll.
#pragma once

// Input dialog.
#define IDD_INDATA 17001
#define IDI_INDATA 17002
#define IDC_INDATA_EDIT 1023
#define IDC_INDATA_PROMPT 1024
#define IDC_INDATA_ICON 1025

// Combo picker.
#define IDD_SELDATA 189
#define IDC_SELDATA_PROMPT 1025
#define IDC_SELDATA_LIST 1077
#define IDC_SELDATA_EDIT 1078

// Wait dialog.
#define IDD_WAIT 17000
#define IDI_WAIT 17001
#define IDC_WAIT_PROMPT 17000
#define IDC_WAIT_ICON 17001
