#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <string>
#include <vector>

#include "platform/base/FxHandle.h"
#include "platform/base/FxRegKey.h"
#include "platform/win/TreeCtrl.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestLink.h"
#include "work/CappBaseFun.h"
#include "work/CappFieldItem.h"

namespace
{
// A text and whether a check accepts it.
struct VerdictCase
{
    const char* szName;
    const char* szText;
    BOOL bAccepted;
};

// Sets HKLM "SOFTWARE\Vorn" "WorkDir" for one test and puts back what was there.
class WorkDirGuard
{
public:
    WorkDirGuard()
    {
        m_key.Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", KEY_ALL_ACCESS);
        DWORD cbData = sizeof(m_abOld);
        m_bHadValue = RegQueryValueExA(m_key, "WorkDir", nullptr, &m_dwOldType, m_abOld, &cbData) == ERROR_SUCCESS;
        m_cbOld = cbData;
    }
    ~WorkDirGuard()
    {
        if (m_bHadValue) {
            RegSetValueExA(m_key, "WorkDir", 0, m_dwOldType, m_abOld, m_cbOld);
        } else {
            RegDeleteValueA(m_key, "WorkDir");
        }
    }
    WorkDirGuard(const WorkDirGuard&) = delete;
    WorkDirGuard& operator=(const WorkDirGuard&) = delete;

    void Set(const char* pszDir)
    {
        RegSetValueExA(m_key, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(pszDir),
                       static_cast<DWORD>(strlen(pszDir) + 1));
    }
    void Remove() { RegDeleteValueA(m_key, "WorkDir"); }

private:
    CFxRegKey m_key;
    BOOL m_bHadValue = FALSE;
    DWORD m_dwOldType = 0;
    BYTE m_abOld[1024] = {};
    DWORD m_cbOld = 0;
};

TEST(CappBaseFunTest, WorkDirComesFromTheRegistryWithoutTrailingBackslash)
{
    struct DirCase
    {
        const char* szName;
        const char* szStored;
        BOOL bResult;
        const char* szDir;
    };
    const DirCase cases[] = {
        {"trailing backslash dropped", "C:\\Vorn\\", TRUE, "C:\\Vorn"},
        {"only one dropped", "C:\\Vorn\\\\", TRUE, "C:\\Vorn\\"},
        {"no backslash unchanged", "C:\\Vorn", TRUE, "C:\\Vorn"},
        {"trail byte 0x5C is no backslash", "C:\\\xD6\x5C", TRUE, "C:\\\xD6\x5C"},
        {"empty value fails", "", FALSE, "untouched"},
    };
    WorkDirGuard guard;
    for (const DirCase& c : cases) {
        SCOPED_TRACE(c.szName);
        guard.Set(c.szStored);
        CString strDir = "untouched";
        EXPECT_EQ(c.bResult, CCappBaseFun::GetCappWorkDir(strDir));
        EXPECT_EQ(CString(c.szDir), strDir);
    }
    guard.Remove();
    CString strDir = "untouched";
    EXPECT_FALSE(CCappBaseFun::GetCappWorkDir(strDir));
    EXPECT_EQ(CString("untouched"), strDir);
}

TEST(CappBaseFunTest, FileAndTableNamesAreBuiltFromTheirParts)
{
    EXPECT_EQ(CString("b.txt"), CCappBaseFun::GetFileName("C:\\a\\b.txt"));
    EXPECT_EQ(CString("b.txt"), CCappBaseFun::GetFileName("b.txt"));
    EXPECT_EQ(CString("x\xD6\x5Cy"), CCappBaseFun::GetFileName("C:\\x\xD6\x5Cy"));
    EXPECT_EQ(CString("b.tar"), CCappBaseFun::GetFileName_NoExt("C:\\a.d\\b.tar.gz"));
    EXPECT_EQ(CString("noext"), CCappBaseFun::GetFileName_NoExt("C:\\a.d\\noext"));
    EXPECT_EQ(CString("CAPPIMAGE7.bmp"), CCappBaseFun::GetCappImageCellFileName(7, ".bmp"));
    EXPECT_EQ(CString("TN_K01_A2_MCARD"), CCappBaseFun::GetDefaultMDTableName("K01", "A2"));
    EXPECT_EQ(CString("TN_K01_PCARD"), CCappBaseFun::GetDefaultPTableName("K01"));
    EXPECT_EQ(CString("TN_K01_HCARD"), CCappBaseFun::GetDefaultHTableName("K01"));
    EXPECT_EQ(CString("char(20)"), CCappBaseFun::GetFieldAttrib(1, 20));
    EXPECT_EQ(CString("int"), CCappBaseFun::GetFieldAttrib(2, 20));
    EXPECT_EQ(CString("float"), CCappBaseFun::GetFieldAttrib(3, 0));
    EXPECT_EQ(CString(""), CCappBaseFun::GetFieldAttrib(4, 0));
    EXPECT_EQ(CString("字符串"), CCappBaseFun::FormatFieldType(1));
    EXPECT_EQ(CString("整数"), CCappBaseFun::FormatFieldType(2));
    EXPECT_EQ(CString("浮点数"), CCappBaseFun::FormatFieldType(3));
    EXPECT_EQ(CString(""), CCappBaseFun::FormatFieldType(0));
}

TEST(CappBaseFunTest, GuidTextHasTheSystemsLayout)
{
    CString strGuid = CCappBaseFun::GenerateGUIDString();
    ASSERT_EQ(36, strGuid.GetLength());
    for (int i = 0; i < 36; ++i) {
        char c = strGuid[i];
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            EXPECT_EQ('-', c);
        } else if (i >= 14 && i < 18) {
            // The third group is written in lower case.
            EXPECT_TRUE(isdigit(static_cast<BYTE>(c)) || (c >= 'a' && c <= 'f')) << i;
        } else {
            EXPECT_TRUE(isdigit(static_cast<BYTE>(c)) || (c >= 'A' && c <= 'F')) << i;
        }
    }
    EXPECT_NE(strGuid, CCappBaseFun::GenerateGUIDString());
}

