// Resource ids of VornCard.dll.
#pragma once

#define IDS_DEFAULT_FONTFACE 9
#define IDS_MDDATA_NOT_FOUND 8

// Connection dialog.
#define IDD_KVCONNECT 200
#define IDC_CONN_SERVER 1001
#define IDC_CONN_FILE 1002
#define IDC_CONN_SERVERNAME_LABEL 1003
#define IDC_CONN_SERVERNAME 1004
#define IDC_CONN_DATABASE 1005
#define IDC_CONN_USER 1006
#define IDC_CONN_PASSWORD 1007
#define IDC_CONN_TEST 1008

// Detail-area page filling.
#define IDS_MIDDATA_NO_RANGE 11
#define IDS_MIDDATA_NO_MDDATA 13
