#include "symbols/InputToleranceDlg.h"

#include <cstdlib>

#include "platform/win/DataExchange.h"
#include "symbols/GlyphworkFun.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/SelectTolFitDlg.h"
#include "symbols/ToleranceContSeg.h"
#include "symbols/res/resource.h"

namespace
{
const char kDiameter[] = "φ";
const char kLetters[] = "T";
} // namespace

FX_BEGIN_MESSAGE_MAP(CInputToleranceDlg, CDialog)
FX_ON_EN_CHANGE(IDC_TOL_BASE, OnChangeBaseEdit)
FX_ON_EN_CHANGE(IDC_TOL_UPPER, OnChangeUpperEdit)
FX_ON_EN_CHANGE(IDC_TOL_LOWER, OnChangeLowerEdit)
FX_ON_EN_CHANGE(IDC_TOL_SYMBOL, OnChangeSymbolEdit)
FX_ON_BN_CLICKED(IDC_TOL_NOSYMBOL, OnNoSymbolRadio)
FX_ON_BN_CLICKED(IDC_TOL_WITHSYMBOL, OnWithSymbolRadio)
FX_ON_BN_CLICKED(IDC_TOL_DIAMETER, OnDiameterCheck)
FX_ON_BN_CLICKED(IDC_TOL_TABLE, OnTableButton)
FX_END_MESSAGE_MAP()

CInputToleranceDlg::CInputToleranceDlg(CWnd* pParent)
    : CDialog(IDD_INPUTTOLERANCE, pParent), m_nDiameter(0), m_nForm(0), m_nSymbolFlag(0)
{
}

void CInputToleranceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOL_SYMBOL, m_editSymbol);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_TOL_TABLE, m_btnTable);
    DDX_Text(pDX, IDC_TOL_BASE, m_strBase);
    DDX_Text(pDX, IDC_TOL_LOWER, m_strLower);
    DDX_Text(pDX, IDC_TOL_UPPER, m_strUpper);
    DDX_Text(pDX, IDC_TOL_SYMBOL, m_strSymbol);
    DDX_Check(pDX, IDC_TOL_DIAMETER, m_nDiameter);
    DDX_Radio(pDX, IDC_TOL_NOSYMBOL, m_nForm);
}

void CInputToleranceDlg::SetDataDir(CString strDir)
{
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\') {
        strDir += "\\";
    }
    m_strDataDir = strDir + "Data";
}

CString CInputToleranceDlg::PresetDeviation(CString strDeviation)
{
    // Only a sign or the blank before a zero goes: a deviation stored without one keeps its
    // first digit.
    if (strDeviation.IsEmpty() || std::atof(strDeviation) < 0) {
        return strDeviation;
    }
    if (strDeviation[0] == '+' || strDeviation[0] == ' ') {
        strDeviation.Delete(0);
    }
    if (std::atof(strDeviation) == 0) {
        strDeviation += ".";
    }
    return strDeviation;
}

void CInputToleranceDlg::SetData(int nFlag, CString strSymbol, CString strBase, CString strUpper, CString strLower)
{
    m_nSymbolFlag = nFlag;
    m_strSymbol = strSymbol;
    m_nDiameter = 0;
    if (strBase.Left(static_cast<int>(sizeof(kDiameter) - 1)) == kDiameter) {
        strBase.Delete(0, static_cast<int>(sizeof(kDiameter) - 1));
        m_nDiameter = 1;
    }
    m_strBase = strBase;
    m_strUpper = PresetDeviation(strUpper);
    m_strLower = PresetDeviation(strLower);
}

void CInputToleranceDlg::SetData(CToleranceContSeg* pSeg)
{
    if (pSeg == nullptr) {
        return;
    }
    CString strBase;
    CString strSymbol;
    CString strUpper;
    CString strLower;
    int nFlag = 0;
    pSeg->GetData(strBase, strSymbol, strUpper, strLower, nFlag);
    SetData(nFlag, strSymbol, strBase, strUpper, strLower);
}

int CInputToleranceDlg::GetData(CToleranceContSeg* pSeg)
{
    if (pSeg == nullptr) {
        return FALSE;
    }
    pSeg->Set(m_strBase, m_strSymbol, m_strUpper, m_strLower, m_nSymbolFlag);
    return TRUE;
}

BOOL CInputToleranceDlg::OnInitDialog()
{
    m_nForm = m_nSymbolFlag != 0 ? 1 : 0;
    CDialog::OnInitDialog();
    m_editSymbol.EnableWindow(m_nSymbolFlag != 0);
    m_btnTable.EnableWindow(!m_strBase.IsEmpty());
    EnableOK(!m_strBase.IsEmpty());
    return TRUE;
}

CString CInputToleranceDlg::GetItemText(int nID) const
{
    CString strText;
    GetDlgItemText(nID, strText);
    return strText;
}

BOOL CInputToleranceDlg::HasDeviation() const
{
    return !GetItemText(IDC_TOL_UPPER).IsEmpty() || !GetItemText(IDC_TOL_LOWER).IsEmpty();
}

