// What the test main checks after every test: functions Windows or COM call into swallow exceptions
// by design, and a test during which one was swallowed fails.
#pragma once

// Adds a failure to the running test for the exceptions firewalls reported since the last check,
// naming each, and forgets them. A test that provokes one on purpose takes it with
// FxTakeReportedExceptions first, or calls this inside EXPECT_NONFATAL_FAILURE.
void ExpectNoSwallowedExceptions();
