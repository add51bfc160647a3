// One page of a property sheet: a dialog template the common property sheet shows under a tab.
#pragma once

#include "platform/win/Dialog.h"

// After the windows headers, which it needs.
#include <prsht.h>

class FX_API CPropertyPage : public CDialog
{
    FX_DECLARE_DYNAMIC(CPropertyPage)

public:
    // The tab shows the template's caption, or the string nIDCaption when it is not 0.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    // The page as the sheet hands it to the common property sheet (filled when the sheet opens).
    PROPSHEETPAGEA m_psp;

    // What the sheet asks of the page. OnSetActive FALSE keeps the page from showing;
    // OnKillActive FALSE keeps the user on it.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    // Wizard buttons. Back and Next answer 0 to go on to the neighbouring page, -1 to stay, or a
    // page's template id to go there; Finish answers FALSE to keep the wizard open.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Fills m_psp for the sheet; FALSE when the template is found in no module.
    BOOL PrepareSheetPage();

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The sheet's buttons work for the page: its own OK and Cancel do not end a dialog.
    void OnOK() override;
    void OnCancel() override;

private:
    friend INT_PTR CALLBACK FxPageProc(HWND, UINT, WPARAM, LPARAM);
    CString m_strCaption;
};

FX_API INT_PTR CALLBACK FxPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
