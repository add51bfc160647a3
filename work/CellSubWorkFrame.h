// An MDI child frame split into two side-by-side panes; the host decides what the panes hold.
#pragma once

#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/SplitterWnd.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CCellSubWorkFrame : public CMDIChildWnd
{
    FX_DECLARE_DYNCREATE(CCellSubWorkFrame)

public:
    CCellSubWorkFrame();
    ~CCellSubWorkFrame() override;

    CSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
};
