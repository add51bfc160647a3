// The database helpers against the embedded SQLite and a throw-away PostgreSQL server.
#include <vector>

#include <gtest/gtest.h>

#include "core/KvOleDBCommFun.h"
#include "core/KvOleDBFun.h"
#include "platform/base/PtrList.h"
#include "platform/base/StringArray.h"
#include "platform/db/ColumnsInfo.h"
#include "platform/db/Command.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "platform/frame/WinApp.h"
#include "tests/support/ShownTextWnd.h"
#include "tests/support/DbTestEngine.h"
#include "tests/support/UiDriver.h"

namespace
{
BOOL Contains(const CStringArray& names, LPCSTR pszName)
{
    for (int i = 0; i < names.GetSize(); ++i) {
        if (names[i].Compare(pszName) == 0)
            return TRUE;
    }
    return FALSE;
}

class KvOleDBFunTest : public testing::TestWithParam<DbTestEngine>
{
protected:
    void SetUp() override
    {
        CString strInit = DbTestConnection(GetParam(), m_folder);
        ASSERT_FALSE(strInit.IsEmpty());
        CString strName;
        ASSERT_TRUE(CKvOleDBCommFun::ConnectWithDataBase(strInit, m_session, m_source, strName))
            << CFxDbErrorRecords::GetText().GetString();
        EXPECT_FALSE(strName.IsEmpty());
        // The server's database outlives a test: start from nothing.
        for (LPCSTR pszDrop : {"DROP VIEW IF EXISTS \"TN_KV_RVIEW\"", "DROP TABLE IF EXISTS \"TN_KV_USE\"",
                               "DROP TABLE IF EXISTS \"TN_KV_RULED\"", "DROP TABLE IF EXISTS \"TN_KV_RULED_kvrebuild\"",
                               "DROP TABLE IF EXISTS \"TN_KV_MAKER\"", "DROP VIEW IF EXISTS \"TN_KV_VIEW\"",
                               "DROP TABLE IF EXISTS \"TN_KV_PART\"", "DROP TABLE IF EXISTS \"TN KV BLANK\"",
                               "DROP TABLE IF EXISTS \"TN_KV_PART_kvrebuild\"", "DROP TABLE IF EXISTS \"TN_KV_PARTX\""})
            CKvOleDBFun::RunSQL_NoCheck(m_session, pszDrop);
        Run("CREATE TABLE \"TN_KV_PART\" (\"ID\" INTEGER PRIMARY KEY, \"NAME\" VARCHAR(40))");
        Run("INSERT INTO \"TN_KV_PART\" (\"ID\", \"NAME\") VALUES (1, 'bolt')");
        Run("INSERT INTO \"TN_KV_PART\" (\"ID\", \"NAME\") VALUES (2, 'nut')");
    }

    void Run(LPCSTR pszSQL) { ASSERT_TRUE(CKvOleDBFun::RunSQL(m_session, pszSQL, "test", __LINE__)) << pszSQL; }

    CStringArray Fields(LPCSTR pszTable)
    {
        CStringArray names;
        EXPECT_TRUE(CKvOleDBCommFun::GetTableFields(m_session, pszTable, names));
        return names;
    }

    // The column's values by ID order, NULL as "(null)".
    CString Values(LPCSTR pszColumn)
    {
        CString strSQL;
        strSQL.Format("SELECT \"%s\" FROM \"TN_KV_PART\" ORDER BY \"ID\"", pszColumn);
        CCommand cmd;
        EXPECT_EQ(S_OK, cmd.Open(m_session, strSQL)) << CFxDbErrorRecords::GetText().GetString();
        CString strValues;
        while (cmd.MoveNext() == S_OK)
            strValues += (cmd.GetStatus(1) == DBSTATUS_S_ISNULL ? CString("(null)") : cmd.GetValueText(1)) + "|";
        return strValues;
    }

