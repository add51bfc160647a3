// The page numbering of a card: which card each page range uses. Edits its own copy of the
// entries; the first entry always starts at page 1 and cannot be deleted.
#pragma once

#include "common/KvHotButton.h"
#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListCtrl.h"

class VORNCARD_API CSetPageMakerDlg : public CDialog
{
public:
    explicit CSetPageMakerDlg(CWnd* pParent = nullptr);
    ~CSetPageMakerDlg() override;

    // Copies of the caller's CPageMaker entries.
    void LoadPageMake(const CObList& listEntries);
    // Frees the caller's entries and gives it copies of the dialog's.
    void GetPageMake(CObList& listEntries) const;

    // Sets pages nFrom to nTo (a lower nTo: nFrom alone) to the card.
    void ModifyOneCardPageMaker(const CString& strCard, int nFrom, int nTo);
    void DelOneCardPageMaker(int nIndex);
    // The entry's last page, from the entry after it; 0 for the last entry.
    void GetOneCardEndPage(int nIndex, int& nEnd) const;
    void SortCardPageMaker();
    // Sorts the entries and shows them.
    void RefurbishItem();
    static void DetachPageMakerList(CObList& listEntries);

    CObList m_listPageMaker;     // CPageMaker, owned
    CStringArray m_arrCardNames; // the cards offered

    BOOL OnInitDialog() override;

protected:
    void OnBnAdd();
    void OnBnDel();
    void OnDblclkLcCardpage(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()

public:
    CListCtrl m_listCtrl;
    CKvHotButton m_btnAdd;
    CKvHotButton m_btnDel;
    CImageList m_imageList; // the entries' card icon
};
