#include <gtest/gtest.h>

#include "platform/gdi/PaintDC.h"

namespace
{
// A handler that returns before drawing anything; answers the DC it was given.
HDC PaintNothing(HWND hWnd, HWND& hWndOfDC)
{
    CPaintDC dc(hWnd);
    hWndOfDC = ::WindowFromDC(dc.m_hDC);
    return dc.m_hDC;
}

TEST(PaintDCTest, PaintsTheUpdateRegionAndEndsOnAnEarlyReturn)
{
    // Visible: a hidden window has no update region.
    HWND hWnd =
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    ::InvalidateRect(hWnd, nullptr, FALSE);
    ASSERT_TRUE(::GetUpdateRect(hWnd, nullptr, FALSE));
    HWND hWndOfDC = nullptr;
    HDC hDC = PaintNothing(hWnd, hWndOfDC);
    ASSERT_NE(nullptr, hDC);
    EXPECT_EQ(hWnd, hWndOfDC);
    EXPECT_FALSE(::GetUpdateRect(hWnd, nullptr, FALSE)) << "validated";
    EXPECT_EQ(nullptr, ::WindowFromDC(hDC)) << "EndPaint gave the DC back";
    ::DestroyWindow(hWnd);
}
} // namespace
