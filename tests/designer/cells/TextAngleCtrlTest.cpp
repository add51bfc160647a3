// The text angle dial: clicks and drags give angles to the half degree, snap onto the 15-degree
// marks within 1.8 degrees, the left strip picks straight up or down, and a click on the centre
// keeps the direction instead of dividing by zero.
#include <gtest/gtest.h>

#include "designer/cells/TextAngleCtrl.h"
#include "designer/res/resource.h"
#include "platform/win/Wnd.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UiDriver.h"

namespace
{
// 220 x 220: the working square runs 4..216, so the radius is 106 and the centre (4, 110).
const int kSize = 220;
const int kCentreX = 4;
const int kCentreY = 110;

struct Dial
{
    CWnd parent;
    CTextAngleCtrl ctrl;

    Dial()
    {
        parent.CreateEx(0, nullptr, "角度", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr);
        const RECT rc = {10, 10, 10 + kSize, 10 + kSize};
        ctrl.Create(rc, &parent, 1000);
    }
    ~Dial()
    {
        if (parent.m_hWnd != nullptr) {
            parent.DestroyWindow();
        }
    }

    // The whole degrees of the last notice the parent got, -999 when none came.
    int LastNotice()
    {
        int nLast = -999;
        MSG msg;
        while (::PeekMessageA(&msg, parent.m_hWnd, WM_TEXT_ANGLE_CHANGED, WM_TEXT_ANGLE_CHANGED, PM_REMOVE)) {
            nLast = static_cast<int>(static_cast<INT_PTR>(msg.wParam));
        }
        return nLast;
    }
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
} // namespace

TEST(TextAngleCtrlTest, ClicksGiveAnglesAndSnapOntoMarks)
{
    struct ClickCase
    {
        const char* szName;
        int nStart; // the angle set before the click
        int x, y;   // the press, in client coordinates
        int nWhileDown;
        int nAfter; // tenths of a degree after the release
        int nNotice;
    };
    const ClickCase cases[] = {
        {"straight right", 30, kCentreX + 100, kCentreY, 0, 0, 0},
        {"(100, -100) reads 45", 0, kCentreX + 100, kCentreY - 100, 450, 450, 45},
        {"one degree off 45 snaps onto it", 0, kCentreX + 100, kCentreY - 97, 450, 450, 45},
        {"42 degrees: no mark, half degrees", 0, kCentreX + 100, kCentreY - 90, 420, 420, 42},
        {"43.5 degrees lies within the mark's 1.8", 0, kCentreX + 100, kCentreY - 95, 450, 450, 45},
        {"below: 15.1 degrees down snaps to -15", 0, kCentreX + 100, kCentreY + 27, -150, -150, -15},
        {"near the vertical: +90", 0, kCentreX + 3, kCentreY - 100, 900, 900, 90},
        {"the centre keeps the direction", 30, kCentreX, kCentreY, 300, 300, 30},
        {"left strip below the middle: -90", 0, 2, kCentreY + 20, -900, -900, -90},
        {"left strip above the middle: +90", 0, 2, kCentreY - 20, 900, 900, 90},
    };
    Dial dial;
    ASSERT_NE(nullptr, dial.ctrl.m_hWnd);
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.szName);
        dial.ctrl.SetAngle(c.nStart);
        dial.LastNotice();
        dial.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(c.x, c.y));
        EXPECT_EQ(c.nWhileDown, dial.ctrl.GetAngle()) << "pressed";
        dial.ctrl.SendMessage(WM_LBUTTONUP, 0, At(c.x, c.y));
        EXPECT_EQ(c.nAfter, dial.ctrl.GetAngle());
        EXPECT_EQ(c.nNotice, dial.LastNotice());
    }
}

TEST(TextAngleCtrlTest, DragFollowsThePointerAndSnapsOnRelease)
{
    Dial dial;
    dial.ctrl.SetAngle(0);
    dial.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(kCentreX + 100, kCentreY - 20));
    dial.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(kCentreX + 100, kCentreY - 66));
    EXPECT_EQ(335, dial.ctrl.GetAngle()) << "33.4 degrees, between the marks";
    dial.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(kCentreX + 100, kCentreY - 56));
    EXPECT_EQ(300, dial.ctrl.GetAngle()) << "29.2 degrees lies on the 30 mark";
    EXPECT_TRUE(dial.ctrl.IsMarkLit(3)) << "index 3 is +30";
    dial.ctrl.SendMessage(WM_LBUTTONUP, 0, At(kCentreX + 100, kCentreY - 56));
    EXPECT_EQ(30, dial.LastNotice());
    // Exactly on the mark now, and a move without the button does nothing.
    EXPECT_EQ(CPoint(100, -57), dial.ctrl.GetDirection());
    dial.ctrl.SendMessage(WM_MOUSEMOVE, 0, At(kCentreX + 100, kCentreY + 50));
    EXPECT_EQ(300, dial.ctrl.GetAngle());

    dial.ctrl.SetAngle(45);
    dial.parent.ShowWindow(SW_SHOW);
    // Let the exposure of the newly shown window be erased and painted before the picture.
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(dial.parent.m_hWnd, "text-angle-dial.png"));
}

TEST(TextAngleCtrlTest, SetAngleFoldsAnglesBeyondTheRange)
{
    struct AngleCase
    {
        const char* szName;
        int nDegrees;
        int nTenths;
    };
    const AngleCase cases[] = {
        {"120 shows 30", 120, 300},
        {"-100 shows -10", -100, -100},
        {"90 points up", 90, 900},
        {"-90 points down", -90, -900},
        {"0", 0, 0},
        {"-37", -37, -370},
    };
    Dial dial;
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.szName);
        dial.ctrl.SetAngle(c.nDegrees);
        EXPECT_EQ(c.nTenths, dial.ctrl.GetAngle());
    }
    dial.ctrl.SetAngle(90);
    EXPECT_EQ(CPoint(0, -1), dial.ctrl.GetDirection());
}

TEST(TextAngleCtrlTest, MarkIndicesNameTheirAngles)
{
    const int expected[CTextAngleCtrl::kMarkCount] = {0, 15, -15, 30, -30, 45, -45, 60, -60, 75, -75, 90, -90};
    for (int i = 0; i < CTextAngleCtrl::kMarkCount; ++i) {
        EXPECT_EQ(expected[i], CTextAngleCtrl::MarkAngle(i)) << i;
    }
}