BOOL CInputToleranceDlg::IsSymbolChosen() const
{
    return IsDlgButtonChecked(IDC_TOL_WITHSYMBOL) == BST_CHECKED;
}

void CInputToleranceDlg::EnableOK(BOOL bEnable)
{
    // The edits tell their changes while the first exchange fills them, before OK is attached.
    if (m_btnOK.m_hWnd != nullptr) {
        m_btnOK.EnableWindow(bEnable);
    }
}

void CInputToleranceDlg::OnChangeBaseEdit()
{
    BOOL bBase = !GetItemText(IDC_TOL_BASE).IsEmpty();
    if (m_btnTable.m_hWnd != nullptr) {
        m_btnTable.EnableWindow(bBase);
    }
    EnableOK(bBase && HasDeviation() && (!IsSymbolChosen() || !GetItemText(IDC_TOL_SYMBOL).IsEmpty()));
}

void CInputToleranceDlg::OnChangeUpperEdit()
{
    EnableOK(HasDeviation() && !GetItemText(IDC_TOL_BASE).IsEmpty() &&
             (!IsSymbolChosen() || !GetItemText(IDC_TOL_SYMBOL).IsEmpty()));
}

void CInputToleranceDlg::OnChangeLowerEdit()
{
    OnChangeUpperEdit();
}

void CInputToleranceDlg::OnChangeSymbolEdit()
{
    if (GetItemText(IDC_TOL_SYMBOL).IsEmpty()) {
        EnableOK(FALSE);
        return;
    }
    EnableOK(!GetItemText(IDC_TOL_BASE).IsEmpty() && HasDeviation());
}

void CInputToleranceDlg::OnNoSymbolRadio()
{
    m_editSymbol.EnableWindow(FALSE);
    EnableOK(!GetItemText(IDC_TOL_BASE).IsEmpty() && HasDeviation());
}

void CInputToleranceDlg::OnWithSymbolRadio()
{
    m_editSymbol.EnableWindow(TRUE);
    if (GetItemText(IDC_TOL_SYMBOL).IsEmpty()) {
        EnableOK(FALSE);
    }
}

void CInputToleranceDlg::OnDiameterCheck()
{
    m_nDiameter = IsDlgButtonChecked(IDC_TOL_DIAMETER) == BST_CHECKED ? 1 : 0;
}

void CInputToleranceDlg::OnTableButton()
{
    CString strBase = GetItemText(IDC_TOL_BASE);
    double dSize = std::atof(strBase);
    if (dSize < 0) {
        dSize = 0;
    }
    CSelectTolFitDlg dlg(this);
    dlg.SetData(m_strDataDir, dSize, 0);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    CString strSymbol = dlg.m_strCode;
    strSymbol.Trim();
    SetDlgItemText(IDC_TOL_SYMBOL, strSymbol);
    SetDlgItemText(IDC_TOL_UPPER, dlg.m_strUpper);
    SetDlgItemText(IDC_TOL_LOWER, dlg.m_strLower);
    UpdateData(TRUE);
    // With the fit code chosen it must be there: the plastic-part table gives none.
    if ((!IsSymbolChosen() || !m_strSymbol.IsEmpty()) && (!m_strUpper.IsEmpty() || !m_strLower.IsEmpty())) {
        EnableOK(TRUE);
        GotoDlgCtrl(&m_btnOK);
    } else {
        EnableOK(FALSE);
    }
}

CString CInputToleranceDlg::NormalizeDeviation(CString strDeviation)
{
    strDeviation.Trim();
    double dValue = std::atof(strDeviation);
    if (dValue == 0) {
        return " 0";
    }
    if (dValue > 0 && strDeviation[0] != '+') {
        strDeviation.Insert(0, '+');
    }
    // Only after a decimal point: the zeros of a whole number are digits.
    if (strDeviation.Find('.') >= 0) {
        CGlyphworkFun::ProceFloatStr(strDeviation);
    }
    return strDeviation;
}

void CInputToleranceDlg::OnOK()
{
    // IDOK also comes from the Enter key while the button is disabled.
    if (!m_btnOK.IsWindowEnabled() || !UpdateData(TRUE)) {
        return;
    }
    // In the order of the edits, so the focus goes to the first one to mend.
    if (!CNotationDlgFun::CheckEdit(this, IDC_TOL_BASE, m_strBase, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_TOL_SYMBOL, m_strSymbol, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_TOL_UPPER, m_strUpper, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_TOL_LOWER, m_strLower, kLetters)) {
        return;
    }
    m_nSymbolFlag = m_nForm == 1 ? 1 : 0;
    if (m_nDiameter != 0) {
        m_strBase = kDiameter + m_strBase;
    }
    m_strUpper = NormalizeDeviation(m_strUpper);
    m_strLower = NormalizeDeviation(m_strLower);
    UpdateData(FALSE);
    EndDialog(IDOK);
}
