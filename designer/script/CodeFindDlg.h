// The script editor's find dialog (template 8601) and replace dialog (template 8602). Each works
// on the view that opened it through its search and selection operations.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CCodeTextView;
class CCodeEditView;

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

class CCodeReplaceDlg : public CDialog
{
public:
    explicit CCodeReplaceDlg(CCodeEditView* pView);

    CCodeEditView* m_pView;
    BOOL m_bFound;
    CPoint m_ptFoundAt;
    BOOL m_bEnableScopeSelection;
    CPoint m_ptCurrentPos;
    CPoint m_ptBlockBegin;
    CPoint m_ptBlockEnd;
    int m_bMatchCase;
    int m_bWholeWord;
    CString m_strText;
    CString m_strNewText;
    int m_nScope; // 0 within the selection, 1 the whole text

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnChangeText();
    void OnEditSkip();
    void OnEditReplace();
    void OnEditReplaceAll();
    // One replacement of the selected match, then the search for the next; FALSE when none follows.
    BOOL ReplaceFound();
    BOOL DoHighlightText(CPoint ptFrom);
    void UpdateControls();

    FX_DECLARE_MESSAGE_MAP()
};

// The nothing-found message for pszText, from string 8606 of hResModule.
CString CodeNotFoundMessage(HINSTANCE hResModule, LPCSTR pszText);
