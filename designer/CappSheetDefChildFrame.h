// The sheet-definition window: a worksheet of the designer's workbook holding one view.
#pragma once

#include "framework/FwWorksheet.h"

class CCappSheetDefView;

class CCappSheetDefChildFrame : public FwWorksheet
{
    FX_DECLARE_DYNCREATE(CCappSheetDefChildFrame)

public:
    CCappSheetDefChildFrame();
    ~CCappSheetDefChildFrame() override;

    // The frame's active view when it is a sheet-definition view, else its first such child.
    CCappSheetDefView* GetSheetDefView() const;
};
