// Reading and writing templates: a bundled template comes back byte for byte, a failed save
// keeps the old file and leaves no temporary file, a bad file is an error and leaves the sheet.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "core/CappSheet.h"
#include "designer/template/TemplateFile.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/FxHandle.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/TestFiles.h"

namespace
{

CString SamplePath(const char* pszName)
{
    return TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + pszName;
}

std::string ReadBytes(const CString& strPath)
{
    std::string bytes;
    CFxHandle hFile(CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (hFile == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0) {
        bytes.append(buffer, dwRead);
    }
    return bytes;
}

void WriteBytes(const CString& strPath, const std::string& bytes)
{
    CFxHandle hFile(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD dwWritten = 0;
    WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
}

int CountLines(const CCappSheet& sheet)
{
    return static_cast<int>(sheet.m_HCellLineList.GetCount() + sheet.m_VCellLineList.GetCount());
}

int CountCells(const CCappSheet& sheet)
{
    return static_cast<int>(sheet.m_HeadCellList.GetCount() + sheet.m_PageCellList.GetCount());
}

} // namespace

TEST(TemplateFileTest, BundledTemplateRoundTripsByteForByte)
{
    const char* const names[] = {"ProcessCard.znt", "ProcessCardNext.znt"};
    for (const char* pszName : names) {
        SCOPED_TRACE(pszName);
        CTestTempFolder folder;
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath(pszName), sheet, strError)) << strError.GetString();
        EXPECT_TRUE(strError.IsEmpty());
        EXPECT_GT(CountLines(sheet), 4);
        EXPECT_GT(CountCells(sheet), 0);

        // Saved under another name, the only difference is the stored name.
        const CString strCopy = folder.PathOf("Copy.znt");
        ASSERT_TRUE(CTemplateFile::Save(strCopy, sheet, strError)) << strError.GetString();
        EXPECT_STREQ("Copy", sheet.m_strName.GetString());
        CCappSheet copy;
        ASSERT_TRUE(CTemplateFile::Load(strCopy, copy, strError));
        EXPECT_STREQ("Copy", copy.m_strName.GetString());
        EXPECT_EQ(CountLines(sheet), CountLines(copy));
        EXPECT_EQ(CountCells(sheet), CountCells(copy));

        // Under its own name it writes the very bytes it was read from.
        const CString strSame = folder.PathOf(pszName);
        ASSERT_TRUE(CTemplateFile::Save(strSame, copy, strError));
        EXPECT_TRUE(ReadBytes(strSame) == ReadBytes(SamplePath(pszName)));
        EXPECT_EQ((std::set<std::string>{"Copy.znt", pszName}), TestFolderNames(folder.GetPath()));
    }
}

// A sheet that held another template holds exactly the loaded one: saved, it gives the file's
// bytes, with nothing of the former template left over.
TEST(TemplateFileTest, LoadIntoAUsedSheetKeepsNothingOfItsFormerTemplate)
{
    const char* const names[][2] = {{"ProcessCardNext.znt", "ProcessCard.znt"},
                                    {"ProcessCard.znt", "InspectionCard.znt"},
                                    {"InspectionCard.znt", "ProcessCardNext.znt"}};
    for (const auto& pair : names) {
        SCOPED_TRACE(pair[1]);
        CTestTempFolder folder;
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath(pair[0]), sheet, strError)) << strError.GetString();
        ASSERT_TRUE(CTemplateFile::Load(SamplePath(pair[1]), sheet, strError)) << strError.GetString();
        const CString strSame = folder.PathOf(pair[1]);
        ASSERT_TRUE(CTemplateFile::Save(strSame, sheet, strError)) << strError.GetString();
        EXPECT_TRUE(ReadBytes(strSame) == ReadBytes(SamplePath(pair[1])));
    }
}

TEST(TemplateFileTest, SaveReplacesAnExistingTemplate)
{
    CTestTempFolder folder;
    const CString strPath = folder.PathOf("Card.znt");
    WriteBytes(strPath, std::string(100000, 'x'));
    CCappSheet sheet;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), sheet, strError));
    ASSERT_TRUE(CTemplateFile::Save(strPath, sheet, strError)) << strError.GetString();
    // No tail of the longer old file survives.
    CCappSheet back;
    EXPECT_TRUE(CTemplateFile::Load(strPath, back, strError)) << strError.GetString();
    EXPECT_LT(ReadBytes(strPath).size(), 100000u);
    EXPECT_EQ((std::set<std::string>{"Card.znt"}), TestFolderNames(folder.GetPath()));
}

// Each case makes the save fail its own way; the old file must stay as it was.
struct FailedSaveCase
{
    const char* pszName;
    // Given the folder and the target; returns what undoes the obstacle.
    std::function<std::function<void()>(const CString&, CString&)> fnObstruct;
};

