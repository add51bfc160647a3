#include "designer/template/SheetSizePg.h"

#include <utility>

#include "designer/template/SetSheetStyleSh.h"
#include "designer/res/resource.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNAMIC(CSheetSizePg, CPropertyPage)

const CSheetSizePg::Paper CSheetSizePg::s_aPapers[22] = {
    {"letter", 215.9, 279.4},
    {"letter Small", 0, 0},
    {"Tabloid", 279.4, 431.7},
    {"Legal", 215.9, 355.6},
    {"Statement", 139.7, 215.9},
    {"A3", 297, 420},
    {"A4", 210, 297},
    {"A4 Small", 210, 297},
    {"A5", 148, 210},
    {"B4 (JIS)", 257, 364},
    {"B5 (JIS)", 182, 257},
    {"Quarto", 215, 275},
    {"A4 Extra", 235.5, 322.3},
    {"A4 Plus", 210, 330},
    {"A3 Extra", 322, 445},
    {"A5 Extra", 174, 235},
    {"B5 (ISO) Extra", 201, 276},
    {"A6", 105, 148},
    {"16开 ( 184 X 260毫米)", 184, 260},
    {"32开 ( 130 X 184毫米)", 130, 184},
    {"大 32开 ( 140 X 203毫米)", 140, 203},
    {"自定义大小", 0, 0},
};

namespace
{

const CSheetSizePg::Paper* FindPaper(const CString& strName)
{
    for (const CSheetSizePg::Paper& paper : CSheetSizePg::s_aPapers) {
        if (strName == paper.pszName) {
            return &paper;
        }
    }
    return nullptr;
}

} // namespace

CSheetSizePg::CSheetSizePg()
    : CPropertyPage(IDD_SHEET_SIZE), m_pStyleSh(nullptr), m_dWidth(0), m_dHeight(0), m_bShowing(FALSE)
{
}

BOOL CSheetSizePg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (const Paper& paper : s_aPapers) {
        SendDlgItemMessage(IDC_SHEET_PAPER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paper.pszName));
    }
    if (m_pStyleSh == nullptr) {
        return TRUE;
    }
    const BOOL bFound = SelectPaper(m_pStyleSh->m_strPaperName);
    if (bFound && (m_pStyleSh->m_nPageWidth < 1 || m_pStyleSh->m_nPageHeight < 1)) {
        ChoosePaper();
    }
    if (m_pStyleSh->m_nPageHeight != 0) {
        m_dWidth = m_pStyleSh->m_nPageWidth * 0.1;
        m_dHeight = m_pStyleSh->m_nPageHeight * 0.1;
        ShowSizes();
    }
    WriteBack();
    const BOOL bLandscape = m_dWidth > m_dHeight;
    ::CheckRadioButton(m_hWnd, IDC_SHEET_PORTRAIT, IDC_SHEET_LANDSCAPE,
                       bLandscape ? IDC_SHEET_LANDSCAPE : IDC_SHEET_PORTRAIT);
    HICON hIcon = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bLandscape ? IDI_SHEET_LANDSCAPE : IDI_SHEET_PORTRAIT),
        IMAGE_ICON, 0, 0, LR_SHARED));
    SendDlgItemMessage(IDC_SHEET_ORIENT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0);
    return TRUE;
}

