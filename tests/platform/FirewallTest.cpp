#include <gtest/gtest.h>

#include "platform/base/FileException.h"
#include "platform/base/Firewall.h"
#include "platform/win/Wnd.h"

namespace
{
const UINT WM_THROW_FILE = WM_APP + 1;

// A window whose handler fails the way reading a file fails.
class CFailingWnd : public CWnd
{
public:
    LRESULT OnThrowFile(WPARAM, LPARAM)
    {
        CFileException::Throw(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "gone.dat");
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
FX_ON_MESSAGE(WM_THROW_FILE, OnThrowFile)
FX_END_MESSAGE_MAP()

// What the test main checks after every test: a swallowed exception is counted and kept until
// taken, so the test it happened in fails unless it takes it on purpose.
TEST(FirewallTest, WindowProcedureKeepsTheExceptionItSwallowsUntilTaken)
{
    CFailingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "failing", WS_OVERLAPPEDWINDOW, 0, 0, 100, 80, nullptr, nullptr));
    ASSERT_EQ(0, FxGetReportedExceptionCount());

    EXPECT_EQ(0, wnd.SendMessage(WM_THROW_FILE));
    EXPECT_EQ(0, wnd.SendMessage(WM_THROW_FILE));
    EXPECT_EQ(2, FxGetReportedExceptionCount());

    CString strReports = FxTakeReportedExceptions();
    EXPECT_EQ(0, FxGetReportedExceptionCount());
    EXPECT_EQ("", FxTakeReportedExceptions());
    // One line per report, naming the firewall and the framework exception it freed.
    EXPECT_EQ(2, strReports.Remove('\n'));
    EXPECT_EQ(0, strReports.Find("window procedure: CFileException"));
}

TEST(FirewallTest, ReportOutsideACatchBlockIsStillCounted)
{
    FxReportException("timer callback");
    EXPECT_EQ(1, FxGetReportedExceptionCount());
    EXPECT_EQ("timer callback: no exception\n", FxTakeReportedExceptions());
}
} // namespace
