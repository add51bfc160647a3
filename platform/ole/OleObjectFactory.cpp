#include "platform/ole/OleObjectFactory.h"

#include <oleauto.h>

#include <cstdio>

#include "platform/base/FxRegKey.h"
#include "platform/ole/OleEntry.h"

namespace
{
// Every factory of every library of ours in the process; each library finds its own by module.
COleObjectFactory* g_pFirstFactory = nullptr;

CString GuidText(REFGUID guid)
{
    WCHAR wsz[64];
    StringFromGUID2(guid, wsz, 64);
    return CString(wsz);
}

LONG SetKeyValue(LPCSTR pszPath, LPCSTR pszValueName, LPCSTR pszValue)
{
    CFxRegKey key;
    LONG lResult = key.Create(HKEY_CLASSES_ROOT, pszPath, KEY_WRITE);
    if (lResult != ERROR_SUCCESS) {
        return lResult;
    }
    return RegSetValueExA(key, pszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue),
                          static_cast<DWORD>(strlen(pszValue) + 1));
}

CString ModulePath(HINSTANCE hModule)
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(hModule, szPath, MAX_PATH);
    return CString(szPath);
}
} // namespace

COleObjectFactory::COleObjectFactory(HINSTANCE hModule, REFCLSID clsid, LPCSTR pszProgID, FX_CREATEPROC pfnCreate,
                                     const RegInfo& info)
    : m_hModule(hModule), m_clsid(clsid), m_pszProgID(pszProgID), m_pfnCreate(pfnCreate), m_info(info), m_nLocks(0),
      m_nObjects(0), m_pNext(g_pFirstFactory)
{
    g_pFirstFactory = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** pp = &g_pFirstFactory; *pp != nullptr; pp = &(*pp)->m_pNext) {
        if (*pp == this) {
            *pp = m_pNext;
            break;
        }
    }
}

void COleObjectFactory::ObjectCreated()
{
    InterlockedIncrement(&m_nObjects);
}

void COleObjectFactory::ObjectDestroyed()
{
    InterlockedDecrement(&m_nObjects);
}

HRESULT COleObjectFactory::DllGetClassObject(HINSTANCE hModule, REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    for (COleObjectFactory* p = g_pFirstFactory; p != nullptr; p = p->m_pNext) {
        if (p->m_hModule == hModule && IsEqualCLSID(p->m_clsid, rclsid)) {
            return p->QueryInterface(riid, ppv);
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT COleObjectFactory::DllCanUnloadNow(HINSTANCE hModule)
{
    for (COleObjectFactory* p = g_pFirstFactory; p != nullptr; p = p->m_pNext) {
        if (p->m_hModule == hModule && (p->m_nLocks > 0 || p->m_nObjects > 0)) {
            return S_FALSE;
        }
    }
    return S_OK;
}

HRESULT COleObjectFactory::UpdateRegistryAll(HINSTANCE hModule, BOOL bRegister)
{
    return FxOleEntry("COleObjectFactory::UpdateRegistryAll", hModule, [&]() -> HRESULT {
        HRESULT hr = S_OK;
        const RegInfo* pLib = nullptr;
        for (COleObjectFactory* p = g_pFirstFactory; p != nullptr; p = p->m_pNext) {
            if (p->m_hModule != hModule) {
                continue;
            }
            HRESULT hrOne = bRegister ? p->Register() : p->Unregister();
            if (FAILED(hrOne)) {
                hr = hrOne;
            }
            if (p->m_info.pLibID != nullptr) {
                pLib = &p->m_info;
            }
        }
        if (pLib == nullptr || FAILED(hr)) {
            return hr;
        }
        if (!bRegister) {
            UnRegisterTypeLib(*pLib->pLibID, pLib->wVerMajor, pLib->wVerMinor, LOCALE_NEUTRAL, SYS_WIN64);
            return S_OK;
        }
        // The type library is resource TYPELIB 1 of the library itself.
        WCHAR wszPath[MAX_PATH] = L"";
        GetModuleFileNameW(hModule, wszPath, MAX_PATH);
        ITypeLib* pTypeLib = nullptr;
        hr = LoadTypeLibEx(wszPath, REGKIND_REGISTER, &pTypeLib);
        if (SUCCEEDED(hr)) {
            pTypeLib->Release();
        }
        return hr;
    });
}

HRESULT COleObjectFactory::Register() const
{
    const CString strClsid = GuidText(m_clsid);
    const CString strKey = "CLSID\\" + strClsid;
    const CString strPath = ModulePath(m_hModule);
    char szNumber[64];
    LONG l = SetKeyValue(strKey, nullptr, m_info.pszTypeName);
    l |= SetKeyValue(strKey + "\\InprocServer32", nullptr, strPath);
    l |= SetKeyValue(strKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    if (m_pszProgID != nullptr) {
        l |= SetKeyValue(strKey + "\\ProgID", nullptr, m_pszProgID);
        l |= SetKeyValue(m_pszProgID, nullptr, m_info.pszTypeName);
        l |= SetKeyValue(CString(m_pszProgID) + "\\CLSID", nullptr, strClsid);
    }
    if (m_info.bControl) {
        l |= SetKeyValue(strKey + "\\Control", nullptr, "");
        snprintf(szNumber, sizeof(szNumber), "%lu", static_cast<unsigned long>(m_info.dwMiscStatus));
        l |= SetKeyValue(strKey + "\\MiscStatus", nullptr, "0");
        l |= SetKeyValue(strKey + "\\MiscStatus\\1", nullptr, szNumber);
    }
    if (m_info.pLibID != nullptr) {
        l |= SetKeyValue(strKey + "\\TypeLib", nullptr, GuidText(*m_info.pLibID));
        snprintf(szNumber, sizeof(szNumber), "%u.%u", m_info.wVerMajor, m_info.wVerMinor);
        l |= SetKeyValue(strKey + "\\Version", nullptr, szNumber);
    }
    if (m_info.nBitmapID != 0) {
        snprintf(szNumber, sizeof(szNumber), ", %u", m_info.nBitmapID);
        l |= SetKeyValue(strKey + "\\ToolboxBitmap32", nullptr, strPath + szNumber);
    }
    return l == ERROR_SUCCESS ? S_OK : E_ACCESSDENIED;
}

HRESULT COleObjectFactory::Unregister() const
{
    const CString strKey = "CLSID\\" + GuidText(m_clsid);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, strKey);
    if (m_pszProgID != nullptr) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, m_pszProgID);
    }
    return S_OK;
}

STDMETHODIMP COleObjectFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleObjectFactory::AddRef()
{
    return 2;
}

STDMETHODIMP_(ULONG) COleObjectFactory::Release()
{
    return 1;
}

STDMETHODIMP COleObjectFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (pUnkOuter != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    return FxOleEntry("COleObjectFactory::CreateInstance", m_hModule,
                      [&]() -> HRESULT { return m_pfnCreate(this, riid, ppv); });
}

STDMETHODIMP COleObjectFactory::LockServer(BOOL fLock)
{
    if (fLock) {
        InterlockedIncrement(&m_nLocks);
    } else {
        InterlockedDecrement(&m_nLocks);
    }
    return S_OK;
}