    CTestTempFolder m_folder;
    CDataSource m_source;
    CSession m_session;
    CTestUi m_ui;
};

TEST_P(KvOleDBFunTest, TablesProceduresAndColumnsAreListed)
{
    Run("CREATE TABLE \"TN KV BLANK\" (\"A B\" INTEGER, \"C\" INTEGER)");
    Run("CREATE VIEW \"TN_KV_VIEW\" AS SELECT \"ID\" FROM \"TN_KV_PART\"");

    CStringArray tables;
    ASSERT_TRUE(CKvOleDBCommFun::GetDBTables(m_session, 0, tables));
    EXPECT_TRUE(Contains(tables, "TN_KV_PART"));
    EXPECT_FALSE(Contains(tables, "TN KV BLANK"));
    EXPECT_FALSE(Contains(tables, "TN_KV_VIEW"));
    CStringArray allTables;
    ASSERT_TRUE(CKvOleDBCommFun::GetDBTables(m_session, 1, allTables));
    EXPECT_TRUE(Contains(allTables, "TN_KV_VIEW"));

    // A name with a blank is not listed, but its columns are, blanks and all.
    CStringArray blankFields = Fields("TN KV BLANK");
    ASSERT_EQ(2, blankFields.GetSize());
    EXPECT_STREQ("A B", blankFields[0]);

    // "_" in a name matches only itself, never any character.
    Run("CREATE TABLE \"TN_KV_PARTX\" (\"Z\" INTEGER)");
    CStringArray fields = Fields("TN_KV_PART");
    ASSERT_EQ(2, fields.GetSize());
    EXPECT_STREQ("ID", fields[0]);
    EXPECT_STREQ("NAME", fields[1]);
    CKvOleDBFun::RunSQL_NoCheck(m_session, "DROP TABLE \"TN_KV_PARTX\"");

    CPtrList columns;
    ASSERT_TRUE(CKvOleDBCommFun::GetTableFields(m_session, "TN_KV_PART", columns));
    ASSERT_EQ(2, columns.GetCount());
    CColumnsInfo* pName = static_cast<CColumnsInfo*>(columns.GetTail());
    EXPECT_STREQ("NAME", pName->m_strColumnName);
    EXPECT_EQ(DBTYPE_STR, pName->m_nDataType);
    EXPECT_EQ(40, pName->m_nColumnSize);
    POSITION pos = columns.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CColumnsInfo*>(columns.GetNext(pos));

    // The procedures the helpers call exist once they have been called, where the engine has them.
    EXPECT_TRUE(CKvOleDBFun::IDInsert(m_session, "TN_KV_PART", "ON"));
    CStringArray procedures;
    ASSERT_TRUE(CKvOleDBCommFun::GetDBProcedures(m_session, procedures));
    if (GetParam().szServerVar != nullptr) {
        EXPECT_TRUE(Contains(procedures, "kvp_IDInsert"));
    }
    EXPECT_TRUE(m_ui.GetBoxes().empty());
}

TEST_P(KvOleDBFunTest, ExistTableAndRecordMatchExactly)
{
    Run("CREATE VIEW \"TN_KV_VIEW\" AS SELECT \"ID\" FROM \"TN_KV_PART\"");
    struct TableCase
    {
        const char* szName;
        BOOL bExists;
    };
    const TableCase tables[] = {
        {"TN_KV_PART", TRUE}, {"TN_KV_VIEW", TRUE}, {"TN_KV_PAR", FALSE}, {"TN_KV_PAR_", FALSE}, {"tn_kv_part", FALSE},
    };
    for (const TableCase& c : tables) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bExists, CKvOleDBCommFun::ExistTable(m_session, c.szName));
    }

    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_PART\" WHERE \"ID\" = 2"));
    EXPECT_FALSE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_PART\" WHERE \"ID\" = 3"));

    CColumnsInfo info;
    EXPECT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PART", "ID", info));
    EXPECT_STREQ("ID", info.m_strColumnName);
    EXPECT_EQ(1, info.m_nOrdinalPosition);
    EXPECT_FALSE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PART", "WEIGHT", info));
    EXPECT_TRUE(m_ui.GetBoxes().empty());
}

