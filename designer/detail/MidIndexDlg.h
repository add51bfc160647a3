// Edits the index fields of a detail area: which variable is numbered, by which step, from which
// initial value.
#pragma once

#include "common/KvHotButton.h"
#include "designer/detail/DesignGrid.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"

class CMidIndexDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CMidIndexDlg)

public:
    enum { colName = 1, colStep = 2, colInit = 3 };

    explicit CMidIndexDlg(CWnd* pParentWnd = nullptr);
    ~CMidIndexDlg() override;

    // Replaces the dialog's items with copies of the list's CCellIndexItem entries.
    void SetIndexList(const CObList& listIndex);

    BOOL OnInitDialog() override;

    CDesignGrid m_grid;
    CStringArray m_arrVarName; // offered in the first column; filled by the caller
    CObList m_listIndex;       // CCellIndexItem, owned; after OK in row order
    CString m_strChoice;

protected:
    void OnOK() override;
    void OnAddRow();
    void OnDeleteRow();
    void OnMoveUp();
    void OnMoveDown();

    FX_DECLARE_MESSAGE_MAP()

private:
    void FreeItems();
    UINT AddIndexRow();

    CKvHotButton m_btnUp;
    CKvHotButton m_btnDown;
    CKvHotButton m_btnDelete;
    CKvHotButton m_btnAdd;
};
