#include <gtest/gtest.h>

#include "platform/base/File.h"
#include "tests/support/TempFolder.h"

namespace
{
TEST(FileTest, OpenFailureReportsCauseAndOsError)
{
    CTestTempFolder folder;
    struct OpenCase
    {
        const char* szName;
        CString strPath;
        UINT nFlags;
        int nCause;
        LONG lOsError;
    };
    const OpenCase cases[] = {
        {"missing file", folder.PathOf("missing.znt"), CFile::modeRead, CFileException::fileNotFound,
         ERROR_FILE_NOT_FOUND},
        {"missing folder", folder.PathOf("nofolder\\a.znt"), CFile::modeCreate | CFile::modeWrite,
         CFileException::badPath, ERROR_PATH_NOT_FOUND},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.strPath, c.nFlags, &error));
        EXPECT_EQ(c.nCause, error.m_cause);
        EXPECT_EQ(c.lOsError, error.m_lOsError);
        EXPECT_TRUE(error.m_strFileName == c.strPath);
        EXPECT_EQ(INVALID_HANDLE_VALUE, file.m_hFile);

        // The throwing constructor carries the same.
        BOOL bCaught = FALSE;
        try {
            CFile thrower(c.strPath, c.nFlags);
        } catch (CFileException* e) {
            bCaught = TRUE;
            EXPECT_EQ(c.nCause, e->m_cause);
            EXPECT_EQ(c.lOsError, e->m_lOsError);
            e->Delete();
        }
        EXPECT_TRUE(bCaught);
    }
}

TEST(FileTest, ReadsBackWhatItWroteAndNamesItsGbkPath)
{
    CTestTempFolder folder;
    CString strPath = folder.PathOf("卡片.dat");
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(11u, file.GetLength());
        EXPECT_TRUE(file.GetFilePath() == strPath);
        EXPECT_TRUE(file.GetFileName() == "卡片.dat");
        EXPECT_TRUE(file.GetFileTitle() == "卡片");
    }
    {
        // modeNoTruncate keeps the contents.
        CFile file(strPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(11u, file.GetLength());
        EXPECT_EQ(6u, file.Seek(6, CFile::begin));
        char text[6] = {};
        EXPECT_EQ(5u, file.Read(text, 10));
        EXPECT_STREQ("world", text);
        EXPECT_EQ(0u, file.Read(text, 1));
        file.SetLength(5);
        EXPECT_EQ(5u, file.GetLength());
        file.SeekToBegin();
        EXPECT_EQ(0u, file.GetPosition());
        file.Close();
        EXPECT_EQ(INVALID_HANDLE_VALUE, file.m_hFile);
    }
    CString strNew = folder.PathOf("b.dat");
    CFile::Rename(strPath, strNew);
    CFile::Remove(strNew);
    BOOL bCaught = FALSE;
    try {
        CFile::Remove(strNew);
    } catch (CFileException* e) {
        bCaught = TRUE;
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }
    EXPECT_TRUE(bCaught);
}

TEST(FileTest, ExclusiveShareRefusesASecondOpen)
{
    CTestTempFolder folder;
    CString strPath = folder.PathOf("locked.dat");
    CFile first(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    EXPECT_EQ(ERROR_SHARING_VIOLATION, error.m_lOsError);
}
} // namespace
