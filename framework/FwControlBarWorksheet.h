// The host of a bar floated into the main window, as a worksheet of the workbook.
#pragma once

#include "framework/FwControlBarHostFrame.h"
#include "framework/FwWorksheet.h"

class FwControlBarWorksheet : public FwControlBarHostFrame<FwWorksheet>
{
    FX_DECLARE_DYNCREATE(FwControlBarWorksheet)
};
