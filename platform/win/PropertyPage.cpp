#include "platform/win/PropertyPage.h"

#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/PropertySheet.h"

FX_IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

INT_PTR CALLBACK FxPageProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    return FxCallbackEntry("property page procedure", FALSE, [&]() -> INT_PTR {
        // The sheet hands the page its own copy of the page record; lParam survives the copy.
        const PROPSHEETPAGEA* pPsp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        CPropertyPage* pPage = pPsp != nullptr ? reinterpret_cast<CPropertyPage*>(pPsp->lParam) : nullptr;
        if (pPage == nullptr || CWnd::FromHandlePermanent(hWnd) != nullptr) {
            return TRUE;
        }
        return pPage->HandleInitDialog(hWnd, FALSE);
    });
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate), m_psp{}
{
    if (nIDCaption != 0) {
        m_strCaption.LoadString(nIDCaption);
    }
}

BOOL CPropertyPage::PrepareSheetPage()
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (hInst == nullptr) {
        return FALSE;
    }
    m_psp = {};
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = hInst;
    m_psp.pszTemplate = m_lpszTemplateName;
    m_psp.pfnDlgProc = FxPageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (!m_strCaption.IsEmpty()) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    return TRUE;
}

void CPropertyPage::OnReset()
{
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr == nullptr || pHdr->hwndFrom != ::GetParent(m_hWnd)) {
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    LRESULT lResult = 0;
    switch (pHdr->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        if (OnWizardFinish()) {
            CWnd* pSheet = CWnd::FromHandlePermanent(pHdr->hwndFrom);
            if (pSheet != nullptr && pSheet->IsKindOf(FX_RUNTIME_CLASS(CPropertySheet))) {
                static_cast<CPropertySheet*>(pSheet)->m_bFinished = TRUE;
            }
        } else {
            lResult = TRUE;
        }
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // The sheet reads the answer from the window procedure; a dialog's answer also goes here.
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    *pResult = lResult;
    return TRUE;
}
