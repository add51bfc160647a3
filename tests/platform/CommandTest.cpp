#include <vector>

#include <gtest/gtest.h>

#include "platform/db/Command.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "tests/support/DbTestEngine.h"

namespace
{
class CommandTest : public testing::TestWithParam<DbTestEngine>
{
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(DbTestOpen(GetParam(), m_folder, m_source, m_session)); }

    // A statement without rows; the test stops when it fails.
    void Run(LPCSTR pszSQL)
    {
        CCommand cmd;
        ASSERT_EQ(S_OK, cmd.Open(m_session, pszSQL)) << pszSQL << "\n" << CFxDbErrorRecords::GetText().GetString();
    }

    CTestTempFolder m_folder;
    CDataSource m_source;
    CSession m_session;
};

TEST_P(CommandTest, ParametersNeverChangeTheStatementAndReadBackThroughTheDynamicAccessor)
{
    Run("DROP TABLE IF EXISTS TN_TEST_SYM");
    Run("CREATE TABLE TN_TEST_SYM (CN_ID INTEGER, CN_NAME VARCHAR(64), CN_GUID VARCHAR(64), CN_SCALE DOUBLE "
        "PRECISION)");
    struct Row
    {
        long nId;
        const char* szName;
        const char* szGuid;
        const char* szScale;
    };
    // The second GUID would end the string literal early, were it pasted into the SQL text; the
    // fourth name is GBK text, as all the suite's narrow text.
    const Row rows[] = {
        {1, "plain", "{A1}", "1.5"},
        {2, "quoted", "{B2' OR '1'='1}", "2.25"},
        {3, nullptr, "{C3}", "-0.5"},
        {4, "螺纹孔", "{D4}", "0"},
    };
    for (const Row& row : rows) {
        CCommand insert;
        insert.AddParam(row.nId);
        insert.AddParam(row.szName);
        insert.AddParam(row.szGuid);
        insert.AddParam(row.szScale);
        ASSERT_EQ(S_OK, insert.Open(m_session, "INSERT INTO TN_TEST_SYM VALUES (?, ?, ?, ?)"))
            << CFxDbErrorRecords::GetText().GetString();
    }

    CCommand cmd;
    cmd.AddParam("{B2' OR '1'='1}");
    ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT CN_ID, CN_NAME, CN_GUID, CN_SCALE FROM TN_TEST_SYM WHERE CN_GUID = ?"));
    struct ColumnCase
    {
        const char* szName;
        DBTYPE wType;
    };
    const ColumnCase columns[] = {
        {"CN_ID", DBTYPE_I4}, {"CN_NAME", DBTYPE_STR}, {"CN_GUID", DBTYPE_STR}, {"CN_SCALE", DBTYPE_R8}};
    ASSERT_EQ(4u, cmd.GetColumnCount());
    for (DBORDINAL n = 1; n <= 4; ++n) {
        SCOPED_TRACE(columns[n - 1].szName);
        // PostgreSQL folds unquoted names to lower case.
        EXPECT_EQ(0, cmd.GetColumnName(n).CompareNoCase(columns[n - 1].szName));
        EXPECT_EQ(columns[n - 1].wType, cmd.GetColumnType(n));
    }
    ASSERT_EQ(S_OK, cmd.MoveFirst());
    EXPECT_EQ(2, cmd.GetValueLong(1));
    EXPECT_STREQ("quoted", cmd.GetValueText(2));
    EXPECT_STREQ("{B2' OR '1'='1}", cmd.GetValueText(3));
    EXPECT_DOUBLE_EQ(2.25, cmd.GetValueDouble(4));
    EXPECT_EQ(DB_S_ENDOFROWSET, cmd.MoveNext());
    EXPECT_EQ(DBSTATUS_E_UNAVAILABLE, cmd.GetStatus(1));
    // Parameters added now wait for the next Open: running the statement anew keeps its own.
    for (int i = 0; i < 64; ++i)
        cmd.AddParam("{A1}");
    ASSERT_EQ(S_OK, cmd.MoveFirst());
    EXPECT_EQ(2, cmd.GetValueLong(1));
    cmd.ClearParams();

    // All rows in order, NULL told apart from empty text; MoveFirst starts over.
    ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT CN_ID, CN_NAME FROM TN_TEST_SYM ORDER BY CN_ID"));
    for (int nPass = 0; nPass < 2; ++nPass) {
        SCOPED_TRACE(nPass == 0 ? "first pass" : "after MoveFirst");
        HRESULT hr = cmd.MoveFirst();
        for (const Row& row : rows) {
            SCOPED_TRACE(row.nId);
            ASSERT_EQ(S_OK, hr);
            EXPECT_EQ(row.nId, cmd.GetValueLong(1));
            EXPECT_EQ(row.szName != nullptr ? DBSTATUS_S_OK : DBSTATUS_S_ISNULL, cmd.GetStatus(2));
            EXPECT_STREQ(row.szName != nullptr ? row.szName : "", cmd.GetValueText(2));
            hr = cmd.MoveNext();
        }
        EXPECT_EQ(DB_S_ENDOFROWSET, hr);
    }
}

