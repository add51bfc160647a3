#include "common/KvColorBar.h"

#include <commdlg.h>

#include <vector>

#include "platform/base/FxResMgr.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

// The "其它..." button: a push button that tells its bar of its focus and keys.
class CKvOtherButton : public CButton
{
public:
    explicit CKvOtherButton(CKvColorBar* pBar) : m_pBar(pBar) {}

    void OnKillFocus(CWnd* pNewWnd) override
    {
        CButton::OnKillFocus(pNewWnd);
        m_pBar->OnOtherKillFocus(pNewWnd);
    }

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override
    {
        if (!m_pBar->OnOtherKeyDown(nChar)) {
            CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        }
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETDLGCODE) {
            return CButton::WindowProc(message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTTAB;
        }
        return CButton::WindowProc(message, wParam, lParam);
    }

private:
    CKvColorBar* m_pBar;
};

namespace
{
const COLORREF kStandardColors[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
    RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(192, 220, 192), RGB(166, 202, 240),
    RGB(255, 251, 240), RGB(160, 160, 164), RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),
    RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
};

bool IsDialogWindow(HWND hWnd)
{
    char szClass[16] = "";
    return hWnd != nullptr && GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpA(szClass, "#32770") == 0;
}

bool RegisterBarClass(UINT nClassStyle, CString& strClass)
{
    strClass.Format("KvColorBar%X", nClassStyle);
    WNDCLASSA wc = {};
    if (GetClassInfoA(FX_MODULE_INSTANCE(), strClass, &wc)) {
        return true;
    }
    // Global: windows are created with the program's instance, not this library's.
    wc.style = nClassStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = FX_MODULE_INSTANCE();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = strClass;
    return RegisterClassA(&wc) != 0;
}

// The standard colour dialog with crInit; FALSE when cancelled.
BOOL ChooseColorFrom(HWND hOwner, COLORREF crInit, DWORD dwFlags, COLORREF& crChosen)
{
    static COLORREF s_crCustom[16] = {};
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = hOwner;
    cc.rgbResult = crInit;
    cc.lpCustColors = s_crCustom;
    cc.Flags = dwFlags;
    if (!ChooseColorA(&cc)) {
        return FALSE;
    }
    crChosen = cc.rgbResult;
    return TRUE;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvColorBar, CWnd)

FX_BEGIN_MESSAGE_MAP(CKvColorBar, CWnd)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
FX_ON_MESSAGE(WM_CTLCOLORBTN, OnCtlColorBtn)
FX_ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
FX_END_MESSAGE_MAP()

CKvColorBar::CKvColorBar()
    : m_nRows(5), m_nColumns(4), m_nCustomCol(3), m_nCustomRow(5), m_nCellHeight(0), m_nCellWidth(0), m_nMarginX(2),
      m_nMarginY(2), m_nOtherHeight(0), m_nSelRow(1), m_nSelCol(1), m_nCustomIndex(20), m_bFocused(FALSE),
      m_bTrack(FALSE), m_bOtherButton(TRUE), m_bCustomShown(FALSE), m_bPaletteRealization(FALSE),
      m_pOtherButton(nullptr)
{
    m_brushBk.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

CKvColorBar::~CKvColorBar()
{
    delete m_pOtherButton;
}

void CKvColorBar::SetDefaultSize()
{
    m_nColumns = 4;
    m_nRows = 5;
}

void CKvColorBar::AdjustPalette(PALETTEENTRY*, int, int)
{
}

DWORD CKvColorBar::GetColorDialogFlags() const
{
    return CC_RGBINIT | CC_FULLOPEN;
}

UINT CKvColorBar::GetClassStyle() const
{
    return 0;
}

BOOL CKvColorBar::HasFocusFrame() const
{
    return TRUE;
}

void CKvColorBar::Reset()
{
    m_nSelRow = 1;
    m_nSelCol = 1;
    m_bFocused = FALSE;
    m_bTrack = FALSE;
    m_bCustomShown = FALSE;
}

BOOL CKvColorBar::CreatePalette()
{
    SetDefaultSize();
    const int nCells = m_nRows * m_nColumns;
    m_nCustomIndex = nCells;
    m_nCustomCol = m_nColumns - 1;
    m_nCustomRow = m_nRows;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(nCells + 1));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(nCells + 1);
    PALETTEENTRY* pEntries = pLog->palPalEntry;
    int nFilled = static_cast<int>(GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0,
                                                     static_cast<UINT>(nCells), pEntries));
    if (nFilled <= 0) {
        nFilled = nCells < 20 ? nCells : 20;
        for (int i = 0; i < nFilled; ++i) {
            pEntries[i] = {GetRValue(kStandardColors[i]), GetGValue(kStandardColors[i]), GetBValue(kStandardColors[i]),
                           0};
        }
    }
    AdjustPalette(pEntries, nCells, nFilled);
    pEntries[nCells] = {0, 0, 0, 0};
    m_palette.DeleteObject();
    return m_palette.CreatePalette(pLog);
}

