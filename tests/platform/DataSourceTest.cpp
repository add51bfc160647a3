#include <gtest/gtest.h>

#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"

namespace
{
TEST(DataSourceTest, OpenFailsWithAnErrorRecordWhenNoDriverAnswers)
{
    struct OpenCase
    {
        const char* szName;
        const char* szInit;
    };
    const OpenCase cases[] = {
        {"provider without an ODBC counterpart", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb"},
        {"driver that is not installed", "Driver={No Such Driver};Database=x"},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxDbErrorRecords::Clear();
        CDataSource source;
        EXPECT_EQ(E_FAIL, source.OpenFromInitializationString(c.szInit));
        EXPECT_FALSE(source.IsOpen());
        EXPECT_GE(CFxDbErrorRecords::GetCount(), 1);
        EXPECT_FALSE(CFxDbErrorRecords::GetText().IsEmpty());
        CSession session;
        EXPECT_EQ(E_FAIL, session.Open(source));
        EXPECT_FALSE(session.IsOpen());
    }
}
} // namespace
