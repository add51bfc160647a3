// Resource ids of the GridKit test program.
#pragma once

#define IDD_GKTEST_GRIDS 3100
#define IDC_GKTEST_GRID 3101
#define IDC_GKTEST_CREATED 3102
#define IDB_GKTEST_MARK 3110
