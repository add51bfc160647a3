#include "control/CardScriptEngine.h"

#include <stdio.h>

#include <string.h>

#include <memory>
#include <mutex>

#include "control/VornCtlCtrl.h"
#include "control/VornCtlIds.h"
#include "platform/base/FxHandle.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleEntry.h"
#include "platform/ole/OleVariantFun.h"
#include "platform/win/MsgBox.h"

namespace
{
const char kCaption[] = "系统提示";

HWND MainWindow()
{
    CWnd* pMain = FxGetMainWnd();
    return pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
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

CString CodeMessage(LPCSTR pszFormat, HRESULT hr)
{
    CString strText;
    strText.Format(pszFormat, static_cast<unsigned>(hr));
    return strText;
}

// The one dispatch a script reaches the control through. It refuses what a template script must
// not do: files and addresses outside the card, the host's own settings, and every call once the
// run's time is up.
class CScriptGate final : public IDispatch
{
public:
    explicit CScriptGate(CVornCtlCtrl* pCtl) : m_nRef(1), m_pCtl(pCtl), m_bStopped(FALSE)
    {
        if (pCtl != nullptr) {
            m_pTarget.Attach(pCtl->GetIDispatch(TRUE));
        }
    }
    CScriptGate(const CScriptGate&) = delete;
    CScriptGate& operator=(const CScriptGate&) = delete;

    void Stop() { m_bStopped = TRUE; }
    // Once stopped, the next call ends its caller: the engine's thread, then waiting for the
    // call's answer, holds no lock. The handle stays the run's.
    void EndCallerOnNextCall(HANDLE hThread) { m_hEndThread = hThread; }
    // The control is no longer reached, whatever still holds the gate.
    void Detach()
    {
        m_bStopped = TRUE;
        m_pTarget.Close();
        m_pCtl = nullptr;
    }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) {
            return E_POINTER;
        }
        *ppv = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch)) {
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return static_cast<ULONG>(InterlockedIncrement(&m_nRef)); }
    STDMETHOD_(ULONG, Release)() override
    {
        const LONG n = InterlockedDecrement(&m_nRef);
        if (n == 0) {
            delete this;
        }
        return static_cast<ULONG>(n);
    }
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override
    {
        if (!m_pTarget.IsValid()) {
            return E_UNEXPECTED;
        }
        return m_pTarget->GetTypeInfoCount(pctinfo);
    }
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override
    {
        if (!m_pTarget.IsValid()) {
            return E_UNEXPECTED;
        }
        return m_pTarget->GetTypeInfo(iTInfo, lcid, ppTInfo);
    }
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override
    {
        if (!m_pTarget.IsValid()) {
            return E_UNEXPECTED;
        }
        return m_pTarget->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId);
    }
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
     EXCEPINFO* pExcepInfo, UINT* puArgErr) override
    {
        return FxOleEntry("CScriptGate::Invoke", nullptr, [&]() -> HRESULT {
            if (m_bStopped || !m_pTarget.IsValid()) {
                if (m_hEndThread != nullptr) {
                    TerminateThread(m_hEndThread, 1);
                    m_hEndThread = nullptr;
                }
                return Refuse(pExcepInfo, "脚本运行超时，已被终止。");
            }
            CString strWhy;
            if (!IsAllowed(dispIdMember, wFlags, pDispParams, strWhy)) {
                return Refuse(pExcepInfo, strWhy);
            }
            // The control's own dispatch would pass by every check.
            if (dispIdMember == dispidGetCtlIDispatch && pVarResult != nullptr) {
                VariantInit(pVarResult);
                pVarResult->vt = VT_DISPATCH;
                pVarResult->pdispVal = this;
                AddRef();
                return S_OK;
            }
            return m_pTarget->Invoke(dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
        });
    }

private:
    ~CScriptGate() = default;

    static HRESULT Refuse(EXCEPINFO* pExcepInfo, const CString& strWhy)
    {
        if (pExcepInfo != nullptr) {
            *pExcepInfo = EXCEPINFO();
            pExcepInfo->bstrSource = CString("Vorn").AllocSysString();
            pExcepInfo->bstrDescription = strWhy.AllocSysString();
            pExcepInfo->scode = E_ACCESSDENIED;
        }
        return DISP_E_EXCEPTION;
    }

    // Positional argument i (from 0) as text; FALSE when absent or not text.
    static BOOL TextArg(const DISPPARAMS* pParams, UINT i, CString& strText)
    {
        if (pParams == nullptr || i >= pParams->cArgs) {
            return FALSE;
        }
        return SUCCEEDED(COleVariantFun::FromVariant(pParams->rgvarg[pParams->cArgs - 1 - i], &strText));
    }

    BOOL IsTargetAllowed(const CString& strTarget, BOOL bWrite, CString& strWhy) const
    {
        if (m_pCtl->IsScriptTargetAllowed(strTarget, bWrite)) {
            return TRUE;
        }
        strWhy.Format("脚本只能访问本卡片的工作目录和模板来源，不能访问：%s", strTarget.GetString());
        return FALSE;
    }

    BOOL IsAllowed(DISPID dispid, WORD wFlags, const DISPPARAMS* pParams, CString& strWhy) const
    {
        const BOOL bPut = (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        CString strArg;
        switch (dispid) {
        case dispidScriptTimeLimit:
        case dispidRunTemplateScripts:
        case dispidDownloadLimit:
            if (bPut) {
                strWhy = "脚本不能修改宿主程序的设置。";
                return FALSE;
            }
            return TRUE;
        case dispidSaveToFile:
            return !TextArg(pParams, 0, strArg) || IsTargetAllowed(strArg, TRUE, strWhy);
        case dispidOpenZndFile:
        case dispidLoadADMLDataFile:
        case dispidLoadPrintSet:
        case dispidLoadADMLURL:
            return !TextArg(pParams, 0, strArg) || IsTargetAllowed(strArg, FALSE, strWhy);
        case dispidSetZntFile:
            for (UINT i = 0; i < 2; ++i) {
                if (TextArg(pParams, i, strArg) && !IsTargetAllowed(strArg, FALSE, strWhy)) {
                    return FALSE;
                }
            }
            return TRUE;
        case dispidZntFileName: {
            // The put's value: the shown index, then the templates, separated by ";".
            if (!bPut || pParams == nullptr || pParams->cArgs < 1 ||
                FAILED(COleVariantFun::FromVariant(pParams->rgvarg[0], &strArg))) {
                return TRUE;
            }
            const int nFirst = strArg.Find(';');
            CString strRest = nFirst >= 0 ? strArg.Mid(nFirst + 1) : CString();
            while (!strRest.IsEmpty()) {
                const int nSemi = strRest.Find(';');
                const CString strItem = nSemi >= 0 ? strRest.Left(nSemi) : strRest;
                strRest = nSemi >= 0 ? strRest.Mid(nSemi + 1) : CString();
                if (!IsTargetAllowed(strItem, FALSE, strWhy)) {
                    return FALSE;
                }
            }
            return TRUE;
        }
        default:
            return TRUE;
        }
    }

    LONG m_nRef;
    CVornCtlCtrl* m_pCtl; // not owned; the target reference keeps it alive
    CFxComPtr<IDispatch> m_pTarget;
    BOOL m_bStopped;
    HANDLE m_hEndThread = nullptr;
};

// What the two threads of one run share; the engine's thread may outlive the run when it had to
// be abandoned, so both hold it.
struct ScriptRun
{
    CString strScript;
    // The gate, marshalled for the engine's thread, which takes it.
    IStream* pGateStream = nullptr;
    // The engine while it can be interrupted; guarded by lock.
    std::mutex lock;
    IActiveScript* pEngine = nullptr;
    // Final once the engine's thread ended.
    HRESULT hr = S_OK;
    CFxComPtr<CCardScriptEngine> pSite;
    // This library, held for the engine's thread so that it is not unloaded under it.
    HMODULE hSelf = nullptr;
};

// Creates the engine, runs the script and closes the engine, on the engine's own thread.
void ExecuteScript(ScriptRun& run, IDispatch* pVorn)
{
    run.pSite.Attach(new CCardScriptEngine(nullptr));
    CCardScriptEngine* pSite = run.pSite;
    pSite->KeepMessages();
    pSite->SetVornDispatch(pVorn);
    COleScriptSite::CreateStep step = COleScriptSite::stepNone;
    HRESULT hr = pSite->CreateEngine(CLSID_FxVBScript, &step);
    if (FAILED(hr)) {
        pSite->ShowMessage(CreateStepMessage(step));
        pSite->ShowMessage(CodeMessage("Failed to create script engine.\nReturn code = %x", hr));
        run.hr = hr;
        return;
    }
    {
        std::lock_guard<std::mutex> guard(run.lock);
        run.pEngine = pSite->GetActiveScript();
    }
    hr = pSite->ParseScriptText(run.strScript);
    // A script error the engine reported is the one message; a bare code only when there is none.
    if (FAILED(hr)) {
        if (pSite->GetErrorText().IsEmpty()) {
            pSite->ShowMessage(CodeMessage("Failed to parse script.\nReturn code = %x", hr));
        }
    } else {
        hr = pSite->AddNamedItem("Vorn", SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE);
        if (FAILED(hr)) {
            pSite->ShowMessage(CodeMessage("Failed to add document to script's name space.\nReturn code = %x", hr));
        } else {
            hr = pSite->Connect();
            if (FAILED(hr) && pSite->GetErrorText().IsEmpty()) {
                pSite->ShowMessage(CodeMessage("Script failed to run.\nReturn code = %x", hr));
            }
        }
    }
    {
        std::lock_guard<std::mutex> guard(run.lock);
        run.pEngine = nullptr;
    }
    pSite->CloseEngine();
    pSite->ReleaseEngine();
    run.hr = hr;
}

DWORD WINAPI ScriptThreadProc(LPVOID pParam)
{
    auto* pShared = static_cast<std::shared_ptr<ScriptRun>*>(pParam);
    FxCallbackEntry("RunCardScript thread", 1, [&]() -> DWORD {
        ScriptRun& run = **pShared;
        const HRESULT hrInit = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            CFxComPtr<IDispatch> pVorn;
            HRESULT hr = CoGetInterfaceAndReleaseStream(run.pGateStream, IID_IDispatch, pVorn.ReceiveVoid());
            run.pGateStream = nullptr;
            if (FAILED(hr)) {
                run.hr = hr;
            } else {
                ExecuteScript(run, pVorn);
            }
            // The site's reference to the gate goes before the apartment does.
            if (run.pSite.IsValid()) {
                run.pSite->SetVornDispatch(nullptr);
            }
        }
        if (SUCCEEDED(hrInit)) {
            CoUninitialize();
        }
        return 0;
    });
    const HMODULE hSelf = (*pShared)->hSelf;
    delete pShared;
    if (hSelf != nullptr) {
        FreeLibraryAndExitThread(hSelf, 0);
    }
    return 0;
}