TEST(CappBaseFunTest, SqlNamesAreCheckedAndValuesQuoted)
{
    const VerdictCase nameCases[] = {
        {"letters and digit", "Card01", TRUE},
        {"Chinese", "工序名称", TRUE},
        {"underscore", "TN_A", TRUE},
        {"leading digit", "1Card", FALSE},
        {"blank", "Card 01", FALSE},
        {"full-width bracket", "Card（1", FALSE},
        {"quote", "a'b", TRUE},
        {"double quote", "a\"b", FALSE},
        {"semicolon", "a;drop", FALSE},
        {"trail byte 0x5C is no backslash", "\xD6\x5C", TRUE},
        {"empty", "", FALSE},
    };
    for (const VerdictCase& c : nameCases) {
        SCOPED_TRACE(c.szName);
        CString strMessage;
        EXPECT_EQ(c.bAccepted, CCappBaseFun::CheckDBTabAndFieldName(c.szText, strMessage));
        EXPECT_EQ(c.bAccepted, strMessage.IsEmpty());
    }
    CString strMessage;
    CCappBaseFun::CheckDBTabAndFieldName("1Card", strMessage);
    EXPECT_EQ(CString("1Card 的第一字符不能为数字"), strMessage);
    CCappBaseFun::CheckDBTabAndFieldName("a b", strMessage);
    EXPECT_GE(strMessage.Find("a b"), 0);

    struct ValueCase
    {
        const char* szName;
        const char* szValue;
        int nType;
        const char* szField;
        const char* szData;
    };
    const ValueCase valueCases[] = {
        {"text", "abc", 1, "'abc'", "'abc'"},
        {"text with quote", "O'Neil", 1, "'O''Neil'", "'O''Neil'"},
        {"quote that would end the literal", "x'; DELETE FROM T; --", 1, "'x''; DELETE FROM T; --'",
         "'x''; DELETE FROM T; --'"},
        {"empty text", "", 1, "''", "''"},
        {"integer", "42abc", 2, "42", "42"},
        {"empty integer", "", 2, "0", "0"},
        {"real", "2.5", 3, "2.500000", "2.500000"},
        {"empty real", "", 3, "0.000000", "0"},
        {"other type", "a'b", 9, "", "a'b"},
    };
    for (const ValueCase& c : valueCases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szField), CCappBaseFun::FormatedFieldValue(c.szValue, c.nType));
        EXPECT_EQ(CString(c.szData), CCappBaseFun::TranToDBData(c.szValue, c.nType));
    }
    EXPECT_EQ(CString("a''b''''"), CCappBaseFun::FormatToDBStr("a'b''"));
}

