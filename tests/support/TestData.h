// Where a test program's fixture files are: tests/<library>/data in the source tree, whatever
// folder the program runs in. VORN_TEST_DATA is defined per test program by the build.
#pragma once

#include "platform/base/String.h"

#ifndef VORN_TEST_DATA
#error "VORN_TEST_DATA names the test program's data folder; the build defines it"
#endif

// The data folder, a backslash, the name.
inline CString TestDataPath(LPCSTR pszName)
{
    return CString(VORN_TEST_DATA "\\") + pszName;
}
