// Lists the head, page and detail-area cells of a sheet, one tab each, to add table variables,
// reorder them and mark them for deletion; the command reads back one settings text per group.
#pragma once

#include "common/KvHotButton.h"
#include "designer/detail/CellCtrlGrid.h"
#include "designer/detail/CellCtrlGroup.h"
#include "platform/base/ObList.h"
#include "platform/base/PtrList.h"
#include "platform/win/Dialog.h"
#include "platform/win/TabCtrl.h"

class CCellCtrlDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CCellCtrlDlg)

public:
    explicit CCellCtrlDlg(CWnd* pParentWnd = nullptr);
    ~CCellCtrlDlg() override;

    // Before the dialog runs; each copies what it is given.
    void SetHeadGroup(const CCellCtrlGroup& group);
    void SetPageGroup(const CCellCtrlGroup& group);
    void AddMidGroups(const CObList& listGroups);

    // After OK, before the object is destroyed.
    CString GetHeadSetting() const;
    CString GetPageSetting() const;
    // Empty when no detail group has that name.
    CString GetMidSetting(const CString& strName) const;

    BOOL OnInitDialog() override;
    // The grid of the selected tab, null when none.
    CCellCtrlGrid* GetActiveGrid();
    CTabCtrl& GetTabCtrl() { return m_tab; }

    CCellCtrlGrid m_gridHead;
    CCellCtrlGrid m_gridPage;
    CPtrList m_listMidGrid; // CCellCtrlGrid, owned
    CCellCtrlGroup m_groupHead;
    CCellCtrlGroup m_groupPage;
    CObList m_listMidGroup; // CCellCtrlGroup, owned

protected:
    void OnOK() override;
    void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAddRow();
    void OnMoveUp();
    void OnMoveDown();

    FX_DECLARE_MESSAGE_MAP()

private:
    void ShowActiveGrid();
    CCellCtrlGrid* GridAt(int nTab);

    CTabCtrl m_tab;
    CKvHotButton m_btnAdd;
    CKvHotButton m_btnUp;
    CKvHotButton m_btnDown;
};
