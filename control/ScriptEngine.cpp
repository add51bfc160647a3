#include "control/ScriptEngine.h"

#include "platform/frame/WinApp.h"
#include "platform/ole/OleEntry.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

namespace
{
HWND MainWindow()
{
    CWnd* pMain = FxGetMainWnd();
    return pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
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

void CScriptEngine::ShowMessage(LPCSTR pszText, UINT nType, LPCSTR pszCaption)
{
    if (!m_bKeepMessages) {
        FxMessageBox(MainWindow(), pszText, pszCaption, nType);
        return;
    }
    m_arrKeptTexts.Add(pszText);
    m_arrKeptCaptions.Add(pszCaption != nullptr ? pszCaption : "");
    m_arrKeptTypes.Add(nType);
}

void CScriptEngine::ShowKeptMessages()
{
    for (INT_PTR i = 0; i < m_arrKeptTexts.GetSize(); ++i) {
        FxMessageBox(MainWindow(), m_arrKeptTexts[i],
                     m_arrKeptCaptions[i].IsEmpty() ? nullptr : m_arrKeptCaptions[i].GetString(), m_arrKeptTypes[i]);
    }
    m_arrKeptTexts.RemoveAll();
    m_arrKeptCaptions.RemoveAll();
    m_arrKeptTypes.RemoveAll();
}

STDMETHODIMP CScriptEngine::OnStateChange(SCRIPTSTATE ssScriptState)
{
    return FxOleEntry("CScriptEngine::OnStateChange", nullptr, [&]() -> HRESULT {
        // States 0 (uninitialised) to 5 (initialised).
        const int nState = static_cast<int>(ssScriptState);
        if (nState < 0 || nState > 5) {
            CString strText;
            strText.Format("Error detected in file %s at line %d.", "ScriptEngine.cpp", 293);
            ShowMessage(strText, MB_OK | MB_ICONEXCLAMATION);
            ShowMessage("State -> Invalid", MB_OK | MB_ICONEXCLAMATION);
        }
        return S_OK;
    });
}

STDMETHODIMP CScriptEngine::OnScriptError(IActiveScriptError* pscripterror)
{
    return FxOleEntry("CScriptEngine::OnScriptError", nullptr, [&]() -> HRESULT {
        const HRESULT hr = COleScriptSite::OnScriptError(pscripterror);
        if (pscripterror == nullptr) {
            return hr;
        }
        // The engine counts lines from 0, the script editor from 1.
        m_strErrorText.Format("脚本第 %lu 行出错。", static_cast<unsigned long>(m_nErrorLine) + 1);
        m_strErrorText += "\n错误：";
        m_strErrorText += m_strErrorDescription.IsEmpty() ? CString("未知错误") : m_strErrorDescription;
        if (!m_strErrorSource.IsEmpty()) {
            m_strErrorText += "\n语句：";
            m_strErrorText += m_strErrorSource;
        }
        m_hrLastError = E_FAIL;
        return S_OK;
    });
}

STDMETHODIMP CScriptEngine::GetWindow(HWND* phwnd)
{
    if (phwnd != nullptr) {
        *phwnd = MainWindow();
    }
    return E_NOTIMPL;
}

STDMETHODIMP CScriptEngine::EnableModeless(BOOL)
{
    return E_NOTIMPL;
}