TEST(CappBaseFunTest, VariablesAreReplacedAndPicked)
{
    CStringArray names;
    names.Add("名称");
    names.Add("B");
    names.Add("C");
    CStringArray values;
    values.Add("x");
    values.Add("[C]");
    // A missing value empties the variable.
    EXPECT_EQ(CString("x-[x]-"), CCappBaseFun::RepliceVar("[名称]-[[名称]]-[C]", names, values));
    // Replacement goes name by name, so a value may bring in a later name.
    EXPECT_EQ(CString("x"), CCappBaseFun::RepliceVar("[名称][B]", names, values));
    // "\xD6[" is one character: no variable starts inside it.
    EXPECT_EQ(CString("\xD6[名称]x"), CCappBaseFun::RepliceVar("\xD6[名称][名称]", names, values));
    EXPECT_EQ(CString("x-1-"), CCappBaseFun::RepliceVar("[名称]-[B]-[C]", "名称\nB\nC", "x\n1"));
    CUIntArray numbers;
    numbers.Add(5);
    numbers.Add(12);
    EXPECT_EQ(CString("5,12,"), CCappBaseFun::RepliceVar("[名称],[B],[C]", names, numbers));

    struct PickCase
    {
        const char* szName;
        const char* szText;
        std::vector<const char*> vars;
    };
    const PickCase pickCases[] = {
        {"none", "abc", {}},
        {"in order without duplicates", "[b]+[a]*[b]", {"b", "a"}},
        {"empty brackets stop", "[a][][c]", {"a"}},
        {"closing before opening stops", "]x[a]", {}},
        {"unclosed stops", "[a][b", {"a"}},
        {"Chinese names", "[工时]/[数量]", {"工时", "数量"}},
        {"trail bytes never bracket", "[\xD6\x5D\xD6\x5B]", {"\xD6\x5D\xD6\x5B"}},
    };
    for (const PickCase& c : pickCases) {
        SCOPED_TRACE(c.szName);
        CStringArray vars;
        vars.Add("stale");
        CCappBaseFun::PickVars(c.szText, vars);
        ASSERT_EQ(static_cast<INT_PTR>(c.vars.size()), vars.GetSize());
        for (size_t i = 0; i < c.vars.size(); ++i) {
            EXPECT_EQ(CString(c.vars[i]), vars[static_cast<INT_PTR>(i)]);
        }
    }
}

TEST(CappBaseFunTest, NextIndexCountsOnIntegersNumeralsAndDigitRuns)
{
    struct IndexCase
    {
        const char* szName;
        const char* szIndex;
        int nStep;
        const char* szNext;
    };
    const IndexCase cases[] = {
        {"integer", "7", 2, "9"},
        {"negative integer", "-3", 1, "-2"},
        {"negative step", "10", -5, "5"},
        {"Chinese numeral ignores the step", "三", 5, "四"},
        {"nine gives ten", "九", 1, "十"},
        {"ten is the end of the numerals", "十", 1, ""},
        {"trailing digits", "A10", 1, "A11"},
        {"digits between prefix and suffix", "第3页", 1, "第4页"},
        {"leading zeros are not kept", "A09", 1, "A10"},
        {"plus sign is a prefix", "+3", 1, "+4"},
        {"digits after the suffix join the digits", "A1B2", 1, "A13B"},
        {"trail bytes are no digits",
         "\xD6\x5C"
         "5",
         2,
         "\xD6\x5C"
         "7"},
        {"no digits", "ABC", 1, ""},
        {"empty", "", 1, ""},
        {"beyond int", "N99999999999", 1, "N100000000000"},
        // Runs longer than a 64-bit integer are counted on as text.
        {"twenty nines carry into a new digit", "X99999999999999999999", 1, "X100000000000000000000"},
        {"past the 64-bit range", "X9223372036854775807", 1, "X9223372036854775808"},
        {"borrow shortens the run", "A1000000000000000000000B", -1, "A999999999999999999999B"},
        {"largest step on a long run", "X99999999999999999999", INT_MAX, "X100000000002147483646"},
        {"smallest step on a long run", "X100000000000000000000", INT_MIN, "X99999999997852516352"},
        {"leading zeros of a long run are not kept", "X00000000000000000000000005", 1, "X6"},
        {"eighteen digits", "X999999999999999999", 1, "X1000000000000000000"},
        {"long run of zeros", "X0000000000000000000000", -1, "X-1"},
    };
    for (const IndexCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szNext), CCappBaseFun::GetNextIndex(c.szIndex, c.nStep));
    }
}

