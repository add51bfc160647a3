#include "work/SpecCharDlg.h"

#include <windowsx.h>

#include "platform/gdi/PaintDC.h"
#include "platform/win/MsgMap.h"
#include "symedit/GlyphworkEdit.h"
#include "work/res/resource.h"

namespace
{
struct NotationButton
{
    UINT nBitmap;
    const char* pszTip;
    void (CGlyphworkEdit::*pfnInsert)();
};
const NotationButton kButtons[CSpecCharDlg::buttonCount] = {
    {IDB_SPECCHAR_SYMBOL, "插入特殊符号", &CGlyphworkEdit::InsertSymbol},
    {IDB_SPECCHAR_TOLERANCE, "插入公差", &CGlyphworkEdit::NewTolerance},
    {IDB_SPECCHAR_GPTOL, "插入形位公差", &CGlyphworkEdit::NewGptol},
    {IDB_SPECCHAR_COARSENESS, "插入粗糙度", &CGlyphworkEdit::NewCoarseness},
    {IDB_SPECCHAR_FRACTION, "插入分数", &CGlyphworkEdit::NewFraction},
    {IDB_SPECCHAR_SUPSUB, "插入上下角标", &CGlyphworkEdit::NewSuperSubScript},
};
constexpr int kEditStyle = 6;
} // namespace

FX_BEGIN_MESSAGE_MAP(CSpecCharDlg, CDialog)
FX_ON_WM_SIZE()
FX_ON_WM_PAINT()
FX_ON_WM_DESTROY()
FX_END_MESSAGE_MAP()

CSpecCharDlg::CSpecCharDlg(CWnd* pParent)
    : CDialog(IDD_SPECCHAR, pParent), m_lfFont{}, m_crText(0), m_nFormat(0), m_nAlign(0), m_nCellHeight(15),
      m_nCellWidth(0), m_bAutoSize(0), m_pEdit(nullptr)
{
}

CSpecCharDlg::~CSpecCharDlg()
{
    ReleaseEditCtrl();
}

BOOL CSpecCharDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < buttonCount; ++i) {
        CKvHotButton& button = m_buttons[i];
        if (!button.SubclassDlgItem(idFirstButton + i, this)) {
            continue;
        }
        button.SetBitmap(static_cast<int>(kButtons[i].nBitmap), 0, RGB(0xC0, 0xC0, 0xC0));
        button.SetWindowText("");
        button.SetShowText(FALSE);
        button.SetTooltipText(kButtons[i].pszTip);
        button.SetFlat(FALSE);
    }
    CRect rcArea;
    if (CWnd* pArea = GetDlgItem(IDC_SPECCHAR_AREA)) {
        pArea->GetWindowRect(&rcArea);
        MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rcArea), 2);
    }
    const int nExtra = m_nCellWidth - rcArea.Width() + 16;
    if (m_bAutoSize && nExtra > 0) {
        CRect rcWnd;
        GetWindowRect(&rcWnd);
        ::SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, rcWnd.Width() + nExtra, rcWnd.Height(), SWP_NOMOVE | SWP_NOZORDER);
    }
    if (m_bAutoSize && m_nCellWidth != 0) {
        if (nExtra >= 0) {
            rcArea.right += nExtra;
        } else {
            rcArea.left -= nExtra;
        }
    }
    m_rcEdit = rcArea;
    CreateEditCtrl(m_rcEdit);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    m_sizeMin = CSize(rcWnd.Width(), rcWnd.Height());
    // Sizes count from here: a first WM_SIZE may come before or after this.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_sizeLast = CSize(rcClient.Width(), rcClient.Height());
    m_rcGrip = CRect(rcClient.right - GetSystemMetrics(SM_CXHSCROLL), rcClient.bottom - GetSystemMetrics(SM_CYVSCROLL),
                     rcClient.right, rcClient.bottom);
    return TRUE;
}