void CKvColorBar::CalcMetrics(CWnd* pParentWnd, DWORD dwStyle)
{
    HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    if (IsDialogWindow(hParent)) {
        RECT rc = {0, 0, 10, 10};
        MapDialogRect(hParent, &rc);
        m_nCellWidth = rc.right;
        m_nCellHeight = rc.bottom;
    } else {
        LONG nUnits = GetDialogBaseUnits();
        m_nCellWidth = LOWORD(nUnits) * 10 / 4;
        m_nCellHeight = HIWORD(nUnits) * 10 / 8;
    }
    const int nMargin = ((dwStyle & KV_CBS_BORDER) != 0 ? 4 : 2) + (HasFocusFrame() ? 1 : 0);
    m_nMarginX = nMargin;
    m_nMarginY = nMargin;
    m_nOtherHeight = m_nCellHeight + 2;
}

CSize CKvColorBar::GetWindowSize() const
{
    int cx = m_nCellWidth * m_nColumns + (m_nMarginX + m_nColumns) * 2 - 2;
    int cy = m_nCellHeight * m_nRows + (m_nMarginY + m_nRows) * 2 - 2;
    if (m_bOtherButton) {
        cy += m_nCellHeight + 2 + 6;
    }
    return CSize(cx, cy);
}

BOOL CKvColorBar::Create(DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID, BOOL bDialogUnits, BOOL bOtherButton,
                         LPVOID lpParam)
{
    m_bOtherButton = bOtherButton;
    if (!CreatePalette()) {
        return FALSE;
    }
    CalcMetrics(pParentWnd, dwStyle);
    HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    if (bDialogUnits) {
        if (IsDialogWindow(hParent)) {
            RECT rc = {x, y, 0, 0};
            MapDialogRect(hParent, &rc);
            x = rc.left;
            y = rc.top;
        } else {
            LONG nUnits = GetDialogBaseUnits();
            x = x * LOWORD(nUnits) / 4;
            y = y * HIWORD(nUnits) / 8;
        }
    }
    CString strClass;
    if (!RegisterBarClass(GetClassStyle(), strClass)) {
        m_palette.DeleteObject();
        return FALSE;
    }
    // A pop-up is no child: it would be clipped to its owner.
    DWORD dwWndStyle = dwStyle | WS_CLIPCHILDREN;
    if ((dwStyle & WS_POPUP) == 0) {
        dwWndStyle |= WS_CHILD;
    }
    CSize size = GetWindowSize();
    if (!CreateEx(0, strClass, nullptr, dwWndStyle, x, y, size.cx, size.cy, hParent,
                  (dwStyle & WS_POPUP) != 0 ? nullptr : reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam)) {
        m_palette.DeleteObject();
        return FALSE;
    }
    if (m_bOtherButton) {
        delete m_pOtherButton;
        m_pOtherButton = new CKvOtherButton(this);
        CRect rcClient;
        GetClientRect(&rcClient);
        CRect rcButton(m_nMarginX, rcClient.bottom - m_nMarginY - m_nOtherHeight, rcClient.right - m_nMarginX,
                       rcClient.bottom - m_nMarginY);
        if (!m_pOtherButton->Create("BUTTON", "其它...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rcButton,
                                    this, KV_ID_OTHERCOLOR)) {
            delete m_pOtherButton;
            m_pOtherButton = nullptr;
            m_palette.DeleteObject();
            DestroyWindow();
            return FALSE;
        }
        HWND hFontSource = hParent != nullptr ? hParent : m_hWnd;
        m_pOtherButton->SendMessage(WM_SETFONT, static_cast<WPARAM>(::SendMessageA(hFontSource, WM_GETFONT, 0, 0)),
                                    FALSE);
    }
    return TRUE;
}

