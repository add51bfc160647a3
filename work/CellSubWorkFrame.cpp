#include "work/CellSubWorkFrame.h"

FX_IMPLEMENT_DYNCREATE(CCellSubWorkFrame, CMDIChildWnd)

CCellSubWorkFrame::CCellSubWorkFrame() = default;

CCellSubWorkFrame::~CCellSubWorkFrame() = default;

BOOL CCellSubWorkFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, FX_IDW_PANE_FIRST)) {
        return FALSE;
    }
    return CMDIChildWnd::OnCreateClient(lpcs, pContext);
}