// Waits for the thread while serving the COM calls of its script (and paints); FALSE when it has
// not ended within dwMs.
BOOL WaitServing(HANDLE hThread, DWORD dwMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        const DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= dwMs) {
            return WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0;
        }
        const DWORD dwSlice = dwMs - dwElapsed < 100 ? dwMs - dwElapsed : 100;
        DWORD dwIndex = 0;
        HANDLE h = hThread;
        const HRESULT hr = CoWaitForMultipleHandles(0, dwSlice, 1, &h, &dwIndex);
        if (hr == S_OK) {
            return TRUE;
        }
        if (hr != RPC_S_CALLPENDING && WaitForSingleObject(hThread, dwSlice) == WAIT_OBJECT_0) {
            return TRUE;
        }
    }
}

// Code where a thread holds no lock of the process (heap, loader, runtime): the engine's own, and
// the C runtime's copy and fill routines it joins texts with. Worked out before the thread is
// suspended: looking a module or a function up takes the loader's lock, which it might hold.
class CLockFreeCode
{
public:
    CLockFreeCode()
    {
        const HMODULE hEngine = GetModuleHandleA("vbscript.dll");
        if (hEngine != nullptr) {
            const auto* pBase = reinterpret_cast<const BYTE*>(hEngine);
            const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
                pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
            Add(reinterpret_cast<DWORD_PTR>(pBase),
                reinterpret_cast<DWORD_PTR>(pBase) + pNt->OptionalHeader.SizeOfImage);
        }
#ifdef _WIN64
        const HMODULE hCrt = GetModuleHandleA("ucrtbase.dll");
        for (LPCSTR pszName : {"memcpy", "memmove", "memset"}) {
            const FARPROC pfn = hCrt != nullptr ? GetProcAddress(hCrt, pszName) : nullptr;
            if (pfn == nullptr) {
                continue;
            }
            const auto* pCode = reinterpret_cast<const BYTE*>(pfn);
            AddFunction(reinterpret_cast<DWORD_PTR>(pCode));
            // Wine's memcpy and memmove make a frame and call the routine that copies.
            if (pCode[0] == 0x48 && pCode[1] == 0x83 && pCode[2] == 0xEC && pCode[4] == 0xE8) {
                INT32 nOffset = 0;
                memcpy(&nOffset, pCode + 5, sizeof(nOffset));
                AddFunction(reinterpret_cast<DWORD_PTR>(pCode + 9 + nOffset));
            }
        }
#endif
    }

