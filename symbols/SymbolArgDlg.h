// Modal dialog "编辑变量": lists the variable texts of a custom symbol and edits their values
// into an argument string.
#pragma once

#include "platform/win/Dialog.h"
#include "platform/win/ListCtrl.h"
#include "symbols/GlyphworkExport.h"

class CObList;

class GLYPHWORK_API CSymbolArgDlg : public CDialog
{
public:
    explicit CSymbolArgDlg(CWnd* pParent = nullptr);

    CObList* m_pListVText;  // the symbol's variable texts; not owned
    CString m_strArguments; // the result: "name = 'value';  " per row
    CListCtrl m_listVar;
    CString m_strMark;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnEditVar();
    void OnDblClkListVar(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()

private:
    // Shows the message and closes the dialog with IDCANCEL; returns FALSE for OnInitDialog.
    BOOL FailStart(LPCSTR pszMessage);
};
