// Chooses which cells of a selected area the Delete key removes: all, static texts or fields.
#pragma once

#include "platform/win/Dialog.h"

class CDelControlDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CDelControlDlg)

public:
    enum { deleteAll = 100, deleteStatic = 1, deleteFields = 2 };

    explicit CDelControlDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    int m_nCode;

protected:
    void OnOK() override;
};
