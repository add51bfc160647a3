// The drag of a column divider in the framework's list: which column, its left edge, the bar
// drawn inverted at the last tracked x, and the divider cursor shown meanwhile and over a divider.
#pragma once

#include <windows.h>

class FwListColumnResize
{
public:
    FwListColumnResize();

    // Loads the divider cursor: the application's own resource, else the system's west-east one.
    void LoadDividerCursor();
    BOOL IsActive() const { return m_nColumn >= 0; }
    int GetLeft() const { return m_nLeft; }
    int GetLastX() const { return m_nX; }
    // Captures the mouse for the window and draws the bar at x.
    void Begin(HWND hWnd, int nCol, int nLeft, int x);
    // Moves the bar to x.
    void Track(HWND hWnd, int x);
    // Erases the bar, then releases the capture; the column that was resized, -1 when none was.
    int End(HWND hWnd);
    void SetOverDivider(BOOL bOver) { m_bOverDivider = bOver; }
    // Shows the divider cursor while over a divider or resizing: FALSE when it does not apply.
    BOOL ShowCursor() const;

private:
    // Moves the 2-pixel bar from xLast to x; noBar for either end only draws or only erases it.
    static void DrawBar(HWND hWnd, int x, int xLast);

    int m_nColumn;
    int m_nLeft;
    int m_nX;
    BOOL m_bOverDivider;
    HCURSOR m_hCursor;
};