    BOOL Contains(DWORD_PTR dwAddress) const
    {
        for (int i = 0; i < m_nRanges; ++i) {
            if (dwAddress >= m_ranges[i].dwBegin && dwAddress < m_ranges[i].dwEnd) {
                return TRUE;
            }
        }
        return FALSE;
    }

private:
    void Add(DWORD_PTR dwBegin, DWORD_PTR dwEnd)
    {
        if (m_nRanges < kMaxRanges && dwBegin < dwEnd) {
            m_ranges[m_nRanges++] = {dwBegin, dwEnd};
        }
    }
#ifdef _WIN64
    void AddFunction(DWORD_PTR dwAddress)
    {
        DWORD64 qwBase = 0;
        const PRUNTIME_FUNCTION pFunction = RtlLookupFunctionEntry(dwAddress, &qwBase, nullptr);
        if (pFunction != nullptr) {
            Add(static_cast<DWORD_PTR>(qwBase + pFunction->BeginAddress),
                static_cast<DWORD_PTR>(qwBase + pFunction->EndAddress));
        }
    }
#endif

    static const int kMaxRanges = 8;
    struct Range
    {
        DWORD_PTR dwBegin;
        DWORD_PTR dwEnd;
    };
    Range m_ranges[kMaxRanges] = {};
    int m_nRanges = 0;
};

