// Resource ids of the card report control.
#pragma once

#define IDS_VORNCTL 1
#define IDS_VORNCTL_PPG 2
#define IDS_VORNCTL_PPG_CAPTION 200
#define IDS_VORNCTL_ABOUT 201
#define IDB_VORNCTL 1
#define IDD_PROPPAGE_VORNCTL 200
#define IDC_STYLEEX 201
#define IDC_ZNTFILE_BROWSE 202
#define IDC_ZNTFILENAME 203
#define IDC_HSCROLL 204
#define IDC_VSCROLL 205
#define IDC_ZNTFILE_KIND 207
#define IDC_ZNTFILE_PATH 208
#define IDC_DRAWFRAMEONPRINT 1037

// Display, zoom and preview.
#define IDC_VORN_PAN 130
#define IDC_VORN_PANDRAG 131
#define IDC_VORN_ZOOM 149
#define IDR_VORN_PREVIEW 1924
