// The vertical ruler along the left edge of a sheet-definition window.
#pragma once

#include "designer/sheet/RulerBar.h"

class CVRulerBar : public CRulerBar
{
public:
    CVRulerBar() : CRulerBar(FALSE) {}
};
