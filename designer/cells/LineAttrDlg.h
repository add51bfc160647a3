// The table-line properties dialog: pen width (0 to 20) and colour of a line.
#pragma once

#include "common/KvColorButton.h"
#include "platform/win/Dialog.h"

class CLineAttrDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CLineAttrDlg)

public:
    explicit CLineAttrDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    CKvColorButton m_btnColor;
    int m_nWidth;
    COLORREF m_crColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()
};
