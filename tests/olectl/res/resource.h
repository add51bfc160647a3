// Resource ids of the test control.
#pragma once

#define IDS_TESTCTL 1
#define IDS_TESTCTL_PPG 2
#define IDS_TESTCTL_PPG_CAPTION 200
#define IDD_PROPPAGE_TESTCTL 200
#define IDC_CAPTION 201
#define IDC_FLAG 202
#define IDC_COUNT 203
#define IDB_TESTCTL 1
