#include <gtest/gtest.h>

#include "platform/db/FxConnStrFun.h"

namespace
{
TEST(FxConnStrFunTest, InitialisationStringsBecomeOdbcConnectionStrings)
{
    struct ConnCase
    {
        const char* szName;
        const char* szInit;
        const char* szOdbc;
    };
    const ConnCase cases[] = {
        {"SQL Server provider with a login",
         "Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=db;User ID=capp;Password=pw",
         "Driver={SQL Server};Server=srv;Database=db;UID=capp;PWD=pw"},
        {"keys in any case and order, blanks around them",
         " initial catalog = db ; PROVIDER=sqloledb ;data source=srv\\inst",
         "Driver={SQL Server};Server=srv\\inst;Database=db"},
        {"integrated security", "Provider=SQLOLEDB.1;Integrated Security=SSPI;Data Source=srv",
         "Driver={SQL Server};Server=srv;Trusted_Connection=Yes"},
        {"provider-only keys dropped",
         "Provider=SQLOLEDB.1;Persist Security Info=False;Data Source=srv;Initial Catalog=db",
         "Driver={SQL Server};Server=srv;Database=db"},
        {"quoted password with a semicolon and a doubled quote",
         "Provider=SQLOLEDB.1;Data Source=srv;Password=\"a;b\"\"c\"", "Driver={SQL Server};Server=srv;PWD={a;b\"c}"},
        {"brace in a value doubled inside braces", "Provider=SQLOLEDB.1;Password=x}y",
         "Driver={SQL Server};PWD={x}}y}"},
        {"GBK trail byte 0x7D does not end a braced value", "DSN=x;PWD={\x81}x}", "DSN=x;PWD=\x81}x"},
        {"ODBC provider names a DSN and passes its extended properties",
         "Provider=MSDASQL.1;Data Source=capp;Extended Properties=\"Port=5432;SSLmode=disable\"",
         "DSN=capp;Port=5432;SSLmode=disable"},
        {"ODBC string passes through", "Driver={PostgreSQL ANSI};Server=127.0.0.1;Port=5432;Database=capp",
         "Driver={PostgreSQL ANSI};Server=127.0.0.1;Port=5432;Database=capp"},
        {"ODBC braced value keeps its semicolon", "DSN=x;PWD={a;b}", "DSN=x;PWD={a;b}"},
        {"SQLite path already on the host stays", "Driver=SQLite3;Database=/tmp/lib.db",
         "Driver={SQLite3};Database=/tmp/lib.db"},
        {"provider without an ODBC counterpart", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb", ""},
        {"empty string", "", ""},
    };
    for (const ConnCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szOdbc, CFxConnStrFun::ToOdbc(c.szInit));
    }
}

TEST(FxConnStrFunTest, SQLiteDatabasePathReachesTheHostDriverAsAUnixPath)
{
    if (GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name") == nullptr)
        GTEST_SKIP() << "Windows drivers take Windows paths";
    // Z: is the Unix root in every Wine prefix.
    EXPECT_STREQ("Driver={SQLite3};Database=/tmp/lib.db",
                 CFxConnStrFun::ToOdbc("Driver={SQLite3};Database=Z:\\tmp\\lib.db"));
    // A PostgreSQL database is a name, not a file.
    EXPECT_STREQ("Driver={PostgreSQL ANSI};Database=Z:\\x",
                 CFxConnStrFun::ToOdbc("Driver=PostgreSQL ANSI;Database=Z:\\x"));
}

TEST(FxConnStrFunTest, PasswordPairsAreLeftOutAndTheRestKeptAsWritten)
{
    struct PwdCase
    {
        const char* szName;
        const char* szInit;
        const char* szOut;
    };
    const PwdCase cases[] = {
        {"provider password in the middle",
         "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=capp;Password=pw;Data Source=srv",
         "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=capp;Data Source=srv"},
        {"password last leaves no semicolon", "Provider=SQLOLEDB.1;Data Source=srv;Password=pw",
         "Provider=SQLOLEDB.1;Data Source=srv"},
        {"ODBC PWD braced with a semicolon, any case", "DSN=x;pwd={a;b};UID=u", "DSN=x;UID=u"},
        {"quoted password with a doubled quote", "Password=\"a;b\"\"c\";Data Source=srv", "Data Source=srv"},
        {"GBK trail byte 0x7D does not end a braced value", "Driver={SQLite3};Database={\x81}.db};PWD=x",
         "Driver={SQLite3};Database={\x81}.db}"},
        {"nothing to leave out", "Driver={SQLite3};Database={Z:\\a.db}", "Driver={SQLite3};Database={Z:\\a.db}"},
        {"empty", "", ""},
    };
    for (const PwdCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szOut, CFxConnStrFun::WithoutPassword(c.szInit));
    }
}
} // namespace
