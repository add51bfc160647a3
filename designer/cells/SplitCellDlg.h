// Turns a row and a column text into the row heights and column widths (tenths of a millimetre)
// for splitting a closed area: "3" in equal parts, or "60,80" and "3*60,80" exact lengths.
#pragma once

#include "platform/base/String.h"
#include "platform/base/UIntArray.h"
#include "platform/win/Dialog.h"

class CSplitCellDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSplitCellDlg)

public:
    explicit CSplitCellDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // A whole number of at least 1 written exactly as "%d" would write it (no sign, blank or 0).
    static BOOL IsValidNumber(const CString& strText, int& nValue);
    // Fills the lengths from one text; an empty text gives none. FALSE on a syntax error. Lengths
    // beyond the one that reaches nSpan, and parts of length 0, are left out: they split nothing.
    static BOOL ParseLengths(const CString& strText, BOOL bEqual, int nSpan, CUIntArray& arrLengths);

    CUIntArray m_arrColWidths;
    CUIntArray m_arrRowHeights;
    int m_nLeft;
    int m_nTop;
    int m_nRight;
    int m_nBottom;
    int m_bRowsEnabled;
    int m_bColsEnabled;
    int m_bEqualCols;
    int m_bEqualRows;
    CString m_strCols;
    CString m_strRows;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnClickRowsEqual();
    void OnClickColsEqual();
    void OnClickRowsLabel();
    void OnClickColsLabel();

    FX_DECLARE_MESSAGE_MAP()
};