// For an engine that cannot be interrupted (Wine's VBScript answers E_NOTIMPL): the thread is
// ended while it runs lock-free code, never inside a call that may hold a lock; a thread calling
// the control is ended by the gate while it waits for the answer.
BOOL EndEngineThread(HANDLE hThread)
{
    const CLockFreeCode safe;
    for (int nTry = 0; nTry < 300; ++nTry) {
        if (WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0) {
            return TRUE;
        }
        if (SuspendThread(hThread) != static_cast<DWORD>(-1)) {
            // Nothing here may take a lock until the thread runs again or has ended.
            CONTEXT ctx = {};
            ctx.ContextFlags = CONTEXT_CONTROL;
#ifdef _WIN64
            const BOOL bSafe = GetThreadContext(hThread, &ctx) && safe.Contains(ctx.Rip);
#else
            const BOOL bSafe = GetThreadContext(hThread, &ctx) && safe.Contains(ctx.Eip);
#endif
            if (bSafe && TerminateThread(hThread, 1)) {
                return WaitForSingleObject(hThread, 5000) == WAIT_OBJECT_0;
            }
            ResumeThread(hThread);
        }
        WaitServing(hThread, 10);
    }
    return WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0;
}

// The end of the outermost run in progress (GetTickCount), so that a script cannot outrun its
// limit by starting another; only the thread that serves the control uses it.
DWORD g_dwRunEnd = 0;
BOOL g_bRunEndSet = FALSE;
// Engine threads started and not yet seen to end.
long g_nScriptThreads = 0;
} // namespace

void CCardScriptEngine::SetVornDispatch(IDispatch* pDisp)
{
    if (pDisp != nullptr) {
        pDisp->AddRef();
    }
    m_pVorn.Attach(pDisp);
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
    return FxOleEntry("CCardScriptEngine::GetItemInfo", nullptr, [&]() -> HRESULT {
        const CString strName(pstrName != nullptr ? pstrName : L"");
        if (strName.CompareNoCase("Vorn") != 0 || (m_pCtl == nullptr && !m_pVorn.IsValid())) {
            CString strText;
            strText.Format("The script engine asked for information\nfor an unknown object named \"%s\".",
                           strName.GetString());
            ShowMessage(strText, MB_OK | MB_ICONEXCLAMATION);
            return E_UNEXPECTED;
        }
        if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) != 0) {
            if (ppiunkItem == nullptr) {
                return E_POINTER;
            }
            if (m_pVorn.IsValid()) {
                m_pVorn->AddRef();
                *ppiunkItem = m_pVorn;
            } else {
                *ppiunkItem = m_pCtl->GetIDispatch(TRUE);
            }
        }
        return S_OK;
    });
}

