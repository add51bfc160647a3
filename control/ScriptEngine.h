// The control's script host: each run gets a fresh VBScript engine in which the control is the
// named item "Vorn". Scripts arrive with downloaded templates, so the engine runs them as
// untrusted: no object creation, no file or address outside the card, and a time limit.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/ole/OleScriptSite.h"

// The site of one engine. Odd requests and states are shown in message boxes, or kept for the
// thread that started the run when the engine runs on a thread of its own; a script error is
// kept as the text of the one box the user reads.
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

    // From now on messages are kept, not shown.
    void KeepMessages() { m_bKeepMessages = TRUE; }
    // Shows the kept messages in order and forgets them.
    void ShowKeptMessages();
    // Keeps (or shows) one message box.
    void ShowMessage(LPCSTR pszText, UINT nType = MB_OK, LPCSTR pszCaption = nullptr);
    // The last script error as the user reads it: the editor's line (from 1), the engine's
    // description and the line's text; empty when the engine reported none.
    const CString& GetErrorText() const { return m_strErrorText; }

protected:
    ~CScriptEngine() override = default;

private:
    BOOL m_bKeepMessages = FALSE;
    CStringArray m_arrKeptTexts;
    CStringArray m_arrKeptCaptions;
    CUIntArray m_arrKeptTypes;
    CString m_strErrorText;
};

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
