// The class factory of one COM class a library serves, with what registers it: class identifier,
// program identifier, in-process server with apartment threading, and for a control its misc
// status, type library and tool-box bitmap. A library declares one static factory per class and
// forwards its Dll... entry points to the static members here, naming its own module.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/FxResMgr.h"

// After the windows headers, which they need.
#include <unknwn.h>

class FX_API COleObjectFactory : public IClassFactory
{
public:
    // Makes a new object with one reference to riid in *ppv.
    typedef HRESULT (*FX_CREATEPROC)(COleObjectFactory* pFactory, REFIID riid, void** ppv);

    struct RegInfo
    {
        LPCSTR pszTypeName; // "VornCtl Control"
        BOOL bControl;      // registers the "Control" key and the misc status
        DWORD dwMiscStatus; // OLEMISC_ flags
        const GUID* pLibID; // type library, null for none
        WORD wVerMajor;
        WORD wVerMinor;
        UINT nBitmapID; // tool-box bitmap resource, 0 for none
    };

    COleObjectFactory(HINSTANCE hModule, REFCLSID clsid, LPCSTR pszProgID, FX_CREATEPROC pfnCreate,
                      const RegInfo& info);
    virtual ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    REFCLSID GetClassID() const { return m_clsid; }
    HINSTANCE GetModule() const { return m_hModule; }
    const RegInfo& GetRegInfo() const { return m_info; }

    // Objects alive count against unloading the library.
    void ObjectCreated();
    void ObjectDestroyed();

    // The entry points of the library hModule.
    static HRESULT DllGetClassObject(HINSTANCE hModule, REFCLSID rclsid, REFIID riid, void** ppv);
    static HRESULT DllCanUnloadNow(HINSTANCE hModule);
    // Registers (or removes) every class of the library and its type library (TYPELIB 1 in the
    // library's resources, when a class names one).
    static HRESULT UpdateRegistryAll(HINSTANCE hModule, BOOL bRegister);

    // IUnknown, IClassFactory: the factory is static, its reference count only counts locks.
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(CreateInstance)(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHOD(LockServer)(BOOL fLock) override;

private:
    HRESULT Register() const;
    HRESULT Unregister() const;

    HINSTANCE m_hModule;
    CLSID m_clsid;
    LPCSTR m_pszProgID;
    FX_CREATEPROC m_pfnCreate;
    RegInfo m_info;
    LONG m_nLocks;
    LONG m_nObjects;
    COleObjectFactory* m_pNext;
};

// The four entries a control server DLL exports (through its .def file), answered by the
// factories of that DLL.
#define FX_IMPLEMENT_OLE_SERVER_ENTRIES()                                                                              \
    STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)                                                \
    {                                                                                                                  \
        return COleObjectFactory::DllGetClassObject(FX_MODULE_INSTANCE(), rclsid, riid, ppv);                          \
    }                                                                                                                  \
    STDAPI DllCanUnloadNow()                                                                                           \
    {                                                                                                                  \
        return COleObjectFactory::DllCanUnloadNow(FX_MODULE_INSTANCE());                                               \
    }                                                                                                                  \
    STDAPI DllRegisterServer()                                                                                         \
    {                                                                                                                  \
        return COleObjectFactory::UpdateRegistryAll(FX_MODULE_INSTANCE(), TRUE);                                       \
    }                                                                                                                  \
    STDAPI DllUnregisterServer()                                                                                       \
    {                                                                                                                  \
        return COleObjectFactory::UpdateRegistryAll(FX_MODULE_INSTANCE(), FALSE);                                      \
    }
