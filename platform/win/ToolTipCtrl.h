// A tooltip control: tools over a window's areas, with text, shown while the mouse rests there.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CToolTipCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CToolTipCtrl)

public:
    // A pop-up owned by pParentWnd.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool over lpRect of pWnd (its client area when null), with id nIDTool; pWnd relays its
    // mouse messages.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRect = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    // The tool's text, empty when it has none.
    CString GetText(CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void Activate(BOOL bActivate);
    // Hands a mouse message to the control so that it knows when to show the tip.
    void RelayEvent(LPMSG lpMsg);
    // The same for a message a window is handling now.
    void RelayEvent(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
