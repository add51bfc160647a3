#include "tests/support/FirewallCheck.h"

#include <gtest/gtest.h>

#include "platform/base/Firewall.h"

void ExpectNoSwallowedExceptions()
{
    if (FxGetReportedExceptionCount() != 0) {
        ADD_FAILURE() << "an exception was caught and reported by a firewall:\n"
                      << static_cast<LPCSTR>(FxTakeReportedExceptions());
    }
}
