// The small tool-window frame a floating control bar lives in: it holds one dock bar, sizes
// itself to its bars, drags them by its caption and hides them when closed.
#pragma once

#include "platform/frame/DockBar.h"
#include "platform/frame/FrameWnd.h"

// Frame style bits of a floating frame (class-specific low bits of its window style).
#define MFS_SYNCACTIVE 0x0100L
#define MFS_4THICKFRAME 0x0200L
#define MFS_THICKFRAME 0x0400L
#define MFS_MOVEFRAME 0x0800L
#define FWS_SNAPTOBARS 0x2000L

class FX_API CMiniDockFrameWnd : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(CMiniDockFrameWnd)

public:
    CMiniDockFrameWnd();

    // A popup tool window owned by pParent (the main frame, whose bars it floats) with its dock
    // bar aligned by dwBarStyle (left or right: vertical, else horizontal) and CBRS_FLOAT_MULTI.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // The window style for a bar: a dynamic bar gets a sizing border, another only moves.
    static DWORD FrameStyleFor(DWORD dwBarStyle);
    // The style Create gives the window; a derived frame may choose its own.
    virtual DWORD GetFrameStyle(DWORD dwBarStyle) const { return FrameStyleFor(dwBarStyle); }

    void RecalcLayout(BOOL bNotify = TRUE) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CDockBar m_wndDockBar;
    // The dock bar the frame's bars sit in; a derived frame may hold its own kind instead.
    virtual CDockBar* GetDockBar() { return &m_wndDockBar; }
    // Set from WM_DESTROY on: the bars going with the frame must not destroy it again.
    BOOL m_bInDestroy;

protected:
    void OnClose() override;
    void OnDestroy() override;
    // The single bar of the dock bar, which a caption drag or double click acts on; null when
    // there are several.
    CControlBar* GetSingleBar();
};
