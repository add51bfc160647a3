#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/base/FxRegKey.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "symbols/CustSymbol.h"
#include "symedit/CustSymItem.h"
#include "symedit/CustSymMgr.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/SymLibTestDb.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
const char szCappKey[] = "SOFTWARE\\Saelo\\CAPP";
const char szWeld[] = "<L>0,0,20,0</L><L>0,0,10,10</L><L>10,10,20,0</L>";

// One HKLM value for the length of a test: set or removed, then put back as it was.
class RegValueGuard
{
public:
    RegValueGuard(LPCSTR pszKey, LPCSTR pszValue) : m_pszValue(pszValue)
    {
        m_key.Create(HKEY_LOCAL_MACHINE, pszKey, KEY_READ | KEY_WRITE);
        DWORD cbData = sizeof(m_abOld);
        m_bHad = RegQueryValueExA(m_key, pszValue, nullptr, &m_dwType, m_abOld, &cbData) == ERROR_SUCCESS;
        m_cbOld = cbData;
    }
    ~RegValueGuard()
    {
        if (m_bHad)
            RegSetValueExA(m_key, m_pszValue, 0, m_dwType, m_abOld, m_cbOld);
        else
            RegDeleteValueA(m_key, m_pszValue);
    }
    RegValueGuard(const RegValueGuard&) = delete;
    RegValueGuard& operator=(const RegValueGuard&) = delete;

    void Set(LPCSTR pszText)
    {
        RegSetValueExA(m_key, m_pszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                       static_cast<DWORD>(lstrlenA(pszText) + 1));
    }
    void SetDword(DWORD dwValue)
    {
        RegSetValueExA(m_key, m_pszValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    }
    void Remove() { RegDeleteValueA(m_key, m_pszValue); }

private:
    CFxRegKey m_key;
    LPCSTR m_pszValue;
    BOOL m_bHad = FALSE;
    DWORD m_dwType = 0;
    BYTE m_abOld[1024] = {};
    DWORD m_cbOld = 0;
};

// The cache reaches the embedded library of a work directory of the test's own: no server named.
class CustSymMgrTest : public testing::Test
{
protected:
    CustSymMgrTest()
        : m_workDir("SOFTWARE\\Vorn", "WorkDir"), m_server(szCappKey, "ServerName"),
          m_database(szCappKey, "DataBaseName")
    {
        m_server.Remove();
        m_database.Remove();
        m_workDir.Set(m_folder.GetPath());
    }

    // The library file "SymbolLib.db" in the work directory, with the weld mark and a datum mark.
    void MakeLibrary()
    {
        CDataSource source;
        CSession session;
        ASSERT_EQ(S_OK, source.OpenFromInitializationString(CString("Driver={SQLite3};Database=") +
                                                            m_folder.PathOf("SymbolLib.db")))
            << CFxDbErrorRecords::GetText().GetString();
        ASSERT_EQ(S_OK, session.Open(source));
        ASSERT_TRUE(CreateSymLibTables(session, "BLOB"));
        const SymLibRow rows[] = {{11, "焊缝", 101, "{WELD}", 0, 0}, {12, "基准", 102, "{DATUM}", 0, 0}};
        ASSERT_TRUE(AddSymLibRows(session, rows, 2));
        ASSERT_TRUE(AddSymLibBlob(session, 101, szWeld));
        ASSERT_TRUE(AddSymLibBlob(session, 102, "<L>0,0,20,0</L>"));
    }

    CTestTempFolder m_folder;
    CTestTempFolder m_emptyFolder;
    RegValueGuard m_workDir;
    RegValueGuard m_server;
    RegValueGuard m_database;
};
} // namespace

