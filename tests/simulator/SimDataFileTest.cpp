// The simulator's data file: its exact one-line text, reading it back, and texts that must
// survive the round trip.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "simulator/SimDataFile.h"
#include "support/TempFolder.h"
#include "tests/support/TestFiles.h"

namespace
{
const char kGolden[] = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>1</VAL><VAL>2</VAL>"
                       "</HEAD><MD><MDITEM NAME='M' VARS='X;Y;'><ROW><VAL>p</VAL><VAL>q</VAL></ROW></MDITEM></MD>"
                       "</BODY>";

CStringArray& Fill(CStringArray& arr, std::initializer_list<const char*> items)
{
    arr.RemoveAll();
    for (const char* psz : items) {
        arr.Add(psz);
    }
    return arr;
}

void FillGolden(CSimDataFile& data)
{
    Fill(data.m_arrHeadVars, {"A", "B"});
    Fill(data.m_arrHeadVals, {"1", "2"});
    data.m_strMDName = "M";
    Fill(data.m_arrMDVars, {"X", "Y"});
    CStringArray row;
    data.AddRow(Fill(row, {"p", "q"}));
}
} // namespace

TEST(SimDataFileTest, WritesTheExactLine)
{
    CSimDataFile data;
    FillGolden(data);
    EXPECT_STREQ(kGolden, data.BuildText());

    CSimDataFile noArea;
    Fill(noArea.m_arrHeadVars, {"A"});
    Fill(noArea.m_arrHeadVals, {""});
    EXPECT_STREQ("<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;'><VAL></VAL></HEAD>"
                 "<MD><MDITEM NAME='' VARS=''></MDITEM></MD></BODY>",
                 noArea.BuildText());

    CTestTempFolder folder;
    const CString strPath = folder.PathOf("card.znw");
    ASSERT_TRUE(CSimDataFile::WriteFileText(strPath, data.BuildText()));
    CString strRead;
    ASSERT_TRUE(CSimDataFile::ReadFileText(strPath, strRead));
    EXPECT_STREQ(kGolden, strRead);
    // Nothing but the one line, and no temporary file left behind.
    WIN32_FILE_ATTRIBUTE_DATA fad = {};
    ASSERT_TRUE(GetFileAttributesExA(strPath, GetFileExInfoStandard, &fad));
    EXPECT_EQ(strlen(kGolden), fad.nFileSizeLow);
    EXPECT_EQ(std::set<std::string>{"card.znw"}, TestFolderNames(folder.GetPath()));
}

