#include "platform/win/Dialog.h"

#include <commctrl.h>

#include <string>

#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/DataExchange.h"

namespace
{
FX_DIALOG_HOOK g_pfnOpenedHook = nullptr;

// Posted at the end of WM_INITDIALOG so the hook runs once the dialog is up and its loop runs.
UINT OpenedMessage()
{
    static UINT nMsg = RegisterWindowMessageA("VornFxDialogOpened");
    return nMsg;
}

const LPCSTR RT_FXDLGINIT = MAKEINTRESOURCEA(240);

// Templates name common controls (list views, up-downs) by class: register them once.
void InitCommonControlClasses()
{
    static bool bDone = false;
    if (!bDone) {
        INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        bDone = InitCommonControlsEx(&icc) != FALSE;
    }
}
} // namespace

INT_PTR CALLBACK FxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    return FxCallbackEntry("dialog procedure", FALSE, [&]() -> INT_PTR {
        CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
        if (pDlg == nullptr || CWnd::FromHandlePermanent(hWnd) != nullptr) {
            return TRUE;
        }
        return pDlg->HandleInitDialog(hWnd);
    });
}

FX_IMPLEMENT_DYNAMIC(CDialog, CWnd)

FX_BEGIN_MESSAGE_MAP(CDialog, CWnd)
FX_ON_COMMAND(IDOK, OnOK)
FX_ON_COMMAND(IDCANCEL, OnCancel)
FX_END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_pParentWnd(nullptr), m_bModal(FALSE), m_nModalResult(-1), m_hTemplateInst(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd), m_bModal(FALSE), m_nModalResult(-1),
      m_hTemplateInst(nullptr)
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd), m_bModal(FALSE), m_nModalResult(-1),
      m_hTemplateInst(nullptr)
{
}

UINT CDialog::GetTemplateID() const
{
    return IS_INTRESOURCE(m_lpszTemplateName) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(m_lpszTemplateName)) : 0;
}

FX_DIALOG_HOOK CDialog::SetOpenedHook(FX_DIALOG_HOOK pfnHook)
{
    FX_DIALOG_HOOK pfnOld = g_pfnOpenedHook;
    g_pfnOpenedHook = pfnHook;
    return pfnOld;
}

HWND CDialog::ParentHwnd() const
{
    if (m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr) {
        return m_pParentWnd->m_hWnd;
    }
    return GetActiveWindow();
}

INT_PTR CDialog::DoModal()
{
    if (m_lpszTemplateName == nullptr || m_hWnd != nullptr) {
        return -1;
    }
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (hInst == nullptr) {
        return -1;
    }
    // The module that holds the template also gives its pictures and initial data.
    InitCommonControlClasses();
    m_hTemplateInst = hInst;
    m_bModal = TRUE;
    m_nModalResult = -1;
    INT_PTR nResult =
        DialogBoxParamA(hInst, m_lpszTemplateName, ParentHwnd(), FxDlgProc, reinterpret_cast<LPARAM>(this));
    m_bModal = FALSE;
    return nResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (lpszTemplateName == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd != nullptr) {
        m_pParentWnd = pParentWnd;
    }
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5));
    if (hInst == nullptr) {
        return FALSE;
    }
    InitCommonControlClasses();
    m_hTemplateInst = hInst;
    m_bModal = FALSE;
    m_nModalResult = -1;
    HWND hWnd = CreateDialogParamA(hInst, m_lpszTemplateName, ParentHwnd(), FxDlgProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr && hWnd == m_hWnd;
}

BOOL CDialog::HandleInitDialog(HWND hWnd, BOOL bAnnounce)
{
    if (!HookWindow(hWnd)) {
        return FALSE;
    }
    ExecuteDlgInit(m_hTemplateInst);
    CRect rcBefore;
    ::GetWindowRect(hWnd, &rcBefore);
    BOOL bResult = OnInitDialog();
    // Templates give no place; a dialog that did not place itself opens over its owner.
    CRect rcAfter;
    if (::IsWindow(hWnd) && (GetStyle() & WS_CHILD) == 0 && ::GetWindowRect(hWnd, &rcAfter) &&
        rcAfter.TopLeft() == rcBefore.TopLeft()) {
        FxCenterOverOwner(hWnd);
    }
    // A dialog that ended while it opened is never shown: nobody needs to hear of it.
    if (bAnnounce && g_pfnOpenedHook != nullptr && m_nModalResult == -1) {
        PostMessage(OpenedMessage());
    }
    return bResult;
}

void CDialog::ExecuteDlgInit(HINSTANCE hInst)
{
    if (hInst == nullptr || m_lpszTemplateName == nullptr) {
        return;
    }
    HRSRC hRes = FindResourceA(hInst, m_lpszTemplateName, RT_FXDLGINIT);
    if (hRes == nullptr) {
        return;
    }
    HGLOBAL hData = LoadResource(hInst, hRes);
    const BYTE* pData = hData != nullptr ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
    DWORD cbData = SizeofResource(hInst, hRes);
    if (pData == nullptr) {
        return;
    }
    // Records of: WORD control id, WORD message, NUL-terminated UTF-8 text; a control id 0 ends.
    DWORD nPos = 0;
    while (nPos + 4 <= cbData) {
        WORD nIDC = static_cast<WORD>(pData[nPos] | (pData[nPos + 1] << 8));
        WORD nMsg = static_cast<WORD>(pData[nPos + 2] | (pData[nPos + 3] << 8));
        if (nIDC == 0) {
            break;
        }
        nPos += 4;
        DWORD nEnd = nPos;
        while (nEnd < cbData && pData[nEnd] != 0) {
            ++nEnd;
        }
        if (nEnd >= cbData) {
            break; // unterminated text: malformed data, stop
        }
        // windres keeps the source's UTF-8 bytes; controls take GBK.
        LPCSTR pszUtf8 = reinterpret_cast<LPCSTR>(pData + nPos);
        int cchWide = MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, nullptr, 0);
        std::wstring strWide(static_cast<size_t>(cchWide > 0 ? cchWide : 1), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, strWide.data(), cchWide);
        CString strText(strWide.c_str());
        SendDlgItemMessage(nIDC, nMsg, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
        nPos = nEnd + 1;
    }
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == OpenedMessage()) {
        if (g_pfnOpenedHook != nullptr) {
            g_pfnOpenedHook(this, m_bModal);
        }
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != nullptr) {
        m_nModalResult = nResult;
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr && m_hWnd != nullptr) {
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
    }
}
