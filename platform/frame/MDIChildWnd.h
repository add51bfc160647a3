// A child frame of an MDI frame: its own menu and accelerators replace the frame's while it is
// active.
#pragma once

#include "platform/frame/FrameWnd.h"

class CMDIFrameWnd;

class FX_API CMDIChildWnd : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(CMDIChildWnd)

public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // Created in the MDI client of pParentWnd (null: the application's main window).
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    DWORD DefaultFrameStyle() const override { return WS_CHILD | WS_OVERLAPPEDWINDOW; }
    // Shown maximised when created so (the active child was maximised).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) override;
    // MDI children are destroyed by their client.
    BOOL DestroyWindow() override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();

    // The menu shown while this child is active (owned by the child).
    HMENU m_hMenuShared;

    // The MDI frame translates the active child's accelerators, before its own.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL CreateFrame(DWORD dwStyle, CWnd* pParentWnd, HMENU hMenu, CCreateContext* pContext) override;
    CCreateContext* ContextOf(LPCREATESTRUCT lpcs) const override;
    BOOL RoutesToApp() const override { return FALSE; }
    void OnSize(UINT nType, int cx, int cy) override;

private:
    BOOL MDIGetActiveSelf() const;
};
