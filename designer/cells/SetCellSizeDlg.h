// Sets a cell's height and width (tenths of a millimetre) within the limits its lines allow, and
// which of its edges move.
#pragma once

#include "common/KvBmpStatic.h"
#include "platform/win/Dialog.h"

class CSetCellSizeDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSetCellSizeDlg)

public:
    explicit CSetCellSizeDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // The illustration's bitmap for the two move checks.
    static UINT PictureFor(BOOL bMoveRight, BOOL bMoveBottom);

    CKvBmpStatic m_picture;
    int m_nHeight;
    int m_nWidth;
    int m_nMaxHeight;
    int m_nMaxWidth;
    int m_nMinHeight;
    int m_nMinWidth;
    int m_bMoveBottom;
    int m_bMoveRight;
    int m_bWidthChangeable;
    int m_bHeightChangeable;
    int m_bMoveRightEnabled;
    int m_bMoveBottomEnabled;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnClickMove();
    void ChoosePicture();

    FX_DECLARE_MESSAGE_MAP()
};
