#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "common/KvShInfo.h"
#include "platform/base/FxIcon.h"

namespace
{
TEST(KvShInfoTest, ExtensionsAreKeptUpperCaseOnceAndOnlyWithTheirPoint)
{
    CKvShInfo info;
    struct AddCase
    {
        const char* szName;
        const char* szExt;
        int nIndex;
    };
    const AddCase cases[] = {
        {"first", ".znt", 0},
        {"second, upper case", ".CCD", 1},
        {"again in other case", ".Znt", 0},
        {"no point", "txt", -1},
        {"empty", "", -1},
    };
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.szName);
        info.AddIconTypeToList(c.szExt);
        EXPECT_EQ(c.nIndex, info.GetExtTypeIndex(c.szExt));
    }
    EXPECT_EQ(2, info.GetIconTypeCount());
    EXPECT_EQ(-1, info.GetExtTypeIndex("znt"));
    info.RemoveIconType(".ZNT");
    EXPECT_EQ(0, info.GetExtTypeIndex(".ccd"));
    info.RemoveAllIconType();
    EXPECT_EQ(0, info.GetIconTypeCount());
}

TEST(KvShInfoTest, ImageListsHoldOneIconPerExtensionInListOrder)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        CKvShInfo info;
        ASSERT_TRUE(info.UpdateDataImageList());
        EXPECT_NE(nullptr, info.GetSmallImageList()->GetSafeHandle());
        EXPECT_EQ(0, info.GetSmallImageList()->GetImageCount());
        EXPECT_EQ(0, info.GetLargeImageList()->GetImageCount());

        // An extension the shell does not know still takes its place.
        for (LPCSTR pszExt : {".txt", ".znt", ".no-such-type", ".exe"}) {
            info.AddIconTypeToList(pszExt);
        }
        ASSERT_TRUE(info.UpdateDataImageList());
        EXPECT_EQ(4, info.GetSmallImageList()->GetImageCount());
        EXPECT_EQ(4, info.GetLargeImageList()->GetImageCount());
        int cx = 0;
        int cy = 0;
        ASSERT_TRUE(info.GetSmallImageList()->GetIconSize(cx, cy));
        EXPECT_EQ(16, cx);
        ASSERT_TRUE(info.GetLargeImageList()->GetIconSize(cx, cy));
        EXPECT_EQ(32, cx);

        info.DetachImageList();
        EXPECT_EQ(nullptr, info.GetSmallImageList()->GetSafeHandle());
        EXPECT_EQ(nullptr, info.GetLargeImageList()->GetSafeHandle());
    }
    CoUninitialize();
}

TEST(KvShInfoTest, TypeIconsOnlyForRegisteredExtensions)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        CKvShInfo info;
        HICON hLarge = nullptr;
        HICON hSmall = nullptr;
        ASSERT_TRUE(info.GetTypeIcon(hLarge, hSmall, ".INI"));
        CFxIcon large(hLarge);
        CFxIcon small(hSmall);
        EXPECT_NE(nullptr, hLarge);
        EXPECT_NE(nullptr, hSmall);
        EXPECT_FALSE(info.GetTypeIcon(hLarge, hSmall, ".no-such-type"));
        EXPECT_FALSE(info.GetTypeIcon(hLarge, hSmall, "ini"));
        EXPECT_EQ(nullptr, hLarge);
        EXPECT_EQ(nullptr, hSmall);
    }
    CoUninitialize();
}

TEST(KvShInfoTest, ModifyStyleRemovesOnlyFlagsThatAreSet)
{
    CKvShInfo info;
    const long lDefault = SHGFI_DISPLAYNAME | SHGFI_TYPENAME;
    EXPECT_EQ(lDefault, info.GetStyle());
    info.ModifyStyle(SHGFI_ATTRIBUTES, SHGFI_TYPENAME);
    EXPECT_EQ(SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES, info.GetStyle());
    // A flag that is not set: nothing borrowed from the others.
    info.ModifyStyle(0, SHGFI_TYPENAME);
    EXPECT_EQ(SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES, info.GetStyle());
    info.ModifyStyle(SHGFI_DISPLAYNAME, 0);
    EXPECT_EQ(SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES, info.GetStyle());
}
} // namespace
