// A property sheet over the common control: pages under tabs, with OK, Cancel and Apply.
#pragma once

#include "platform/base/PtrArray.h"
#include "platform/win/Wnd.h"

class CPropertyPage;

// What DoModal answers when a wizard ends with its Finish button.
#define ID_WIZFINISH 0x3025

class FX_API CPropertySheet : public CWnd
{
    FX_DECLARE_DYNAMIC(CPropertySheet)

public:
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // The sheet shows the pages in the order added; it does not own them.
    void AddPage(CPropertyPage* pPage);
    // Before the sheet opens: the page is no longer shown.
    void RemovePage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
    CPropertyPage* GetPage(int nPage) const;
    // The active page's index, -1 when the sheet is not open.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int nPage);
    // The sheet's tab strip (a temporary wrapper), null when the sheet is not open.
    CWnd* GetTabControl() const;

    // IDOK when the user accepted, IDCANCEL when not, -1 when the sheet could not open.
    virtual INT_PTR DoModal();
    // Modeless: the caller destroys the window when it is done.
    BOOL Create(CWnd* pParentWnd = nullptr);

    // Called once the sheet has made its tabs and first page.
    virtual BOOL OnInitDialog();

    // Before opening: Back, Next and Finish instead of tabs, OK and Cancel. DoModal then answers
    // ID_WIZFINISH when the user finished, IDCANCEL otherwise.
    void SetWizardMode() { m_bWizard = TRUE; }
    BOOL IsWizardMode() const { return m_bWizard; }
    // PSWIZB_* flags. Posted: a page asks for its buttons while the sheet is still switching to it.
    void SetWizardButtons(DWORD dwFlags);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend LRESULT CALLBACK FxSheetCbtHook(int, WPARAM, LPARAM);
    // A page that accepted Finish tells the sheet, since the common sheet's result does not.
    friend class CPropertyPage;
    INT_PTR Open(BOOL bModeless, HWND hWndParent);

    CString m_strCaption;
    CWnd* m_pParentWnd;
    UINT m_nStartPage;
    CPtrArray m_pages;
    BOOL m_bWizard;
    BOOL m_bFinished;
};
