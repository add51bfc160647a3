#include "designer/CappSheetDefChildFrame.h"

#include "designer/CappSheetDefView.h"
#include "platform/frame/FrameIds.h"

FX_IMPLEMENT_DYNCREATE(CCappSheetDefChildFrame, FwWorksheet)

CCappSheetDefChildFrame::CCappSheetDefChildFrame()
{
}

CCappSheetDefChildFrame::~CCappSheetDefChildFrame()
{
}

CCappSheetDefView* CCappSheetDefChildFrame::GetSheetDefView() const
{
    if (auto* pView = dynamic_cast<CCappSheetDefView*>(GetActiveView())) {
        return pView;
    }
    return dynamic_cast<CCappSheetDefView*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, FX_IDW_PANE_FIRST)));
}
