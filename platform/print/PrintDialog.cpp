#include "platform/print/PrintDialog.h"

#include "platform/base/String.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Wnd.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_pd(), m_hOwnDevMode(nullptr), m_hOwnDevNames(nullptr)
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
    FreeOwnHandles();
}

void CPrintDialog::FreeOwnHandles()
{
    if (m_hOwnDevMode != nullptr) {
        if (m_pd.hDevMode == m_hOwnDevMode) {
            m_pd.hDevMode = nullptr;
        }
        ::GlobalFree(m_hOwnDevMode);
        m_hOwnDevMode = nullptr;
    }
    if (m_hOwnDevNames != nullptr) {
        if (m_pd.hDevNames == m_hOwnDevNames) {
            m_pd.hDevNames = nullptr;
        }
        ::GlobalFree(m_hOwnDevNames);
        m_hOwnDevNames = nullptr;
    }
}

BOOL CPrintDialog::LoadDefaults(BOOL bSystemWithoutApp)
{
    FreeOwnHandles();
    if (CWinApp* pApp = FxGetApp()) {
        if (!pApp->GetPrinterDeviceDefaults(&m_pd)) {
            return FALSE;
        }
    } else if (!bSystemWithoutApp) {
        return FALSE;
    } else {
        // A host without our application object: the system's default printer, ours to free.
        PRINTDLGA pd = {};
        pd.lStructSize = sizeof(pd);
        pd.Flags = PD_RETURNDEFAULT;
        if (!::PrintDlgA(&pd)) {
            return FALSE;
        }
        m_hOwnDevMode = m_pd.hDevMode = pd.hDevMode;
        m_hOwnDevNames = m_pd.hDevNames = pd.hDevNames;
    }
    // The page setup goes into a copy: the application's settings change only by the user's OK.
    if (!m_pageSetup.IsEmpty() && m_pd.hDevMode != nullptr) {
        if (HGLOBAL hCopy = m_pageSetup.CopyDevMode(m_pd.hDevMode)) {
            if (m_hOwnDevMode != nullptr) {
                ::GlobalFree(m_hOwnDevMode);
            }
            m_hOwnDevMode = m_pd.hDevMode = hCopy;
        }
    }
    return TRUE;
}

INT_PTR CPrintDialog::DoModal()
{
    CWinApp* pApp = FxGetApp();
    // Without an application and a page setup the system's dialog finds its default printer itself.
    if (pApp != nullptr || !m_pageSetup.IsEmpty()) {
        LoadDefaults(TRUE);
    } else {
        FreeOwnHandles();
    }
    const HGLOBAL hAppDevMode = pApp != nullptr && pApp->m_hDevMode != m_pd.hDevMode ? pApp->m_hDevMode : nullptr;
    if (m_pd.hwndOwner == nullptr) {
        CWnd* pMain = FxGetMainWnd();
        m_pd.hwndOwner = pMain != nullptr ? pMain->m_hWnd : nullptr;
    }
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    BOOL bOk = ::PrintDlgA(&m_pd);
    // Wine's dialog makes its DC on the printer's port, and a port "FILE:" then becomes a file of
    // that name: the DC is made again from the chosen settings, and the spooler serves the port.
    if (bOk && (m_pd.Flags & PD_RETURNDC) != 0) {
        bOk = CreatePrinterDC() != nullptr;
    }
    // PrintDlg may have replaced the handles it was given (and freed those): whatever came back
    // is what this dialog or the application holds now.
    if (pApp == nullptr) {
        m_hOwnDevMode = m_pd.hDevMode;
        m_hOwnDevNames = m_pd.hDevNames;
        return bOk ? IDOK : IDCANCEL;
    }
    if (m_hOwnDevMode != nullptr) {
        m_hOwnDevMode = m_pd.hDevMode;
    }
    if (!bOk) {
        return IDCANCEL;
    }
    pApp->SelectPrinter(m_pd.hDevNames, m_pd.hDevMode, FALSE);
    // The application took the copy in place of its own settings, which nobody holds now.
    if (hAppDevMode != nullptr && hAppDevMode != m_pd.hDevMode) {
        ::GlobalFree(hAppDevMode);
    }
    m_hOwnDevMode = nullptr;
    return IDOK;
}

BOOL CPrintDialog::GetDefaults(BOOL bSystemWithoutApp)
{
    if (!LoadDefaults(bSystemWithoutApp)) {
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

BOOL CPrintDialog::ResetPrinterDC(HDC hDC, const CPrintPageSetup& setup) const
{
    HGLOBAL hCopy = setup.CopyDevMode(m_pd.hDevMode);
    if (hDC == nullptr || hCopy == nullptr) {
        if (hCopy != nullptr) {
            ::GlobalFree(hCopy);
        }
        return FALSE;
    }
    BOOL bOk = FALSE;
    if (const DEVMODEA* pMode = static_cast<const DEVMODEA*>(::GlobalLock(hCopy))) {
        bOk = ::ResetDCA(hDC, pMode) != nullptr;
        ::GlobalUnlock(hCopy);
    }
    ::GlobalFree(hCopy);
    return bOk;
}

BOOL CPrintDialog::IsPageSetupKept() const
{
    if (m_pageSetup.IsEmpty() || m_pd.hDevMode == nullptr) {
        return FALSE;
    }
    const DEVMODEA* pMode = static_cast<const DEVMODEA*>(::GlobalLock(m_pd.hDevMode));
    if (pMode == nullptr) {
        return FALSE;
    }
    const BOOL bKept = pMode->dmOrientation == m_pageSetup.m_nOrientation &&
                       (m_pageSetup.m_nPaperSize == 0 || pMode->dmPaperSize == m_pageSetup.m_nPaperSize);
    ::GlobalUnlock(m_pd.hDevMode);
    return bKept;
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