TEST_P(KvOleDBFunTest, ColumnWithDefaultIsAddedAlteredRenamedAndDropped)
{
    ASSERT_TRUE(CKvOleDBFun::AlterTable_AddColumn(m_session, "TN_KV_PART", "QTY", "int", "0"));
    EXPECT_STREQ("0|0|", Values("QTY"));
    CColumnsInfo info;
    ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PART", "QTY", info));
    EXPECT_TRUE(info.m_bColumnHasDefault);

    // No default: only the column comes, its values NULL.
    ASSERT_TRUE(CKvOleDBFun::AlterTable_AddColumn(m_session, "TN_KV_PART", "NOTE", "varchar(20)", ""));
    EXPECT_STREQ("(null)|(null)|", Values("NOTE"));

    // A quote in the default value.
    Run("UPDATE \"TN_KV_PART\" SET \"NOTE\" = 'kept' WHERE \"ID\" = 1");
    ASSERT_TRUE(CKvOleDBFun::AlterTable_AlterColumn(m_session, "TN_KV_PART", "NOTE", "varchar(30)", "'O''Brien'"));
    EXPECT_STREQ("kept|O'Brien|", Values("NOTE"));
    Run("INSERT INTO \"TN_KV_PART\" (\"ID\") VALUES (3)");
    EXPECT_STREQ("kept|O'Brien|O'Brien|", Values("NOTE"));
    ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PART", "NOTE", info));
    EXPECT_EQ(30, info.m_nColumnSize);

    // Dropping the default leaves the values; a new row gets none.
    ASSERT_TRUE(CKvOleDBFun::AltrTable_DelDef(m_session, "TN_KV_PART", "NOTE"));
    Run("INSERT INTO \"TN_KV_PART\" (\"ID\") VALUES (4)");
    EXPECT_STREQ("kept|O'Brien|O'Brien|(null)|", Values("NOTE"));
    ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PART", "NOTE", info));
    EXPECT_FALSE(info.m_bColumnHasDefault) << info.m_strColumnDefault.GetString();

    ASSERT_TRUE(CKvOleDBFun::AlterTable_RenColumn(m_session, "TN_KV_PART", "QTY", "AMOUNT"));
    CStringArray fields = Fields("TN_KV_PART");
    EXPECT_TRUE(Contains(fields, "AMOUNT"));
    EXPECT_FALSE(Contains(fields, "QTY"));
    EXPECT_STREQ("0|0|0|0|", Values("AMOUNT"));

    ASSERT_TRUE(CKvOleDBFun::AlterTable_DelColumn(m_session, "TN_KV_PART", "AMOUNT"));
    fields = Fields("TN_KV_PART");
    EXPECT_FALSE(Contains(fields, "AMOUNT"));
    EXPECT_EQ(3, fields.GetSize());
    // The rebuilt table keeps its key.
    EXPECT_FALSE(CKvOleDBFun::RunSQL(m_session, "INSERT INTO \"TN_KV_PART\" (\"ID\") VALUES (1)", "test", 1));
    m_ui.TakeBoxTexts();

    ASSERT_TRUE(CKvOleDBFun::TruncateTable(m_session, "TN_KV_PART"));
    EXPECT_STREQ("", Values("ID"));
    ASSERT_TRUE(CKvOleDBFun::DropTable(m_session, "TN_KV_PART"));
    EXPECT_FALSE(CKvOleDBCommFun::ExistTable(m_session, "TN_KV_PART"));
    EXPECT_TRUE(m_ui.GetBoxes().empty());
}

