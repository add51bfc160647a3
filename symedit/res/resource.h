// Resource ids of Markwell.dll: the values are the ones the system's callers use.
#pragma once

// Context menus of the edit controls.
#define IDR_EDITMENU 2100
#define ID_EDIT_UNDOEX 0x22A7
#define ID_EDIT_REDOEX 0x22A8
#define ID_EDIT_COPYEX 0x22A9
#define ID_EDIT_CUTEX 0x22AA
#define ID_EDIT_PASTEEX 0x22AB
#define ID_EDIT_ERASEEX 0x22AC
#define ID_EDIT_SELALLEX 0x22AD
#define ID_NUMEDIT_SELALL 0x22B5
#define ID_EDIT_NULL 0x8016
