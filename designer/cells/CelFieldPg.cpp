#include "designer/cells/CelFieldPg.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "basedlg/SelDataSDlg.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"

namespace
{
const char* const kTypeNames[] = {"字符串", "整数", "浮点数"};
const char kRegularField[] = "常规字段";
const char kPageNumber[] = "页码";
const int kFieldRegular = 1;
const int kFieldPageNumber = 8;

int ItemInt(HWND hDlg, int nID)
{
    char szText[32] = {};
    ::GetDlgItemTextA(hDlg, nID, szText, sizeof(szText));
    return std::atoi(szText);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CCelFieldPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelFieldPg, CPropertyPage)
FX_ON_CBN_SELCHANGE(IDC_CEL_FIELD_TYPE, OnSelchangeType)
FX_ON_CBN_SELCHANGE(IDC_CEL_FIELD_KIND, OnSelchangeFieldKind)
FX_ON_BN_CLICKED(IDC_CEL_FIELD_FORMAT_PICK, OnFormatPick)
FX_END_MESSAGE_MAP()

CCelFieldPg::CCelFieldPg() : CPropertyPage(IDD_CEL_FIELD), m_nLengthCheck(0)
{
}

void CCelFieldPg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CEL_FIELD_LENGTH, m_nLengthCheck);
    DDV_MinMaxInt(pDX, m_nLengthCheck, 0, 1000);
}

BOOL CCelFieldPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    const CCappCell& cell = pSheet->m_cell;
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_CEL_FIELD_LENGTH_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_LENGTH)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, 1, 256);
    ::SendMessageA(hSpin, UDM_SETPOS32, 0, cell.m_nLength);

    HWND hName = ::GetDlgItem(m_hWnd, IDC_CEL_FIELD_NAME);
    for (int i = 0; i < pSheet->m_arrPreNames.GetSize(); ++i) {
        ::SendMessageA(hName, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pSheet->m_arrPreNames.GetAt(i).GetString()));
    }
    SetDlgItemText(IDC_CEL_FIELD_NAME, cell.m_strVarName);
    ::SetDlgItemInt(m_hWnd, IDC_CEL_FIELD_LENGTH, static_cast<UINT>(cell.m_nLength), TRUE);

    HWND hType = ::GetDlgItem(m_hWnd, IDC_CEL_FIELD_TYPE);
    for (const char* pszType : kTypeNames) {
        ::SendMessageA(hType, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszType));
    }
    if (cell.m_nDataType >= 1 && cell.m_nDataType <= 3) {
        ::SendMessageA(hType, CB_SETCURSEL, static_cast<WPARAM>(cell.m_nDataType - 1), 0);
    }

    ::SetDlgItemInt(m_hWnd, IDC_CEL_FIELD_DECIMALS, static_cast<UINT>(cell.m_nDecimals), TRUE);
    ::CheckDlgButton(m_hWnd, IDC_CEL_FIELD_TRIM_ZERO, cell.m_bTrimZero ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_CEL_FIELD_HIDE_ZERO, cell.m_bHideZero ? BST_CHECKED : BST_UNCHECKED);

    for (int nID : {IDC_CEL_FIELD_FORMAT_LABEL, IDC_CEL_FIELD_FORMAT, IDC_CEL_FIELD_FORMAT_PICK}) {
        ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
    }
    HWND hKind = ::GetDlgItem(m_hWnd, IDC_CEL_FIELD_KIND);
    ::SendMessageA(hKind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kRegularField));
    ::SendMessageA(hKind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kPageNumber));
    if (cell.m_nFieldType == kFieldRegular) {
        ::SendMessageA(hKind, CB_SETCURSEL, 0, 0);
    } else if (cell.m_nFieldType == kFieldPageNumber) {
        ::SendMessageA(hKind, CB_SETCURSEL, 1, 0);
        for (int nID : {IDC_CEL_FIELD_FORMAT_LABEL, IDC_CEL_FIELD_FORMAT, IDC_CEL_FIELD_FORMAT_PICK}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), TRUE);
        }
        SetDlgItemText(IDC_CEL_FIELD_FORMAT, cell.m_strFormat);
    }
    SetPosRadios();
    ApplyTypeRules();
    return TRUE;
}

BOOL CCelFieldPg::OnSetActive()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_TYPE), TRUE);
    return CPropertyPage::OnSetActive();
}

void CCelFieldPg::ApplyTypeRules()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    const LRESULT nSel = ::SendDlgItemMessageA(m_hWnd, IDC_CEL_FIELD_TYPE, CB_GETCURSEL, 0, 0);
    if (pSheet == nullptr || nSel < 0 || nSel > 2) {
        return;
    }
    const int nType = static_cast<int>(nSel) + 1;
    pSheet->m_cell.m_nDataType = nType;
    const BOOL bLength = nType == 1;
    const BOOL bDecimals = nType == 3;
    const BOOL bHideZero = nType != 1;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_LENGTH), bLength);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_LENGTH_SPIN), bLength);
    for (int nID : {IDC_CEL_FIELD_DECIMALS_LABEL, IDC_CEL_FIELD_DECIMALS, IDC_CEL_FIELD_TRIM_ZERO}) {
        ::EnableWindow(::GetDlgItem(m_hWnd, nID), bDecimals);
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_HIDE_ZERO), bHideZero);
}

