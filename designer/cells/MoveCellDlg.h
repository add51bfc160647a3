// Asks how a cell dropped onto another is moved: over it, or swapped with it.
#pragma once

#include "platform/win/Dialog.h"

class CMoveCellDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CMoveCellDlg)

public:
    enum { moveOverwrite = 0, moveSwap = 1 };

    explicit CMoveCellDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // Read by the caller after OK; also kept in the profile as the next default.
    int m_nMoveType;

protected:
    void OnOK() override;
};
