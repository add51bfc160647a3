// The main frame of a multi-document program: its MDI client holds the child frames; the window
// menu lists them. Commands go to the active child first.
#pragma once

#include "platform/frame/FrameWnd.h"

class CMDIChildWnd;

class FX_API CMDIFrameWnd : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient;

    void MDIActivate(CWnd* pWndActivate);
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDICascade();
    void MDITile(int nType = MDITILE_VERTICAL);
    void MDIIconArrange();
    // Shows hMenu (null: the frame's own) with the child list in hWindowMenu (null: found in hMenu).
    void MDISetMenu(HMENU hMenu, HMENU hWindowMenu);
    // The popup of a menu bar that holds the window commands; null when none does.
    static HMENU FindWindowMenu(HMENU hMenuBar);
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }

    CFrameWnd* GetActiveFrame() override;
    CDocument* GetActiveDocument() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    void OnWindowCommand(UINT nID);
    FX_DECLARE_MESSAGE_MAP()
};