TEST(CappBaseFunTest, RealValuesKeepTheirValueInSqlText)
{
    struct RealCase
    {
        const char* szName;
        const char* szValue;
        const char* szText; // of both FormatedFieldValue and TranToDBData
    };
    const RealCase cases[] = {
        {"small real", "1.5e-7", "1.5e-07"},
        {"small negative real", "-3.25e-10", "-3.25e-10"},
        {"more than six decimals", "1.2345678", "1.2345678"},
        {"ordinary real keeps the plain form", "0.1", "0.100000"},
        {"large real keeps the plain form", "123456789.125", "123456789.125000"},
        {"integer", "42", "42.000000"},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szText), CCappBaseFun::FormatedFieldValue(c.szValue, 3));
        EXPECT_EQ(CString(c.szText), CCappBaseFun::TranToDBData(c.szValue, 3));
    }
}

TEST(CappBaseFunTest, TimesAreWrittenWithoutLeadingZerosAndReadBack)
{
    CTime time(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ(CString("2024-3-5 7:8"), CCappBaseFun::FormatTime(time));
    EXPECT_EQ(CString("2024年3月5日"), CCappBaseFun::FormatTime("yyyy年mm月dd日", time));
    EXPECT_EQ(CString("5/3/24"), CCappBaseFun::FormatTime("dd/mm/yy", time));
    EXPECT_EQ(CString("07.1"), CCappBaseFun::FormatTime("yy.mm", CTime(2007, 1, 1, 0, 0, 0)));

    CTime parsed;
    EXPECT_TRUE(CCappBaseFun::FormatStrToTime("2024-3-5 7:8", parsed));
    EXPECT_EQ(CTime(2024, 3, 5, 7, 8, 0), parsed);
    EXPECT_EQ(CString("2024-3-5 7:8"), CCappBaseFun::FormatTime(parsed));
    EXPECT_FALSE(CCappBaseFun::FormatStrToTime("2024-3-5", parsed));
    EXPECT_EQ(CTime(2024, 3, 5, 7, 8, 0), parsed);
}

TEST(CappBaseFunTest, FieldRecordsAreFoundAndDeleted)
{
    CObList fields;
    const char* const apszNames[] = {"零件号", "Name", "name"};
    for (int i = 0; i < 3; ++i) {
        auto* pField = new CCappFieldItem;
        pField->m_nID = 10 + i;
        pField->m_strName = apszNames[i];
        fields.AddTail(pField);
    }
    POSITION pos = CCappBaseFun::FindFieldByID(11, fields);
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(CString("Name"), static_cast<CCappFieldItem*>(fields.GetAt(pos))->m_strName);
    EXPECT_EQ(nullptr, CCappBaseFun::FindFieldByID(13, fields));
    pos = CCappBaseFun::FindFieldByName("name", fields);
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(12, static_cast<CCappFieldItem*>(fields.GetAt(pos))->m_nID);
    EXPECT_EQ(fields.GetHeadPosition(), CCappBaseFun::FindFieldByName("零件号", fields));
    EXPECT_EQ(nullptr, CCappBaseFun::FindFieldByName("NAME", fields));

    CCappFieldItem copy;
    copy = *static_cast<CCappFieldItem*>(fields.GetHead());
    EXPECT_EQ(10, copy.m_nID);
    EXPECT_EQ(CString("零件号"), copy.m_strName);
    CCappBaseFun::DetachFieldList(fields);
    EXPECT_TRUE(fields.IsEmpty());
}

TEST(CappBaseFunTest, NumberAndDateTextsAreRecognised)
{
    struct NumCase
    {
        const char* szName;
        const char* szText;
        BOOL bNumber;
        BOOL bFloat;
    };
    const NumCase numCases[] = {
        {"zero", "0", TRUE, FALSE},
        {"integer", "123", TRUE, TRUE},
        {"negative", "-5", TRUE, FALSE},
        {"leading zeros", "007", FALSE, TRUE},
        {"too large for int", "99999999999", TRUE, TRUE},
        {"empty", "", FALSE, FALSE},
        {"decimal", "1.5", FALSE, TRUE},
        {"six decimals", "1.500000", FALSE, TRUE},
        {"zero point", "0.25", FALSE, TRUE},
        {"two dots", "1.2.3", FALSE, FALSE},
        {"trailing dot", "12.", FALSE, FALSE},
        {"leading dot", ".5", FALSE, FALSE},
        {"letters", "12a", FALSE, FALSE},
    };
    for (const NumCase& c : numCases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bNumber, CCappBaseFun::IsNumber(c.szText));
        EXPECT_EQ(c.bFloat, CCappBaseFun::IsFloat(c.szText));
    }

    const VerdictCase dateCases[] = {
        {"plain", "2024-3-15 8:05", TRUE},
        {"leap year", "2024-2-29 0:0", TRUE},
        {"400-year leap", "2000-02-29 23:59", TRUE},
        {"century is no leap year", "1900-02-29 12:00", FALSE},
        {"common year", "2023-2-29 12:00", FALSE},
        {"April has 30 days", "2024-4-31 1:00", FALSE},
        {"month 13", "2024-13-1 1:00", FALSE},
        {"day 0", "2024-1-0 1:00", FALSE},
        {"hour 24", "2024-1-1 24:00", FALSE},
        {"minute 60", "2024-1-1 23:60", FALSE},
        {"no time", "2024-1-1", FALSE},
        {"empty", "", FALSE},
    };
    for (const VerdictCase& c : dateCases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bAccepted, CCappBaseFun::IsDateTime(c.szText));
    }
}

