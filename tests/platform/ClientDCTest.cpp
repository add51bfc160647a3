#include <gtest/gtest.h>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/WindowDC.h"

namespace
{
// A window DC released back to the system no longer names its window.
TEST(ClientDCTest, WindowDCsAreReleasedWithTheirWindow)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    struct Case
    {
        const char* szName;
        bool bWholeWindow;
    };
    const Case cases[] = {
        {"client area", false},
        {"whole window", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        HDC hDC = nullptr;
        {
            CClientDC dcClient(c.bWholeWindow ? nullptr : hWnd);
            CWindowDC dcWindow(c.bWholeWindow ? hWnd : nullptr);
            CDC& dc = c.bWholeWindow ? static_cast<CDC&>(dcWindow) : static_cast<CDC&>(dcClient);
            hDC = dc.m_hDC;
            ASSERT_NE(nullptr, hDC);
            EXPECT_EQ(hWnd, ::WindowFromDC(hDC));
        }
        EXPECT_EQ(nullptr, ::WindowFromDC(hDC)) << "released in the destructor";
    }
    ::DestroyWindow(hWnd);
}
} // namespace