void CCelFieldPg::SetPosRadios()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    int& nPos = pSheet->m_cell.m_nDataPos;
    for (int nID : {IDC_CEL_FIELD_POS_HEAD, IDC_CEL_FIELD_POS_PAGE, IDC_CEL_FIELD_POS_MID}) {
        ::CheckDlgButton(m_hWnd, nID, BST_UNCHECKED);
    }
    if (nPos < 0 || nPos > 2) {
        nPos = 0;
    }
    // Only a cell inside a detail area sits there; the others choose between head and page.
    const BOOL bInMid = nPos == 2;
    ::CheckDlgButton(m_hWnd,
                     nPos == 0   ? IDC_CEL_FIELD_POS_HEAD
                     : nPos == 1 ? IDC_CEL_FIELD_POS_PAGE
                                 : IDC_CEL_FIELD_POS_MID,
                     BST_CHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_POS_HEAD), !bInMid);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_POS_PAGE), !bInMid);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_POS_MID), FALSE);
}

void CCelFieldPg::OnSelchangeType()
{
    ApplyTypeRules();
}

void CCelFieldPg::OnSelchangeFieldKind()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    CCappCell& cell = pSheet->m_cell;
    for (int nID : {IDC_CEL_FIELD_FORMAT_LABEL, IDC_CEL_FIELD_FORMAT, IDC_CEL_FIELD_FORMAT_PICK}) {
        ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
    }
    const CString strKind = CSetCellStyleSh::GetComboSelText(this, IDC_CEL_FIELD_KIND);
    if (strKind == kRegularField) {
        cell.m_nFieldType = kFieldRegular;
    } else if (strKind == kPageNumber) {
        cell.m_nFieldType = kFieldPageNumber;
        for (int nID : {IDC_CEL_FIELD_FORMAT_LABEL, IDC_CEL_FIELD_FORMAT, IDC_CEL_FIELD_FORMAT_PICK}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), TRUE);
        }
    }
    if (cell.m_nDataPos != 2) {
        cell.m_nDataPos = cell.m_nFieldType == kFieldPageNumber ? 0 : 1;
    }
    SetPosRadios();
}

void CCelFieldPg::OnFormatPick()
{
    CSelDataSDlg dlg(this);
    dlg.m_arrNames.Add("[共X页]");
    dlg.m_arrNames.Add("[第X页]");
    RECT rcButton = {};
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_CEL_FIELD_FORMAT_PICK), &rcButton);
    dlg.m_ptShow = CPoint(rcButton.left, rcButton.bottom);
    INT_PTR nResult = IDCANCEL;
    {
        // The pop-up's resources live in that library when it is loaded; the chain finds them otherwise.
        CFxResourceSwitch resSwitch("Basemark.DLL");
        nResult = dlg.DoModal();
    }
    if (nResult == IDOK) {
        ::SendDlgItemMessageA(m_hWnd, IDC_CEL_FIELD_FORMAT, EM_REPLACESEL, TRUE,
                              reinterpret_cast<LPARAM>(dlg.m_strSelName.GetString()));
    }
}

void CCelFieldPg::ReadPage()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    CCappCell& cell = pSheet->m_cell;
    if (::IsDlgButtonChecked(m_hWnd, IDC_CEL_FIELD_POS_HEAD) == BST_CHECKED) {
        cell.m_nDataPos = 0;
    } else if (::IsDlgButtonChecked(m_hWnd, IDC_CEL_FIELD_POS_PAGE) == BST_CHECKED) {
        cell.m_nDataPos = 1;
    } else if (::IsDlgButtonChecked(m_hWnd, IDC_CEL_FIELD_POS_MID) == BST_CHECKED) {
        cell.m_nDataPos = 2;
    }
    if (cell.m_nFieldType == kFieldPageNumber) {
        GetDlgItemText(IDC_CEL_FIELD_FORMAT, cell.m_strFormat);
    }
    GetDlgItemText(IDC_CEL_FIELD_NAME, cell.m_strVarName);
    cell.m_nLength = ItemInt(m_hWnd, IDC_CEL_FIELD_LENGTH);
    cell.m_nDecimals = ItemInt(m_hWnd, IDC_CEL_FIELD_DECIMALS);
    cell.m_bHideZero = ::IsDlgButtonChecked(m_hWnd, IDC_CEL_FIELD_HIDE_ZERO) == BST_CHECKED ? 1 : 0;
    cell.m_bTrimZero = ::IsDlgButtonChecked(m_hWnd, IDC_CEL_FIELD_TRIM_ZERO) == BST_CHECKED ? 1 : 0;
}

BOOL CCelFieldPg::CheckVarName()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    if (m_hWnd != nullptr) {
        ReadPage();
    }
    const CString& strName = pSheet->m_cell.m_strVarName;
    for (int i = 0; i < pSheet->m_arrUsedNames.GetSize(); ++i) {
        if (std::strcmp(pSheet->m_arrUsedNames.GetAt(i), strName) == 0) {
            CString strText;
            strText.LoadString(IDS_CELL_VAR_USED);
            MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CCelFieldPg::OnApply()
{
    ReadPage();
    return CPropertyPage::OnApply();
}
