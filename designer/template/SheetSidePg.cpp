#include "designer/template/SheetSidePg.h"

#include <cstdlib>

#include "designer/template/SetSheetStyleSh.h"
#include "designer/res/resource.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNAMIC(CSheetSidePg, CPropertyPage)

namespace
{
struct Margin
{
    UINT nID;
    int CSetSheetStyleSh::*pnValue;
};
const Margin kMargins[] = {
    {IDC_SIDE_TOP, &CSetSheetStyleSh::m_nTop},
    {IDC_SIDE_LEFT, &CSetSheetStyleSh::m_nLeft},
    {IDC_SIDE_RIGHT, &CSetSheetStyleSh::m_nRight},
    {IDC_SIDE_BOTTOM, &CSetSheetStyleSh::m_nBottom},
};
} // namespace

CSheetSidePg::CSheetSidePg() : CPropertyPage(IDD_SHEET_SIDE), m_pStyleSh(nullptr), m_bShowing(FALSE)
{
}

BOOL CSheetSidePg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_pStyleSh == nullptr) {
        return TRUE;
    }
    m_bShowing = TRUE;
    for (const Margin& margin : kMargins) {
        SetDlgItemText(static_cast<int>(margin.nID), SheetMmText(m_pStyleSh->*margin.pnValue));
    }
    CString str;
    str.Format("%d", m_pStyleSh->m_nFrameWidth);
    SetDlgItemText(IDC_SIDE_FRAME_WIDTH, str);
    m_bShowing = FALSE;
    return TRUE;
}

BOOL CSheetSidePg::WriteBack(BOOL bTell)
{
    if (m_pStyleSh == nullptr) {
        return TRUE;
    }
    BOOL bAll = TRUE;
    for (const Margin& margin : kMargins) {
        CString strText;
        double dMm = 0;
        GetDlgItemText(static_cast<int>(margin.nID), strText);
        if (SheetParseMm(strText, dMm)) {
            m_pStyleSh->*margin.pnValue = SheetTenthsFromMm(dMm);
        } else {
            bAll = FALSE;
        }
    }
    CString strWidth;
    GetDlgItemText(IDC_SIDE_FRAME_WIDTH, strWidth);
    double dWidth = 0;
    if (SheetParseMm(strWidth, dWidth) && dWidth == static_cast<int>(dWidth)) {
        m_pStyleSh->m_nFrameWidth = static_cast<int>(dWidth);
    } else {
        bAll = FALSE;
    }
    InvalidateSheetPreview(m_hWnd);
    if (!bAll && bTell) {
        FxMessageBox(m_hWnd, "请输入一个数。", nullptr, MB_OK | MB_ICONEXCLAMATION);
    }
    return bAll;
}

BOOL CSheetSidePg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == EN_CHANGE && nID != IDC_SIDE_FRAME_WIDTH) {
        if (!m_bShowing) {
            WriteBack(FALSE);
        }
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CSheetSidePg::OnApply()
{
    if (!WriteBack(TRUE)) {
        return FALSE;
    }
    return CPropertyPage::OnApply();
}

void CSheetSidePg::OnPaint()
{
    PaintSheetPreview(this, m_pStyleSh);
}
