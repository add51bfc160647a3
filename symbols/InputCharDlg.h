// Modal dialog of the special-character palette that asks for the character one button shows.
#pragma once

#include "platform/win/Dialog.h"

class CInputCharDlg : public CDialog
{
public:
    explicit CInputCharDlg(CWnd* pParent = nullptr);

    CString m_strChar; // at most 2 bytes: one GBK character

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
