// A frame for the tool bar and status bar tests: command handlers and update handlers for the
// bars' buttons and panes, and a count of the commands that reached it.
#pragma once

#include "platform/frame/FrameWnd.h"
#include "platform/win/CmdUI.h"

class CBarTestFrame : public CFrameWnd
{
public:
    int m_nOpened = 0;
    BOOL m_bBold = TRUE;
    void OnOpen() { ++m_nOpened; }
    void OnSave() {}
    void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateBold(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bBold ? 1 : 0); }
    void OnUpdatePage(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText("第 3 页");
    }
    FX_DECLARE_MESSAGE_MAP()
};
