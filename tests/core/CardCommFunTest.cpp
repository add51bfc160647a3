// File extensions as the cell drawing reads them.
#include <gtest/gtest.h>

#include "core/CardCommFun.h"
#include "core/FreeObjPoint.h"
#include "core/GraphEntity.h"
#include "platform/base/ObList.h"
#include "tests/support/DibCanvas.h"

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

TEST(CardCommFunTest, FigureListDrawsEachFigureAndPassesOverOtherObjects)
{
    CObList list;
    CString strReason;
    auto* pGood = new CGraphEntity;
    ASSERT_EQ(1, pGood->SetData("Rectangle 10,10,30,30,F", strReason, 0));
    list.AddTail(pGood);
    auto* pRefused = new CGraphEntity;
    EXPECT_EQ(0, pRefused->SetData("Rectangle 10,10", strReason, 0));
    list.AddTail(pRefused);
    list.AddTail(new CFreeObjPoint(1, 1));
    auto* pSecond = new CGraphEntity;
    ASSERT_EQ(1, pSecond->SetData("Line 60,10,90,40,,2", strReason, 0));
    list.AddTail(pSecond);

    CTestDib dib(100, 60);
    EXPECT_EQ(2, CCardCommFun::SGEDrawList(&dib.DC(), list));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(20, 20));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(75, 25));
    EXPECT_EQ(0, CCardCommFun::SGEDrawList(nullptr, list));
    while (!list.IsEmpty()) {
        delete list.RemoveHead();
    }
    EXPECT_EQ(0, CCardCommFun::SGEDrawList(&dib.DC(), list));
}

} // namespace
