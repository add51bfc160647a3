// The script editor's replace dialog (template 8602): works on the edit view that opened it
// through its search, selection and edit operations.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CCodeEditView;

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
