// A modeless host dialog for the common controls: it records what the controls tell it.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "platform/win/Dialog.h"
#include "support/DibCanvas.h"
#include "support/MessagePump.h"

class CButton;

class CKvTestHost : public CDialog
{
public:
    explicit CKvTestHost(UINT nIDTemplate);
    ~CKvTestHost() override;

    // Creates the dialog hidden; Show puts it on screen, active, at a screen position.
    BOOL Open();
    void Show(int x = 40, int y = 40);

    // BN_CLICKED counts by control id.
    std::map<int, int> m_clicks;
    // WM_USER + 301: (control id, colour).
    std::vector<std::pair<WPARAM, COLORREF>> m_colors;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnColorChange(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()
};

// Client point of a window to screen.
POINT ToScreen(HWND hWnd, int x, int y);
// A mouse message as the window gets it from the queue, with the cursor at the point, so that
// GetMessagePos tells the same place.
void PostMouse(HWND hWnd, UINT message, int x, int y, WPARAM wKeys = 0);
// The owner-drawn control drawn in the given state into the canvas at x, y.
void DrawButtonState(CButton& button, CTestDib& dib, int x, int y, UINT nState, UINT nAction = ODA_DRAWENTIRE);