TEST_P(KvOleDBFunTest, ChangingAColumnsTypeOrDefaultKeepsTheTablesConstraints)
{
    const BOOL bSQLite = GetParam().szServerVar == nullptr;
    // Foreign keys are enforced, as a server enforces them.
    if (bSQLite)
        Run("PRAGMA foreign_keys = ON");
    Run("CREATE TABLE \"TN_KV_MAKER\" (\"ID\" INTEGER PRIMARY KEY)");
    Run("INSERT INTO \"TN_KV_MAKER\" (\"ID\") VALUES (1)");
    Run("CREATE TABLE \"TN_KV_RULED\" (\"ID\" INTEGER PRIMARY KEY,\n"
        "  \"CODE\" VARCHAR(10) NOT NULL UNIQUE, -- the part code\n"
        "  \"QTY\" INTEGER CONSTRAINT \"CK_QTY\" CHECK (\"QTY\" >= 0),\n"
        "  \"MAKER\" INTEGER REFERENCES \"TN_KV_MAKER\" (\"ID\"),\n"
        "  CONSTRAINT \"CK_RULED_QTY\" CHECK (\"QTY\" < 1000))");
    Run("INSERT INTO \"TN_KV_RULED\" (\"ID\", \"CODE\", \"QTY\", \"MAKER\") VALUES (1, 'A1', 5, 1)");
    Run("CREATE TABLE \"TN_KV_USE\" (\"RULED\" INTEGER REFERENCES \"TN_KV_RULED\" (\"ID\") ON DELETE CASCADE)");
    Run("INSERT INTO \"TN_KV_USE\" (\"RULED\") VALUES (1)");
    Run("CREATE VIEW \"TN_KV_RVIEW\" AS SELECT \"ID\" FROM \"TN_KV_RULED\"");

    ASSERT_TRUE(CKvOleDBFun::AlterTable_AlterColumn(m_session, "TN_KV_RULED", "CODE", "varchar(20)", "'none'"));
    ASSERT_TRUE(CKvOleDBFun::AlterTable_AddDefault(m_session, "TN_KV_RULED", "DF_QTY", "0", "QTY"));
    ASSERT_TRUE(CKvOleDBFun::AltrTable_DelDef(m_session, "TN_KV_RULED", "CODE"));
    EXPECT_TRUE(m_ui.GetBoxes().empty());
    CColumnsInfo info;
    ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_RULED", "CODE", info));
    EXPECT_EQ(20, info.m_nColumnSize);
    EXPECT_FALSE(info.m_bColumnHasDefault);
    ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_RULED", "QTY", info));
    EXPECT_TRUE(info.m_bColumnHasDefault);

    // The row, the row that refers to it and the view are all still there.
    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_RULED\" WHERE \"CODE\" = 'A1' AND "
                                                    "\"QTY\" = 5 AND \"MAKER\" = 1"));
    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_USE\" WHERE \"RULED\" = 1"));
    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_RVIEW\" WHERE \"ID\" = 1"));

    struct InsertCase
    {
        const char* szName;
        const char* szValues; // ID, CODE, QTY, MAKER
        BOOL bAccepted;
    };
    const InsertCase inserts[] = {
        {"a code twice (UNIQUE)", "2, 'A1', 1, 1", FALSE},
        {"no code (NOT NULL)", "3, NULL, 1, 1", FALSE},
        {"negative quantity (column CHECK)", "4, 'B4', -1, 1", FALSE},
        {"quantity too large (table CHECK)", "5, 'B5', 5000, 1", FALSE},
        {"unknown maker (foreign key)", "6, 'B6', 1, 99", FALSE},
        {"a good row", "7, 'B7', 1, 1", TRUE},
    };
    for (const InsertCase& c : inserts) {
        SCOPED_TRACE(c.szName);
        CString strSQL;
        strSQL.Format("INSERT INTO \"TN_KV_RULED\" (\"ID\", \"CODE\", \"QTY\", \"MAKER\") VALUES (%s)", c.szValues);
        EXPECT_EQ(c.bAccepted, CKvOleDBFun::RunSQL(m_session, strSQL, "test", __LINE__));
        m_ui.TakeBoxTexts();
    }
    Run("INSERT INTO \"TN_KV_RULED\" (\"ID\", \"CODE\") VALUES (8, 'B8')");
    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_RULED\" WHERE \"ID\" = 8 AND \"QTY\" = 0"));

    if (bSQLite) {
        // A change the kept constraints refuse for the rows there is refused as a whole, said so.
        Run("CREATE TABLE \"TN_KV_PARTX\" (\"Z\" INTEGER CHECK (typeof(\"Z\") = 'integer'), \"W\" TEXT)");
        Run("INSERT INTO \"TN_KV_PARTX\" (\"Z\", \"W\") VALUES (7, 'w')");
        EXPECT_FALSE(CKvOleDBFun::AlterTable_AlterColumn(m_session, "TN_KV_PARTX", "Z", "varchar(5)", ""));
        EXPECT_FALSE(m_ui.TakeBoxTexts().empty());
        ASSERT_TRUE(CKvOleDBCommFun::GetFieldInfo(m_session, "TN_KV_PARTX", "Z", info));
        EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_PARTX\" WHERE \"Z\" = 7"));
        EXPECT_FALSE(CKvOleDBCommFun::ExistTable(m_session, "TN_KV_PARTX_kvrebuild"));
        // The table's definition still holds its check.
        EXPECT_FALSE(CKvOleDBFun::RunSQL(m_session, "INSERT INTO \"TN_KV_PARTX\" (\"Z\") VALUES ('x')", "test", 1));
        m_ui.TakeBoxTexts();
        CKvOleDBFun::RunSQL_NoCheck(m_session, "DROP TABLE \"TN_KV_PARTX\"");
    }
    EXPECT_TRUE(m_ui.GetBoxes().empty());
}

