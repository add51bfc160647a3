#include "designer/freeobj/ImageVarFieldDlg.h"

#include "core/CappCell.h"
#include "core/CappFreeObj.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CImageVarFieldDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CImageVarFieldDlg, CDialog)
FX_ON_BN_CLICKED(IDC_IMAGE_VAR_PAGE, OnClickPage)
FX_ON_BN_CLICKED(IDC_IMAGE_VAR_FRAME, OnClickFrame)
FX_END_MESSAGE_MAP()

CImageVarFieldDlg::CImageVarFieldDlg(CWnd* pParentWnd)
    : CDialog(IDD_IMAGE_VAR, pParentWnd), m_pFrameObj(nullptr), m_nScaleFlags(0), m_bPageDepend(0)
{
}

void CImageVarFieldDlg::LoadFromCell(const CCappCell& cell)
{
    m_strField = cell.m_strVarName;
    // A graphic-variable cell keeps its scaling flags in the text-format field.
    m_nScaleFlags = cell.m_nTextFormat;
    m_bPageDepend = cell.m_nDataPos == CCappCell::seatPage ? 1 : 0;
}

void CImageVarFieldDlg::SaveToCell(CCappCell& cell) const
{
    cell.m_strVarName = m_strField;
    cell.m_nDataType = 2;
    cell.m_nContentKind = CCappCell::kindImage;
    cell.m_nTextFormat = m_nScaleFlags;
    cell.m_nDataPos = m_bPageDepend ? CCappCell::seatPage : CCappCell::seatHead;
}

BOOL CImageVarFieldDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The frame's own property sheet is not part of the designer yet: the button stays disabled.
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_IMAGE_VAR_FRAME), m_pFrameObj != nullptr ? SW_SHOW : SW_HIDE);
    ::CheckDlgButton(m_hWnd, IDC_IMAGE_VAR_AUTO, (m_nScaleFlags & scaleAuto) ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(IDC_IMAGE_VAR_KEEP_RATIO, IDC_IMAGE_VAR_TILE,
                     (m_nScaleFlags & scaleKeepRatio) ? IDC_IMAGE_VAR_KEEP_RATIO : IDC_IMAGE_VAR_TILE);
    return TRUE;
}

void CImageVarFieldDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_IMAGE_VAR_NAME, m_strField);
    DDX_Check(pDX, IDC_IMAGE_VAR_PAGE, m_bPageDepend);
}

void CImageVarFieldDlg::OnClickPage()
{
    UpdateData(TRUE);
}

void CImageVarFieldDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (m_pFrameObj != nullptr) {
        m_pFrameObj->m_strText.Format("Image [%s]", m_strField.GetString());
    }
    const BOOL bAuto = IsDlgButtonChecked(IDC_IMAGE_VAR_AUTO) == BST_CHECKED;
    const BOOL bKeep = IsDlgButtonChecked(IDC_IMAGE_VAR_KEEP_RATIO) == BST_CHECKED;
    m_nScaleFlags = bAuto ? (m_nScaleFlags | scaleAuto) : (m_nScaleFlags & ~scaleAuto);
    m_nScaleFlags = bKeep ? (m_nScaleFlags | scaleKeepRatio) : (m_nScaleFlags & ~scaleKeepRatio);
    CDialog::OnOK();
}

void CImageVarFieldDlg::OnClickFrame()
{
    // The frame is the template's own object: a change stays even when this dialog is cancelled.
    CFreeObjSh::EditFrameObj(this, m_pFrameObj);
}
