// The print preview's bar: a strip of push buttons across the top of the frame that hands their
// commands to the preview view. Made with new; it goes with its window.
#pragma once

#include "platform/win/Wnd.h"

class CFrameWnd;

class FX_API CPreviewBar : public CWnd
{
public:
    CPreviewBar();

    // A child of pFrame with the preview's buttons; their commands go to hWndTarget.
    BOOL Create(CFrameWnd* pFrame, HWND hWndTarget);
    void EnableButton(UINT nID, BOOL bEnable);
    void SetButtonText(UINT nID, LPCSTR lpszText);
    // Hides the bar now and destroys it once the message in hand is done: the command that
    // closes the preview is still inside the bar's own window procedure.
    void Close();
    static constexpr int kHeight = 30;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    HWND m_hWndTarget;
    HFONT m_hFont;
};