TEST(SimDataFileTest, TypedTextComesBackAsItWas)
{
    const struct
    {
        const char* szName;
        const char* szHeadVar;
        const char* szValue;
    } cases[] = {
        {"less-than in a value", "A", "a<b"},
        {"ampersand and greater-than", "A", "x & y > z"},
        {"quote in a name", "A'1", "v"},
        {"double quote and apostrophe", "B", "5\" 'q'"},
        {"markers of the file inside a value", "A", "<MD></MD><HEAD"},
        {"line breaks", "A", "one\r\ntwo"},
        {"GBK text", "\xC1\xE3\xBC\xFE", "\xB9\xA4\xD0\xF2<1>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CSimDataFile data;
        Fill(data.m_arrHeadVars, {c.szHeadVar, "Z"});
        Fill(data.m_arrHeadVals, {c.szValue, "z"});
        data.m_strMDName = c.szHeadVar;
        Fill(data.m_arrMDVars, {c.szHeadVar});
        CStringArray row;
        data.AddRow(Fill(row, {c.szValue}));
        const CString strText = data.BuildText();
        EXPECT_LT(strText.FindOneOf("\r\n"), 0) << "one line";

        CSimDataFile back;
        ASSERT_TRUE(back.LoadText(strText));
        ASSERT_EQ(2, back.m_arrHeadVars.GetSize());
        EXPECT_STREQ(c.szHeadVar, back.m_arrHeadVars[0]);
        EXPECT_STREQ(c.szValue, back.m_arrHeadVals[0]);
        EXPECT_STREQ("z", back.m_arrHeadVals[1]);
        EXPECT_STREQ(c.szHeadVar, back.m_strMDName);
        ASSERT_EQ(1, back.GetRowCount());
        EXPECT_STREQ(c.szValue, back.GetRowValue(0, 0));
    }
}

TEST(SimDataFileTest, ReadsWhatItCanAndSkipsTheRest)
{
    const struct
    {
        const char* szName;
        const char* szText;
        BOOL bLoaded;
        const char* szHeadVars; // joined by ";"
        const char* szHeadVals;
        int nRows;
        const char* szFirstRow;
    } cases[] = {
        {"golden line", kGolden, TRUE, "A;B;", "1;2;", 1, "p;q;"},
        {"no HEAD", "<BODY><MD><MDITEM VARS='X;'><ROW><VAL>p</VAL></ROW></MDITEM></MD></BODY>", FALSE, "", "", 0, ""},
        {"no MD end", "<BODY><HEAD VARS='A;'><VAL>1</VAL></HEAD><MD></BODY>", FALSE, "", "", 0, ""},
        {"head that does not parse keeps the rows",
         "<BODY><HEAD VARS='A;'><VAL>a<b</VAL></HEAD><MD><MDITEM VARS='X;'><ROW><VAL>p</VAL></ROW></MDITEM></MD>"
         "</BODY>",
         TRUE, "", "", 1, "p;"},
        {"rows that do not parse keep the head",
         "<BODY><HEAD VARS='A;'><VAL>1</VAL></HEAD><MD><MDITEM VARS='X;'><ROW><VAL>p&</VAL></ROW></MDITEM></MD>"
         "</BODY>",
         TRUE, "A;", "1;", 0, ""},
        {"MD before HEAD leaves the head empty",
         "<BODY><MD><MDITEM VARS='X;'><ROW><VAL>p</VAL></ROW></MDITEM></MD><HEAD VARS='A;'><VAL>1</VAL></HEAD></BODY>",
         TRUE, "", "", 1, "p;"},
        {"names without the last separator, fewer values",
         "<BODY><HEAD VARS='A;B'><VAL>1</VAL></HEAD><MD><MDITEM VARS='X;Y'><ROW><VAL>p</VAL></ROW></MDITEM></MD>"
         "</BODY>",
         TRUE, "A;B;", "1;;", 1, "p;;"},
        {"values past the names are dropped",
         "<BODY><HEAD VARS='A;'><VAL>1</VAL><VAL>2</VAL></HEAD><MD><MDITEM VARS='X;'><ROW><VAL>p</VAL>"
         "<VAL>q</VAL></ROW></MDITEM></MD></BODY>",
         TRUE, "A;", "1;", 1, "p;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CSimDataFile data;
        EXPECT_EQ(c.bLoaded, data.LoadText(c.szText));
        CString strVars, strVals, strRow;
        for (int i = 0; i < data.m_arrHeadVars.GetSize(); ++i) {
            strVars += data.m_arrHeadVars[i] + ";";
            strVals += data.m_arrHeadVals[i] + ";";
        }
        EXPECT_STREQ(c.szHeadVars, strVars);
        EXPECT_STREQ(c.szHeadVals, strVals);
        ASSERT_EQ(c.nRows, data.GetRowCount());
        for (int i = 0; c.nRows > 0 && i < data.m_arrMDVars.GetSize(); ++i) {
            strRow += data.GetRowValue(0, i) + ";";
        }
        EXPECT_STREQ(c.szFirstRow, strRow);
    }
}

TEST(SimDataFileTest, FilesThatCannotBeReadOrWrittenSaySo)
{
    CTestTempFolder folder;
    CString strText = "left alone";
    EXPECT_FALSE(CSimDataFile::ReadFileText(folder.PathOf("missing.znw"), strText));
    EXPECT_STREQ("", strText);
    EXPECT_FALSE(CSimDataFile::WriteFileText(folder.PathOf("no-folder\\x.znw"), "text"));

    // A failed write keeps the old file.
    const CString strPath = folder.PathOf("old.znw");
    ASSERT_TRUE(CSimDataFile::WriteFileText(strPath, kGolden));
    ASSERT_TRUE(SetFileAttributesA(strPath, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(CSimDataFile::WriteFileText(strPath, "new"));
    SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(CSimDataFile::ReadFileText(strPath, strText));
    EXPECT_STREQ(kGolden, strText);
}
