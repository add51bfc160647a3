// A static control: text, or a picture (SS_BITMAP, SS_ICON).
#pragma once

#include "platform/win/Wnd.h"

class FX_API CStatic : public CWnd
{
    FX_DECLARE_DYNAMIC(CStatic)
};