TEST(CappBaseFunTest, ParametersAreFoundByName)
{
    CStringArray params;
    params.Add("novalue");
    params.Add(" Template = C:\\a=b.znt ");
    params.Add("Mode=1");
    CString strValue = "untouched";
    EXPECT_TRUE(CCappBaseFun::GetParam(params, "template", strValue));
    EXPECT_EQ(CString("C:\\a=b.znt"), strValue);
    EXPECT_TRUE(CCappBaseFun::GetParam(params, "MODE", strValue));
    EXPECT_EQ(CString("1"), strValue);
    strValue = "untouched";
    EXPECT_FALSE(CCappBaseFun::GetParam(params, "novalue", strValue));
    EXPECT_EQ(CString("untouched"), strValue);

    EXPECT_TRUE(CCappBaseFun::GetParam("a=1|工序 = \xD5\x7C|c=3", "工序", strValue, "|"));
    EXPECT_EQ(CString("\xD5\x7C"), strValue);
    EXPECT_TRUE(CCappBaseFun::GetParam("a=1;c=3", "C", strValue, ";"));
    EXPECT_EQ(CString("3"), strValue);
    EXPECT_FALSE(CCappBaseFun::GetParam("a=1;c=3", "d", strValue, ";"));
    // Without a delimiter the whole text is one item; a trailing delimiter adds nothing.
    EXPECT_TRUE(CCappBaseFun::GetParam("a=1;c=3", "a", strValue, ""));
    EXPECT_EQ(CString("1;c=3"), strValue);
    EXPECT_TRUE(CCappBaseFun::GetParam("a=1;c=3;", "c", strValue, ";"));
    EXPECT_EQ(CString("3"), strValue);
    EXPECT_FALSE(CCappBaseFun::GetParam("VornWorkTestsNoSuchParam", strValue));
}

BOOL WriteFileText(const CString& strPath, const char* pszText)
{
    CFxHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD cbWritten = 0;
    return file.IsValid() && WriteFile(file, pszText, static_cast<DWORD>(strlen(pszText)), &cbWritten, nullptr);
}

