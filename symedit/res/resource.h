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

// Notation commands of the special edit's insertion sub-menu.
#define ID_EDIT_TOLERANCE 0x22AE
#define ID_EDIT_SYMBOL 0x22AF
#define ID_EDIT_GPTOL 0x22B0
#define ID_EDIT_COARSENESS 0x22B2
#define ID_EDIT_FRACTION 0x8014
#define ID_EDIT_SUPSUBSCRIPT 0x8015
#define ID_EDIT_FRAMESTR 0x8020
#define ID_EDIT_CUSTOMDRAW 0x8021
#define ID_EDIT_CIRCLESTR 0x8022
#define IDS_ALIGNFORMAT 0x8019
