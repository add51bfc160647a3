// Entry point of every test executable: COM initialised for the whole run, as in the hosts.
#include <gtest/gtest.h>
#include <objbase.h>

#include "platform/base/Firewall.h"
#include "tests/support/FirewallCheck.h"

namespace
{
// Window procedures, hooks and COM methods swallow exceptions by design; a test during which one
// was swallowed fails here.
class CFirewallListener : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo&) override { FxTakeReportedExceptions(); }

    // End events run in reverse order of the listeners: this one runs before the printer, so the
    // failure counts for the test that is ending.
    void OnTestEnd(const testing::TestInfo&) override { ExpectNoSwallowedExceptions(); }
};
} // namespace

int main(int argc, char** argv)
{
    // Unhandled crashes must end the process at once, never wait on an error dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CFirewallListener);
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int rc = RUN_ALL_TESTS();
    if (SUCCEEDED(hr)) {
        CoUninitialize();
    }
    return rc;
}