BOOL RunCardScript(CVornCtlCtrl* pCtl, const CString& strScript)
{
    if (strScript.IsEmpty()) {
        return TRUE;
    }
    if (pCtl != nullptr && !pCtl->GetRunTemplateScripts()) {
        return FALSE;
    }
    const long lLimit = pCtl != nullptr ? pCtl->GetScriptTimeLimit() : CVornCtlCtrl::kDefaultScriptTimeLimit;
    // A run started by a script ends no later than the run that started it.
    const DWORD dwNow = GetTickCount();
    DWORD dwLimitMs = lLimit > 0 ? static_cast<DWORD>(lLimit) * 1000 : INFINITE;
    if (g_bRunEndSet) {
        const LONG nLeft = static_cast<LONG>(g_dwRunEnd - dwNow);
        const DWORD dwLeft = nLeft > 0 ? static_cast<DWORD>(nLeft) : 1;
        dwLimitMs = dwLimitMs < dwLeft ? dwLimitMs : dwLeft;
    }

    auto run = std::make_shared<ScriptRun>();
    run->strScript = strScript;
    CFxComPtr<CScriptGate> pGate(new CScriptGate(pCtl));
    HRESULT hr =
        CoMarshalInterThreadInterfaceInStream(IID_IDispatch, static_cast<IDispatch*>(pGate), &run->pGateStream);
    CFxHandle hThread;
    if (SUCCEEDED(hr)) {
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&ScriptThreadProc),
                           &run->hSelf);
        auto* pShared = new std::shared_ptr<ScriptRun>(run);
        hThread.Attach(CreateThread(nullptr, 0, &ScriptThreadProc, pShared, 0, nullptr));
        if (!hThread.IsValid()) {
            hr = HRESULT_FROM_WIN32(GetLastError());
            delete pShared;
            if (run->hSelf != nullptr) {
                FreeLibrary(run->hSelf);
            }
            CFxComPtr<IStream> pStream(run->pGateStream);
            run->pGateStream = nullptr;
            CoReleaseMarshalData(pStream);
        }
    }
    if (FAILED(hr)) {
        FxMessageBox(MainWindow(), CodeMessage("Failed to create script engine.\nReturn code = %x", hr), nullptr,
                     MB_OK);
        return FALSE;
    }

    ++g_nScriptThreads;
    const BOOL bOuter = !g_bRunEndSet;
    if (bOuter && dwLimitMs != INFINITE) {
        g_bRunEndSet = TRUE;
        g_dwRunEnd = dwNow + dwLimitMs;
    }
    BOOL bEnded = WaitServing(hThread, dwLimitMs);
    if (!bEnded) {
        // Time is up: the script reaches the control no more, and the engine is asked to stop.
        pGate->Stop();
        BOOL bInterrupted = FALSE;
        {
            std::lock_guard<std::mutex> guard(run->lock);
            if (run->pEngine != nullptr) {
                EXCEPINFO excep = {};
                bInterrupted = SUCCEEDED(run->pEngine->InterruptScriptThread(SCRIPTTHREADID_ALL, &excep, 0));
            }
        }
        // A script still calling the control ends on the refused call; an interrupted engine ends
        // by itself. An engine that cannot be stopped at all is left running with no way to the
        // control; its objects are never touched again (the run's state stays with its thread).
        if (!WaitServing(hThread, bInterrupted ? 2000 : 200)) {
            pGate->EndCallerOnNextCall(hThread);
            EndEngineThread(hThread);
        }
        // Whatever the engine's thread still holds reaches nothing.
        pGate->Detach();
        CoDisconnectObject(static_cast<IDispatch*>(pGate), 0);
    }
    if (WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0) {
        --g_nScriptThreads;
    }
    if (bOuter) {
        g_bRunEndSet = FALSE;
    }
    if (!bEnded) {
        CString strText;
        strText.Format("脚本运行超过 %lu 秒，已被终止。", (dwLimitMs + 999) / 1000);
        FxMessageBox(MainWindow(), strText, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (run->pSite.IsValid()) {
        run->pSite->ShowKeptMessages();
        if (!run->pSite->GetErrorText().IsEmpty()) {
            FxMessageBox(MainWindow(), run->pSite->GetErrorText(), kCaption, MB_OK | MB_ICONEXCLAMATION);
        }
    }
    return SUCCEEDED(run->hr);
}

long GetScriptThreadCount()
{
    return g_nScriptThreads;
}