TEST_F(CustSymMgrTest, ASymbolOnlyInTheLibraryIsFoundDrawnAndThenServedFromTheCache)
{
    MakeLibrary();
    CTestUi ui;
    CCustSymMgr mgr;
    CString strSymbol;
    ASSERT_TRUE(mgr.Lookup("{WELD}", strSymbol));
    EXPECT_STREQ(szWeld, strSymbol);

    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(strSymbol));
    CTestDib dib(60, 40);
    EXPECT_TRUE(sym.Draw(&dib.DC(), CPoint(5, 35), 30L));
    EXPECT_GT(dib.CountInk(CRect(0, 0, 60, 40)), 20);

    // No library any more: what was read comes from the cache alone.
    m_workDir.Set(m_emptyFolder.GetPath());
    strSymbol.Empty();
    EXPECT_TRUE(mgr.Lookup("{WELD}", strSymbol));
    EXPECT_STREQ(szWeld, strSymbol);
    EXPECT_TRUE(mgr.GetReports().IsEmpty());
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(CustSymMgrTest, AMissIsReportedOnceWithoutABoxAndRememberedForTheSession)
{
    MakeLibrary();
    CTestUi ui;
    CCustSymMgr mgr;
    struct MissCase
    {
        const char* szName;
        const char* szGuid;
    };
    const MissCase cases[] = {
        {"GUID not in the library", "{NONE}"},
        {"letter case differs", "{weld}"},
        {"quote in the GUID", "{W' OR '1'='1}"},
    };
    for (const MissCase& c : cases) {
        SCOPED_TRACE(c.szName);
        INT_PTR nReports = mgr.GetReports().GetCount();
        CString strSymbol("kept");
        EXPECT_FALSE(mgr.Lookup(c.szGuid, strSymbol));
        EXPECT_STREQ("kept", strSymbol);
        EXPECT_EQ(nReports + 1, mgr.GetReports().GetCount());
        // Asked again, as every repaint asks: no new connection, no new report.
        EXPECT_FALSE(mgr.Lookup(c.szGuid, strSymbol));
        EXPECT_EQ(nReports + 1, mgr.GetReports().GetCount());
    }
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(CustSymMgrTest, AnUnreachableLibraryIsReportedOnceAndNotAskedAgain)
{
    struct SourceCase
    {
        const char* szName;
        const char* szServer; // nullptr: the embedded library
    };
    const SourceCase cases[] = {
        {"no library file in the work directory", nullptr},
        {"server that cannot be reached", "127.0.0.1,1"},
    };
    for (const SourceCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.szServer != nullptr) {
            m_server.Set(c.szServer);
            m_database.Set("symbols");
        }
        CTestUi ui;
        CCustSymMgr mgr;
        CString strSymbol;
        EXPECT_FALSE(mgr.Lookup("{A}", strSymbol));
        EXPECT_EQ(1, mgr.GetReports().GetCount());
        EXPECT_FALSE(mgr.Lookup("{B}", strSymbol));
        EXPECT_EQ(1, mgr.GetReports().GetCount());
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}

namespace
{
// A program's sink: every report it hears, in order.
class CRecordingSink : public CCustSymReportSink
{
public:
    void OnCustSymReport(const CString& strText) override { m_texts.push_back(std::string(strText)); }
    std::vector<std::string> m_texts;
};
} // namespace

// The reports a lookup makes reach the installed sink as they are made, each once; without a
// sink they are only kept.
TEST_F(CustSymMgrTest, AnInstalledSinkHearsEachReportOnce)
{
    MakeLibrary();
    CTestUi ui;
    CCustSymMgr mgr;
    CRecordingSink sink;
    EXPECT_EQ(nullptr, mgr.SetReportSink(&sink));
    EXPECT_EQ(&sink, mgr.GetReportSink());
    CString strSymbol;
    EXPECT_TRUE(mgr.Lookup("{WELD}", strSymbol));
    EXPECT_FALSE(mgr.Lookup("{NONE}", strSymbol));
    EXPECT_FALSE(mgr.Lookup("{NONE}", strSymbol));
    EXPECT_EQ(std::vector<std::string>{"符号库中没有自定义符号{NONE}"}, sink.m_texts);

    EXPECT_EQ(&sink, mgr.SetReportSink(nullptr));
    EXPECT_FALSE(mgr.Lookup("{OTHER}", strSymbol));
    EXPECT_EQ(1U, sink.m_texts.size()) << "a removed sink hears nothing";
    EXPECT_EQ(2, mgr.GetReports().GetCount());

    // An unreachable library is reported to the sink too.
    m_workDir.Set(m_emptyFolder.GetPath());
    CCustSymMgr unreachable;
    unreachable.SetReportSink(&sink);
    EXPECT_FALSE(unreachable.Lookup("{A}", strSymbol));
    ASSERT_EQ(2U, sink.m_texts.size());
    EXPECT_NE(std::string::npos, sink.m_texts[1].find("SymbolLib.db")) << sink.m_texts[1];
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(CustSymMgrTest, AddKeepsTheFirstStringOfAGuid)
{
    CTestUi ui;
    CCustSymMgr mgr;
    EXPECT_TRUE(mgr.Add("{X}", "<L>0,0,1,1</L>"));
    EXPECT_FALSE(mgr.Add("{X}", "<L>0,0,2,2</L>"));
    EXPECT_TRUE(mgr.Add("{x}", "<L>0,0,3,3</L>"));
    CString strSymbol;
    EXPECT_TRUE(mgr.Lookup("{X}", strSymbol));
    EXPECT_STREQ("<L>0,0,1,1</L>", strSymbol);
    EXPECT_EQ(2, mgr.m_listItem.GetCount());
    // A GUID first missed can still be added, and is found from then on.
    EXPECT_FALSE(mgr.Lookup("{Y}", strSymbol));
    EXPECT_TRUE(mgr.Add("{Y}", "<L>0,0,4,4</L>"));
    EXPECT_TRUE(mgr.Lookup("{Y}", strSymbol));
    EXPECT_STREQ("<L>0,0,4,4</L>", strSymbol);
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(CustSymMgrTest, ReadRegValueTakesStringsOnly)
{
    RegValueGuard value(szCappKey, "VornTestValue");
    struct RegCase
    {
        const char* szName;
        int nKind; // 0 string, 1 number, 2 absent
        BOOL bResult;
        const char* szValue;
        const char* szBox; // nullptr: no message box
    };
    const RegCase cases[] = {
        {"string", 0, TRUE, "srv01", nullptr},
        {"number", 1, FALSE, "", nullptr},
        {"absent", 2, FALSE, "", "没有找到注册表的相应项!"},
    };
    for (const RegCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.nKind == 0)
            value.Set("srv01");
        else if (c.nKind == 1)
            value.SetDword(7);
        else
            value.Remove();
        CTestUi ui;
        CCustSymMgr mgr;
        CString strValue("old");
        EXPECT_EQ(c.bResult, mgr.ReadRegValue("VornTestValue", strValue));
        EXPECT_STREQ(c.szValue, strValue);
        std::vector<CString> texts = ui.TakeBoxTexts();
        ASSERT_EQ(c.szBox != nullptr ? 1u : 0u, texts.size());
        if (c.szBox != nullptr) {
            EXPECT_STREQ(c.szBox, texts[0]);
        }
    }
}

TEST_F(CustSymMgrTest, TheBundledWorkDirectoryHoldsSymbolsThatDraw)
{
    m_workDir.Set(TestDataPath("..\\..\\..\\samples\\workdir"));
    const char* guids[] = {
        "{5B1E6C20-4D7A-4C1B-9E51-0A7C3D2F1101}", // fillet weld
        "{5B1E6C20-4D7A-4C1B-9E51-0A7C3D2F1102}", // centre hole
        "{5B1E6C20-4D7A-4C1B-9E51-0A7C3D2F1103}", // datum triangle
    };
    CTestUi ui;
    CCustSymMgr mgr;
    for (const char* szGuid : guids) {
        SCOPED_TRACE(szGuid);
        CString strSymbol;
        ASSERT_TRUE(mgr.Lookup(szGuid, strSymbol));
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(strSymbol));
        CTestDib dib(60, 40);
        EXPECT_TRUE(sym.Draw(&dib.DC(), CPoint(5, 35), 30L));
        EXPECT_GT(dib.CountInk(CRect(0, 0, 60, 40)), 20);
    }
    EXPECT_TRUE(mgr.GetReports().IsEmpty());
    EXPECT_TRUE(ui.GetBoxes().empty());
}
