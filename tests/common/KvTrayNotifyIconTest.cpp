#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/KvTrayNotifyIcon.h"
#include "platform/win/Wnd.h"
#include "tests/common/res/kvcommtest_resource.h"

namespace
{
const UINT kTrayId = IDR_KVTEST_TRAY;
const UINT kCallback = WM_APP + 7;
const char kAnimationTitle[] = "CKvTrayNotifyIcon Animation Notification Window";
const char kResurrectionTitle[] = "CKvTrayNotifyIcon Resurrection Notification Window";

// The window that gets the icon's callback message and its menu commands.
class CNotifyWnd : public CWnd
{
public:
    std::vector<WPARAM> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(wParam);
        return TRUE;
    }
};

class KvTrayNotifyIconTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "tray owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        m_icons[0] = LoadIconA(nullptr, IDI_APPLICATION);
        m_icons[1] = LoadIconA(nullptr, IDI_HAND);
        m_icons[2] = LoadIconA(nullptr, IDI_QUESTION);
    }

    // Asks the shell about the icon as a third party would: it answers FALSE for an icon it does
    // not have.
    BOOL ShellHasIcon() const
    {
        NOTIFYICONDATAA nid = {};
        nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
        nid.hWnd = m_wnd;
        nid.uID = kTrayId;
        return Shell_NotifyIconA(NIM_MODIFY, &nid);
    }

    CNotifyWnd m_wnd;
    HICON m_icons[3] = {};
};

TEST_F(KvTrayNotifyIconTest, CallsBeforeCreateOrAfterRemoveAnswerFalse)
{
    CKvTrayNotifyIcon icon;
    EXPECT_FALSE(icon.SetTooltipText("tip"));
    EXPECT_FALSE(icon.SetIcon(m_icons[0]));
    EXPECT_FALSE(icon.SetStandardIcon(IDI_APPLICATION));
    EXPECT_FALSE(icon.SetNotificationWnd(&m_wnd));
    EXPECT_EQ(nullptr, icon.GetIcon());
    EXPECT_TRUE(icon.GetTooltipText().IsEmpty());
    // An animation without icons has nothing to show.
    EXPECT_FALSE(icon.Create(&m_wnd, kTrayId, "tip", m_icons, 0, 100, kCallback));
    EXPECT_EQ(nullptr, FindWindowA(nullptr, kAnimationTitle));

    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "tip", m_icons[0], kCallback));
    icon.RemoveIcon();
    EXPECT_FALSE(ShellHasIcon());
    EXPECT_FALSE(icon.SetTooltipText("tip"));
    EXPECT_EQ(nullptr, icon.GetIcon());
    EXPECT_TRUE(icon.GetTooltipText().IsEmpty());
}

TEST_F(KvTrayNotifyIconTest, CreateAddsTheIconAndDestructionRemovesIt)
{
    auto pIcon = std::make_unique<CKvTrayNotifyIcon>();
    ASSERT_TRUE(pIcon->Create(&m_wnd, kTrayId, "卡片工具", m_icons[0], kCallback));
    EXPECT_TRUE(ShellHasIcon());
    EXPECT_EQ(m_icons[0], pIcon->GetIcon());
    EXPECT_EQ(CString("卡片工具"), pIcon->GetTooltipText());
    EXPECT_FALSE(pIcon->UsingAnimatedIcon());
    HWND hResurrection = FindWindowA(nullptr, kResurrectionTitle);
    ASSERT_NE(nullptr, hResurrection);
    EXPECT_FALSE(IsWindowVisible(hResurrection));

    pIcon.reset();
    EXPECT_FALSE(ShellHasIcon());
    EXPECT_FALSE(IsWindow(hResurrection));
}

TEST_F(KvTrayNotifyIconTest, TooltipChangesAndLongTextIsCutAtAWholeCharacter)
{
    CKvTrayNotifyIcon icon;
    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "first", m_icons[0], kCallback));
    struct TipCase
    {
        const char* szName;
        CString strTip;
        CString strExpected;
    };
    const CString strLongAscii('a', 80);
    CString strLongGbk;
    for (int i = 0; i < 40; ++i) {
        strLongGbk += "卡";
    }
    const TipCase cases[] = {
        {"plain", "second", "second"},
        {"63 bytes kept of 80", strLongAscii, strLongAscii.Left(63)},
        {"31 whole characters of 40 (62 bytes)", strLongGbk, strLongGbk.Left(62)},
        {"empty", "", ""},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_TRUE(icon.SetTooltipText(c.strTip));
        EXPECT_EQ(c.strExpected, icon.GetTooltipText());
    }
    EXPECT_TRUE(icon.SetTooltipText(IDS_KVTEST_TRAY_TIP));
    EXPECT_EQ(CString("卡片工具"), icon.GetTooltipText());
}

