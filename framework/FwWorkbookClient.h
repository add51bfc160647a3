// The workbook's MDI client, subclassed: menu changes of the client are reported to the frame,
// which repaints the tabs of the previously and newly active worksheets.
#pragma once

#include "platform/base/Rect.h"
#include "platform/win/Wnd.h"

// Asks the client to report a menu change without changing the menu (wParam and lParam -1).
#define WM_FWWORKBOOK_REFRESHTABS 0x84E
// Sent to the frame after the client's menu changed.
#define WM_FWWORKBOOK_ACTIVETABCHANGED 0x84D

class FwWorkbookClient : public CWnd
{
    FX_DECLARE_DYNCREATE(FwWorkbookClient)

public:
    FwWorkbookClient();

    // The window rectangle less the insets.
    void CalcWindowRect(LPRECT lpRect) const;

    CRect m_rcInsets;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
