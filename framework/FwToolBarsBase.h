// What the Toolbars dialog of the customise phase and its property-page twin share: the ids of
// their templates, and the frame's bars listed with their visibility, user bars renamed, created,
// reset and deleted, and the manager's three settings.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/base/String.h"

class CCheckListBox;
class CDialog;
class FwCustomToolBar;
class FwToolBarManager;

// The template and its controls, provided by the program.
#define FW_IDD_TOOLBARS 20510
#define FW_IDD_TOOLBARSPAGE 20513
#define FW_IDC_TB_LIST 43094
#define FW_IDC_TB_NAMELABEL 43097
#define FW_IDC_TB_NEW 43098
#define FW_IDC_TB_CUSTOMIZE 43099
#define FW_IDC_TB_RESET 43100
#define FW_IDC_TB_TOOLTIPS 43101
#define FW_IDC_TB_NAME 43102
#define FW_IDC_TB_LARGE 43103
#define FW_IDC_TB_COOLLOOK 43104

// The logic the Toolbars dialog and its property-page twin share, working in the given dialog.
class FwToolBarsBase
{
public:
    explicit FwToolBarsBase(FwToolBarManager* pManager);
    virtual ~FwToolBarsBase();
    FwToolBarsBase(const FwToolBarsBase&) = delete;
    FwToolBarsBase& operator=(const FwToolBarsBase&) = delete;

    // The control id of each list entry, in list order.
    const std::vector<UINT>& GetListIDs() const { return m_ids; }

    BOOL m_bToolTips;
    BOOL m_bCoolLook;
    BOOL m_bLargeButtons;

protected:
    void InitBase(CDialog* pDlg);
    // The list, the name edit, the reset button and the three check boxes; FALSE for others.
    BOOL HandleCommand(UINT nID, UINT nCode);
    // A check box changed a setting (its control id).
    virtual void OnSettingChanged(UINT) {}
    void FillList();
    int FindItem(UINT nID) const;
    int InsertItem(int nIndex, UINT nID, const CString& strTitle, BOOL bCheck);
    // Bars follow the list's checks; the menu bar's entry is checked again.
    void SyncChecks();
    void OnSelChange();
    void RenameSelected();
    void OnResetOrDelete();
    // Runs the New Toolbar dialog and floats the bar it names; null when none was made.
    FwCustomToolBar* CreateNamedBar();
    void OnBarNotify(UINT nBarID, LPARAM lCode);
    void ApplySettings();
    void Finish(BOOL bApply);
    BOOL IsUserBar(UINT nID) const;

    FwToolBarManager* m_pManager;
    CDialog* m_pDlg;
    CCheckListBox* m_pList;
    std::vector<UINT> m_ids;
    BOOL m_bFilling;
};
