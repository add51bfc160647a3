#include <gtest/gtest.h>

#include "platform/base/PtrList.h"
#include "platform/base/StringArray.h"
#include "platform/db/ColumnsInfo.h"
#include "platform/db/Command.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbCatalog.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "tests/support/DbTestEngine.h"

namespace
{
class FxDbCatalogTest : public DbEngineTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DbEngineTest::SetUp());
        for (LPCSTR pszSQL : {"DROP TABLE IF EXISTS \"TN_CAT_A%B\"", "DROP TABLE IF EXISTS \"TN_CAT_AXB\"",
                              "CREATE TABLE \"TN_CAT_AXB\" (\"X\" INTEGER)",
                              "CREATE TABLE \"TN_CAT_A%B\" (\"K\" INTEGER NOT NULL, \"V\" VARCHAR(12) DEFAULT 'x')"}) {
            CCommand cmd;
            ASSERT_EQ(S_OK, cmd.Open(m_session, pszSQL)) << pszSQL << CFxDbErrorRecords::GetText().GetString();
        }
    }
};

TEST_P(FxDbCatalogTest, EngineIsNamedAndPatternCharactersMatchOnlyThemselves)
{
    EXPECT_GE(CFxDbCatalog::GetDbmsName(m_session).Find(GetParam().szName), 0)
        << CFxDbCatalog::GetDbmsName(m_session).GetString();

    CPtrList columns;
    ASSERT_EQ(S_OK, CFxDbCatalog::GetColumns(m_session, "TN_CAT_A%B", columns));
    ASSERT_EQ(2, columns.GetCount());
    auto* pKey = static_cast<CColumnsInfo*>(columns.GetHead());
    auto* pValue = static_cast<CColumnsInfo*>(columns.GetTail());
    EXPECT_STREQ("K", pKey->m_strColumnName);
    EXPECT_FALSE(pKey->m_bIsNullable);
    EXPECT_FALSE(pKey->m_bColumnHasDefault) << pKey->m_strColumnDefault.GetString();
    EXPECT_TRUE(pKey->m_strColumnDefault.IsEmpty());
    EXPECT_EQ(DBTYPE_I4, pKey->m_nDataType);
    EXPECT_STREQ("V", pValue->m_strColumnName);
    EXPECT_EQ(2, pValue->m_nOrdinalPosition);
    EXPECT_TRUE(pValue->m_bColumnHasDefault);
    EXPECT_GE(pValue->m_strColumnDefault.Find('x'), 0) << pValue->m_strColumnDefault.GetString();
    POSITION pos = columns.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CColumnsInfo*>(columns.GetNext(pos));
    columns.RemoveAll();

    // A table that does not exist has no columns; that is no failure.
    EXPECT_EQ(S_OK, CFxDbCatalog::GetColumns(m_session, "TN_CAT_NONE", columns));
    EXPECT_EQ(0, columns.GetCount());
}

TEST_P(FxDbCatalogTest, ClosedSessionFailsWithARecord)
{
    CSession closed;
    CStringArray names;
    CPtrList columns;
    EXPECT_EQ(E_FAIL, CFxDbCatalog::GetTables(closed, TRUE, names));
    EXPECT_EQ(E_FAIL, CFxDbCatalog::GetProcedures(closed, names));
    EXPECT_EQ(E_FAIL, CFxDbCatalog::GetColumns(closed, "TN_CAT_AXB", columns));
    EXPECT_EQ(1, CFxDbErrorRecords::GetCount());
    EXPECT_EQ(0, names.GetSize());
    EXPECT_TRUE(CFxDbCatalog::GetDbmsName(closed).IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, FxDbCatalogTest, testing::ValuesIn(dbTestEngines), DbTestEngineName);
} // namespace