TEST_P(KvOleDBFunTest, SQLiteRebuildsChangeOnlyTheNamedColumnOfAnyTableDefinition)
{
    if (GetParam().szServerVar != nullptr)
        GTEST_SKIP() << "a server changes the column in place";
    enum Op { alterColumn, addDefault, dropDefault };
    struct FormCase
    {
        const char* szName;
        const char* szCreate; // of "TN_KV_PARTX"
        const char* szInsert; // one row
        Op op;
        const char* szColumn;
        const char* szType;    // alterColumn
        const char* szDefault; // alterColumn, addDefault
        BOOL bDone;
        const char* szKept; // in the new definition, "|" between parts
        const char* szGone; // not in it, "|" between parts
    };
    const FormCase cases[] = {
        {"comments holding commas and parentheses",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER, -- a, b (c\n \"B\" TEXT DEFAULT 'x' /* d, e) */ NOT NULL)",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1, 'b')", alterColumn, "B", "varchar(9)", "'y'", TRUE,
         "\"B\" varchar(9) DEFAULT 'y'|NOT NULL|-- a, b (c\n|/* d, e) */", "DEFAULT 'x'"},
        {"quoted names, a bracketed name, a comma in a default",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\"\"Q\" INTEGER UNIQUE, [B] TEXT DEFAULT 'p,q' CHECK ([B] <> ''), `C` REAL)",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1, 'b', 2.5)", dropDefault, "B", nullptr, nullptr, TRUE,
         "\"A\"\"Q\" INTEGER UNIQUE|[B] TEXT|CHECK ([B] <> '')|`C` REAL", "'p,q'"},
        {"an expression default", "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER DEFAULT (1 + 2), \"B\" TEXT)",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1, 'b')", addDefault, "A", nullptr, "7", TRUE, "\"A\" INTEGER DEFAULT 7",
         "(1 + 2)"},
        {"a negative number default",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" REAL DEFAULT -1.5e-3, \"B\" BLOB DEFAULT X'00FF')",
         "INSERT INTO \"TN_KV_PARTX\" (\"A\") VALUES (2)", dropDefault, "A", nullptr, nullptr, TRUE,
         "\"A\" REAL|\"B\" BLOB DEFAULT X'00FF'", "-1.5e-3"},
        {"a blob default", "CREATE TABLE \"TN_KV_PARTX\" (\"A\" REAL DEFAULT -1.5e-3, \"B\" BLOB DEFAULT X'00FF')",
         "INSERT INTO \"TN_KV_PARTX\" (\"A\") VALUES (2)", dropDefault, "B", nullptr, nullptr, TRUE,
         "\"A\" REAL DEFAULT -1.5e-3|\"B\" BLOB", "X'00FF'"},
        {"a named default beside a named check",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER CONSTRAINT \"DF_A\" DEFAULT 3 CONSTRAINT \"CK_A\" CHECK (\"A\" > "
         "0))",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1)", alterColumn, "A", "bigint", "4", TRUE,
         "\"A\" bigint DEFAULT 4|CONSTRAINT \"CK_A\" CHECK (\"A\" > 0)", "DF_A|DEFAULT 3"},
        {"a table without row ids",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" TEXT PRIMARY KEY, \"B\" INTEGER) WITHOUT ROWID",
         "INSERT INTO \"TN_KV_PARTX\" VALUES ('a', 1)", alterColumn, "B", "varchar(5)", "", TRUE,
         "\"B\" varchar(5)|WITHOUT ROWID", "INTEGER)"},
        {"a generated column is made, not copied",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER, \"B\" INTEGER GENERATED ALWAYS AS (\"A\" * 2) VIRTUAL, \"C\" "
         "TEXT)",
         "INSERT INTO \"TN_KV_PARTX\" (\"A\", \"C\") VALUES (21, 'c')", alterColumn, "C", "varchar(4)", "'d'", TRUE,
         "GENERATED ALWAYS AS (\"A\" * 2)|\"C\" varchar(4) DEFAULT 'd'", ""},
        {"a strict table refuses a type it does not know",
         "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER, \"B\" TEXT) STRICT",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1, 'b')", alterColumn, "B", "varchar(5)", "", FALSE, "\"B\" TEXT) STRICT",
         "varchar"},
        {"a column the table lacks", "CREATE TABLE \"TN_KV_PARTX\" (\"A\" INTEGER, \"B\" TEXT)",
         "INSERT INTO \"TN_KV_PARTX\" VALUES (1, 'b')", addDefault, "Z", nullptr, "1", FALSE,
         "(\"A\" INTEGER, \"B\" TEXT)", "DEFAULT"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CKvOleDBFun::RunSQL_NoCheck(m_session, "DROP TABLE IF EXISTS \"TN_KV_PARTX\"");
        Run(c.szCreate);
        Run(c.szInsert);
        BOOL bDone = FALSE;
        switch (c.op) {
        case alterColumn:
            bDone = CKvOleDBFun::AlterTable_AlterColumn(m_session, "TN_KV_PARTX", c.szColumn, c.szType, c.szDefault);
            break;
        case addDefault:
            bDone = CKvOleDBFun::AlterTable_AddDefault(m_session, "TN_KV_PARTX", "DF_X", c.szDefault, c.szColumn);
            break;
        case dropDefault:
            bDone = CKvOleDBFun::AltrTable_DelDef(m_session, "TN_KV_PARTX", c.szColumn);
            break;
        }
        EXPECT_EQ(c.bDone, bDone);
        // A refusal is said once; a change is silent.
        EXPECT_EQ(c.bDone ? 0u : 1u, m_ui.TakeBoxTexts().size());
        CCommand cmd;
        ASSERT_EQ(S_OK, cmd.Open(m_session, "SELECT sql FROM sqlite_master WHERE name = 'TN_KV_PARTX'"));
        ASSERT_EQ(S_OK, cmd.MoveNext());
        const CString strSQL = cmd.GetValueText(1);
        cmd.Close();
        CStringArray kept;
        kept.Split(c.szKept, '|', FALSE);
        for (int i = 0; i < kept.GetSize(); ++i)
            EXPECT_GE(strSQL.Find(kept[i]), 0) << kept[i].GetString() << " in " << strSQL.GetString();
        CStringArray gone;
        gone.Split(c.szGone, '|', FALSE);
        for (int i = 0; i < gone.GetSize(); ++i)
            EXPECT_LT(strSQL.Find(gone[i]), 0) << gone[i].GetString() << " in " << strSQL.GetString();
        EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_PARTX\""));
        EXPECT_FALSE(CKvOleDBCommFun::ExistTable(m_session, "TN_KV_PARTX_kvrebuild"));
    }
    EXPECT_TRUE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_PARTX\" WHERE \"A\" = 1"));
    CKvOleDBFun::RunSQL_NoCheck(m_session, "DROP TABLE \"TN_KV_PARTX\"");
}

