#include "symbols/InputCoarseDlgEx.h"

#include "platform/win/DataExchange.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputCoarseDlgEx, CInputCoarseBaseDlg)
FX_ON_BN_CLICKED(IDC_COARSE_TYPE1, OnType1)
FX_ON_BN_CLICKED(IDC_COARSE_TYPE2, OnType2)
FX_ON_BN_CLICKED(IDC_COARSE_TYPE3, OnType3)
FX_ON_CBN_SELCHANGE(IDC_COARSE_COMBO1, OnSelChangeValue1)
FX_ON_CBN_SELCHANGE(IDC_COARSE_COMBO2, OnSelChangeValue2)
FX_END_MESSAGE_MAP()

CInputCoarseDlgEx::CInputCoarseDlgEx(CWnd* pParent) : CInputCoarseBaseDlg(IDD_INPUTCOARSEEX, pParent), m_nType(1)
{
}

int CInputCoarseDlgEx::GetData(CCoarsenessContSeg* pSeg)
{
    if (pSeg == nullptr) {
        return FALSE;
    }
    pSeg->m_strValue1 = m_seg.m_strValue1;
    pSeg->m_strValue2 = m_seg.m_strValue2;
    pSeg->m_nType = m_seg.m_nType;
    return TRUE;
}

void CInputCoarseDlgEx::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COARSE_COMBO2, m_comboValue2);
    DDX_Control(pDX, IDC_COARSE_COMBO1, m_comboValue1);
    DDX_Control(pDX, IDC_COARSE_PIC3, m_picType3);
    DDX_Control(pDX, IDC_COARSE_PIC2, m_picType2);
    DDX_Control(pDX, IDC_COARSE_PIC1, m_picType1);
    DDX_Text(pDX, IDC_COARSE_VALUE1, m_strValue1);
    DDX_Text(pDX, IDC_COARSE_VALUE2, m_strValue2);
}

BOOL CInputCoarseDlgEx::OnInitDialog()
{
    m_strValue1 = m_seg.m_strValue1;
    m_strValue2 = m_seg.m_strValue2;
    m_nType = m_seg.m_nType;
    CDialog::OnInitDialog();
    ShowTypePicture(m_nType);
    int nRadio = m_nType == 1 ? IDC_COARSE_TYPE1 : (m_nType == 3 ? IDC_COARSE_TYPE3 : IDC_COARSE_TYPE2);
    CheckRadioButton(IDC_COARSE_TYPE1, IDC_COARSE_TYPE3, nRadio);
    return TRUE;
}

void CInputCoarseDlgEx::ShowTypePicture(int nType)
{
    m_picType1.ShowWindow(nType == 1 ? SW_SHOW : SW_HIDE);
    m_picType2.ShowWindow(nType == 1 || nType == 3 ? SW_HIDE : SW_SHOW);
    m_picType3.ShowWindow(nType == 3 ? SW_SHOW : SW_HIDE);
}

void CInputCoarseDlgEx::OnType1()
{
    ShowTypePicture(1);
}

void CInputCoarseDlgEx::OnType2()
{
    ShowTypePicture(2);
}

void CInputCoarseDlgEx::OnType3()
{
    ShowTypePicture(3);
}

void CInputCoarseDlgEx::OnSelChangeValue1()
{
    CNotationDlgFun::TakeComboChoice(this, m_comboValue1, IDC_COARSE_VALUE1, m_strValue1);
}

void CInputCoarseDlgEx::OnSelChangeValue2()
{
    CNotationDlgFun::TakeComboChoice(this, m_comboValue2, IDC_COARSE_VALUE2, m_strValue2);
}

void CInputCoarseDlgEx::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (!CheckValue(IDC_COARSE_VALUE1, m_strValue1) || !CheckValue(IDC_COARSE_VALUE2, m_strValue2)) {
        return;
    }
    m_seg.m_strValue1 = m_strValue1;
    m_seg.m_strValue2 = m_strValue2;
    // The first checked radio wins; with none checked the type stays.
    if (IsDlgButtonChecked(IDC_COARSE_TYPE1) == BST_CHECKED) {
        m_nType = 1;
    } else if (IsDlgButtonChecked(IDC_COARSE_TYPE2) == BST_CHECKED) {
        m_nType = 2;
    } else if (IsDlgButtonChecked(IDC_COARSE_TYPE3) == BST_CHECKED) {
        m_nType = 3;
    }
    m_seg.m_nType = m_nType;
    EndDialog(IDOK);
}