COLORREF CKvColorBar::EntryColor(int nIndex) const
{
    PALETTEENTRY entry = {};
    if (m_palette.GetSafeHandle() == nullptr ||
        m_palette.GetPaletteEntries(static_cast<UINT>(nIndex), 1, &entry) != 1) {
        return RGB(0, 0, 0);
    }
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

COLORREF CKvColorBar::GetCellColor(int nCol, int nRow) const
{
    return EntryColor(IsCustomCell(nCol, nRow) ? m_nCustomIndex : nRow * m_nColumns + nCol);
}

COLORREF CKvColorBar::GetColor() const
{
    return GetCellColor(m_nSelCol, m_nSelRow);
}

CRect CKvColorBar::GetCellRect(int nCol, int nRow) const
{
    const int x = (m_nCellWidth + 2) * nCol + m_nMarginX;
    int y = (m_nCellHeight + 2) * nRow + m_nMarginY;
    if (IsCustomCell(nCol, nRow)) {
        y += 5;
    }
    return CRect(x, y, x + m_nCellWidth, y + m_nCellHeight);
}

BOOL CKvColorBar::HitTest(CPoint point, int& nCol, int& nRow) const
{
    for (int r = 0; r < m_nRows; ++r) {
        for (int c = 0; c < m_nColumns; ++c) {
            CRect rc = GetCellRect(c, r);
            rc.InflateRect(1, 1);
            if (rc.PtInRect(point)) {
                nCol = c;
                nRow = r;
                return TRUE;
            }
        }
    }
    if (m_bCustomShown) {
        CRect rc = GetCellRect(m_nCustomCol, m_nCustomRow);
        rc.InflateRect(1, 1);
        if (rc.PtInRect(point)) {
            nCol = m_nCustomCol;
            nRow = m_nCustomRow;
            return TRUE;
        }
    }
    return FALSE;
}

void CKvColorBar::InvalidateCell(int nCol, int nRow)
{
    if (m_hWnd == nullptr) {
        return;
    }
    CRect rc = GetCellRect(nCol, nRow);
    rc.InflateRect(1, 1);
    InvalidateRect(&rc, FALSE);
}

void CKvColorBar::SelectColor(COLORREF crColor)
{
    const int nCells = m_nRows * m_nColumns;
    for (int i = 0; i < nCells; ++i) {
        if (EntryColor(i) == crColor) {
            InvalidateCell(m_nSelCol, m_nSelRow);
            m_nSelRow = i / m_nColumns;
            m_nSelCol = i % m_nColumns;
            InvalidateCell(m_nSelCol, m_nSelRow);
            return;
        }
    }
    if (!m_bOtherButton) {
        return;
    }
    PALETTEENTRY entry = {GetRValue(crColor), GetGValue(crColor), GetBValue(crColor), 0};
    m_palette.SetPaletteEntries(static_cast<UINT>(m_nCustomIndex), 1, &entry);
    if (!m_bCustomShown) {
        m_bCustomShown = TRUE;
        if (m_pOtherButton != nullptr && m_pOtherButton->m_hWnd != nullptr) {
            CRect rc;
            m_pOtherButton->GetWindowRect(&rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
            rc.right -= m_nCellWidth + 2;
            m_pOtherButton->MoveWindow(&rc);
        }
    }
    InvalidateCell(m_nSelCol, m_nSelRow);
    m_nSelCol = m_nCustomCol;
    m_nSelRow = m_nCustomRow;
    InvalidateCell(m_nSelCol, m_nSelRow);
}

void CKvColorBar::SelectCell(int nCol, int nRow, int)
{
    InvalidateCell(m_nSelCol, m_nSelRow);
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    InvalidateCell(m_nSelCol, m_nSelRow);
    NotifyParent();
}

void CKvColorBar::NotifyParent()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr) {
        ::SendMessageA(hParent, KV_WM_COLORCHANGE, static_cast<WPARAM>(GetDlgCtrlID()),
                       static_cast<LPARAM>(GetColor()));
    }
}

