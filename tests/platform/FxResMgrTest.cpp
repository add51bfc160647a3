#include <gtest/gtest.h>

#include "platform/base/FxModuleLink.h"
#include "platform/base/FxResMgr.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/base/String.h"
#include "tests/platform/res/fxtest_resource.h"

TEST(FxResMgrTest, SwitchToMissingModuleKeepsTheCurrentHandle)
{
    HINSTANCE hBefore = CFxResMgr::GetResourceHandle();
    {
        CFxResourceSwitch resSwitch("NoSuchModule.dll");
        EXPECT_FALSE(resSwitch.IsSwitched());
        EXPECT_EQ(hBefore, CFxResMgr::GetResourceHandle());
    }
    EXPECT_EQ(hBefore, CFxResMgr::GetResourceHandle());
}

TEST(FxResMgrTest, SwitchToLoadedModuleRestoresAfterwards)
{
    HINSTANCE hBefore = CFxResMgr::GetResourceHandle();
    HINSTANCE hFx = CFxResMgr::FindModule("VornFx.dll");
    ASSERT_NE(nullptr, hFx);
    {
        CFxResourceSwitch resSwitch("VornFx.dll");
        EXPECT_TRUE(resSwitch.IsSwitched());
        EXPECT_EQ(hFx, CFxResMgr::GetResourceHandle());
    }
    EXPECT_EQ(hBefore, CFxResMgr::GetResourceHandle());
}

TEST(FxResMgrTest, ResourcesAreFoundPastTheCurrentModule)
{
    // The test program's dialog is found even while another module is current.
    CFxResourceSwitch resSwitch("VornFx.dll");
    EXPECT_EQ(GetModuleHandleA(nullptr), CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDD_FXTEST), RT_DIALOG));
    EXPECT_EQ(nullptr, CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(4321), RT_DIALOG));
}

TEST(FxResMgrTest, ChainedModulesAreSearchedNewestFirstAndLeave)
{
    HINSTANCE hFx = CFxResMgr::FindModule("VornFx.dll");
    HINSTANCE hExe = GetModuleHandleA(nullptr);
    // A module that holds the resource, chained: found there before the EXE fallback.
    {
        CFxModuleLink link(hExe);
        EXPECT_EQ(hExe, CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDD_FXTEST), RT_DIALOG));
    }
    CFxModuleLink link(hFx);
    CFxResMgr::SetResourceHandle(hFx);
    EXPECT_EQ(hFx, CFxResMgr::GetResourceHandle());
    CFxResMgr::RemoveModule(hFx);
    // Leaving the chain also stops a module from being the current one.
    EXPECT_EQ(hExe, CFxResMgr::GetResourceHandle());
}

TEST(FxResMgrTest, StringsLoadFromTheModuleThatHasThem)
{
    CFxResourceSwitch resSwitch("VornFx.dll");
    CString str;
    EXPECT_TRUE(str.LoadString(IDS_FXTEST_TEXT));
    EXPECT_STREQ("测试字符串", str);
    EXPECT_FALSE(str.LoadString(3999));
}
