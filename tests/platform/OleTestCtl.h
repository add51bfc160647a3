// The test control (VornTestCtl.dll, built beside the test programs) as the OLE tests use it:
// its identities, its registration in the test prefix, and a fresh instance.
#pragma once

#include "platform/base/String.h"

// After the windows headers, which it needs.
#include <oleauto.h>

// {007C04AA-23C8-4EB4-8B20-09D535EA0852}
const CLSID CLSID_TestCtl = {0x007C04AA, 0x23C8, 0x4EB4, {0x8B, 0x20, 0x09, 0xD5, 0x35, 0xEA, 0x08, 0x52}};
// {1B16D4B0-49E4-4C06-B1F3-0EFC7B26E3DD}
const CLSID CLSID_TestCtlPage = {0x1B16D4B0, 0x49E4, 0x4C06, {0xB1, 0xF3, 0x0E, 0xFC, 0x7B, 0x26, 0xE3, 0xDD}};
// {F510D169-7914-4064-AE60-9A5EB6E69889}
const GUID LIBID_TestCtl = {0xF510D169, 0x7914, 0x4064, {0xAE, 0x60, 0x9A, 0x5E, 0xB6, 0xE6, 0x98, 0x89}};
// {DF878C01-F739-4D02-BE3C-C5A6A1554C73}
const IID DIID_DTestCtl = {0xDF878C01, 0xF739, 0x4D02, {0xBE, 0x3C, 0xC5, 0xA6, 0xA1, 0x55, 0x4C, 0x73}};
#define TESTCTL_PROGID "VornTest.TestCtl.1"

// Dispids of the test control, in its dispatch map's order.
enum TestCtlDispid {
    dispidCaption = 1,
    dispidCount,
    dispidFlag,
    dispidAdd,
    dispidEcho,
    dispidNegate,
    dispidKindOf,
    dispidGetSelf,
    dispidCountOf,
    dispidSetData,
    dispidGetData,
    dispidSize
};

// The DLL's path beside the running test program.
CString TestCtlPath();
// Registers the control through its own entry point (once per process); the HRESULT.
HRESULT RegisterTestCtl();
// A new instance's interface riid (registering first); null on failure.
IUnknown* CreateTestCtl();
IDispatch* CreateTestCtlDispatch();
