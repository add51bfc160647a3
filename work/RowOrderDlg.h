// Asks where an index renumbering starts and how far it goes.
#pragma once

#include "platform/win/Dialog.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CRowOrderDlg : public CDialog
{
public:
    enum { startFromTop = 1, startFromCurrent = 2 };
    enum { rangeToEnd = 0, rangeParentGroup = 1 };

    explicit CRowOrderDlg(CWnd* pParent = nullptr);

    int m_nStart;
    int m_nRange;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
