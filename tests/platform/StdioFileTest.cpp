#include <gtest/gtest.h>

#include <vector>

#include "platform/base/StdioFile.h"
#include "tests/support/TempFolder.h"

namespace
{
void WriteRaw(const CString& strPath, const char* pData, UINT nLength)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(pData, nLength);
}

CString ReadRaw(const CString& strPath)
{
    CFile file(strPath, CFile::modeRead);
    CString str;
    UINT nLength = static_cast<UINT>(file.GetLength());
    file.Read(str.GetBufferSetLength(static_cast<int>(nLength)), nLength);
    str.ReleaseBuffer(static_cast<int>(nLength));
    return str;
}

TEST(StdioFileTest, ReadStringSplitsLines)
{
    struct LineCase
    {
        const char* szName;
        const char* szData;
        std::vector<CString> lines;
    };
    const LineCase cases[] = {
        {"final newline", "a\nbb\n", {"a", "bb"}},
        {"no final newline", "a\nbb", {"a", "bb"}},
        {"CR LF lines", "a\r\nbb\r\n", {"a", "bb"}},
        {"empty lines kept", "\n\nx\r\n\r\n", {"", "", "x", ""}},
        {"lone CR stays", "a\rb\n", {"a\rb"}},
        {"GBK text", "提示\r\n卡片", {"提示", "卡片"}},
        {"empty file", "", {}},
    };
    CTestTempFolder folder;
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strPath = folder.PathOf("lines.txt");
        WriteRaw(strPath, c.szData, static_cast<UINT>(strlen(c.szData)));
        for (UINT nType : {static_cast<UINT>(CFile::typeText), static_cast<UINT>(CFile::typeBinary)}) {
            CStdioFile file(strPath, CFile::modeRead | nType);
            std::vector<CString> lines;
            CString strLine("junk");
            while (file.ReadString(strLine)) {
                lines.push_back(strLine);
            }
            EXPECT_TRUE(strLine.IsEmpty());
            ASSERT_EQ(c.lines.size(), lines.size());
            for (size_t i = 0; i < lines.size(); ++i) {
                EXPECT_TRUE(c.lines[i] == lines[i]) << i;
            }
        }
    }
}

TEST(StdioFileTest, TextModeWritesCrLf)
{
    CTestTempFolder folder;
    CString strText = folder.PathOf("text.txt");
    CString strBinary = folder.PathOf("binary.txt");
    {
        CStdioFile text(strText, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        text.WriteString("one\ntwo\n");
        text.WriteString("three");
        CStdioFile binary(strBinary, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        binary.WriteString("one\ntwo\n");
    }
    EXPECT_TRUE(ReadRaw(strText) == "one\r\ntwo\r\nthree");
    EXPECT_TRUE(ReadRaw(strBinary) == "one\ntwo\n");

    // Text-mode Read gives "\n" back, and the position counts bytes on disk.
    CStdioFile file(strText, CFile::modeRead);
    char buffer[32] = {};
    EXPECT_EQ(8u, file.Read(buffer, 8));
    EXPECT_STREQ("one\ntwo\n", buffer);
    EXPECT_EQ(10u, file.GetPosition());
    CString strLine;
    EXPECT_TRUE(file.ReadString(strLine));
    EXPECT_TRUE(strLine == "three");
    EXPECT_FALSE(file.ReadString(strLine));
}
} // namespace
