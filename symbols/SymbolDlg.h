// Modal palette "我的符号库": the user picks one special character from named groups kept in an
// INI file, and edits those groups.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "symbols/SymbolBn.h"
#include "symbols/SymbolData.h"

class GLYPHWORK_API CSymbolDlg : public CDialog
{
public:
    enum { nSymbolBns = 16 };

    explicit CSymbolDlg(CWnd* pParent = nullptr);

    CString m_strFileName;
    CSymbolData m_SymbolData;
    CString m_strSymbol; // the chosen character, read after IDOK
    int m_bModified;     // the groups are saved on OK only when set
    CSymbolBn m_btnSymbol[nSymbolBns];
    CButton m_btnDelete;
    CWnd m_listGroup; // list box of the group names

    // The work directory: the file is its "Ini\Symbol.dat".
    void SetSymbolDataFile(CString strDir);
    // Shows the characters of the group selected in the list.
    void SetSymbol();

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelchangeGroupList();
    void OnAddGroup();
    void OnDeleteGroup();
    LRESULT OnUnselectAll(WPARAM wParam, LPARAM lParam);
    LRESULT OnReturnSymbol(WPARAM wParam, LPARAM lParam);
    LRESULT OnSymbolChanged(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    CString GetSelectedGroupName() const;
    void EnableSymbolButtons(BOOL bEnable);
};