void CKvColorBar::DrawCell(CDC* pDC, CPoint ptOrigin, int nCol, int nRow)
{
    CRect rc = GetCellRect(nCol, nRow);
    rc.OffsetRect(ptOrigin.x - m_nMarginX, ptOrigin.y - m_nMarginY);
    pDC->Draw3dRect(&rc, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    rc.DeflateRect(1, 1);
    const int nIndex = IsCustomCell(nCol, nRow) ? m_nCustomIndex : nRow * m_nColumns + nCol;
    pDC->FillSolidRect(&rc, m_bPaletteRealization ? PALETTEINDEX(nIndex) : EntryColor(nIndex));
}

void CKvColorBar::DrawSelectedCell(CDC* pDC, CPoint ptOrigin, int nCol, int nRow)
{
    CRect rc = GetCellRect(nCol, nRow);
    rc.OffsetRect(ptOrigin.x - m_nMarginX, ptOrigin.y - m_nMarginY);
    pDC->Draw3dRect(&rc, RGB(0, 0, 0), RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, RGB(255, 255, 255), RGB(255, 255, 255));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, RGB(0, 0, 0), RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    const int nIndex = IsCustomCell(nCol, nRow) ? m_nCustomIndex : nRow * m_nColumns + nCol;
    pDC->FillSolidRect(&rc, m_bPaletteRealization ? PALETTEINDEX(nIndex) : EntryColor(nIndex));
}

BOOL CKvColorBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CKvColorBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    CBitmap bmp;
    CDC memDC;
    const bool bBuffered =
        memDC.CreateCompatibleDC(&dc) && bmp.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
    CFxSelectGuard guard(bBuffered ? &memDC : nullptr, bBuffered ? &bmp : nullptr);
    CDC* pDC = bBuffered ? &memDC : &dc;
    HPALETTE hOldPal = pDC->SelectPalette(m_palette, FALSE);
    pDC->RealizePalette();

    pDC->FillSolidRect(&rcClient, GetSysColor(COLOR_BTNFACE));
    CRect rcEdge = rcClient;
    if (HasFocusFrame()) {
        COLORREF crFrame = m_bFocused ? GetSysColor(COLOR_WINDOWFRAME) : GetSysColor(COLOR_BTNFACE);
        pDC->Draw3dRect(&rcEdge, crFrame, crFrame);
        rcEdge.DeflateRect(1, 1);
    }
    if ((GetStyle() & KV_CBS_BORDER) != 0) {
        pDC->Draw3dRect(&rcEdge, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        rcEdge.DeflateRect(1, 1);
        pDC->Draw3dRect(&rcEdge, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    const CPoint ptOrigin(m_nMarginX, m_nMarginY);
    for (int r = 0; r < m_nRows; ++r) {
        for (int c = 0; c < m_nColumns; ++c) {
            if (r == m_nSelRow && c == m_nSelCol) {
                DrawSelectedCell(pDC, ptOrigin, c, r);
            } else {
                DrawCell(pDC, ptOrigin, c, r);
            }
        }
    }
    if (m_bOtherButton) {
        const int yLine = m_nMarginY + (m_nCellHeight + 2) * m_nRows;
        pDC->FillSolidRect(m_nMarginX, yLine, rcClient.Width() - 2 * m_nMarginX, 1, GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(m_nMarginX, yLine + 1, rcClient.Width() - 2 * m_nMarginX, 1,
                           GetSysColor(COLOR_BTNHIGHLIGHT));
        if (m_bCustomShown) {
            if (IsCustomCell(m_nSelCol, m_nSelRow)) {
                DrawSelectedCell(pDC, ptOrigin, m_nCustomCol, m_nCustomRow);
            } else {
                DrawCell(pDC, ptOrigin, m_nCustomCol, m_nCustomRow);
            }
        }
    }
    if (bBuffered) {
        dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    }
    if (hOldPal != nullptr) {
        pDC->SelectPalette(hOldPal, FALSE);
    }
}

void CKvColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nCol = 0;
    int nRow = 0;
    if (HitTest(point, nCol, nRow)) {
        SelectCell(nCol, nRow, 2);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CKvColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    int nCol = 0;
    int nRow = 0;
    if (m_bTrack && HitTest(point, nCol, nRow) && (nCol != m_nSelCol || nRow != m_nSelRow)) {
        SelectCell(nCol, nRow, 1);
        return;
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CKvColorBar::MoveSelection(UINT nKey)
{
    const int nLastRow = m_nRows - 1;
    const int nLastCol = m_nColumns - 1;
    int nCol = m_nSelCol;
    int nRow = m_nSelRow;
    if (IsCustomCell(nCol, nRow)) {
        switch (nKey) {
        case VK_LEFT:
            nCol = nLastCol;
            nRow = nLastRow;
            break;
        case VK_RIGHT:
            nCol = 0;
            nRow = 0;
            break;
        case VK_UP:
            nRow = nLastRow;
            break;
        default:
            nRow = 0;
            break;
        }
    } else {
        switch (nKey) {
        case VK_LEFT:
            if (nCol > 0) {
                --nCol;
            } else if (nRow > 0) {
                --nRow;
                nCol = nLastCol;
            } else if (m_bCustomShown) {
                nCol = m_nCustomCol;
                nRow = m_nCustomRow;
            } else {
                nCol = nLastCol;
                nRow = nLastRow;
            }
            break;
        case VK_RIGHT:
            if (nCol < nLastCol) {
                ++nCol;
            } else if (nRow < nLastRow) {
                ++nRow;
                nCol = 0;
            } else if (m_bCustomShown) {
                nCol = m_nCustomCol;
                nRow = m_nCustomRow;
            } else {
                nCol = 0;
                nRow = 0;
            }
            break;
        case VK_UP:
            if (nRow > 0) {
                --nRow;
            } else if (m_bCustomShown && nCol == m_nCustomCol) {
                nRow = m_nCustomRow;
            } else {
                nRow = nLastRow;
            }
            break;
        default:
            if (nRow < nLastRow) {
                ++nRow;
            } else if (m_bCustomShown && nCol == m_nCustomCol) {
                nRow = m_nCustomRow;
            } else {
                nRow = 0;
            }
            break;
        }
    }
    SelectCell(nCol, nRow, 0);
}

void CKvColorBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        MoveSelection(nChar);
        return;
    case VK_RETURN:
    case VK_SPACE:
        SelectCell(m_nSelCol, m_nSelRow, 2);
        return;
    case VK_TAB:
        if (GetKeyState(VK_SHIFT) < 0) {
            HWND hDlg = ::GetParent(m_hWnd);
            if (hDlg != nullptr) {
                ::SetFocus(::GetNextDlgTabItem(hDlg, m_hWnd, TRUE));
            }
        } else if (m_pOtherButton != nullptr) {
            m_pOtherButton->SetFocus();
        }
        return;
    default:
        break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CKvColorBar::OnGetDlgCode(WPARAM, LPARAM)
{
    LRESULT lCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bOtherButton) {
        lCode |= DLGC_WANTTAB;
    }
    return lCode;
}

void CKvColorBar::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    const HWND hOld = pOldWnd != nullptr ? pOldWnd->m_hWnd : nullptr;
    if (GetKeyState(VK_SHIFT) < 0 && m_pOtherButton != nullptr && m_pOtherButton->m_hWnd != nullptr &&
        hOld != m_pOtherButton->m_hWnd) {
        m_pOtherButton->SetFocus();
        return;
    }
    m_bFocused = TRUE;
    Invalidate(FALSE);
}

void CKvColorBar::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    Invalidate(FALSE);
}

LRESULT CKvColorBar::OnCtlColorBtn(WPARAM wParam, LPARAM)
{
    ::SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(m_brushBk.GetSafeHandle());
}

LRESULT CKvColorBar::OnSysColorChange(WPARAM, LPARAM)
{
    m_brushBk.DeleteObject();
    m_brushBk.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    Invalidate();
    return Default();
}

BOOL CKvColorBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == KV_ID_OTHERCOLOR && HIWORD(wParam) == BN_CLICKED) {
        OnOtherButton();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CKvColorBar::OnOtherButton()
{
    COLORREF crChosen = 0;
    if (ChooseColorFrom(m_hWnd, GetColor(), GetColorDialogFlags(), crChosen)) {
        SelectColor(crChosen);
        NotifyParent();
    }
}

void CKvColorBar::OnOtherKillFocus(CWnd*)
{
}

BOOL CKvColorBar::OnOtherKeyDown(UINT)
{
    return FALSE;
}
