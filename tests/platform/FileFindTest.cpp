#include <gtest/gtest.h>

#include <map>

#include "platform/base/File.h"
#include "platform/base/FileFind.h"
#include "tests/support/TempFolder.h"

namespace
{
TEST(FileFindTest, PatternFindsEachMatchingFileAndFolderOnce)
{
    CTestTempFolder folder;
    {
        CFile a(folder.PathOf("a.znt"), CFile::modeCreate | CFile::modeWrite);
        a.Write("12345", 5);
        CFile b(folder.PathOf("模板.znt"), CFile::modeCreate | CFile::modeWrite);
        CFile c(folder.PathOf("other.txt"), CFile::modeCreate | CFile::modeWrite);
    }
    ASSERT_TRUE(CreateDirectoryA(folder.PathOf("sub.znt"), nullptr));

    struct Seen
    {
        CString strPath;
        CString strTitle;
        ULONGLONG nLength;
        BOOL bDirectory;
    };
    std::map<CString, Seen> seen;
    CFileFind ff;
    BOOL bMore = ff.FindFile(folder.PathOf("*.znt"));
    ASSERT_TRUE(bMore);
    while (bMore) {
        bMore = ff.FindNextFile();
        seen[ff.GetFileName()] = Seen{ff.GetFilePath(), ff.GetFileTitle(), ff.GetLength(), ff.IsDirectory()};
        EXPECT_FALSE(ff.IsDots());
    }
    ff.Close();
    ASSERT_EQ(3u, seen.size());
    EXPECT_TRUE(seen["a.znt"].strPath == folder.PathOf("a.znt"));
    EXPECT_TRUE(seen["a.znt"].strTitle == "a");
    EXPECT_EQ(5u, seen["a.znt"].nLength);
    EXPECT_FALSE(seen["a.znt"].bDirectory);
    EXPECT_TRUE(seen["模板.znt"].strTitle == "模板");
    EXPECT_TRUE(seen["sub.znt"].bDirectory);

    // "*" also yields the dots.
    int nDots = 0;
    bMore = ff.FindFile(folder.PathOf("*"));
    while (bMore) {
        bMore = ff.FindNextFile();
        nDots += ff.IsDots() ? 1 : 0;
    }
    EXPECT_EQ(2, nDots);

    EXPECT_FALSE(ff.FindFile(folder.PathOf("*.none")));
    EXPECT_FALSE(ff.FindNextFile());
    EXPECT_TRUE(ff.GetFileName().IsEmpty());
}
} // namespace
