// The horizontal ruler along the top of a sheet-definition window.
#pragma once

#include "designer/sheet/RulerBar.h"

class CHRulerBar : public CRulerBar
{
public:
    CHRulerBar() : CRulerBar(TRUE) {}
};
