#include <gtest/gtest.h>

#include "platform/base/FxResMgr.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/base/String.h"
#include "work/res/resource.h"

// The library's strings are found through the resource chain whichever module is current.
TEST(VornWorkModuleTest, StringsAreFoundWhicheverModuleIsCurrent)
{
    ASSERT_NE(nullptr, CFxResMgr::FindModule("VornWork.dll"));
    CFxResourceSwitch resSwitch("VornFx.dll");
    ASSERT_TRUE(resSwitch.IsSwitched());
    CString str;
    EXPECT_TRUE(str.LoadString(IDS_DBNAME_EMPTY));
    EXPECT_STREQ("名称不能为空！", str);
}