BOOL IsDirectory(const CString& strPath)
{
    DWORD dwAttributes = GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A fresh folder per test under the harness's temporary folder. The tests change the working
// folder to reach relative paths: it is put back before the folder goes.
class DeleteDirectoryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char szDir[MAX_PATH] = {};
        ASSERT_NE(0u, GetCurrentDirectoryA(MAX_PATH, szDir));
        m_strOldDir = szDir;
        m_strRoot = m_folder.GetPath();
        ASSERT_TRUE(IsDirectory(m_strRoot));
    }
    void TearDown() override { EXPECT_TRUE(SetCurrentDirectoryA(m_strOldDir)); }

    // A tree of nested folders and files, some with GBK names (one ending in the trail byte 0x5C).
    void MakeTree(const CString& strDir)
    {
        ASSERT_TRUE(CreateDirectoryA(strDir, nullptr));
        ASSERT_TRUE(WriteFileText(strDir + "\\工艺卡片.txt", "a"));
        ASSERT_TRUE(CreateDirectoryA(strDir + "\\子目录\xD6\x5C", nullptr));
        ASSERT_TRUE(WriteFileText(strDir + "\\子目录\xD6\x5C\\\xD5\x7C.dat", "b"));
        ASSERT_TRUE(CreateDirectoryA(strDir + "\\子目录\xD6\x5C\\深", nullptr));
        ASSERT_TRUE(CreateDirectoryA(strDir + "\\子目录\xD6\x5C\\深\\empty", nullptr));
        ASSERT_TRUE(WriteFileText(strDir + "\\子目录\xD6\x5C\\深\\x", "c"));
    }

    CTestTempFolder m_folder;
    CString m_strRoot;
    CString m_strOldDir;
};

TEST_F(DeleteDirectoryTest, RemovesNestedTreeWithGbkNames)
{
    CString strTree = m_strRoot + "\\树\xD6\x5C";
    MakeTree(strTree);
    ASSERT_TRUE(CCappBaseFun::ExistFile(strTree + "\\子目录\xD6\x5C\\深\\x"));
    CCappBaseFun::DeleteDirectory(strTree + "\\");
    EXPECT_FALSE(CCappBaseFun::ExistDir(strTree));
    EXPECT_TRUE(IsDirectory(m_strRoot));
}

TEST_F(DeleteDirectoryTest, RefusesRelativeAndRootPaths)
{
    CString strTree = m_strRoot + "\\victim";
    MakeTree(strTree);
    ASSERT_TRUE(SetCurrentDirectoryA(m_strRoot));
    // A drive letter whose root is our folder: "Q:\\" must be refused like any drive root.
    CTestLink drive;
    ASSERT_TRUE(drive.MakeDrive(m_strRoot)) << "no drive letter could be mapped to the test folder";
    char chDrive = drive.GetDriveLetter();
    const CString strDrive = CString(chDrive) + ":";
    struct PathCase
    {
        const char* szName;
        CString strPath;
    };
    const PathCase cases[] = {
        {"empty", ""},
        {"backslash only", "\\"},
        {"relative", "victim"},
        {"relative with dot", ".\\victim"},
        {"dot dot back to the tree", strTree + "\\子目录\xD6\x5C\\..\\.."},
        {"wildcard", m_strRoot + "\\vic*"},
        {"drive root", strDrive + "\\"},
        {"bare drive", strDrive},
        {"drive-relative", strDrive + "victim"},
        {"rooted without drive", "\\victim"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappBaseFun::DeleteDirectory(c.strPath);
        ASSERT_TRUE(CCappBaseFun::ExistFile(strTree + "\\子目录\xD6\x5C\\深\\x"));
    }
    ASSERT_TRUE(SetCurrentDirectoryA(strDrive + "\\"));
    for (const char* pszPath : {"\\victim", "victim"}) {
        SCOPED_TRACE(pszPath);
        CCappBaseFun::DeleteDirectory(pszPath);
        ASSERT_TRUE(CCappBaseFun::ExistFile(strTree + "\\工艺卡片.txt"));
    }
    ASSERT_TRUE(SetCurrentDirectoryA(m_strRoot));
    // Through the drive, with a full path, the tree goes.
    CCappBaseFun::DeleteDirectory(strDrive + "\\victim");
    EXPECT_FALSE(CCappBaseFun::ExistDir(strTree));
}

TEST_F(DeleteDirectoryTest, LeavesTheTargetsOfLinksIntact)
{
    CString strOutside = m_strRoot + "\\outside";
    ASSERT_TRUE(CreateDirectoryA(strOutside, nullptr));
    ASSERT_TRUE(WriteFileText(strOutside + "\\keep.txt", "keep"));
    ASSERT_TRUE(CreateDirectoryA(strOutside + "\\empty", nullptr));
    CString strTree = m_strRoot + "\\tree";
    MakeTree(strTree);
    struct LinkCase
    {
        const char* szLink;
        CString strTarget;
        BOOL bDirectory;
    };
    const LinkCase links[] = {
        {"\\dirlink", strOutside, TRUE},
        {"\\子目录\xD6\x5C\\emptylink", strOutside + "\\empty", TRUE},
        {"\\filelink", strOutside + "\\keep.txt", FALSE},
    };
    CTestLink made[std::size(links)];
    for (size_t i = 0; i < std::size(links); ++i) {
        const LinkCase& c = links[i];
        SCOPED_TRACE(c.szLink);
        CString strLink = strTree + c.szLink;
        if (!made[i].MakeSymbolic(strLink, c.strTarget, c.bDirectory)) {
            ASSERT_FALSE(CTestLink::IsWine()) << "the Unix tools could not link";
            GTEST_SKIP() << "symbolic links need developer mode or elevation here";
        }
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strLink));
    }
    CCappBaseFun::DeleteDirectory(strTree);

    EXPECT_TRUE(IsDirectory(strOutside));
    EXPECT_TRUE(IsDirectory(strOutside + "\\empty"));
    EXPECT_TRUE(CCappBaseFun::ExistFile(strOutside + "\\keep.txt"));
    EXPECT_FALSE(CCappBaseFun::ExistFile(strTree + "\\工艺卡片.txt"));
    EXPECT_FALSE(CCappBaseFun::ExistFile(strTree + "\\子目录\xD6\x5C\\深\\x"));
    if (!CTestLink::IsWine()) {
        // Windows removes the links themselves; Wine leaves them, as it cannot tell them apart.
        EXPECT_FALSE(CCappBaseFun::ExistDir(strTree));
    }
}

