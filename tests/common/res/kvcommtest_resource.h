// Ids of the common library test program's own resources.
#pragma once

// The tray icon's menu shares the icon's id.
#define IDR_KVTEST_TRAY 3201
#define ID_KVTEST_TRAY_OPEN 3202
#define ID_KVTEST_TRAY_EXIT 3203
#define IDS_KVTEST_TRAY_TIP 3204
