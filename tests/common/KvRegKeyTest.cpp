#include <gtest/gtest.h>

#include "common/KvRegKey.h"

namespace
{
// A scratch key under HKLM, removed with everything in it when the test ends.
class KvRegKeyTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
        m_strPath.Format("SOFTWARE\\VornTest\\%s_%lu", pInfo->name(), GetCurrentProcessId());
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_strPath);
        // Fails, as it should, while another test's key is still below it.
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\VornTest");
    }

    CString m_strPath;
};

TEST_F(KvRegKeyTest, CreatedValuesAreReadBackByAFreshKey)
{
    {
        CKvRegKey key;
        ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, m_strPath + "\\Sub"));
        EXPECT_TRUE(key.SetStringValue("Name", "工作目录\\x"));
        EXPECT_TRUE(key.SetIntValue("Count", -7));
        EXPECT_EQ(0, key.SetDWordValue("Flags", 0x80000001u));
    }
    CKvRegKey key;
    // The registry compares key paths without regard to case.
    CString strLower = m_strPath + "\\SUB";
    strLower.MakeLower();
    ASSERT_TRUE(key.Open(HKEY_LOCAL_MACHINE, strLower));
    CString strText;
    EXPECT_TRUE(key.GetStringValue("Name", strText));
    EXPECT_EQ(CString("工作目录\\x"), strText);
    int nCount = 0;
    EXPECT_TRUE(key.GetIntValue("Count", nCount));
    EXPECT_EQ(-7, nCount);
    DWORD dwFlags = 0;
    EXPECT_TRUE(key.GetDWordValue("flags", dwFlags));
    EXPECT_EQ(0x80000001u, dwFlags);
    EXPECT_TRUE(key.VerifyValue("NAME"));
    EXPECT_FALSE(key.VerifyValue("Missing"));
}

TEST_F(KvRegKeyTest, ReadsOfTheWrongTypeFail)
{
    CKvRegKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, m_strPath));
    ASSERT_EQ(0, key.SetDWordValue("Number", 5));
    const char szExpand[] = "%TEMP%";
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetKey(), "Expand", 0, REG_EXPAND_SZ,
                                            reinterpret_cast<const BYTE*>(szExpand), sizeof(szExpand)));
    const BYTE abLong[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetKey(), "Long", 0, REG_BINARY, abLong, sizeof(abLong)));
    ASSERT_TRUE(key.SetStringValue("Text", "abc"));

    CString strText = "stale";
    EXPECT_FALSE(key.GetStringValue("Number", strText));
    EXPECT_TRUE(strText.IsEmpty());
    strText = "stale";
    EXPECT_FALSE(key.GetStringValue("Expand", strText));
    EXPECT_TRUE(strText.IsEmpty());
    strText = "stale";
    EXPECT_FALSE(key.GetStringValue("Missing", strText));
    EXPECT_TRUE(strText.IsEmpty());

    int nValue = 42;
    EXPECT_FALSE(key.GetIntValue("Long", nValue));
    EXPECT_EQ(42, nValue);
    EXPECT_FALSE(key.GetIntValue("Missing", nValue));
    EXPECT_EQ(42, nValue);
}

TEST_F(KvRegKeyTest, StringValueIsCutAtItsFirstZero)
{
    CKvRegKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, m_strPath));
    const char abData[] = "ab\0cd";
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetKey(), "Embedded", 0, REG_SZ, reinterpret_cast<const BYTE*>(abData),
                                            sizeof(abData)));
    CString strText;
    EXPECT_TRUE(key.GetStringValue("Embedded", strText));
    EXPECT_EQ(CString("ab"), strText);
    ASSERT_TRUE(key.SetStringValue("Empty", ""));
    EXPECT_TRUE(key.GetStringValue("Empty", strText));
    EXPECT_TRUE(strText.IsEmpty());
}

TEST_F(KvRegKeyTest, FailedOpenHoldsNoKeyAndCloseIsIdempotent)
{
    CKvRegKey key;
    key.Close();
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, m_strPath + "\\A\\B"));
    EXPECT_TRUE(key.VerifyKey(HKEY_LOCAL_MACHINE, m_strPath));
    // Relative form: opened from the held key, which it then replaces.
    EXPECT_TRUE(key.VerifyKey("a"));
    EXPECT_TRUE(key.VerifyKey("b"));
    EXPECT_TRUE(key.SetStringValue("Deep", "1"));
    EXPECT_FALSE(key.Open(HKEY_LOCAL_MACHINE, m_strPath + "\\Absent"));
    EXPECT_EQ(nullptr, key.GetKey());
    EXPECT_FALSE(key.VerifyKey("b"));
    EXPECT_FALSE(key.VerifyValue("Deep"));
    EXPECT_NE(0, key.SetDWordValue("x", 1));
    EXPECT_FALSE(key.SetStringValue("x", "1"));
    key.Close();
    key.Close();
}
} // namespace
