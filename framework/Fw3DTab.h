// A tab of the three-dimensional strip: it can be hidden and keeps the label it was inserted with.
#pragma once

#include "framework/FwTab.h"

class Fw3DTab : public FwTab
{
    FX_DECLARE_DYNCREATE(Fw3DTab)

public:
    Fw3DTab();

    BOOL m_bShown;
    CString m_strLabel3D;
};
