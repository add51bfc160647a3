// The control's script host: each run gets a fresh VBScript engine in which the control is the
// named item "Vorn". Scripts arrive with downloaded templates, so the engine runs them as
// untrusted: no object creation, no file or address outside the card, and a time limit.
#pragma once

#include "control/ScriptEngine.h"
#include "control/VornCtlExport.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/String.h"

class CVornCtlCtrl;

// Answers the name "Vorn" (any case) with the owning control, or with the dispatch the run gives.
class VORNCTL_API CCardScriptEngine : public CScriptEngine
{
public:
    explicit CCardScriptEngine(CVornCtlCtrl* pCtl) : m_pCtl(pCtl) {}

    // What "Vorn" names instead of the control (the control's gate, on the engine's thread).
    void SetVornDispatch(IDispatch* pDisp);

    STDMETHOD(GetItemInfo)(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;

protected:
    ~CCardScriptEngine() override = default;

private:
    CVornCtlCtrl* m_pCtl; // not owned
    CFxComPtr<IDispatch> m_pVorn;
};

// Runs one script text in a fresh VBScript engine with the control as the named item "Vorn";
// TRUE when it ran without error (an empty text is TRUE at once). The engine runs on a thread of
// its own while this thread serves the script's calls to the control; a run longer than the
// control's time limit is interrupted and reported, and FALSE comes back. Errors are shown in
// one message box. FALSE without running when the host turned template scripts off.
VORNCTL_API BOOL RunCardScript(CVornCtlCtrl* pCtl, const CString& strScript);
// Engine threads started and not seen to end; a script that could not be stopped stays counted.
VORNCTL_API long GetScriptThreadCount();
