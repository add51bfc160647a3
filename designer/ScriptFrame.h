// The script window: a worksheet of the designer's workbook.
#pragma once

#include "framework/FwWorksheet.h"

class CScriptFrame : public FwWorksheet
{
    FX_DECLARE_DYNCREATE(CScriptFrame)

public:
    CScriptFrame();
    ~CScriptFrame() override;
};