TEST_P(CommandTest, StatementsWithoutRowsOrMatchesEndTheRowsetAtOnce)
{
    Run("DROP TABLE IF EXISTS TN_TEST_EMPTY");
    Run("CREATE TABLE TN_TEST_EMPTY (CN_ID INTEGER)");
    struct EndCase
    {
        const char* szName;
        const char* szSQL;
    };
    const EndCase cases[] = {
        {"query without a match", "SELECT CN_ID FROM TN_TEST_EMPTY WHERE CN_ID = 7"},
        {"statement without rows", "INSERT INTO TN_TEST_EMPTY VALUES (1)"},
        {"update touching no row", "UPDATE TN_TEST_EMPTY SET CN_ID = 2 WHERE CN_ID = 7"},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCommand cmd;
        ASSERT_EQ(S_OK, cmd.Open(m_session, c.szSQL)) << CFxDbErrorRecords::GetText().GetString();
        EXPECT_EQ(DB_S_ENDOFROWSET, cmd.MoveFirst());
        EXPECT_EQ(DB_S_ENDOFROWSET, cmd.MoveNext());
    }
}

TEST_P(CommandTest, LongBinaryValuesReadCompletelyIn64KPieces)
{
    Run("DROP TABLE IF EXISTS TN_TEST_BLOB");
    CString strCreate;
    strCreate.Format("CREATE TABLE TN_TEST_BLOB (CN_ID INTEGER, CN_COMPRESSED SMALLINT, CN_BLOB %s)",
                     GetParam().szBlobType);
    Run(strCreate);
    struct BlobCase
    {
        const char* szName;
        long nId;
        int cbBlob;
        // Pieces that bring bytes; -1 for a NULL value.
        int nPieces;
    };
    const BlobCase cases[] = {
        {"exactly one piece", 1, 65536, 1},
        {"two full pieces and a rest", 2, 150000, 3},
        {"NULL", 3, -1, -1},
        {"empty", 4, 0, 0},
    };
    // Every byte value, zeros included: the stream is bytes, not text.
    std::vector<BYTE> pattern(150000);
    for (size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<BYTE>(i * 7 + i / 251);
    for (const BlobCase& c : cases) {
        CCommand insert;
        insert.AddParam(c.nId);
        insert.AddParam(0L);
        if (c.cbBlob < 0)
            insert.AddParam(nullptr);
        else
            insert.AddParam(pattern.data(), c.cbBlob);
        ASSERT_EQ(S_OK, insert.Open(m_session, "INSERT INTO TN_TEST_BLOB VALUES (?, ?, ?)"))
            << CFxDbErrorRecords::GetText().GetString();
    }

    std::vector<BYTE> piece(0x10000);
    for (const BlobCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCommand cmd;
        cmd.AddParam(c.nId);
        ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT CN_ID, CN_COMPRESSED, CN_BLOB FROM TN_TEST_BLOB WHERE CN_ID = ?"));
        ASSERT_EQ(S_OK, cmd.MoveFirst());
        EXPECT_EQ(c.nId, cmd.GetValueLong(1));
        std::vector<BYTE> blob;
        int nPieces = 0;
        HRESULT hr = S_OK;
        for (;;) {
            ULONG cbRead = 0;
            hr = cmd.ReadBlob(3, piece.data(), static_cast<ULONG>(piece.size()), &cbRead);
            if (hr != S_OK || cbRead == 0)
                break;
            ++nPieces;
            blob.insert(blob.end(), piece.begin(), piece.begin() + cbRead);
            if (cbRead < piece.size())
                break;
        }
        if (c.cbBlob < 0) {
            EXPECT_EQ(S_FALSE, hr);
            EXPECT_EQ(DBSTATUS_S_ISNULL, cmd.GetStatus(3));
            continue;
        }
        EXPECT_EQ(S_OK, hr);
        EXPECT_EQ(DBSTATUS_S_OK, cmd.GetStatus(3));
        EXPECT_EQ(c.nPieces, nPieces);
        ASSERT_EQ(static_cast<size_t>(c.cbBlob), blob.size());
        EXPECT_TRUE(std::equal(blob.begin(), blob.end(), pattern.begin()));
        // Columns are read in order: the one before the stream is gone from the driver.
        ULONG cbRead = 1;
        EXPECT_EQ(E_UNEXPECTED, cmd.ReadBlob(2, piece.data(), 1, &cbRead));
        EXPECT_EQ(0u, cbRead);
    }

    // A stream cut short by reading a later column is not taken for a complete value.
    CCommand cmd;
    ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT CN_BLOB, CN_ID FROM TN_TEST_BLOB WHERE CN_ID = 2"));
    ASSERT_EQ(S_OK, cmd.MoveFirst());
    ULONG cbRead = 0;
    ASSERT_EQ(S_OK, cmd.ReadBlob(1, piece.data(), static_cast<ULONG>(piece.size()), &cbRead));
    EXPECT_EQ(piece.size(), cbRead);
    EXPECT_EQ(2, cmd.GetValueLong(2));
    EXPECT_EQ(E_UNEXPECTED, cmd.ReadBlob(1, piece.data(), static_cast<ULONG>(piece.size()), &cbRead));
    EXPECT_EQ(0u, cbRead);
}

TEST_P(CommandTest, LongTextValueReadsWhole)
{
    Run("DROP TABLE IF EXISTS TN_TEST_TEXT");
    Run("CREATE TABLE TN_TEST_TEXT (CN_TEXT TEXT)");
    // Several of the pieces text comes in, the last one short.
    CString strText;
    for (int i = 0; i < 10000; ++i)
        strText += static_cast<char>('a' + i % 26);
    CCommand insert;
    insert.AddParam(strText);
    ASSERT_EQ(S_OK, insert.Open(m_session, "INSERT INTO TN_TEST_TEXT VALUES (?)"));
    CCommand cmd;
    ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT CN_TEXT FROM TN_TEST_TEXT"));
    ASSERT_EQ(S_OK, cmd.MoveFirst());
    EXPECT_EQ(DBTYPE_STR, cmd.GetColumnType(1));
    EXPECT_EQ(strText, cmd.GetValueText(1));
}

TEST_P(CommandTest, BadStatementFailsWithTheDriversErrorRecords)
{
    CFxDbErrorRecords::Clear();
    CCommand cmd;
    EXPECT_EQ(DB_E_ERRORSINCOMMAND, cmd.Open(m_session, "SELEC CN_ID FROM TN_TEST_SYM"));
    EXPECT_FALSE(cmd.IsOpen());
    ASSERT_GE(CFxDbErrorRecords::GetCount(), 1);
    CString strState, strMessage;
    long nNative = 0;
    ASSERT_TRUE(CFxDbErrorRecords::GetRecord(0, strState, nNative, strMessage));
    EXPECT_EQ(5, strState.GetLength());
    // The drivers' messages quote the text near the fault.
    EXPECT_GE(strMessage.Find("SELEC"), 0) << strMessage.GetString();
    CString strText = CFxDbErrorRecords::GetText();
    EXPECT_EQ(0, strText.Find("[" + strState + "] "));
    EXPECT_GE(strText.Find(strMessage), 0);
}

TEST_P(CommandTest, SessionKeepsWorkingAfterItsDataSourceCloses)
{
    m_source.Close();
    CCommand cmd;
    ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT 42"));
    ASSERT_EQ(S_OK, cmd.MoveFirst());
    EXPECT_EQ(42, cmd.GetValueLong(1));
    // The command holds the connection too.
    m_session.Close();
    EXPECT_EQ(DB_S_ENDOFROWSET, cmd.MoveNext());
    EXPECT_EQ(E_FAIL, cmd.Open(m_session, "SELECT 1"));
}

INSTANTIATE_TEST_SUITE_P(Engines, CommandTest, testing::ValuesIn(dbTestEngines), DbTestEngineName);
} // namespace
