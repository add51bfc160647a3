// The script editor's find dialog (template 8601): works on the view that opened it through its
// search and selection operations.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CCodeTextView;

class CCodeFindDlg : public CDialog
{
public:
    explicit CCodeFindDlg(CCodeTextView* pView);

    // The search flags of the dialog's values (FIND_MATCH_CASE and the others).
    DWORD GetFlags() const;

    CCodeTextView* m_pView;
    CPoint m_ptCurrentPos;
    int m_nDirection; // 0 up, 1 down
    int m_bMatchCase;
    CString m_strText;
    int m_bWholeWord;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnChangeText();
    void UpdateControls();

    FX_DECLARE_MESSAGE_MAP()
};

// The nothing-found message of both dialogs for pszText, from string 8606 of hResModule.
CString CodeNotFoundMessage(HINSTANCE hResModule, LPCSTR pszText);
