#include "platform/ole/OleScriptSite.h"

#include <objsafe.h>

#include "platform/base/Firewall.h"

const CLSID CLSID_FxVBScript = {0xB54F3741, 0x5B07, 0x11CF, {0xA4, 0xB0, 0x00, 0xAA, 0x00, 0x4A, 0x55, 0xE8}};

namespace
{
const IID IID_FxActiveScript = {0xBB1A2AE1, 0xA4F9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
// A 64-bit engine parses through IActiveScriptParse64, which has an identifier of its own.
#ifdef _WIN64
const IID IID_FxActiveScriptParse = {0xC7EF7658, 0xE1EE, 0x480E, {0x97, 0xEA, 0xD5, 0x2C, 0xB4, 0xD7, 0x6D, 0x17}};
#else
const IID IID_FxActiveScriptParse = {0xBB1A2AE2, 0xA4F9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
#endif
const IID IID_FxActiveScriptSite = {0xDB01A1E3, 0xA42B, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
const IID IID_FxActiveScriptSiteWindow = {0xD10F6761, 0x83E9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
const IID IID_FxObjectSafety = {0xCB5BDC81, 0x93C1, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};

// Some engines leave the description out of compile errors; the VBScript engine keeps its error
// texts as strings numbered by the error's code.
CString EngineErrorText(SCODE scode)
{
    HMODULE hEngine = GetModuleHandleA("vbscript.dll");
    WCHAR wsz[512] = L"";
    if (hEngine != nullptr && LoadStringW(hEngine, HRESULT_CODE(scode), wsz, 512) > 0) {
        return CString(wsz);
    }
    // Else the system's text of the code (Wine reports compile errors as E_FAIL alone).
    if (FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(scode),
                       0, wsz, 512, nullptr) == 0) {
        return CString();
    }
    CString strText(wsz);
    strText.TrimRight();
    return strText;
}

BSTR WideOf(const CString& str)
{
    return str.AllocSysString();
}
} // namespace

COleScriptSite::COleScriptSite()
    : m_hrLastError(S_OK), m_nErrorLine(0), m_scodeError(0), m_nRef(1), m_pActiveScript(nullptr),
      m_pActiveScriptParse(nullptr), m_items(), m_nItems(0)
{
}

COleScriptSite::~COleScriptSite()
{
    ReleaseEngine();
    for (int i = 0; i < m_nItems; ++i) {
        if (m_items[i].pUnk != nullptr) {
            m_items[i].pUnk->Release();
        }
    }
}

HRESULT COleScriptSite::CreateEngine(REFCLSID clsidEngine, CreateStep* pnStep)
{
    ReleaseEngine();
    CreateStep step = stepCreate;
    HRESULT hr = CoCreateInstance(clsidEngine, nullptr, CLSCTX_INPROC_SERVER, IID_FxActiveScript,
                                  reinterpret_cast<void**>(&m_pActiveScript));
    if (SUCCEEDED(hr)) {
        // Untrusted scripts: with the security manager required and none offered by this site,
        // the engine refuses to create objects.
        IObjectSafety* pSafety = nullptr;
        if (SUCCEEDED(m_pActiveScript->QueryInterface(IID_FxObjectSafety, reinterpret_cast<void**>(&pSafety)))) {
            const DWORD dwSafe = INTERFACE_USES_SECURITY_MANAGER | INTERFACESAFE_FOR_UNTRUSTED_DATA;
            pSafety->SetInterfaceSafetyOptions(IID_FxActiveScriptParse, dwSafe, dwSafe);
            pSafety->Release();
        }
        step = stepSetSite;
        hr = m_pActiveScript->SetScriptSite(static_cast<IActiveScriptSite*>(this));
    }
    if (SUCCEEDED(hr)) {
        step = stepParseInterface;
        hr = m_pActiveScript->QueryInterface(IID_FxActiveScriptParse, reinterpret_cast<void**>(&m_pActiveScriptParse));
    }
    if (SUCCEEDED(hr)) {
        step = stepInitNew;
        hr = m_pActiveScriptParse->InitNew();
    }
    if (FAILED(hr)) {
        if (step == stepCreate) {
            m_pActiveScript = nullptr;
        }
        if (step == stepParseInterface) {
            m_pActiveScriptParse = nullptr;
        }
        ReleaseEngine();
    } else {
        step = stepNone;
    }
    if (pnStep != nullptr) {
        *pnStep = step;
    }
    return hr;
}

HRESULT COleScriptSite::ParseScriptText(const CString& strScript)
{
    if (m_pActiveScriptParse == nullptr) {
        return E_UNEXPECTED;
    }
    BSTR bstrScript = WideOf(strScript);
    EXCEPINFO excep = {};
    HRESULT hr = m_pActiveScriptParse->ParseScriptText(bstrScript, nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &excep);
    SysFreeString(bstrScript);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return hr;
}

HRESULT COleScriptSite::AddNamedItem(LPCSTR pszName, DWORD dwFlags, IUnknown* pUnk)
{
    if (m_pActiveScript == nullptr) {
        return E_UNEXPECTED;
    }
    if (pUnk != nullptr) {
        if (m_nItems == nMaxItems) {
            return E_OUTOFMEMORY;
        }
        pUnk->AddRef();
        m_items[m_nItems].strName = pszName;
        m_items[m_nItems].pUnk = pUnk;
        ++m_nItems;
    }
    BSTR bstrName = WideOf(CString(pszName));
    HRESULT hr = m_pActiveScript->AddNamedItem(bstrName, dwFlags);
    SysFreeString(bstrName);
    return hr;
}

HRESULT COleScriptSite::Connect()
{
    if (m_pActiveScript == nullptr) {
        return E_UNEXPECTED;
    }
    m_hrLastError = S_OK;
    HRESULT hr = m_pActiveScript->SetScriptState(SCRIPTSTATE_CONNECTED);
    return FAILED(hr) ? hr : m_hrLastError;
}

HRESULT COleScriptSite::CloseEngine()
{
    return m_pActiveScript != nullptr ? m_pActiveScript->Close() : S_OK;
}

void COleScriptSite::ReleaseEngine()
{
    if (m_pActiveScriptParse != nullptr) {
        m_pActiveScriptParse->Release();
        m_pActiveScriptParse = nullptr;
    }
    if (m_pActiveScript != nullptr) {
        m_pActiveScript->Release();
        m_pActiveScript = nullptr;
    }
}

STDMETHODIMP COleScriptSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    // No IServiceProvider: the engine finds no security manager, so object creation stays denied.
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_FxActiveScriptSite)) {
        *ppv = static_cast<IActiveScriptSite*>(this);
    } else if (IsEqualIID(riid, IID_FxActiveScriptSiteWindow)) {
        *ppv = static_cast<IActiveScriptSiteWindow*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleScriptSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleScriptSite::Release()
{
    LONG n = InterlockedDecrement(&m_nRef);
    if (n == 0) {
        delete this;
    }
    return static_cast<ULONG>(n);
}

STDMETHODIMP COleScriptSite::GetLCID(LCID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleScriptSite::GetItemInfo(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem,
                                         ITypeInfo** ppti)
{
    if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) != 0) {
        if (ppiunkItem == nullptr) {
            return E_POINTER;
        }
        *ppiunkItem = nullptr;
    }
    if ((dwReturnMask & SCRIPTINFO_ITYPEINFO) != 0) {
        if (ppti == nullptr) {
            return E_POINTER;
        }
        *ppti = nullptr;
    }
    if (pstrName == nullptr) {
        return E_INVALIDARG;
    }
    try {
        const CString strName(pstrName);
        for (int i = 0; i < m_nItems; ++i) {
            if (m_items[i].strName.CompareNoCase(strName) == 0) {
                if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) != 0) {
                    *ppiunkItem = m_items[i].pUnk;
                    m_items[i].pUnk->AddRef();
                }
                return S_OK;
            }
        }
    } catch (...) {
        FxReportException("COleScriptSite::GetItemInfo");
        return E_FAIL;
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

STDMETHODIMP COleScriptSite::GetDocVersionString(BSTR* pbstrVersion)
{
    if (pbstrVersion != nullptr) {
        *pbstrVersion = nullptr;
    }
    return S_OK;
}

STDMETHODIMP COleScriptSite::OnScriptTerminate(const VARIANT*, const EXCEPINFO*)
{
    return S_OK;
}

STDMETHODIMP COleScriptSite::OnStateChange(SCRIPTSTATE)
{
    return S_OK;
}

STDMETHODIMP COleScriptSite::OnScriptError(IActiveScriptError* pscripterror)
{
    if (pscripterror == nullptr) {
        return E_POINTER;
    }
    try {
        DWORD dwContext = 0;
        ULONG nLine = 0;
        LONG nChar = 0;
        m_nErrorLine = SUCCEEDED(pscripterror->GetSourcePosition(&dwContext, &nLine, &nChar)) ? nLine : 0;
        BSTR bstrLine = nullptr;
        m_strErrorSource.Empty();
        if (SUCCEEDED(pscripterror->GetSourceLineText(&bstrLine)) && bstrLine != nullptr) {
            m_strErrorSource = CString(static_cast<LPCWSTR>(bstrLine));
        }
        SysFreeString(bstrLine);
        EXCEPINFO excep = {};
        m_strErrorDescription.Empty();
        m_scodeError = 0;
        if (SUCCEEDED(pscripterror->GetExceptionInfo(&excep))) {
            if (excep.pfnDeferredFillIn != nullptr) {
                excep.pfnDeferredFillIn(&excep);
            }
            m_scodeError = excep.scode != 0 ? excep.scode : static_cast<SCODE>(excep.wCode);
            if (excep.bstrDescription != nullptr) {
                m_strErrorDescription = CString(static_cast<LPCWSTR>(excep.bstrDescription));
            }
            if (m_strErrorDescription.IsEmpty()) {
                m_strErrorDescription = EngineErrorText(m_scodeError);
            }
            SysFreeString(excep.bstrSource);
            SysFreeString(excep.bstrDescription);
            SysFreeString(excep.bstrHelpFile);
        }
        m_hrLastError = E_FAIL;
    } catch (...) {
        FxReportException("COleScriptSite::OnScriptError");
        m_hrLastError = E_FAIL;
    }
    return S_OK;
}

STDMETHODIMP COleScriptSite::OnEnterScript()
{
    return S_OK;
}

STDMETHODIMP COleScriptSite::OnLeaveScript()
{
    return S_OK;
}

STDMETHODIMP COleScriptSite::GetWindow(HWND* phwnd)
{
    if (phwnd != nullptr) {
        *phwnd = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP COleScriptSite::EnableModeless(BOOL)
{
    return E_NOTIMPL;
}
