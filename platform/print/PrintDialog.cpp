#include "platform/print/PrintDialog.h"

#include "platform/base/String.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Wnd.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pd()
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.hwndOwner = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
    }
}

INT_PTR CPrintDialog::DoModal()
{
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr) {
        pApp->GetPrinterDeviceDefaults(&m_pd);
    }
    if (m_pd.hwndOwner == nullptr) {
        CWnd* pMain = FxGetMainWnd();
        m_pd.hwndOwner = pMain != nullptr ? pMain->m_hWnd : nullptr;
    }
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (!::PrintDlgA(&m_pd)) {
        return IDCANCEL;
    }
    // PrintDlg may have replaced the handles it was given (and freed those): take them as they
    // came back, freeing nothing here.
    if (pApp != nullptr) {
        pApp->SelectPrinter(m_pd.hDevNames, m_pd.hDevMode, FALSE);
    }
    return IDOK;
}

BOOL CPrintDialog::GetDefaults()
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&m_pd)) {
        return FALSE;
    }
    if ((m_pd.Flags & PD_RETURNDC) != 0) {
        return CreatePrinterDC() != nullptr;
    }
    return TRUE;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (m_pd.hDevNames == nullptr) {
        return nullptr;
    }
    const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (pNames == nullptr) {
        return nullptr;
    }
    const DEVMODEA* pMode =
        m_pd.hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    const char* pBase = reinterpret_cast<const char*>(pNames);
    m_pd.hDC = ::CreateDCA(pBase + pNames->wDriverOffset, pBase + pNames->wDeviceOffset, nullptr, pMode);
    if (pMode != nullptr) {
        ::GlobalUnlock(m_pd.hDevMode);
    }
    ::GlobalUnlock(m_pd.hDevNames);
    return m_pd.hDC;
}

HDC CPrintDialog::DetachPrinterDC()
{
    HDC hDC = m_pd.hDC;
    m_pd.hDC = nullptr;
    return hDC;
}

CString CPrintDialog::GetDeviceName() const
{
    CString strName;
    if (m_pd.hDevNames != nullptr) {
        if (const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames))) {
            strName = reinterpret_cast<const char*>(pNames) + pNames->wDeviceOffset;
            ::GlobalUnlock(m_pd.hDevNames);
        }
    }
    return strName;
}