TEST(TemplateFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporary)
{
    const FailedSaveCase cases[] = {
        {"target locked by another program",
         [](const CString&, CString& strTarget) -> std::function<void()> {
             auto pFile = std::make_shared<CFxHandle>(
                 CreateFileA(strTarget, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
             return [pFile] { pFile->Close(); };
         }},
        {"read-only target",
         [](const CString&, CString& strTarget) -> std::function<void()> {
             SetFileAttributesA(strTarget, FILE_ATTRIBUTE_READONLY);
             return [strTarget] { SetFileAttributesA(strTarget, FILE_ATTRIBUTE_NORMAL); };
         }},
        {"target folder vanished",
         [](const CString& strFolder, CString& strTarget) -> std::function<void()> {
             strTarget = strFolder + "\\gone\\Card.znt";
             return [] {};
         }},
        {"target is a folder",
         [](const CString& strFolder, CString& strTarget) -> std::function<void()> {
             strTarget = strFolder + "\\Sub.znt";
             CreateDirectoryA(strTarget, nullptr);
             return [] {};
         }},
    };
    const std::string old = ReadBytes(SamplePath("ProcessCardNext.znt"));
    ASSERT_FALSE(old.empty());
    for (const FailedSaveCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestTempFolder folder;
        const CString strOld = folder.PathOf("Card.znt");
        WriteBytes(strOld, old);
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), sheet, strError));
        CString strTarget = strOld;
        const std::function<void()> fnUndo = c.fnObstruct(folder.GetPath(), strTarget);
        const std::set<std::string> before = TestFolderNames(folder.GetPath());
        EXPECT_FALSE(CTemplateFile::Save(strTarget, sheet, strError));
        fnUndo();
        EXPECT_FALSE(strError.IsEmpty());
        EXPECT_NE(-1, strError.Find(strTarget)) << strError.GetString();
        EXPECT_STREQ("ProcessCard", sheet.m_strName.GetString());
        EXPECT_TRUE(ReadBytes(strOld) == old);
        EXPECT_EQ(before, TestFolderNames(folder.GetPath()));
    }
}

TEST(TemplateFileTest, BadFileIsAnErrorAndLeavesTheSheet)
{
    const std::string good = ReadBytes(SamplePath("ProcessCard.znt"));
    ASSERT_GT(good.size(), 200u);
    struct BadCase
    {
        const char* pszName;
        std::string bytes;
        bool bWrite;
    };
    const BadCase cases[] = {
        {"missing file", "", false},
        {"empty file", "", true},
        {"cut after the header", good.substr(0, 40), true},
        {"cut in the middle", good.substr(0, good.size() / 2), true},
        {"cut one byte short", good.substr(0, good.size() - 1), true},
        {"not a template", "<?xml version=\"1.0\"?><card/>", true},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestTempFolder folder;
        const CString strPath = folder.PathOf("Bad.znt");
        if (c.bWrite) {
            WriteBytes(strPath, c.bytes);
        }
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCardNext.znt"), sheet, strError));
        const int nLines = CountLines(sheet);
        const int nCells = CountCells(sheet);
        EXPECT_FALSE(CTemplateFile::Load(strPath, sheet, strError));
        EXPECT_NE(-1, strError.Find(strPath)) << strError.GetString();
        EXPECT_STREQ("ProcessCardNext", sheet.m_strName.GetString());
        EXPECT_EQ(nLines, CountLines(sheet));
        EXPECT_EQ(nCells, CountCells(sheet));
        // Still whole: it saves and reads back.
        const CString strSaved = folder.PathOf("Saved.znt");
        EXPECT_TRUE(CTemplateFile::Save(strSaved, sheet, strError)) << strError.GetString();
        CCappSheet back;
        EXPECT_TRUE(CTemplateFile::Load(strSaved, back, strError));
        EXPECT_EQ(nCells, CountCells(back));
    }
}

TEST(TemplateFileTest, StaleTemporariesOfTheTemplateGoOnSaveAndOpen)
{
    // What saves killed after making their temporary left behind, and files that only look alike.
    const char* const stale[] = {"Card.znt.~0000BEEF.tmp", "card.ZNT.~1234abcd.tmp"};
    const char* const kept[] = {"Other.znt.~0000BEEF.tmp", "Card.znt.~tmp", "Card.znt.~0000BEEF.tmp.bak", "zntA1B2.tmp",
                                "Card.znt.bak"};
    for (const BOOL bSave : {TRUE, FALSE}) {
        SCOPED_TRACE(bSave ? "save" : "open");
        CTestTempFolder folder;
        const CString strPath = folder.PathOf("Card.znt");
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), sheet, strError));
        ASSERT_TRUE(CTemplateFile::Save(strPath, sheet, strError)) << strError.GetString();
        std::set<std::string> expected{"Card.znt"};
        for (const char* pszName : stale) {
            WriteBytes(folder.PathOf(pszName), "partial");
        }
        for (const char* pszName : kept) {
            WriteBytes(folder.PathOf(pszName), "other");
            expected.insert(pszName);
        }
        if (bSave) {
            EXPECT_TRUE(CTemplateFile::Save(strPath, sheet, strError)) << strError.GetString();
        } else {
            CCappSheet back;
            EXPECT_TRUE(CTemplateFile::Load(strPath, back, strError)) << strError.GetString();
        }
        EXPECT_EQ(expected, TestFolderNames(folder.GetPath()));
    }
}
