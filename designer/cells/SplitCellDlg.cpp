#include "designer/cells/SplitCellDlg.h"

#include <cstdio>
#include <cstdlib>

#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CSplitCellDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CSplitCellDlg, CDialog)
FX_ON_BN_CLICKED(IDC_SPLIT_ROWS_EQUAL, OnClickRowsEqual)
FX_ON_BN_CLICKED(IDC_SPLIT_COLS_EQUAL, OnClickColsEqual)
FX_ON_CONTROL(STN_CLICKED, IDC_SPLIT_ROWS_EQUAL_LABEL, OnClickRowsLabel)
FX_ON_CONTROL(STN_CLICKED, IDC_SPLIT_COLS_EQUAL_LABEL, OnClickColsLabel)
FX_END_MESSAGE_MAP()

CSplitCellDlg::CSplitCellDlg(CWnd* pParentWnd)
    : CDialog(IDD_SPLIT_CELL, pParentWnd), m_nLeft(0), m_nTop(0), m_nRight(0), m_nBottom(0), m_bRowsEnabled(1),
      m_bColsEnabled(1), m_bEqualCols(0), m_bEqualRows(0)
{
}

BOOL CSplitCellDlg::OnInitDialog()
{
    m_bEqualCols = 1;
    m_bEqualRows = 1;
    CDialog::OnInitDialog();
    if (!m_bRowsEnabled) {
        for (int nID : {IDC_SPLIT_ROWS_LABEL, IDC_SPLIT_ROWS_EQUAL, IDC_SPLIT_ROWS_EQUAL_LABEL, IDC_SPLIT_ROWS}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
        }
    }
    if (!m_bColsEnabled) {
        for (int nID : {IDC_SPLIT_COLS_LABEL, IDC_SPLIT_COLS_EQUAL, IDC_SPLIT_COLS_EQUAL_LABEL, IDC_SPLIT_COLS}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
        }
    }
    return TRUE;
}

void CSplitCellDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SPLIT_ROWS, m_strRows);
    DDX_Text(pDX, IDC_SPLIT_COLS, m_strCols);
    DDX_Check(pDX, IDC_SPLIT_ROWS_EQUAL, m_bEqualRows);
    DDX_Check(pDX, IDC_SPLIT_COLS_EQUAL, m_bEqualCols);
}

void CSplitCellDlg::OnClickRowsEqual()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SPLIT_ROWS_EQUAL_LABEL),
                   IsDlgButtonChecked(IDC_SPLIT_ROWS_EQUAL) == BST_CHECKED);
}

void CSplitCellDlg::OnClickColsEqual()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SPLIT_COLS_EQUAL_LABEL),
                   IsDlgButtonChecked(IDC_SPLIT_COLS_EQUAL) == BST_CHECKED);
}

void CSplitCellDlg::OnClickRowsLabel()
{
    const BOOL bChecked = IsDlgButtonChecked(IDC_SPLIT_ROWS_EQUAL) == BST_CHECKED;
    ::CheckDlgButton(m_hWnd, IDC_SPLIT_ROWS_EQUAL, bChecked ? BST_UNCHECKED : BST_CHECKED);
    OnClickRowsEqual();
}

void CSplitCellDlg::OnClickColsLabel()
{
    const BOOL bChecked = IsDlgButtonChecked(IDC_SPLIT_COLS_EQUAL) == BST_CHECKED;
    ::CheckDlgButton(m_hWnd, IDC_SPLIT_COLS_EQUAL, bChecked ? BST_UNCHECKED : BST_CHECKED);
    OnClickColsEqual();
}

BOOL CSplitCellDlg::IsValidNumber(const CString& strText, int& nValue)
{
    nValue = std::atoi(strText);
    char szBack[16] = {};
    std::snprintf(szBack, sizeof(szBack), "%d", nValue);
    return strText == szBack && nValue >= 1;
}

BOOL CSplitCellDlg::ParseLengths(const CString& strText, BOOL bEqual, int nSpan, CUIntArray& arrLengths)
{
    arrLengths.RemoveAll();
    if (strText.IsEmpty()) {
        return TRUE;
    }
    // Lengths once the running sum has passed the span add no line; leaving them out keeps a
    // count such as 999999999 from filling the memory.
    int nValue = 0;
    if (bEqual) {
        if (!IsValidNumber(strText, nValue)) {
            return FALSE;
        }
        // More parts than units give parts of length 0: no line at all.
        for (int i = 1; i < nValue && nSpan / nValue > 0; ++i) {
            arrLengths.Add(static_cast<UINT>(nSpan / nValue));
        }
        return TRUE;
    }
    long long nSum = 0;
    // ',' and '*' lie below every GBK trail byte, so a plain byte scan is safe here.
    const int nLength = strText.GetLength();
    int nStart = 0;
    while (nStart <= nLength) {
        int nComma = strText.Find(',', nStart);
        if (nComma < 0) {
            nComma = nLength;
        }
        const CString strItem = strText.Mid(nStart, nComma - nStart);
        if (strItem.IsEmpty()) {
            // Only a comma at the very end may leave an empty item.
            if (nComma == nLength && nStart == nLength && nStart > 0) {
                break;
            }
            return FALSE;
        }
        const int nStar = strItem.Find('*');
        if (nStar < 0) {
            if (!IsValidNumber(strItem, nValue)) {
                return FALSE;
            }
            if (nSum < nSpan) {
                arrLengths.Add(static_cast<UINT>(nValue));
                nSum += nValue;
            }
        } else {
            CString strCount = strItem.Left(nStar);
            CString strEach = strItem.Mid(nStar + 1);
            strCount.Trim();
            strEach.Trim();
            int nCount = 0;
            if (!IsValidNumber(strCount, nCount) || !IsValidNumber(strEach, nValue)) {
                return FALSE;
            }
            for (int i = 0; i < nCount && nSum < nSpan; ++i) {
                arrLengths.Add(static_cast<UINT>(nValue));
                nSum += nValue;
            }
        }
        nStart = nComma + 1;
    }
    return TRUE;
}

void CSplitCellDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    CString strCols = m_strCols;
    CString strRows = m_strRows;
    strCols.Trim();
    strRows.Trim();
    if (!ParseLengths(strCols, m_bEqualCols, m_nRight - m_nLeft, m_arrColWidths) ||
        !ParseLengths(strRows, m_bEqualRows, m_nBottom - m_nTop, m_arrRowHeights)) {
        CString strText;
        strText.LoadString(IDS_SPLIT_SYNTAX);
        MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
        return;
    }
    CDialog::OnOK();
}
