// An animation control playing an AVI clip from a module's resources.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CAnimateCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CAnimateCtrl)

public:
    // The clip is looked up like every other resource: current module first, then the chain.
    BOOL Open(UINT nID);
    // nRepeat -1 repeats without end; nTo -1 is the last frame.
    BOOL Play(UINT nFrom, UINT nTo, UINT nRepeat);
    BOOL Stop();
    BOOL Close();
};
