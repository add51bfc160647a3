// Resource ids of the OLE container tests.
#pragma once

#define IDD_OLETEST_CONTAINER 9300
#define IDC_OLETEST_BY_PROGID 9301
#define IDC_OLETEST_BY_CLSID 9302
#define IDC_OLETEST_EDIT 9303
