// The safe save: the old file stays whole until the new one is complete, and no temporary is
// left behind, whatever way the writing fails.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/base/FxSafeSave.h"
#include "platform/base/Object.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

namespace
{
const char kOld[] = "the old file, whole";

// Writes half of its text, then fails as it is told to.
class HalfWrittenObject : public CObject
{
public:
    void Serialize(CArchive& ar) override
    {
        ar.Write("new", 3);
        ar.Flush();
        CFileException::ThrowOsError(ERROR_DISK_FULL, "disk full");
    }
};

BOOL WriteText(const CString& strTemp, const std::string& text)
{
    TestWriteBytes(strTemp, text);
    return TestReadBytes(strTemp) == text;
}

TEST(SafeSaveTest, ANewFileReplacesTheOldOneAndNoTemporaryStays)
{
    CTestTempFolder folder;
    const CString strTarget = folder.PathOf("card.znt");
    TestWriteBytes(strTarget, kOld);
    CString strSeen;
    EXPECT_TRUE(CFxSafeSave::Save(strTarget, [&](const CString& strTemp) {
        // The writer works on a temporary beside the target while the old file is still there.
        strSeen = strTemp;
        EXPECT_EQ(kOld, TestReadBytes(strTarget));
        return WriteText(strTemp, "the new file");
    }));
    EXPECT_EQ("the new file", TestReadBytes(strTarget));
    EXPECT_TRUE(CFxSafeSave::IsTempOf("card.znt", strSeen.Mid(folder.GetPath().GetLength() + 1)));
    EXPECT_EQ(std::set<std::string>{"card.znt"}, TestFolderNames(folder.GetPath()));

    // A target that did not exist yet is made.
    EXPECT_TRUE(
        CFxSafeSave::Save(folder.PathOf("new.znt"), [](const CString& strTemp) { return WriteText(strTemp, "x"); }));
    EXPECT_EQ("x", TestReadBytes(folder.PathOf("new.znt")));
}

TEST(SafeSaveTest, AFailingWriteLeavesTheOldFileWholeAndNoTemporary)
{
    struct FailCase
    {
        const char* szName;
        std::function<BOOL(const CString&)> fnWrite;
        bool bThrows;
    };
    const FailCase cases[] = {
        {"the writer says it failed", [](const CString& strTemp) { return WriteText(strTemp, "half") && FALSE; },
         false},
        {"the writer throws part way",
         [](const CString& strTemp) -> BOOL {
             WriteText(strTemp, "half");
             throw 7;
         },
         true},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestTempFolder folder;
        const CString strTarget = folder.PathOf("card.znt");
        TestWriteBytes(strTarget, kOld);
        bool bThrown = false;
        try {
            EXPECT_FALSE(CFxSafeSave::Save(strTarget, c.fnWrite));
        } catch (int) {
            bThrown = true;
        }
        EXPECT_EQ(c.bThrows, bThrown);
        EXPECT_EQ(kOld, TestReadBytes(strTarget));
        EXPECT_EQ(std::set<std::string>{"card.znt"}, TestFolderNames(folder.GetPath()));
    }
}

TEST(SafeSaveTest, ATargetThatCannotBeReplacedFailsAndLeavesNoTemporary)
{
    CTestTempFolder folder;
    // A folder stands where the file should go.
    const CString strTarget = folder.PathOf("sub");
    ASSERT_TRUE(CreateDirectoryA(strTarget, nullptr));
    EXPECT_FALSE(CFxSafeSave::Save(strTarget, [](const CString& strTemp) { return WriteText(strTemp, "new"); }));
    EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    EXPECT_EQ(std::set<std::string>{"sub"}, TestFolderNames(folder.GetPath()));
}

TEST(SafeSaveTest, AnObjectWhoseSerializeThrowsLeavesTheOldFileWhole)
{
    CTestTempFolder folder;
    const CString strTarget = folder.PathOf("card.ccd");
    TestWriteBytes(strTarget, kOld);
    HalfWrittenObject object;
    bool bThrown = false;
    try {
        CFxSafeSave::SaveObject(strTarget, object);
    } catch (CException* e) {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(kOld, TestReadBytes(strTarget));
    EXPECT_EQ(std::set<std::string>{"card.ccd"}, TestFolderNames(folder.GetPath()));
}

TEST(SafeSaveTest, AReadOnlyTargetOrAMissingFolderIsRefusedBeforeAnythingIsWritten)
{
    CTestTempFolder folder;
    const CString strTarget = folder.PathOf("locked.znt");
    TestWriteBytes(strTarget, kOld);
    ASSERT_TRUE(SetFileAttributesA(strTarget, FILE_ATTRIBUTE_READONLY));
    int nCalls = 0;
    auto fnWrite = [&](const CString& strTemp) {
        ++nCalls;
        return WriteText(strTemp, "new");
    };
    EXPECT_FALSE(CFxSafeSave::Save(strTarget, fnWrite));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    SetFileAttributesA(strTarget, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kOld, TestReadBytes(strTarget));

    EXPECT_FALSE(CFxSafeSave::Save(folder.PathOf("gone\\card.znt"), fnWrite));
    EXPECT_EQ(0, nCalls);
    EXPECT_EQ(std::set<std::string>{"locked.znt"}, TestFolderNames(folder.GetPath()));
}

TEST(SafeSaveTest, TheNextSaveRemovesTheTemporariesAKilledSaveLeft)
{
    CTestTempFolder folder;
    const CString strTarget = folder.PathOf("零件.znt");
    CString strStale;
    ASSERT_TRUE(CFxSafeSave::CreateTempBeside(strTarget, strStale));
    TestWriteBytes(folder.PathOf("other.znt.~0000BEEF.tmp"), "not ours");
    EXPECT_TRUE(CFxSafeSave::Save(strTarget, [](const CString& strTemp) { return WriteText(strTemp, "new"); }));
    EXPECT_EQ((std::set<std::string>{"other.znt.~0000BEEF.tmp", "零件.znt"}), TestFolderNames(folder.GetPath()));
}
} // namespace
