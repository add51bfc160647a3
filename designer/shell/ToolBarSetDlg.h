// Shows and hides the main window's five default tool bars.
#pragma once

#include "platform/win/CheckListBox.h"
#include "platform/win/Dialog.h"

class CToolBarSetDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CToolBarSetDlg)

public:
    explicit CToolBarSetDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // The bars' ids and the string ids of their titles, in the order of the list.
    struct BarLine
    {
        UINT nBarID;
        UINT nTitleID;
    };
    static const BarLine s_aBars[5];

    CCheckListBox m_listBars;

protected:
    void OnOK() override;
};
