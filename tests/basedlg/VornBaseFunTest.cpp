#include <gtest/gtest.h>

#include "basedlg/VornBaseFun.h"
#include "platform/base/FxRegKey.h"
#include "support/UiDriver.h"

namespace
{
const char kKey[] = "SOFTWARE\\Saelo\\CAPP";

struct PdmCase
{
    const char* szName;
    BOOL bKey;
    BOOL bValue;
    DWORD dwValue;
    BOOL bResult;
    const char* szMessage; // null: nothing shown
};

const PdmCase pdmCases[] = {
    {"value 1", TRUE, TRUE, 1, TRUE, nullptr},
    {"value 0", TRUE, TRUE, 0, FALSE, nullptr},
    {"value missing", TRUE, FALSE, 0, FALSE, "在 CAPP 的注册表中，没找到 Capp的版本类型 !"},
    {"key missing", FALSE, FALSE, 0, FALSE, "没有找到 CAPP 的注册表!"},
};
} // namespace

TEST(VornBaseFunTest, IsPdmViewReadsTheInstallationType)
{
    for (const PdmCase& c : pdmCases) {
        SCOPED_TRACE(c.szName);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        if (c.bKey) {
            CFxRegKey key;
            ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, kKey, KEY_WRITE));
            if (c.bValue) {
                ::RegSetValueExA(key, "IsPdmVer", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&c.dwValue),
                                 sizeof(c.dwValue));
            }
        }
        CTestUi ui;
        EXPECT_EQ(c.bResult, CVornBaseFun::IsPdmView());
        const std::vector<CTestUi::Box>& boxes = ui.GetBoxes();
        if (c.szMessage == nullptr) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(1u, boxes.size());
            EXPECT_STREQ(c.szMessage, boxes[0].strText);
            EXPECT_STREQ("系统提示", boxes[0].strCaption);
            EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), boxes[0].nType & MB_ICONMASK);
        }
    }
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
}
