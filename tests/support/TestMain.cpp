// Entry point of every test executable: COM initialised for the whole run, as in the hosts.
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char** argv)
{
    // Unhandled crashes must end the process at once, never wait on an error dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int rc = RUN_ALL_TESTS();
    if (SUCCEEDED(hr)) {
        CoUninitialize();
    }
    return rc;
}
