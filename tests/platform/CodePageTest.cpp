#include <gtest/gtest.h>

#include <windows.h>

namespace
{
// The suite's narrow text is GBK: the prefix the tests run in must have code page 936.
TEST(CodePageTest, PrefixRunsWithCodePage936)
{
    EXPECT_EQ(936u, GetACP());
}
} // namespace
