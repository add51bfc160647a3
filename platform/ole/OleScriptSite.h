// The host side of Active Scripting: creates an engine (VBScript by default), parses text, adds
// named items, runs the script by connecting the engine, and records the errors it reports with
// line, source text and description. Scripts may not create objects: the engine runs with the
// security-manager safety option and the site offers no security manager, so CreateObject and
// with it file access fail. Each virtual of the site interfaces can be overridden.
#pragma once

#include "platform/base/String.h"

// After the windows headers, which they need.
#include <activscp.h>

// {B54F3741-5B07-11CF-A4B0-00AA004A55E8}
FX_API extern const CLSID CLSID_FxVBScript;

class FX_API COleScriptSite : public IActiveScriptSite, public IActiveScriptSiteWindow
{
public:
    // The step CreateEngine failed at.
    enum CreateStep { stepNone, stepCreate, stepSetSite, stepParseInterface, stepInitNew };

    COleScriptSite();
    COleScriptSite(const COleScriptSite&) = delete;
    COleScriptSite& operator=(const COleScriptSite&) = delete;

    // Releases an engine held before, then creates, sites and initialises a new one. On failure
    // *pnStep (when given) names the failing step and both interfaces are released.
    HRESULT CreateEngine(REFCLSID clsidEngine = CLSID_FxVBScript, CreateStep* pnStep = nullptr);
    // GBK text, parsed as the global code (run when the engine connects).
    HRESULT ParseScriptText(const CString& strScript);
    // A name the script can use; GetItemInfo gives pUnk for it (pUnk may be null when a derived
    // site answers GetItemInfo itself). dwFlags: SCRIPTITEM_ flags.
    HRESULT AddNamedItem(LPCSTR pszName, DWORD dwFlags, IUnknown* pUnk = nullptr);
    // Runs the script: the failure of the state change, else the last error reported (0 when none).
    HRESULT Connect();
    HRESULT CloseEngine();
    void ReleaseEngine();

    IActiveScript* GetActiveScript() const { return m_pActiveScript; }
    IActiveScriptParse* GetActiveScriptParse() const { return m_pActiveScriptParse; }

    // The last error the engine reported: E_FAIL once one was, 0 after Connect began.
    HRESULT m_hrLastError;
    // Line as the engine counts (the first line is 0), source line text and description.
    ULONG m_nErrorLine;
    CString m_strErrorSource;
    CString m_strErrorDescription;
    // The engine's error code (0x800A03EA: VBScript's syntax error).
    SCODE m_scodeError;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IActiveScriptSite
    STDMETHOD(GetLCID)(LCID* plcid) override;
    STDMETHOD(GetItemInfo)(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;
    STDMETHOD(GetDocVersionString)(BSTR* pbstrVersion) override;
    STDMETHOD(OnScriptTerminate)(const VARIANT* pvarResult, const EXCEPINFO* pexcepinfo) override;
    STDMETHOD(OnStateChange)(SCRIPTSTATE ssScriptState) override;
    // Records the error (line, source, description) and E_FAIL as the last error.
    STDMETHOD(OnScriptError)(IActiveScriptError* pscripterror) override;
    STDMETHOD(OnEnterScript)() override;
    STDMETHOD(OnLeaveScript)() override;
    // IActiveScriptSiteWindow
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;

protected:
    // Deleted by its last Release.
    virtual ~COleScriptSite();

private:
    enum { nMaxItems = 8 };
    struct NamedItem
    {
        CString strName;
        IUnknown* pUnk;
    };

    LONG m_nRef;
    IActiveScript* m_pActiveScript;
    IActiveScriptParse* m_pActiveScriptParse;
    NamedItem m_items[nMaxItems];
    int m_nItems;
};
