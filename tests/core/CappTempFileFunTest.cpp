// Temporaries of the safe saves: a save killed part way leaves its temporary; the next save or
// open of the same target removes those, and only those.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/CappObj.h"
#include "core/CardObj.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxSafeSave.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"
#include "tests/support/TestFiles.h"

namespace
{
void Touch(const CString& strPath)
{
    CFxHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file.IsValid());
}

std::string Upper(std::string str)
{
    for (char& ch : str) {
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    }
    return str;
}

// What killed saves of strName left beside it, and files that only look alike.
std::vector<std::string> StaleOf(const std::string& strName)
{
    return {strName + ".~0000BEEF.tmp", Upper(strName) + ".~deadbeef.TMP", strName + ".~12345678.tmp"};
}

std::vector<std::string> LookAlikesOf(const std::string& strName)
{
    return {strName + ".~tmp",
            strName + ".~0000BEE.tmp",
            strName + ".~0000BEEG.tmp",
            strName + ".~0000BEEF.tmp.bak",
            "x" + strName + ".~0000BEEF.tmp",
            "other.~0000BEEF.tmp",
            strName + ".tmp",
            strName + ".~00000BEEF.tmp",
            "zntA1B2.tmp",
            strName + ".bak"};
}

// Lays the files out in strFolder beside the target strName, runs fn, and checks that exactly
// the stale temporaries are gone (the target itself may come or go).
void ExpectStaleRemoved(const CString& strFolder, const std::string& strName, const std::function<void()>& fn)
{
    for (const std::string& name : StaleOf(strName)) {
        Touch(strFolder + "\\" + name.c_str());
    }
    for (const std::string& name : LookAlikesOf(strName)) {
        Touch(strFolder + "\\" + name.c_str());
    }
    // A folder named like a temporary is no temporary.
    CreateDirectoryA(strFolder + "\\" + (strName + ".~0000ABCD.tmp").c_str(), nullptr);
    std::set<std::string> expected = TestFolderNames(strFolder);
    for (const std::string& name : StaleOf(strName)) {
        expected.erase(name);
    }
    fn();
    std::set<std::string> after = TestFolderNames(strFolder);
    expected.erase(strName);
    after.erase(strName);
    EXPECT_EQ(expected, after);
}

// A card file with the one stream every pack holds, the card data archive.
void SaveSmallCard(const CTestTempFolder& folder, const CString& strFile)
{
    CCappObj obj;
    CreateDirectoryA(folder.PathOf("base"), nullptr);
    ASSERT_EQ(1, obj.CreateWorkDir(folder.PathOf("base"), "New"));
    Touch(obj.GetCpoWorkDir() + "\\MAST.ccd");
    ASSERT_EQ(1, obj.SaveDataAs(strFile, 1, 0));
}
} // namespace

TEST(CappTempFileFunTest, TemporariesAreNamedAfterTheirTarget)
{
    struct Case
    {
        const char* szName;
        const char* szFile;
        BOOL bTemp;
    };
    const Case cases[] = {
        {"temporary", "a.znt.~0123ABCD.tmp", TRUE},        {"other letter case", "A.ZNT.~0123abcd.TMP", TRUE},
        {"seven digits", "a.znt.~0123ABC.tmp", FALSE},     {"nine digits", "a.znt.~0123ABCDE.tmp", FALSE},
        {"no hex digit", "a.znt.~0123ABCG.tmp", FALSE},    {"other target", "b.znt.~0123ABCD.tmp", FALSE},
        {"longer target", "xa.znt.~0123ABCD.tmp", FALSE},  {"the target", "a.znt", FALSE},
        {"more after it", "a.znt.~0123ABCD.tmp.x", FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bTemp, CFxSafeSave::IsTempOf("a.znt", c.szFile));
    }

    CTestTempFolder folder;
    CString strTemp;
    ASSERT_TRUE(CFxSafeSave::CreateTempBeside(folder.PathOf("零件.znt"), strTemp));
    EXPECT_TRUE(CFxSafeSave::IsTempOf("零件.znt", strTemp.Mid(folder.GetPath().GetLength() + 1)));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strTemp));
    CString strSecond;
    ASSERT_TRUE(CFxSafeSave::CreateTempBeside(folder.PathOf("零件.znt"), strSecond));
    EXPECT_STRNE(strTemp.GetString(), strSecond.GetString());
    EXPECT_FALSE(CFxSafeSave::CreateTempBeside(folder.PathOf("gone\\零件.znt"), strTemp));
    EXPECT_STREQ("", strTemp.GetString());
}

TEST(CappTempFileFunTest, NextSaveOrOpenRemovesStaleTemporariesOnly)
{
    struct Case
    {
        const char* szName;
        const char* szTarget;
        std::function<void(const CTestTempFolder&, const CString&)> fnRun;
    };
    const Case cases[] = {
        {"card file saved", "card.cpo",
         [](const CTestTempFolder& folder, const CString& strTarget) { SaveSmallCard(folder, strTarget); }},
        {"card file opened", "card.cpo",
         [](const CTestTempFolder& folder, const CString& strTarget) {
             CCappObj obj;
             CTestUi ui;
             EXPECT_EQ(1, obj.DeCompound(folder.PathOf("base"), strTarget, CCappObj::partStrings));
         }},
        {"card data archive saved", "card.ccd",
         [](const CTestTempFolder& folder, const CString&) {
             CCardObj card;
             ASSERT_EQ(1, card.LoadCard(folder.PathOf("cards"), "主卡", "card"));
             EXPECT_EQ(1, card.SaveData());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestTempFolder folder;
        const CString strCards = folder.PathOf("cards");
        CreateDirectoryA(strCards, nullptr);
        const CString strTarget = strCards + "\\" + c.szTarget;
        if (CString(c.szName) == "card file opened") {
            SaveSmallCard(folder, strTarget);
        }
        ExpectStaleRemoved(strCards, c.szTarget, [&] { c.fnRun(folder, strTarget); });
    }
}

TEST(CappTempFileFunTest, ATemporaryStillBeingWrittenStays)
{
    CTestTempFolder folder;
    const CString strTarget = folder.PathOf("card.cpo");
    const CString strBusy = folder.PathOf("card.cpo.~0000BEEF.tmp");
    // Another save writes it: open without delete sharing, as the saves hold their temporaries.
    CFxHandle busy(CreateFileA(strBusy, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    Touch(folder.PathOf("card.cpo.~0000BEE0.tmp"));
    EXPECT_EQ(1, CFxSafeSave::RemoveStaleTemps(strTarget));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strBusy));
    busy.Close();
    EXPECT_EQ(1, CFxSafeSave::RemoveStaleTemps(strTarget));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strBusy));
}
