// The host of a bar floated into the main window, as a worksheet of the workbook.
#pragma once

#include "framework/FwWorksheet.h"
#include "framework/FwControlBarHost.h"

class FwControlBarWorksheet : public FwWorksheet
{
    FX_DECLARE_DYNCREATE(FwControlBarWorksheet)

public:
    FwControlBarWorksheet();

    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    FwControlBarHost m_host;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnIdleUpdateCmdUI() override;
};
