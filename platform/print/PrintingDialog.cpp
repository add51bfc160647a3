#include "platform/print/PrintingDialog.h"

#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/print/FxResource.h"
#include "platform/res/resource.h"

namespace
{
BOOL g_bUserAbort = FALSE;
HWND g_hWndPrinting = nullptr;
} // namespace

FX_IMPLEMENT_DYNAMIC(CPrintingDialog, CDialog)

CPrintingDialog::CPrintingDialog() : CDialog(IDD_FX_PRINTING)
{
}

CPrintingDialog::~CPrintingDialog()
{
    if (g_hWndPrinting == m_hWnd) {
        g_hWndPrinting = nullptr;
    }
}

BOOL CPrintingDialog::Create(CWnd* pParentWnd, LPCSTR lpszDocName, LPCSTR lpszPrinterName)
{
    g_bUserAbort = FALSE;
    // The template is VornFx's own: made from its module whatever is current.
    const HINSTANCE hOld = CFxResMgr::GetResourceHandle();
    CFxResMgr::SetResourceHandle(FxGetFxInstance());
    const BOOL bCreated = CDialog::Create(IDD_FX_PRINTING, pParentWnd);
    CFxResMgr::SetResourceHandle(hOld);
    if (!bCreated) {
        return FALSE;
    }
    g_hWndPrinting = m_hWnd;
    SetDlgItemText(IDC_FX_PRINT_DOCNAME, lpszDocName);
    SetDlgItemText(IDC_FX_PRINT_PRINTERNAME, lpszPrinterName);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

void CPrintingDialog::SetPage(UINT nPage)
{
    const CString strFormat = FxLoadFxString(FX_IDS_PRINT_PAGENUM);
    CString strPage;
    if (!strFormat.IsEmpty()) {
        strPage.Format(strFormat, nPage);
    }
    SetDlgItemText(IDC_FX_PRINT_PAGENUM, strPage);
}

BOOL CPrintingDialog::IsUserAbort()
{
    return g_bUserAbort;
}

void CPrintingDialog::OnCancel()
{
    g_bUserAbort = TRUE;
    if (CWnd* pCancel = GetDlgItem(IDCANCEL)) {
        pCancel->EnableWindow(FALSE);
    }
}

BOOL CALLBACK CPrintingDialog::AbortProc(HDC, int)
{
    return FxCallbackEntry("print abort procedure", FALSE, [&]() -> BOOL {
        MSG msg;
        while (!g_bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (g_hWndPrinting == nullptr || !::IsDialogMessageA(g_hWndPrinting, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        return !g_bUserAbort;
    });
}
