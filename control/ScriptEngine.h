// The site of a VBScript engine the control hosts: it shows or keeps the engine's messages and
// turns a script error into the text the user reads.
#pragma once

#include "control/VornCtlExport.h"
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