TEST_F(KvTrayNotifyIconTest, AnimationStepsThroughItsIconsUntilASingleIconIsSet)
{
    CKvTrayNotifyIcon icon;
    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "busy", m_icons, 3, 250, kCallback));
    EXPECT_TRUE(icon.UsingAnimatedIcon());
    HWND hTimer = FindWindowA(nullptr, kAnimationTitle);
    ASSERT_NE(nullptr, hTimer);
    EXPECT_EQ(m_icons[0], icon.GetIcon());
    const HICON expected[] = {m_icons[1], m_icons[2], m_icons[0], m_icons[1]};
    for (HICON hExpected : expected) {
        SendMessageA(hTimer, WM_TIMER, 1, 0);
        EXPECT_EQ(hExpected, icon.GetIcon());
        EXPECT_TRUE(ShellHasIcon());
    }
    // The frames change on timer 1 at the delay.
    EXPECT_TRUE(KillTimer(hTimer, 1));

    EXPECT_TRUE(icon.SetIcon(m_icons[2]));
    EXPECT_FALSE(icon.UsingAnimatedIcon());
    EXPECT_FALSE(IsWindow(hTimer));
    EXPECT_EQ(m_icons[2], icon.GetIcon());

    // A new animation gets a new window.
    EXPECT_TRUE(icon.SetIcon(m_icons, 2, 100));
    EXPECT_TRUE(icon.UsingAnimatedIcon());
    hTimer = FindWindowA(nullptr, kAnimationTitle);
    ASSERT_NE(nullptr, hTimer);
    SendMessageA(hTimer, WM_TIMER, 1, 0);
    EXPECT_EQ(m_icons[1], icon.GetIcon());
    EXPECT_FALSE(icon.SetIcon(m_icons, 0, 100));
}

TEST_F(KvTrayNotifyIconTest, TaskbarCreatedBringsBackAShownIconOnly)
{
    CKvTrayNotifyIcon icon;
    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "tip", m_icons[0], kCallback));
    HWND hResurrection = FindWindowA(nullptr, kResurrectionTitle);
    ASSERT_NE(nullptr, hResurrection);
    const UINT nTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");

    // A new taskbar knows no icons: take ours away behind the object's back, as a restarted
    // shell does.
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = m_wnd;
    nid.uID = kTrayId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &nid));
    ASSERT_FALSE(ShellHasIcon());
    SendMessageA(hResurrection, nTaskbarCreated, 0, 0);
    EXPECT_TRUE(ShellHasIcon());
    EXPECT_TRUE(icon.IsShowing());

    icon.HideIcon();
    EXPECT_TRUE(icon.IsHidden());
    EXPECT_FALSE(ShellHasIcon());
    SendMessageA(hResurrection, nTaskbarCreated, 0, 0);
    EXPECT_FALSE(ShellHasIcon()) << "a hidden icon stays away";

    icon.MoveToExtremeRight();
    EXPECT_TRUE(icon.IsShowing());
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(KvTrayNotifyIconTest, DoubleClickSendsTheMenusFirstCommand)
{
    CKvTrayNotifyIcon icon;
    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "tip", m_icons[0], kCallback));
    EXPECT_EQ(0, icon.OnTrayNotification(kTrayId + 1, WM_LBUTTONDBLCLK)) << "another icon's id";
    EXPECT_EQ(1, icon.OnTrayNotification(kTrayId, WM_LBUTTONDBLCLK));
    EXPECT_EQ(std::vector<WPARAM>{ID_KVTEST_TRAY_OPEN}, m_wnd.m_commands);
    EXPECT_EQ(1, icon.OnTrayNotification(kTrayId, WM_MOUSEMOVE));
    EXPECT_EQ(1u, m_wnd.m_commands.size());

    // Without a menu resource of the icon's id nothing happens.
    CKvTrayNotifyIcon other;
    ASSERT_TRUE(other.Create(&m_wnd, kTrayId + 50, "tip", m_icons[0], kCallback));
    EXPECT_EQ(0, other.OnTrayNotification(kTrayId + 50, WM_RBUTTONUP));
    EXPECT_EQ(0, other.OnTrayNotification(kTrayId + 50, WM_LBUTTONDBLCLK));
    EXPECT_EQ(1u, m_wnd.m_commands.size());
}

TEST_F(KvTrayNotifyIconTest, IconsComeFromResourcesOrTheSystem)
{
    CKvTrayNotifyIcon icon;
    ASSERT_TRUE(icon.Create(&m_wnd, kTrayId, "tip", m_icons[0], kCallback));
    EXPECT_TRUE(icon.SetIcon(IDR_KVTEST_TRAY));
    EXPECT_NE(nullptr, icon.GetIcon());
    EXPECT_NE(m_icons[0], icon.GetIcon());
    EXPECT_FALSE(icon.SetIcon(9999u));
    EXPECT_TRUE(icon.SetStandardIcon(32514u));
    EXPECT_EQ(m_icons[2], icon.GetIcon());
    EXPECT_TRUE(icon.SetNotificationWnd(&m_wnd));
    EXPECT_TRUE(ShellHasIcon());
}
} // namespace
