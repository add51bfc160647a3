// The control's script host: each run gets a fresh VBScript engine in which the control is the
// named item "Vorn". Scripts arrive with downloaded cards, so the engine runs them as untrusted:
// no object creation and with it no file access.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/ole/OleScriptSite.h"

// The site of one engine; errors and odd states are shown in message boxes.
class VORNCTL_API CScriptEngine : public COleScriptSite
{
public:
    CScriptEngine() = default;

    STDMETHOD(GetLCID)(LCID* plcid) override;
    STDMETHOD(GetItemInfo)(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;
    STDMETHOD(OnStateChange)(SCRIPTSTATE ssScriptState) override;
    STDMETHOD(OnScriptError)(IActiveScriptError* pscripterror) override;
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;

protected:
    ~CScriptEngine() override = default;
};

class CVornCtlCtrl;

// Answers the name "Vorn" (any case) with the owning control.
class VORNCTL_API CCardScriptEngine : public CScriptEngine
{
public:
    explicit CCardScriptEngine(CVornCtlCtrl* pCtl) : m_pCtl(pCtl) {}

    STDMETHOD(GetItemInfo)(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;

protected:
    ~CCardScriptEngine() override = default;

private:
    CVornCtlCtrl* m_pCtl; // not owned
};

// Runs one script text in a fresh VBScript engine with the control as the named item "Vorn";
// TRUE when it ran without error (an empty text is TRUE at once).
VORNCTL_API BOOL RunCardScript(CVornCtlCtrl* pCtl, const CString& strScript);