TEST_P(KvOleDBFunTest, NamesAndValuesThatWouldChangeTheStatementAreRefused)
{
    struct RefuseCase
    {
        const char* szName;
        const char* szTable;
        const char* szColumn;
        const char* szType;
        const char* szDefault;
    };
    const RefuseCase cases[] = {
        {"statement in table", "TN_KV_PART; DROP TABLE \"TN_KV_PART\"", "C", "int", ""},
        {"quote in column", "TN_KV_PART", "C\" int, \"D", "int", ""},
        {"statement in type", "TN_KV_PART", "C", "int; DELETE FROM \"TN_KV_PART\"", ""},
        {"lone quote in default", "TN_KV_PART", "C", "varchar(9)", "'a'; DELETE FROM \"TN_KV_PART\"; --'"},
    };
    for (const RefuseCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_FALSE(CKvOleDBFun::AlterTable_AddColumn(m_session, c.szTable, c.szColumn, c.szType, c.szDefault));
        std::vector<CString> boxes = m_ui.TakeBoxTexts();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_GE(boxes[0].Find("不合法"), 0) << boxes[0].GetString();
    }
    EXPECT_FALSE(CKvOleDBFun::DropTable(m_session, "TN_KV_PART;"));
    m_ui.TakeBoxTexts();
    EXPECT_STREQ("1|2|", Values("ID"));
    EXPECT_EQ(2, Fields("TN_KV_PART").GetSize());
}