BOOL CSheetSizePg::SelectPaper(LPCSTR lpszName)
{
    // The list is sorted: find the entry by its exact text, not by a prefix or its letter case.
    const int nCount = static_cast<int>(SendDlgItemMessage(IDC_SHEET_PAPER, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szText[128] = {};
        if (SendDlgItemMessage(IDC_SHEET_PAPER, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) <
                static_cast<LRESULT>(sizeof(szText)) &&
            SendDlgItemMessage(IDC_SHEET_PAPER, CB_GETLBTEXT, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(szText)) != CB_ERR &&
            CString(szText) == lpszName) {
            SendDlgItemMessage(IDC_SHEET_PAPER, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return TRUE;
        }
    }
    SendDlgItemMessage(IDC_SHEET_PAPER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return FALSE;
}

void CSheetSizePg::ChoosePaper()
{
    CString strName;
    GetDlgItemText(IDC_SHEET_PAPER, strName);
    const Paper* pPaper = FindPaper(strName);
    if (pPaper != nullptr && pPaper->dWidth > 0) {
        m_dWidth = pPaper->dWidth;
        m_dHeight = pPaper->dHeight;
        ShowSizes();
    } else {
        ReadSizes();
    }
    WriteBack();
}

void CSheetSizePg::SetOrientation(BOOL bLandscape)
{
    HICON hIcon = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bLandscape ? IDI_SHEET_LANDSCAPE : IDI_SHEET_PORTRAIT),
        IMAGE_ICON, 0, 0, LR_SHARED));
    SendDlgItemMessage(IDC_SHEET_ORIENT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0);
    ReadSizes();
    if (bLandscape ? m_dHeight > m_dWidth : m_dWidth > m_dHeight) {
        std::swap(m_dWidth, m_dHeight);
        ShowSizes();
    }
    WriteBack();
}

void CSheetSizePg::SizesTyped()
{
    if (m_pStyleSh != nullptr) {
        CString strCustom;
        strCustom.LoadString(IDS_SHEET_CUSTOM_SIZE);
        m_pStyleSh->m_strPaperName = strCustom;
        SelectPaper(strCustom);
    }
    ReadSizes();
    WriteBack();
}

BOOL CSheetSizePg::ReadSizes()
{
    CString strWidth;
    CString strHeight;
    GetDlgItemText(IDC_SHEET_WIDTH, strWidth);
    GetDlgItemText(IDC_SHEET_HEIGHT, strHeight);
    // Half-typed text keeps the last number.
    const BOOL bWidth = SheetParseMm(strWidth, m_dWidth);
    const BOOL bHeight = SheetParseMm(strHeight, m_dHeight);
    return bWidth && bHeight;
}

void CSheetSizePg::ShowSizes()
{
    m_bShowing = TRUE;
    CString str;
    str.Format("%g", m_dWidth);
    SetDlgItemText(IDC_SHEET_WIDTH, str);
    str.Format("%g", m_dHeight);
    SetDlgItemText(IDC_SHEET_HEIGHT, str);
    m_bShowing = FALSE;
}

void CSheetSizePg::WriteBack()
{
    if (m_pStyleSh == nullptr) {
        return;
    }
    m_pStyleSh->m_nPageHeight = SheetTenthsFromMm(m_dHeight);
    m_pStyleSh->m_nPageWidth = SheetTenthsFromMm(m_dWidth);
    GetDlgItemText(IDC_SHEET_PAPER, m_pStyleSh->m_strPaperName);
    InvalidateSheetPreview(m_hWnd);
}

BOOL CSheetSizePg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (nID == IDC_SHEET_PAPER && nCode == CBN_SELCHANGE) {
        ChoosePaper();
        return TRUE;
    }
    if ((nID == IDC_SHEET_PORTRAIT || nID == IDC_SHEET_LANDSCAPE) && nCode == BN_CLICKED) {
        SetOrientation(nID == IDC_SHEET_LANDSCAPE);
        return TRUE;
    }
    if ((nID == IDC_SHEET_WIDTH || nID == IDC_SHEET_HEIGHT) && nCode == EN_CHANGE) {
        if (!m_bShowing) {
            SizesTyped();
        }
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CSheetSizePg::OnApply()
{
    if (!ReadSizes()) {
        FxMessageBox(m_hWnd, "请输入一个数。", nullptr, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    WriteBack();
    return CPropertyPage::OnApply();
}

void CSheetSizePg::OnPaint()
{
    PaintSheetPreview(this, m_pStyleSh);
}
