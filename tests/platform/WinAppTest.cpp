#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/base/Firewall.h"
#include "platform/base/FxRegKey.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
// Counts the clean-ups of temporary wrappers: a map of its own joined to FxDeleteTempMaps.
int g_nTempClears = 0;
void CountTempClear()
{
    ++g_nTempClears;
}
void JoinTempClearCounter()
{
    static const bool bJoined = (FxRegisterTempMap(&CountTempClear), true);
    (void)bJoined;
}

const UINT WM_NESTED_IDLE = WM_APP + 10;

// A window that counts the idle updates it receives, can refuse keys before dispatch, and runs
// idle processing from inside a handler as a nested loop would.
class CIdleProbeWnd : public CWnd
{
public:
    int m_nIdleUpdates = 0;
    int m_nKeysDispatched = 0;
    BOOL m_bEatKeys = FALSE;
    int m_nClearsInsideHandler = -1;

    BOOL PreTranslateMessage(MSG* pMsg) override { return m_bEatKeys && pMsg->message == WM_KEYDOWN; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == FxGetIdleUpdateMessage()) {
            ++m_nIdleUpdates;
            return 0;
        }
        if (message == WM_KEYDOWN) {
            ++m_nKeysDispatched;
            return 0;
        }
        if (message == WM_NESTED_IDLE) {
            const int nBefore = g_nTempClears;
            FxGetApp()->OnIdle(1);
            m_nClearsInsideHandler = g_nTempClears - nBefore;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Records the idle counts it sees and quits after a full idle pass; optionally throws once.
class CLoopApp : public CWinApp
{
public:
    CLoopApp() : CWinApp("WinAppTest") {}
    int m_nIdleCalls = 0;
    int m_nExits = 0;
    BOOL m_bThrowOnce = FALSE;

    BOOL OnIdle(LONG lCount) override
    {
        ++m_nIdleCalls;
        if (m_bThrowOnce) {
            m_bThrowOnce = FALSE;
            throw std::runtime_error("idle failed");
        }
        BOOL bMore = CWinApp::OnIdle(lCount);
        if (!bMore) {
            PostQuitMessage(7);
        }
        return bMore;
    }
    int ExitInstance() override
    {
        ++m_nExits;
        return CWinApp::ExitInstance();
    }
};

class WinAppLoopTest : public testing::Test
{
protected:
    void SetUp() override
    {
        JoinTempClearCounter();
        ASSERT_TRUE(m_wndMain.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
        ASSERT_TRUE(m_wndChild.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 50, 50, m_wndMain.m_hWnd, nullptr));
        m_app.m_pMainWnd = &m_wndMain;
    }

    CLoopApp m_app;
    CIdleProbeWnd m_wndMain;
    CIdleProbeWnd m_wndChild;
};

TEST_F(WinAppLoopTest, RunUpdatesCommandsThenFreesTemporariesThenQuitsWithTheExitCode)
{
    g_nTempClears = 0;
    EXPECT_EQ(7, m_app.Run());
    EXPECT_EQ(1, m_app.m_nExits);
    EXPECT_EQ(2, m_app.m_nIdleCalls);
    EXPECT_EQ(1, m_wndMain.m_nIdleUpdates);
    EXPECT_EQ(1, m_wndChild.m_nIdleUpdates);
    EXPECT_EQ(1, g_nTempClears);
    EXPECT_EQ(&m_app, FxGetApp());
    EXPECT_EQ(&m_wndMain, FxGetMainWnd());
}

TEST_F(WinAppLoopTest, IdleInsideAHandlerKeepsTheTemporariesItMayHold)
{
    m_wndChild.PostMessage(WM_NESTED_IDLE);
    EXPECT_EQ(7, m_app.Run());
    EXPECT_EQ(0, m_wndChild.m_nClearsInsideHandler);
}

TEST_F(WinAppLoopTest, AnExceptionFromIdleIsReportedAndTheLoopGoesOn)
{
    m_app.m_bThrowOnce = TRUE;
    EXPECT_EQ(7, m_app.Run());
    EXPECT_EQ(1, m_app.m_nExits);
    EXPECT_EQ(1, FxGetReportedExceptionCount());
    FxTakeReportedExceptions();
}

TEST_F(WinAppLoopTest, PreTranslationUpTheWindowChainStopsDispatch)
{
    struct Case
    {
        const char* szName;
        BOOL bChildEats;
        BOOL bMainEats;
        int nDispatched;
    };
    const Case cases[] = {
        {"nobody translates", FALSE, FALSE, 1},
        {"the target translates", TRUE, FALSE, 0},
        {"its parent translates", FALSE, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_wndChild.m_bEatKeys = c.bChildEats;
        m_wndMain.m_bEatKeys = c.bMainEats;
        m_wndChild.m_nKeysDispatched = 0;
        m_wndChild.PostMessage(WM_KEYDOWN, 'A', 0);
        EXPECT_EQ(7, m_app.Run());
        EXPECT_EQ(c.nDispatched, m_wndChild.m_nKeysDispatched);
    }
}

TEST(WinAppTest, WithoutAnApplicationThereIsNoMainWindow)
{
    EXPECT_EQ(nullptr, FxGetApp());
    EXPECT_EQ(nullptr, FxGetMainWnd());
    {
        CWinApp app;
        EXPECT_EQ(&app, FxGetApp());
        EXPECT_STRCASEEQ("VornFxTests", app.m_strAppName);
    }
    EXPECT_EQ(nullptr, FxGetApp());
}

// A box shown without a caption carries the application's name, not the system's "Error" (which
// would title a notice or a question as a failure); a caption given stays.
TEST(WinAppTest, BoxesWithoutACaptionAreTitledWithTheApplicationsName)
{
    static CString s_strCaption;
    auto record = [](HWND, LPCSTR, LPCSTR lpszCaption, UINT) {
        s_strCaption = lpszCaption != nullptr ? lpszCaption : "(none)";
        return IDOK;
    };
    const FX_MSGBOX_HOOK pfnOld = FxSetMessageBoxHook(record);
    {
        CWinApp app("WinAppTest");
        FxMessageBox(nullptr, "语法正确", nullptr, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(CString("WinAppTest"), s_strCaption);
        FxMessageBox(nullptr, "语法正确", "提示", MB_OK);
        EXPECT_EQ(CString("提示"), s_strCaption);
    }
    FxMessageBox(nullptr, "语法正确", nullptr, MB_OK);
    EXPECT_EQ(CString("(none)"), s_strCaption) << "no application, the system's title";
    FxSetMessageBoxHook(pfnOld);
}

TEST(WinAppTest, IconsAndCursorsLoadFromTheResourceChain)
{
    CWinApp app("WinAppTest");
    EXPECT_NE(nullptr, app.LoadIcon(IDR_FXTEST_MAIN));
    EXPECT_EQ(nullptr, app.LoadIcon(IDR_FXTEST_NOTE));
    EXPECT_EQ(nullptr, app.LoadCursor(IDR_FXTEST_MAIN));
    EXPECT_NE(nullptr, app.LoadStandardCursor(IDC_ARROW));
}

TEST(WinAppTest, ASelectedPrinterIsWhatThePrintDialogDefaultsGet)
{
    CWinApp app("WinAppTest");
    HGLOBAL hDevNames = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + 16);
    HGLOBAL hDevMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    app.SelectPrinter(hDevNames, hDevMode);
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&pd));
    EXPECT_EQ(hDevNames, pd.hDevNames);
    EXPECT_EQ(hDevMode, pd.hDevMode);
    // Selecting the same handles again keeps them; the application frees them at its end.
    app.SelectPrinter(hDevNames, hDevMode);
    EXPECT_EQ(hDevNames, app.m_hDevNames);
    EXPECT_NE(0u, GlobalSize(hDevNames));
}

// The registry key under HKCU that a profile section lands in.
CString SectionKey(const char* pszSection)
{
    CString str;
    str.Format("Software\\VornFxTestKey\\WinAppTest\\%s", pszSection);
    return str;
}

TEST(WinAppTest, ProfileValuesRoundTripAndLandUnderTheApplicationsKey)
{
    CWinApp app("WinAppTest");
    // Before a registry key is set the profile is unavailable.
    EXPECT_FALSE(app.WriteProfileInt("Sec", "Int", 5));
    EXPECT_EQ(9u, app.GetProfileInt("Sec", "Int", 9));
    app.SetRegistryKey("VornFxTestKey");

    const BYTE data[] = {0x00, 0x7C, 0xFF, 0x10};
    ASSERT_TRUE(app.WriteProfileInt("Sec", "Int", -3));
    ASSERT_TRUE(app.WriteProfileString("Sec", "Str", "提示\\a|b"));
    ASSERT_TRUE(app.WriteProfileBinary("Other", "Bin", data, sizeof(data)));

    EXPECT_EQ(static_cast<UINT>(-3), app.GetProfileInt("Sec", "Int", 0));
    EXPECT_EQ(CString("提示\\a|b"), app.GetProfileString("Sec", "Str"));
    CByteArray bin;
    ASSERT_TRUE(app.GetProfileBinary("Other", "Bin", bin));
    ASSERT_EQ(4, bin.GetSize());
    EXPECT_EQ(0, memcmp(data, bin.GetData(), sizeof(data)));

    // The raw registry holds them with their natural types.
    DWORD dwValue = 0;
    DWORD cb = sizeof(dwValue);
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueA(HKEY_CURRENT_USER, SectionKey("Sec"), "Int", RRF_RT_REG_DWORD, nullptr, &dwValue, &cb));
    EXPECT_EQ(static_cast<DWORD>(-3), dwValue);
    char szText[32] = {};
    cb = sizeof(szText);
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueA(HKEY_CURRENT_USER, SectionKey("Sec"), "Str", RRF_RT_REG_SZ, nullptr, szText, &cb));
    EXPECT_STREQ("提示\\a|b", szText);
    BYTE raw[8] = {};
    cb = sizeof(raw);
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueA(HKEY_CURRENT_USER, SectionKey("Other"), "Bin", RRF_RT_REG_BINARY, nullptr, raw, &cb));
    EXPECT_EQ(4u, cb);

    // Missing values and values of another type give the defaults.
    EXPECT_EQ(11u, app.GetProfileInt("Sec", "Str", 11));
    EXPECT_EQ(CString("dflt"), app.GetProfileString("Sec", "Int", "dflt"));
    EXPECT_EQ(CString(""), app.GetProfileString("Nope", "Str"));
    EXPECT_FALSE(app.GetProfileBinary("Sec", "Int", bin));
    EXPECT_EQ(0, bin.GetSize());

    // A null value deletes the entry, a null entry the section.
    ASSERT_TRUE(app.WriteProfileString("Sec", "Str", nullptr));
    EXPECT_EQ(CString("gone"), app.GetProfileString("Sec", "Str", "gone"));
    ASSERT_TRUE(app.WriteProfileString("Sec", nullptr, nullptr));
    EXPECT_EQ(4u, app.GetProfileInt("Sec", "Int", 4));

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFxTestKey");
}
} // namespace
