// A single- or multi-line edit control.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CEdit : public CWnd
{
    FX_DECLARE_DYNAMIC(CEdit)
};
