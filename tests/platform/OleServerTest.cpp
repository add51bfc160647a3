#include <gtest/gtest.h>

#include "OleTestCtl.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxRegKey.h"

// After the windows headers, which it needs.
#include <ocidl.h>

namespace
{
CString GuidText(REFGUID guid)
{
    WCHAR wsz[64];
    StringFromGUID2(guid, wsz, 64);
    return CString(wsz);
}

CString ReadValue(LPCSTR pszPath, LPCSTR pszName = nullptr)
{
    CFxRegKey key;
    if (key.OpenForRead(HKEY_CLASSES_ROOT, pszPath) != ERROR_SUCCESS) {
        return "(missing)";
    }
    char sz[512] = "";
    DWORD cb = sizeof(sz);
    if (RegQueryValueExA(key, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(sz), &cb) != ERROR_SUCCESS) {
        return "(no value)";
    }
    return CString(sz);
}

// regsvr32 of the prefix, silent; its exit code.
DWORD RunRegsvr32(LPCSTR pszArgs)
{
    CString strCommand = CString("regsvr32.exe /s ") + pszArgs + " \"" + TestCtlPath() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, const_cast<LPSTR>(strCommand.GetString()), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        return 0xFFFFFFFF;
    }
    CFxHandle process(pi.hProcess);
    CFxHandle thread(pi.hThread);
    WaitForSingleObject(process, 60000);
    DWORD dwExit = 0xFFFFFFFF;
    GetExitCodeProcess(process, &dwExit);
    return dwExit;
}
} // namespace

TEST(OleServerTest, Regsvr32RegistersAndRemovesTheClassesInThePrefix)
{
    const CString strKey = "CLSID\\" + GuidText(CLSID_TestCtl);
    ASSERT_EQ(0u, RunRegsvr32("/u"));
    EXPECT_STREQ("(missing)", ReadValue(strKey));
    EXPECT_STREQ("(missing)", ReadValue(TESTCTL_PROGID "\\CLSID"));

    ASSERT_EQ(0u, RunRegsvr32(""));
    struct KeyCase
    {
        CString strPath;
        LPCSTR pszName;
        CString strValue;
    };
    const KeyCase cases[] = {
        {strKey, nullptr, "VornTest Control"},
        {strKey + "\\InprocServer32", nullptr, TestCtlPath()},
        {strKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {strKey + "\\ProgID", nullptr, TESTCTL_PROGID},
        {strKey + "\\Control", nullptr, ""},
        {strKey + "\\MiscStatus\\1", nullptr, "131473"},
        {strKey + "\\TypeLib", nullptr, GuidText(LIBID_TestCtl)},
        {strKey + "\\Version", nullptr, "1.0"},
        {strKey + "\\ToolboxBitmap32", nullptr, TestCtlPath() + ", 1"},
        {TESTCTL_PROGID "\\CLSID", nullptr, GuidText(CLSID_TestCtl)},
        {"CLSID\\" + GuidText(CLSID_TestCtlPage), nullptr, "VornTest Property Page"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.strPath.GetString());
        EXPECT_STREQ(c.strValue, ReadValue(c.strPath, c.pszName));
    }
    // The registration entry called in process gives the same.
    EXPECT_EQ(S_OK, RegisterTestCtl());
    EXPECT_STREQ(TESTCTL_PROGID, ReadValue(strKey + "\\ProgID"));
}

TEST(OleServerTest, CreatedByClassAndProgramIdentifier)
{
    ASSERT_EQ(S_OK, RegisterTestCtl());
    CFxComPtr<IUnknown> pByClsid;
    ASSERT_EQ(S_OK,
              CoCreateInstance(CLSID_TestCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, pByClsid.ReceiveVoid()));
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"" TESTCTL_PROGID, &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_TestCtl, clsid));
    CFxComPtr<IOleObject> pByProgID;
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, pByProgID.ReceiveVoid()));
    DWORD dwMisc = 0;
    EXPECT_EQ(S_OK, pByProgID->GetMiscStatus(DVASPECT_CONTENT, &dwMisc));
    EXPECT_EQ(0x20191u, dwMisc);
    CLSID clsidOwn;
    CFxComPtr<IPersistStreamInit> pPersist;
    ASSERT_EQ(S_OK, pByProgID->QueryInterface(IID_IPersistStreamInit, pPersist.ReceiveVoid()));
    EXPECT_EQ(S_OK, pPersist->GetClassID(&clsidOwn));
    EXPECT_TRUE(IsEqualCLSID(CLSID_TestCtl, clsidOwn));

    // The library's entry point knows only its own classes.
    typedef HRESULT(STDAPICALLTYPE * PFNGETCLASSOBJECT)(REFCLSID, REFIID, void**);
    PFNGETCLASSOBJECT pfnGet = reinterpret_cast<PFNGETCLASSOBJECT>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("VornTestCtl.dll"), "DllGetClassObject")));
    ASSERT_NE(nullptr, pfnGet);
    CFxComPtr<IClassFactory> pFactory;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, pfnGet(LIBID_TestCtl, IID_IClassFactory, pFactory.ReceiveVoid()));
    EXPECT_EQ(S_OK, pfnGet(CLSID_TestCtl, IID_IClassFactory, pFactory.ReceiveVoid()));
}

TEST(OleServerTest, TypeLibraryDescribesTheDispatchInterface)
{
    ASSERT_EQ(S_OK, RegisterTestCtl());
    CFxComPtr<ITypeLib> pLib;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_TestCtl, 1, 0, LOCALE_NEUTRAL, pLib.Receive()));
    CFxComPtr<ITypeInfo> pInfo;
    ASSERT_EQ(S_OK, pLib->GetTypeInfoOfGuid(DIID_DTestCtl, pInfo.Receive()));
    struct MemberCase
    {
        const wchar_t* pszName;
        DISPID dispid;
        VARTYPE vtFirstParam; // VT_EMPTY: no parameter checked
    };
    const MemberCase cases[] = {
        {L"Add", dispidAdd, VT_I2},           {L"Echo", dispidEcho, VT_BSTR},
        {L"Negate", dispidNegate, VT_BOOL},   {L"KindOf", dispidKindOf, VT_VARIANT},
        {L"GetSelf", dispidGetSelf, VT_BOOL}, {L"CountOf", dispidCountOf, VT_DISPATCH},
    };
    for (const MemberCase& c : cases) {
        LPOLESTR names[1] = {const_cast<LPOLESTR>(c.pszName)};
        MEMBERID memid = 0;
        ASSERT_EQ(S_OK, pInfo->GetIDsOfNames(names, 1, &memid));
        EXPECT_EQ(c.dispid, memid);
    }
    TYPEATTR* pAttr = nullptr;
    ASSERT_EQ(S_OK, pInfo->GetTypeAttr(&pAttr));
    EXPECT_EQ(TKIND_DISPATCH, pAttr->typekind);
    const WORD cFuncs = pAttr->cFuncs;
    pInfo->ReleaseTypeAttr(pAttr);
    int nChecked = 0;
    for (WORD i = 0; i < cFuncs; ++i) {
        FUNCDESC* pFunc = nullptr;
        ASSERT_EQ(S_OK, pInfo->GetFuncDesc(i, &pFunc));
        for (const MemberCase& c : cases) {
            if (c.dispid == pFunc->memid && pFunc->cParams > 0) {
                EXPECT_EQ(c.vtFirstParam, pFunc->lprgelemdescParam[0].tdesc.vt) << c.dispid;
                ++nChecked;
            }
        }
        pInfo->ReleaseFuncDesc(pFunc);
    }
    EXPECT_EQ(6, nChecked);
}
