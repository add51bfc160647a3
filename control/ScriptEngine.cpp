#include "control/ScriptEngine.h"

#include "control/VornCtlCtrl.h"
#include "platform/base/ResMgr.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleEntry.h"
#include "platform/win/MsgBox.h"

namespace
{
void ShowMessage(LPCSTR pszText, UINT nIcon = 0)
{
    CWnd* pMain = FxGetMainWnd();
    FxMessageBox(pMain != nullptr ? pMain->GetSafeHwnd() : nullptr, pszText, nullptr, MB_OK | nIcon);
}

void ShowCode(LPCSTR pszFormat, HRESULT hr)
{
    CString strText;
    strText.Format(pszFormat, static_cast<unsigned>(hr));
    ShowMessage(strText);
}

LPCSTR CreateStepMessage(COleScriptSite::CreateStep step)
{
    switch (step) {
    case COleScriptSite::stepSetSite:
        return "Failed to set script engine's site.";
    case COleScriptSite::stepParseInterface:
        return "Failed to obtain script engine's IActiveScriptParse interface.";
    case COleScriptSite::stepInitNew:
        return "Failed to initialize script engine.";
    default:
        return "Failed to create script engine.";
    }
}
} // namespace

STDMETHODIMP CScriptEngine::GetLCID(LCID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CScriptEngine::GetItemInfo(LPCOLESTR, DWORD, IUnknown**, ITypeInfo**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CScriptEngine::OnStateChange(SCRIPTSTATE ssScriptState)
{
    return FxOleEntry("CScriptEngine::OnStateChange", FX_MODULE_INSTANCE(), [&]() -> HRESULT {
        // States 0 (uninitialised) to 5 (initialised).
        const int nState = static_cast<int>(ssScriptState);
        if (nState < 0 || nState > 5) {
            CString strText;
            strText.Format("Error detected in file %s at line %d.", "ScriptEngine.cpp", 293);
            ShowMessage(strText, MB_ICONEXCLAMATION);
            ShowMessage("State -> Invalid", MB_ICONEXCLAMATION);
        }
        return S_OK;
    });
}

STDMETHODIMP CScriptEngine::OnScriptError(IActiveScriptError* pscripterror)
{
    HRESULT hr = COleScriptSite::OnScriptError(pscripterror);
    if (pscripterror == nullptr) {
        return hr;
    }
    return FxOleEntry("CScriptEngine::OnScriptError", FX_MODULE_INSTANCE(), [&]() -> HRESULT {
        CString strText;
        strText.Format("Script error detected at line %d.", static_cast<int>(m_nErrorLine));
        if (!m_strErrorSource.IsEmpty()) {
            strText += "\nSource line: ";
            strText += m_strErrorSource;
        }
        if (!m_strErrorDescription.IsEmpty()) {
            strText += "\nDescription: ";
            strText += m_strErrorDescription;
        }
        ShowMessage(strText, MB_ICONEXCLAMATION);
        m_hrLastError = E_FAIL;
        return S_OK;
    });
}

STDMETHODIMP CScriptEngine::GetWindow(HWND* phwnd)
{
    if (phwnd != nullptr) {
        CWnd* pMain = FxGetMainWnd();
        *phwnd = pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP CScriptEngine::EnableModeless(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CCardScriptEngine::GetItemInfo(LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem,
                                            ITypeInfo** ppti)
{
    if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) != 0 && ppiunkItem != nullptr) {
        *ppiunkItem = nullptr;
    }
    if ((dwReturnMask & SCRIPTINFO_ITYPEINFO) != 0 && ppti != nullptr) {
        *ppti = nullptr;
    }
    return FxOleEntry("CCardScriptEngine::GetItemInfo", FX_MODULE_INSTANCE(), [&]() -> HRESULT {
        const CString strName(pstrName != nullptr ? pstrName : L"");
        if (strName.CompareNoCase("Vorn") != 0 || m_pCtl == nullptr) {
            CString strText;
            strText.Format("The script engine asked for information\nfor an unknown object named \"%s\".",
                           strName.GetString());
            ShowMessage(strText, MB_ICONEXCLAMATION);
            return E_UNEXPECTED;
        }
        if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) != 0) {
            if (ppiunkItem == nullptr) {
                return E_POINTER;
            }
            *ppiunkItem = m_pCtl->GetIDispatch(TRUE);
        }
        return S_OK;
    });
}

BOOL RunCardScript(CVornCtlCtrl* pCtl, const CString& strScript)
{
    if (strScript.IsEmpty()) {
        return TRUE;
    }
    CCardScriptEngine* pEngine = new CCardScriptEngine(pCtl);
    COleScriptSite::CreateStep step = COleScriptSite::stepNone;
    HRESULT hr = pEngine->CreateEngine(CLSID_FxVBScript, &step);
    if (FAILED(hr)) {
        ShowMessage(CreateStepMessage(step));
        ShowCode("Failed to create script engine.\nReturn code = %x", hr);
    } else {
        hr = pEngine->ParseScriptText(strScript);
        if (FAILED(hr)) {
            ShowCode("Failed to parse script.\nReturn code = %x", hr);
        } else {
            hr = pEngine->AddNamedItem("Vorn", SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE);
            if (FAILED(hr)) {
                ShowCode("Failed to add document to script's name space.\nReturn code = %x", hr);
            } else {
                hr = pEngine->Connect();
                if (FAILED(hr)) {
                    ShowCode("Script failed to run.\nReturn code = %x", hr);
                }
            }
        }
        pEngine->CloseEngine();
    }
    pEngine->Release();
    return SUCCEEDED(hr);
}