TEST_P(KvOleDBFunTest, FailedStatementIsReportedInChineseToTheUserAndTheOutputBar)
{
    // The application object names the main window that hears the report.
    CShownTextWnd wndMain;
    ASSERT_TRUE(wndMain.IsCreated());
    CWinApp app("KvOleDBFunTest");
    app.m_pMainWnd = wndMain.GetMain();
    EXPECT_FALSE(CKvOleDBFun::RunSQL(m_session, "SELECT * FROM \"TN_KV_NONE\"", "Here.cpp", 42));
    app.m_pMainWnd = nullptr;
    ASSERT_EQ(1u, m_ui.GetBoxes().size());
    const CTestUi::Box& box = m_ui.GetBoxes()[0];
    ASSERT_EQ(1u, CShownTextWnd::Texts().size());
    EXPECT_STREQ(box.strText, CShownTextWnd::Texts()[0].c_str());
    EXPECT_STREQ("系统提示", box.strCaption);
    CString strHead = "在执行SQL语句时系统发生错误！发生错误的地点是在程序\"Here.cpp\"的42行\r\n"
                      "SQL语句:SELECT * FROM \"TN_KV_NONE\"\r\n"
                      "发生错误的原因可能是:\r\n"
                      "[1] -- 错误原因\"";
    EXPECT_STREQ(strHead, box.strText.Left(strHead.GetLength())) << box.strText.GetString();
    EXPECT_GE(box.strText.Find("TN_KV_NONE", strHead.GetLength()), 0) << box.strText.GetString();

    // A failing existence query is reported too; RunSQL_NoCheck stays silent.
    m_ui.TakeBoxTexts();
    EXPECT_FALSE(CKvOleDBFun::ExistRecord(m_session, "SELECT * FROM \"TN_KV_NONE\""));
    EXPECT_EQ(1u, m_ui.TakeBoxTexts().size());
    CKvOleDBFun::RunSQL_NoCheck(m_session, "SELECT * FROM \"TN_KV_NONE\"");
    EXPECT_TRUE(m_ui.GetBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, KvOleDBFunTest, testing::ValuesIn(dbTestEngines), DbTestEngineName);
} // namespace