void CSpecCharDlg::CreateEditCtrl(const CRect& rc)
{
    auto* pEdit = new CGlyphworkEdit;
    pEdit->SetTextData(m_lfFont, m_strText, m_nFormat, m_nAlign, 1.0f, m_crText);
    const CRect rcText(rc.left, rc.top, rc.right, rc.top + m_nCellHeight);
    if (!pEdit->CreateEdit(this, kEditStyle, rc, rcText, idEditCtrl, CPoint(0, 0))) {
        if (pEdit->GetSafeHwnd() == nullptr) {
            delete pEdit;
        }
        return;
    }
    m_pEdit = pEdit;
}

void CSpecCharDlg::ReleaseEditCtrl()
{
    CGlyphworkEdit* pEdit = m_pEdit;
    if (pEdit == nullptr) {
        return;
    }
    m_pEdit = nullptr;
    if (pEdit->m_bModify) {
        pEdit->GetData(m_strText);
    }
    pEdit->DestroyEdit();
}

BOOL CSpecCharDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(wParam);
    if (nID >= idFirstButton && nID < idFirstButton + buttonCount && HIWORD(wParam) == BN_CLICKED) {
        if (m_pEdit != nullptr) {
            (m_pEdit->*kButtons[nID - idFirstButton].pfnInsert)();
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CSpecCharDlg::MoveItemBy(int nID, int dx, int dy, int dWidth)
{
    CWnd* pItem = GetDlgItem(nID);
    if (pItem == nullptr) {
        return;
    }
    CRect rc;
    pItem->GetWindowRect(&rc);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rc), 2);
    pItem->MoveWindow(rc.left + dx, rc.top + dy, rc.Width() + dWidth, rc.Height());
}

void CSpecCharDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED) {
        return;
    }
    if (m_sizeLast.cx != 0 || m_sizeLast.cy != 0) {
        const int dx = cx - m_sizeLast.cx;
        const int dy = cy - m_sizeLast.cy;
        if (dx != 0) {
            for (int i = 0; i < buttonCount; ++i) {
                MoveItemBy(idFirstButton + i, dx, 0, 0);
            }
            MoveItemBy(IDOK, dx, 0, 0);
            MoveItemBy(IDCANCEL, dx, 0, 0);
            MoveItemBy(IDC_SPECCHAR_FRAME, 0, 0, dx);
        }
        MoveItemBy(IDC_SPECCHAR_FRAME, 0, dy, 0);
        MoveItemBy(IDOK, 0, dy, 0);
        MoveItemBy(IDCANCEL, 0, dy, 0);
        if (m_pEdit != nullptr) {
            // The edit lays its text out for one size: it is made again in the new one.
            ReleaseEditCtrl();
            m_rcEdit.bottom += dy;
            if (!m_bAutoSize) {
                m_rcEdit.right += dx;
            }
            CreateEditCtrl(m_rcEdit);
        }
    }
    m_sizeLast = CSize(cx, cy);
    InvalidateRect(&m_rcGrip);
    m_rcGrip = CRect(cx - GetSystemMetrics(SM_CXHSCROLL), cy - GetSystemMetrics(SM_CYVSCROLL), cx, cy);
    InvalidateRect(&m_rcGrip);
}

void CSpecCharDlg::OnPaint()
{
    CPaintDC dc(GetSafeHwnd());
    CRect rcGrip = m_rcGrip;
    DrawFrameControl(dc.GetSafeHdc(), &rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void CSpecCharDlg::OnDestroy()
{
    ReleaseEditCtrl();
    CDialog::OnDestroy();
}

LRESULT CSpecCharDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETMINMAXINFO && m_sizeMin.cx > 0) {
        auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        pInfo->ptMinTrackSize.x = m_sizeMin.cx;
        pInfo->ptMinTrackSize.y = m_sizeMin.cy;
        if (m_bAutoSize) {
            pInfo->ptMaxTrackSize.x = m_sizeMin.cx;
        }
        return 0;
    }
    if (message == WM_NCHITTEST) {
        CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ::ScreenToClient(GetSafeHwnd(), &pt);
        if (m_rcGrip.PtInRect(pt)) {
            return m_bAutoSize ? HTBOTTOM : HTBOTTOMRIGHT;
        }
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