TEST_F(DeleteDirectoryTest, ExistenceAndFreeNames)
{
    CString strFile = m_strRoot + "\\a.txt";
    ASSERT_TRUE(WriteFileText(strFile, "x"));
    EXPECT_TRUE(CCappBaseFun::ExistFile(strFile));
    EXPECT_TRUE(CCappBaseFun::ExistDir(m_strRoot));
    EXPECT_FALSE(CCappBaseFun::ExistFile(m_strRoot + "\\b.txt"));
    EXPECT_FALSE(CCappBaseFun::ExistDir(m_strRoot + "\\nothing"));

    CString strRand = CCappBaseFun::GetRandFileName(m_strRoot, "tmp");
    ASSERT_TRUE(WriteFileText(strRand, "x"));
    CString strNext = CCappBaseFun::GetRandFileName(m_strRoot, "tmp");
    EXPECT_NE(strRand, strNext);
    EXPECT_FALSE(CCappBaseFun::ExistFile(strNext));
    EXPECT_EQ(m_strRoot + "\\", strNext.Left(m_strRoot.GetLength() + 1));
}

// A hidden tree, rows given top-down with their depth; bExpanded marks what the user had open.
struct TreeRow
{
    int nDepth;
    const char* szText;
    bool bExpanded;
};
const TreeRow treeRows[] = {
    {0, "工艺卡片", true}, {1, "机加工", false}, {2, "工序", true}, // open under a closed parent
    {3, "工步", false},    {2, "附图", false},   {1, "装配", true},
    {2, "工序", false},                                             // same depth and text as the open one above
    {3, "工步", false},    {0, "工序", false},   {1, "工序", true}, // same text one level down
    {2, "明细", false},    {0, "a,b", true},                        // a comma in the text
    {1, "c", false},
};

class ExpandedDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "tree host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 400, nullptr, nullptr));
        RECT rc = {0, 0, 280, 380};
        ASSERT_TRUE(m_tree.Create(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, rc, &m_host, 1));
        std::vector<HTREEITEM> parents;
        for (const TreeRow& row : treeRows) {
            parents.resize(static_cast<size_t>(row.nDepth));
            HTREEITEM hParent = parents.empty() ? TVI_ROOT : parents.back();
            HTREEITEM hItem = m_tree.InsertItem(row.szText, hParent);
            ASSERT_NE(nullptr, hItem);
            m_items.push_back(hItem);
            parents.push_back(hItem);
        }
    }

    bool IsExpanded(size_t nRow) const
    {
        return (m_tree.GetItemState(m_items[nRow], TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }
    void CollapseAll()
    {
        for (HTREEITEM hItem : m_items) {
            m_tree.Expand(hItem, TVE_COLLAPSE);
        }
    }
    std::vector<std::string> SavedLines()
    {
        CStringArray lines;
        EXPECT_TRUE(CCappBaseFun::SaveExpandedData(&m_tree, lines));
        std::vector<std::string> result;
        for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
            result.emplace_back(static_cast<LPCSTR>(lines[i]));
        }
        return result;
    }

    CWnd m_host;
    CTreeCtrl m_tree;
    std::vector<HTREEITEM> m_items;
};

TEST_F(ExpandedDataTest, SavedLinesBringBackTheSameItems)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (treeRows[i].bExpanded) {
            m_tree.Expand(m_items[i], TVE_EXPAND);
        }
    }
    CStringArray lines;
    lines.Add("stale line the save drops");
    ASSERT_TRUE(CCappBaseFun::SaveExpandedData(&m_tree, lines));
    const char* const expected[] = {"0,工艺卡片", "2,工序", "1,装配", "1,工序", "0,a,b"};
    ASSERT_EQ(static_cast<INT_PTR>(std::size(expected)), lines.GetSize());
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_STREQ(expected[i], lines[static_cast<INT_PTR>(i)]);
    }

    CollapseAll();
    for (size_t i = 0; i < m_items.size(); ++i) {
        ASSERT_FALSE(IsExpanded(i)) << i;
    }
    ASSERT_TRUE(CCappBaseFun::LoadExpandedData(&m_tree, lines));
    for (size_t i = 0; i < m_items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(treeRows[i].bExpanded, IsExpanded(i)) << treeRows[i].szText;
    }
}

TEST_F(ExpandedDataTest, LoadPassesOverLinesItCannotUse)
{
    struct LoadCase
    {
        const char* szName;
        std::vector<const char*> lines;
        std::vector<std::string> expanded; // as saved afterwards
    };
    const LoadCase cases[] = {
        {"malformed lines",
         {"工艺卡片", "", ",", ",工艺卡片", "x,工艺卡片", "-1,工艺卡片", " 0,工艺卡片", "0 ,工艺卡片", "0x0,工艺卡片",
          "99999999999,工艺卡片", "\xB9\xA4,工艺卡片", "工,艺", "0,", "0,工艺卡片 ", "9,工序"},
         {}},
        {"depth must match as well as text", {"3,工艺卡片", "0,明细", "1,附图"}, {}},
        {"good lines among bad ones", {"abc", "0,工艺卡片", "0;a,b", "1,装配"}, {"0,工艺卡片", "1,装配"}},
        {"a line whose item is gone does not stop the rest",
         {"0,不存在", "1,机加工", "2,已删除", "0,a,b"},
         {"1,机加工", "0,a,b"}},
        {"lines are taken in tree order", {"0,a,b", "0,工艺卡片"}, {"0,a,b"}},
        {"equal texts go to the items in turn", {"2,工序", "2,工序"}, {"2,工序", "2,工序"}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CollapseAll();
        CStringArray lines;
        for (const char* szLine : c.lines) {
            lines.Add(szLine);
        }
        EXPECT_TRUE(CCappBaseFun::LoadExpandedData(&m_tree, lines));
        EXPECT_EQ(c.expanded, SavedLines());
    }
}

TEST(CappBaseFunTest, ExpandedDataNeedsATreeWindow)
{
    CStringArray lines;
    lines.Add("0,x");
    EXPECT_FALSE(CCappBaseFun::SaveExpandedData(nullptr, lines));
    EXPECT_EQ(0, lines.GetSize());
    lines.Add("0,x");
    CTreeCtrl tree;
    EXPECT_FALSE(CCappBaseFun::SaveExpandedData(&tree, lines));
    EXPECT_FALSE(CCappBaseFun::LoadExpandedData(nullptr, lines));
    EXPECT_FALSE(CCappBaseFun::LoadExpandedData(&tree, lines));
}
} // namespace
