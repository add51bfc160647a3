#include "platform/ole/OleDispatchDriver.h"

#include <vector>

COleDispatchDriver::COleDispatchDriver() : m_lpDispatch(nullptr), m_bAutoRelease(TRUE)
{
}

COleDispatchDriver::COleDispatchDriver(IDispatch* lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

void COleDispatchDriver::AttachDispatch(IDispatch* lpDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

IDispatch* COleDispatchDriver::DetachDispatch()
{
    IDispatch* p = m_lpDispatch;
    m_lpDispatch = nullptr;
    return p;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch != nullptr && m_bAutoRelease) {
        m_lpDispatch->Release();
    }
    m_lpDispatch = nullptr;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid)
{
    IDispatch* p = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&p)))) {
        return FALSE;
    }
    AttachDispatch(p, TRUE);
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCSTR pszProgID)
{
    WCHAR wsz[256];
    CLSID clsid;
    if (MultiByteToWideChar(FX_CODEPAGE, 0, pszProgID, -1, wsz, 256) == 0 || FAILED(CLSIDFromProgID(wsz, &clsid))) {
        return FALSE;
    }
    return CreateDispatch(clsid);
}

HRESULT COleDispatchDriver::InvokeArgs(DISPID dispid, WORD wFlags, VARIANT* pArgs, UINT nArgs, VARIANT* pResult)
{
    if (m_lpDispatch == nullptr) {
        return E_POINTER;
    }
    // IDispatch takes the arguments last first.
    std::vector<VARIANT> reversed(nArgs);
    for (UINT i = 0; i < nArgs; ++i) {
        reversed[nArgs - 1 - i] = pArgs[i];
    }
    DISPPARAMS params = {nArgs > 0 ? reversed.data() : nullptr, nullptr, nArgs, 0};
    EXCEPINFO excep = {};
    UINT uArgErr = 0;
    HRESULT hr =
        m_lpDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, &excep, &uArgErr);
    if (hr == DISP_E_EXCEPTION) {
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
    return hr;
}

HRESULT COleDispatchDriver::InvokePut(DISPID dispid, VARIANT& value)
{
    if (m_lpDispatch == nullptr) {
        return E_POINTER;
    }
    DISPID dispidNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &dispidNamed, 1, 1};
    EXCEPINFO excep = {};
    UINT uArgErr = 0;
    HRESULT hr = m_lpDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                      &excep, &uArgErr);
    if (hr == DISP_E_EXCEPTION) {
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
    return hr;
}

DISPID COleDispatchDriver::GetIDOfName(LPCSTR pszName) const
{
    if (m_lpDispatch == nullptr || pszName == nullptr) {
        return DISPID_UNKNOWN;
    }
    CString strName(pszName);
    BSTR bstr = strName.AllocSysString();
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR names[1] = {bstr};
    if (FAILED(m_lpDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid))) {
        dispid = DISPID_UNKNOWN;
    }
    SysFreeString(bstr);
    return dispid;
}
