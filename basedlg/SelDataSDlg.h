// The small caption-less pop-up placed beside a control that picks one field name from a list, or
// several from a check list.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "common/KvHotButton.h"
#include "platform/base/StringArray.h"
#include "platform/win/CheckListBox.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListBox.h"

class VORNBASECLS_API CSelDataSDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSelDataSDlg)

public:
    explicit CSelDataSDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    void LoadFieldNames(CStringArray& arrNames);
    // Exact byte comparison against the chosen names.
    BOOL IsSeled(CString strName);
    // Where the pop-up's top-left corner goes so that it stays on the screen (see MoveWndPos).
    CPoint GetShowPosition(CPoint& ptAnchor);
    // Puts the pop-up, topmost, at m_ptShow, then where GetShowPosition says, and shows it.
    BOOL MoveWndPos();

    // When the pop-up would run below the screen it ends at this point's height; (0, 0) lets it run.
    CPoint m_ptAnchor;
    CPoint m_ptShow;
    CString m_strSelName;
    int m_nSelIndex;
    CStringArray m_arrNames;
    // Preset checks and the result of a multiple selection, with the entries' positions as "%d".
    CStringArray m_arrSelNames;
    CStringArray m_arrSelPos;
    int m_nSpare;
    CString m_strPrompt;
    CListBox m_listBox;
    CCheckListBox m_checkList;
    int m_nSpare2;
    int m_nSpare3;
    CKvHotButton m_btnOK;
    CKvHotButton m_btnCancel;
    BOOL m_bMultiple;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Enter does what the OK button does.
    void OnOK() override;

    void OnBnOk();
    void OnBnCancel();
    void OnDblclkList();

    FX_DECLARE_MESSAGE_MAP()
};
