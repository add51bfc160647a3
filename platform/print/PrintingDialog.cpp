#include "platform/print/PrintingDialog.h"

#include "platform/base/Firewall.h"
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
    if (!CDialog::Create(IDD_FX_PRINTING, pParentWnd)) {
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
    CString strFormat;
    CString strPage;
    if (strFormat.LoadString(FX_IDS_PRINT_PAGENUM)) {
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
    try {
        MSG msg;
        while (!g_bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (g_hWndPrinting == nullptr || !::IsDialogMessageA(g_hWndPrinting, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        return !g_bUserAbort;
    } catch (...) {
        FxReportException("print abort procedure");
        return FALSE;
    }
}
