#include "platform/win/CenterWindow.h"

#include <algorithm>

#include "platform/base/Rect.h"

void FxCenterOverOwner(HWND hWnd)
{
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    const BOOL bOverOwner = hOwner != nullptr && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfoA(::MonitorFromWindow(hOwner != nullptr ? hOwner : hWnd, MONITOR_DEFAULTTOPRIMARY), &mi)) {
        return;
    }
    const CRect rcArea(mi.rcWork);
    CRect rcCentre = rcArea;
    if (bOverOwner) {
        ::GetWindowRect(hOwner, &rcCentre);
    }
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    const int x =
        std::clamp(static_cast<int>(rcCentre.left) + (rcCentre.Width() - rc.Width()) / 2, static_cast<int>(rcArea.left),
                   std::max(static_cast<int>(rcArea.left), static_cast<int>(rcArea.right) - rc.Width()));
    const int y =
        std::clamp(static_cast<int>(rcCentre.top) + (rcCentre.Height() - rc.Height()) / 2, static_cast<int>(rcArea.top),
                   std::max(static_cast<int>(rcArea.top), static_cast<int>(rcArea.bottom) - rc.Height()));
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
