#include "framework/FwControlBarWorksheet.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarWorksheet, FwWorksheet)
