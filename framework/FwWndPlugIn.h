// An object that borrows a frame's window handle and sees the frame's messages and commands before
// the frame does; it creates no window of its own.
#pragma once

#include "platform/win/Wnd.h"

class FwWndPlugIn : public CWnd
{
    FX_DECLARE_DYNAMIC(FwWndPlugIn)

public:
    FwWndPlugIn();
    // Clears the borrowed handle first: the host window outlives the plug-in.
    ~FwWndPlugIn() override;
    FwWndPlugIn(const FwWndPlugIn&) = delete;
    FwWndPlugIn& operator=(const FwWndPlugIn&) = delete;

    virtual void SetResult(LRESULT lResult);
    // FALSE for no window.
    virtual BOOL Attach(CWnd* pWnd);
    virtual void Detach();
    virtual BOOL IsAttached() const { return m_bAttached; }

    // The host offers a message: TRUE when the plug-in consumed it, with its answer in *pResult.
    BOOL OfferMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bHandled;
    BOOL m_bCallDefault;

protected:
    // The plug-in's own handling of the host's messages; TRUE when consumed. The base takes none.
    virtual BOOL OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL m_bResultGiven;
    LRESULT m_lResult;
    BOOL m_bAttached;
};
