// The database engines the database classes are tested against: a SQLite file in a test's folder
// and the throw-away PostgreSQL server that scripts/test starts.
#pragma once

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/base/String.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "tests/support/TempFolder.h"

struct DbTestEngine
{
    const char* szName;
    // The column type that holds long binary values.
    const char* szBlobType;
    // The environment variable naming the server's ODBC connection string; nullptr for SQLite.
    const char* szServerVar;
};

const DbTestEngine dbTestEngines[] = {
    {"SQLite", "BLOB", nullptr},
    {"PostgreSQL", "BYTEA", "VORN_TEST_PGSQL"},
};

inline void PrintTo(const DbTestEngine& engine, std::ostream* pOut)
{
    *pOut << engine.szName;
}

// The initialisation string of the engine; empty, with a failure, when its server is not configured.
inline CString DbTestConnection(const DbTestEngine& engine, const CTestTempFolder& folder)
{
    if (engine.szServerVar == nullptr)
        return CString("Driver={SQLite3};Database=") + folder.PathOf("test.db");
    const char* pszServer = std::getenv(engine.szServerVar);
    if (pszServer == nullptr || *pszServer == '\0') {
        ADD_FAILURE() << engine.szServerVar << " names no " << engine.szName
                      << " server: scripts/test starts one; filter these tests out to run SQLite alone";
        return CString();
    }
    return CString(pszServer);
}

inline std::string DbTestEngineName(const testing::TestParamInfo<DbTestEngine>& info)
{
    return info.param.szName;
}

// Opens the engine's database and a session on it; call under ASSERT_NO_FATAL_FAILURE.
inline void DbTestOpen(const DbTestEngine& engine, const CTestTempFolder& folder, CDataSource& source,
                       CSession& session)
{
    CString strInit = DbTestConnection(engine, folder);
    ASSERT_FALSE(strInit.IsEmpty());
    ASSERT_EQ(S_OK, source.OpenFromInitializationString(strInit)) << CFxDbErrorRecords::GetText().GetString();
    ASSERT_EQ(S_OK, session.Open(source));
}

// A test run against each engine, with a session open on it.
class DbEngineTest : public testing::TestWithParam<DbTestEngine>
{
protected:
    void SetUp() override { DbTestOpen(GetParam(), m_folder, m_source, m_session); }

    CTestTempFolder m_folder;
    CDataSource m_source;
    CSession m_session;
};
