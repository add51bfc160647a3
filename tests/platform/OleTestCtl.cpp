#include "OleTestCtl.h"

#include "support/ProcAddress.h"
#include "platform/base/FxComPtr.h"

CString TestCtlPath()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != nullptr) {
        pSlash[1] = '\0';
    }
    return CString(szPath) + "VornTestCtl.dll";
}

HRESULT RegisterTestCtl()
{
    static HRESULT hrRegistered = E_PENDING;
    if (hrRegistered != E_PENDING) {
        return hrRegistered;
    }
    HMODULE hCtl = LoadLibraryA(TestCtlPath());
    if (hCtl == nullptr) {
        return hrRegistered = HRESULT_FROM_WIN32(GetLastError());
    }
    typedef HRESULT(STDAPICALLTYPE * PFNREGISTER)();
    PFNREGISTER pfnRegister = TestProcAddress<PFNREGISTER>(hCtl, "DllRegisterServer");
    hrRegistered = pfnRegister != nullptr ? pfnRegister() : E_NOINTERFACE;
    // Stays loaded: COM loads the same module for its objects.
    return hrRegistered;
}

IUnknown* CreateTestCtl()
{
    if (FAILED(RegisterTestCtl())) {
        return nullptr;
    }
    IUnknown* pUnk = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TestCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&pUnk)))) {
        return nullptr;
    }
    return pUnk;
}

IDispatch* CreateTestCtlDispatch()
{
    CFxComPtr<IUnknown> pUnk(CreateTestCtl());
    if (!pUnk.IsValid()) {
        return nullptr;
    }
    IDispatch* pDisp = nullptr;
    pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDisp));
    return pDisp;
}
