// The Toolbars dialog of the customise phase: the frame's bars listed with their visibility,
// user bars renamed, created, reset and deleted, and the manager's three settings.
#pragma once

#include <functional>
#include <vector>

#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CCheckListBox;
class FwToolBarManager;

// The template and its controls, provided by the program.
#define FW_IDD_TOOLBARS 20510
#define FW_IDC_TB_LIST 43094
#define FW_IDC_TB_NAMELABEL 43097
#define FW_IDC_TB_NEW 43098
#define FW_IDC_TB_CUSTOMIZE 43099
#define FW_IDC_TB_RESET 43100
#define FW_IDC_TB_TOOLTIPS 43101
#define FW_IDC_TB_NAME 43102
#define FW_IDC_TB_LARGE 43103
#define FW_IDC_TB_COOLLOOK 43104

class FwToolBarsDlg : public CDialog
{
public:
    explicit FwToolBarsDlg(FwToolBarManager* pManager, CWnd* pParent = nullptr);
    ~FwToolBarsDlg() override;

    // The control id of each list entry, in list order.
    const std::vector<UINT>& GetListIDs() const { return m_ids; }

    BOOL m_bToolTips;
    BOOL m_bCoolLook;
    BOOL m_bLargeButtons;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FillList();
    int FindItem(UINT nID) const;
    int InsertItem(int nIndex, UINT nID, const CString& strTitle, BOOL bCheck);
    // Bars follow the list's checks; the menu bar's entry is checked again.
    void SyncChecks();
    void OnSelChange();
    void RenameSelected();
    void OnResetOrDelete();
    void OnNew();
    void OnBarNotify(UINT nBarID, LPARAM lCode);
    void ApplySettings();
    void Finish(BOOL bApply);
    BOOL IsUserBar(UINT nID) const;

    FwToolBarManager* m_pManager;
    CCheckListBox* m_pList;
    std::vector<UINT> m_ids;
    BOOL m_bFilling;
};
