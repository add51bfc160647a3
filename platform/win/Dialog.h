// A dialog box from a template in a module's resources, modal or modeless, with data exchange.
#pragma once

#include "platform/win/Wnd.h"

class CDataExchange;
class CDialog;

// Told when a dialog has opened and is being shown (after OnInitDialog); tests use it to answer
// dialogs instead of a person.
typedef void (*FX_DIALOG_HOOK)(CDialog* pDlg, BOOL bModal);

class FX_API CDialog : public CWnd
{
    FX_DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // The template is looked up in the current resource module, then in the chain of library
    // modules; -1 when it is found nowhere or the dialog cannot be created.
    virtual INT_PTR DoModal();
    // Modeless.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    void EndDialog(int nResult);
    // The result EndDialog was given; -1 while the dialog runs (Win32 does not tell).
    int GetModalResult() const { return m_nModalResult; }
    // Runs DoDataExchange; FALSE when a check refused the data (the user has been told).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // The numeric id of the template, 0 for a named one.
    UINT GetTemplateID() const;
    BOOL IsModal() const { return m_bModal; }

    virtual BOOL OnInitDialog();

    static FX_DIALOG_HOOK SetOpenedHook(FX_DIALOG_HOOK pfnHook);

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Binds the dialog to its window and initialises it; bAnnounce tells the opened hook (a
    // property page is no dialog of its own to answer).
    BOOL HandleInitDialog(HWND hWnd, BOOL bAnnounce = TRUE);

    LPCSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

    FX_DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR CALLBACK FxDlgProc(HWND, UINT, WPARAM, LPARAM);
    // Fills controls from the template's initial data (resource type 240, same id as the dialog).
    void ExecuteDlgInit(HINSTANCE hInst);
    HWND ParentHwnd() const;

    BOOL m_bModal;
    int m_nModalResult;
    HINSTANCE m_hTemplateInst;
};

// The suite's one dialog procedure: it binds the dialog to its object at WM_INITDIALOG and hands
// every later message to FxWndProc through the subclassed window.
FX_API INT_PTR CALLBACK FxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
