#include "designer/cells/SetCellSizeDlg.h"

#include <cstdio>

#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CSetCellSizeDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CSetCellSizeDlg, CDialog)
FX_ON_BN_CLICKED(IDC_CELL_SIZE_MOVE_BOTTOM, OnClickMove)
FX_ON_BN_CLICKED(IDC_CELL_SIZE_MOVE_RIGHT, OnClickMove)
FX_END_MESSAGE_MAP()

CSetCellSizeDlg::CSetCellSizeDlg(CWnd* pParentWnd)
    : CDialog(IDD_SET_CELL_SIZE, pParentWnd), m_nHeight(0), m_nWidth(0), m_nMaxHeight(0), m_nMaxWidth(0),
      m_nMinHeight(0), m_nMinWidth(0), m_bMoveBottom(1), m_bMoveRight(1), m_bWidthChangeable(1), m_bHeightChangeable(1),
      m_bMoveRightEnabled(1), m_bMoveBottomEnabled(1)
{
}

UINT CSetCellSizeDlg::PictureFor(BOOL bMoveRight, BOOL bMoveBottom)
{
    if (bMoveRight && bMoveBottom) {
        return IDB_CELL_SIZE_BOTH;
    }
    if (bMoveRight) {
        return IDB_CELL_SIZE_RIGHT;
    }
    return bMoveBottom ? IDB_CELL_SIZE_BOTTOM : IDB_CELL_SIZE_NONE;
}

BOOL CSetCellSizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.SubclassDlgItem(IDC_CELL_SIZE_PICTURE, this);
    m_picture.SetTrans(FALSE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CELL_SIZE_HEIGHT), m_bHeightChangeable);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CELL_SIZE_WIDTH), m_bWidthChangeable);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CELL_SIZE_MOVE_RIGHT), m_bMoveRightEnabled);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CELL_SIZE_MOVE_BOTTOM), m_bMoveBottomEnabled);
    ChoosePicture();
    return TRUE;
}

void CSetCellSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CELL_SIZE_HEIGHT, m_nHeight);
    DDX_Text(pDX, IDC_CELL_SIZE_WIDTH, m_nWidth);
    DDX_Check(pDX, IDC_CELL_SIZE_MOVE_BOTTOM, m_bMoveBottom);
    DDX_Check(pDX, IDC_CELL_SIZE_MOVE_RIGHT, m_bMoveRight);
}

void CSetCellSizeDlg::ChoosePicture()
{
    m_picture.LoadBmp(PictureFor(IsDlgButtonChecked(IDC_CELL_SIZE_MOVE_RIGHT) == BST_CHECKED,
                                 IsDlgButtonChecked(IDC_CELL_SIZE_MOVE_BOTTOM) == BST_CHECKED));
    m_picture.Invalidate();
}

void CSetCellSizeDlg::OnClickMove()
{
    ChoosePicture();
}

void CSetCellSizeDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    struct Limit
    {
        BOOL bChangeable;
        int nValue, nMin, nMax;
        UINT nTextID;
    };
    const Limit limits[] = {
        {m_bHeightChangeable, m_nHeight, m_nMinHeight, m_nMaxHeight, IDS_CELL_HEIGHT_RANGE},
        {m_bWidthChangeable, m_nWidth, m_nMinWidth, m_nMaxWidth, IDS_CELL_WIDTH_RANGE},
    };
    for (const Limit& limit : limits) {
        if (limit.bChangeable && (limit.nValue < limit.nMin || limit.nValue > limit.nMax)) {
            CString strFormat;
            strFormat.LoadString(limit.nTextID);
            char szText[128] = {};
            std::snprintf(szText, sizeof(szText), strFormat.GetString(), limit.nMin, limit.nMax);
            MessageBox(szText, nullptr, MB_OK | MB_ICONQUESTION);
            return;
        }
    }
    CDialog::OnOK();
}
