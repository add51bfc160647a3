// The page range of one page-numbering entry: which card, from which page to which (or to the
// last page).
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"

class VORNCARD_API CSelCardPageDlg : public CDialog
{
public:
    // Page numbers run to this; "to the last page" stands for it.
    static constexpr int kMaxPage = 10000;

    explicit CSelCardPageDlg(CWnd* pParent = nullptr);

    CString m_strCardName;
    CStringArray m_arrCardNames;
    int m_nFromPage;
    int m_nToPage;
    int m_bLastPage;
    // The first entry always starts at page 1: its first page cannot be edited.
    int m_bFirstEntry;
    // The first page cannot be lowered below this (the preset first page).
    int m_nFromLimit;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCkLastPage();
    void OnDeltaposFromPage(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposToPage(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()

private:
    // The two page edits show the members.
    void ShowPages();
    // The members take what the two page edits hold.
    void ReadPages();
    void EnableLastPage();
};
