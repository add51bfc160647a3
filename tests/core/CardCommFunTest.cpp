// File extensions as the cell drawing reads them.
#include <gtest/gtest.h>

#include "core/CardCommFun.h"

namespace
{

TEST(CardCommFunTest, ExtensionIsWhatFollowsTheLastDotOfTheFileName)
{
    struct Case
    {
        const char* szName;
        const char* szPath;
        const char* szExt;
    };
    const Case cases[] = {
        {"plain file", "C:\\pics\\part.bmp", "bmp"},
        {"two dots", "C:\\pics\\part.v2.BMP", "BMP"},
        {"no extension", "C:\\pics\\part", ""},
        {"dot in a folder name only", "C:\\pics.old\\part", ""},
        {"trail byte 0x5C after the dot is no separator", "C:\\pics\\part.\xD5\\", "\xD5\\"},
        {"empty path", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szExt, CCardCommFun::GetFileExtName(c.szPath));
    }
}

} // namespace
