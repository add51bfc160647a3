#include "gridkit/GkGridWnd.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <memory>

#include "platform/base/FxResMgr.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

namespace
{
const COLORREF kGridLine = RGB(192, 192, 192);
const COLORREF kSelection = RGB(204, 226, 250);
// Room left and right of a cell's text.
const int kTextInset = 3;
const int kButtonWidth = 16;
const int kCheckSize = 13;

// Puts a Chinese character back together from what the window's messages carry. An ANSI
// window gets one as a lead byte and then a trail byte (an ANSI message loop, or the default
// handling of WM_IME_CHAR), or whole with the lead byte high (WM_IME_CHAR, or a UTF-16 WM_CHAR of
// a Unicode message loop, such as the modal dialog loop, converted for the window).
class CGkCharJoiner
{
public:
    enum Result { waiting, singleByte, doubleByte };

    // A whole double-byte character comes in strChar, a single byte in chSingle.
    Result Take(WPARAM wChar, CString& strChar, BYTE& chSingle)
    {
        const UINT nChar = static_cast<UINT>(wChar & 0xFFFF);
        if (nChar > 0xFF) {
            m_chLead = 0;
            const char sz[3] = {static_cast<char>(HIBYTE(nChar)), static_cast<char>(LOBYTE(nChar)), '\0'};
            strChar = sz;
            return doubleByte;
        }
        const BYTE ch = static_cast<BYTE>(nChar);
        if (m_chLead != 0) {
            const BYTE chLead = m_chLead;
            m_chLead = 0;
            // GBK trail bytes; anything else drops the lone lead byte and counts as itself.
            if (ch >= 0x40 && ch != 0x7F && ch != 0xFF) {
                const char sz[3] = {static_cast<char>(chLead), static_cast<char>(ch), '\0'};
                strChar = sz;
                return doubleByte;
            }
        }
        if (IsDBCSLeadByte(ch)) {
            m_chLead = ch;
            return waiting;
        }
        chSingle = ch;
        return singleByte;
    }
    // A character that can't be a plain single byte: its bytes must be joined here.
    BOOL NeedsJoining(WPARAM wChar) const
    {
        const UINT nChar = static_cast<UINT>(wChar & 0xFFFF);
        return nChar > 0xFF || m_chLead != 0 || IsDBCSLeadByte(static_cast<BYTE>(nChar));
    }

private:
    BYTE m_chLead = 0;
};

// The in-place editors hand their keys to the grid; focus leaving them commits the text.
class CGkCellEditor : public CWnd
{
public:
    explicit CGkCellEditor(CGkGridWnd* pGrid) : m_pGrid(pGrid) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // The control behind this ANSI window would read a whole character's bytes in the wrong
        // order, and a lone lead byte as a character of its own: characters are joined here.
        if ((message == WM_CHAR && m_joiner.NeedsJoining(wParam)) || message == WM_IME_CHAR) {
            CString strChar;
            BYTE chSingle = 0;
            switch (m_joiner.Take(wParam, strChar, chSingle)) {
            case CGkCharJoiner::waiting:
                return 0;
            case CGkCharJoiner::singleByte:
                message = WM_CHAR;
                wParam = chSingle;
                break;
            case CGkCharJoiner::doubleByte:
                return OnDoubleByteChar(strChar);
            }
        }
        switch (message) {
        case WM_GETDLGCODE:
            return CWnd::WindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (IsGridKey(static_cast<UINT>(wParam))) {
                m_pGrid->OnEditorKey(static_cast<UINT>(wParam));
                return 0;
            }
            break;
        case WM_CHAR:
            // The edit control beeps at these; the grid has handled them as keys.
            if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) {
                return 0;
            }
            break;
        case WM_KILLFOCUS: {
            LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
            if (m_pGrid->IsEditing() && reinterpret_cast<HWND>(wParam) != m_hWnd) {
                m_pGrid->EndEdit(TRUE);
            }
            return lResult;
        }
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    virtual BOOL IsGridKey(UINT nChar) const { return nChar == VK_RETURN || nChar == VK_ESCAPE || nChar == VK_TAB; }
    // A drop-down list offers its choices: a typed Chinese character picks none.
    virtual LRESULT OnDoubleByteChar(const CString&) { return 0; }

    CGkGridWnd* m_pGrid;

private:
    CGkCharJoiner m_joiner;
};

class CGkCellEdit : public CGkCellEditor
{
public:
    using CGkCellEditor::CGkCellEditor;

    // Types text over the selection.
    void TypeText(const CString& strText)
    {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strText.GetString()));
    }

protected:
    BOOL IsGridKey(UINT nChar) const override
    {
        return CGkCellEditor::IsGridKey(nChar) || nChar == VK_UP || nChar == VK_DOWN;
    }
    // The whole character goes in as text.
    LRESULT OnDoubleByteChar(const CString& strChar) override
    {
        return CWnd::WindowProc(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strChar.GetString()));
    }
};

class CGkCellCombo : public CGkCellEditor
{
public:
    using CGkCellEditor::CGkCellEditor;
};

CString FontKey(const CGkStyle& style)
{
    CString strKey;
    strKey.Format("%s|%d|%d", style.GetFontFace().GetString(), style.GetFontSize(), style.GetFontWeight());
    return strKey;
}
} // namespace

struct CGkGridWnd::GkWndData
{
    explicit GkWndData(CGkGridWnd* pGrid) : edit(pGrid), combo(pGrid) {}

    CGkCellEdit edit;
    CGkCellCombo combo;
    // Typing over a cell: a lead byte waits here for its trail byte.
    CGkCharJoiner joiner;
    UINT nEditRow = 0;
    UINT nEditCol = 0;
    CString strEditValue;
    std::map<CString, std::unique_ptr<CFont>> fonts;
    std::map<WORD, std::unique_ptr<CBitmap>> bitmaps;
};

BOOL GkRegisterWindowClasses()
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(FX_MODULE_INSTANCE(), GK_GRID_CLASS, &wc)) {
        return TRUE;
    }
    // Global: dialog templates of other modules name it.
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = FX_MODULE_INSTANCE();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = GK_GRID_CLASS;
    return RegisterClassA(&wc) != 0;
}

BOOL GkInitLibrary(UINT, UINT, UINT)
{
    return GkRegisterWindowClasses();
}

FX_BEGIN_MESSAGE_MAP(CGkGridWnd, CWnd)
FX_ON_MESSAGE(WM_VSCROLL, OnVScroll)
FX_ON_MESSAGE(WM_HSCROLL, OnHScroll)
FX_ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
FX_ON_MESSAGE(WM_SYSKEYDOWN, OnSysKeyDown)
FX_ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
FX_ON_MESSAGE(WM_IME_CHAR, OnImeChar)
FX_END_MESSAGE_MAP()

CGkGridWnd::CGkGridWnd()
    : m_pWnd(new GkWndData(this)), m_nTopRow(1), m_nLeftCol(1), m_nEditControl(0), m_bTracking(FALSE), m_nAnchorRow(0),
      m_nAnchorCol(0), m_bInScrollUpdate(FALSE)
{
}

CGkGridWnd::~CGkGridWnd()
{
    // The editors' windows go first, while the grid they report to is whole.
    m_nEditControl = 0;
    m_pWnd->edit.DestroyWindow();
    m_pWnd->combo.DestroyWindow();
    delete m_pWnd;
    m_pWnd = nullptr;
}

BOOL CGkGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!GkRegisterWindowClasses()) {
        return FALSE;
    }
    return CWnd::Create(GK_GRID_CLASS, "", dwStyle, rect, pParentWnd, nID);
}

void CGkGridWnd::InitGrid()
{
    if (m_hWnd == nullptr) {
        return;
    }
    if ((GetStyle() & (WS_VSCROLL | WS_HSCROLL)) != (WS_VSCROLL | WS_HSCROLL)) {
        ModifyStyle(0, WS_VSCROLL | WS_HSCROLL, SWP_FRAMECHANGED);
    }
    UpdateScrollBars();
    Invalidate(FALSE);
}

BOOL CGkGridWnd::RegisterBitmapControl(WORD nControl, UINT nIDBitmap)
{
    auto pBitmap = std::make_unique<CBitmap>();
    if (!pBitmap->LoadBitmap(nIDBitmap)) {
        return FALSE;
    }
    m_pWnd->bitmaps[nControl] = std::move(pBitmap);
    return TRUE;
}

BOOL CGkGridWnd::RedrawCell(UINT nRow, UINT nCol)
{
    if (!IsValidCell(nRow, nCol)) {
        return FALSE;
    }
    CRect rc;
    if (m_hWnd != nullptr && GetCellRect(nRow, nCol, rc)) {
        InvalidateRect(&rc, FALSE);
        UpdateWindow();
    }
    return TRUE;
}

CRect CGkGridWnd::ClientRect() const
{
    CRect rc(0, 0, 0, 0);
    if (m_hWnd != nullptr) {
        GetClientRect(&rc);
    }
    return rc;
}

UINT CGkGridWnd::FullRowsInView(int cyView) const
{
    UINT nRows = 0;
    int y = 0;
    for (UINT nRow = m_nTopRow; nRow <= GetRowCount(); nRow++) {
        y += GetRowHeight(nRow);
        if (y > cyView) {
            break;
        }
        nRows++;
    }
    return std::max<UINT>(nRows, 1);
}

UINT CGkGridWnd::FullColsInView(int cxView) const
{
    UINT nCols = 0;
    int x = 0;
    for (UINT nCol = m_nLeftCol; nCol <= GetColCount(); nCol++) {
        x += GetColWidth(nCol);
        if (x > cxView) {
            break;
        }
        nCols++;
    }
    return std::max<UINT>(nCols, 1);
}

UINT CGkGridWnd::LastTopRow(int cyView) const
{
    UINT nRow = GetRowCount();
    int y = 0;
    while (nRow > 1) {
        y += GetRowHeight(nRow);
        if (y + GetRowHeight(nRow - 1) > cyView) {
            break;
        }
        nRow--;
    }
    return std::max<UINT>(nRow, 1);
}

UINT CGkGridWnd::LastLeftCol(int cxView) const
{
    UINT nCol = GetColCount();
    int x = 0;
    while (nCol > 1) {
        x += GetColWidth(nCol);
        if (x + GetColWidth(nCol - 1) > cxView) {
            break;
        }
        nCol--;
    }
    return std::max<UINT>(nCol, 1);
}

void CGkGridWnd::UpdateScrollBars()
{
    if (m_hWnd == nullptr || m_bInScrollUpdate) {
        return;
    }
    // Showing or hiding a bar resizes the client area and comes back here through WM_SIZE.
    m_bInScrollUpdate = TRUE;
    for (int nPass = 0; nPass < 2; nPass++) {
        const CRect rc = ClientRect();
        const int cyView = rc.Height() - GetRowHeight(0);
        const int cxView = rc.Width() - GetColWidth(0);
        m_nTopRow = std::min(m_nTopRow, LastTopRow(cyView));
        m_nLeftCol = std::min(m_nLeftCol, LastLeftCol(cxView));

        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 1;
        si.nMax = static_cast<int>(std::max<UINT>(GetRowCount(), 1));
        si.nPage = GetRowCount() <= 1 || LastTopRow(cyView) == 1 ? static_cast<UINT>(si.nMax) : FullRowsInView(cyView);
        si.nPos = static_cast<int>(m_nTopRow);
        SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);

        si.nMax = static_cast<int>(std::max<UINT>(GetColCount(), 1));
        si.nPage = GetColCount() <= 1 || LastLeftCol(cxView) == 1 ? static_cast<UINT>(si.nMax) : FullColsInView(cxView);
        si.nPos = static_cast<int>(m_nLeftCol);
        SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    }
    m_bInScrollUpdate = FALSE;
}

BOOL CGkGridWnd::SetTopRow(UINT nRow)
{
    if (nRow < 1 || nRow > std::max<UINT>(GetRowCount(), 1)) {
        return FALSE;
    }
    const CRect rc = ClientRect();
    if (m_hWnd != nullptr) {
        nRow = std::min(nRow, LastTopRow(rc.Height() - GetRowHeight(0)));
    }
    if (nRow != m_nTopRow) {
        EndEdit(TRUE);
        m_nTopRow = nRow;
        UpdateScrollBars();
        if (m_hWnd != nullptr) {
            Invalidate(FALSE);
        }
    }
    return TRUE;
}

BOOL CGkGridWnd::SetLeftCol(UINT nCol)
{
    if (nCol < 1 || nCol > std::max<UINT>(GetColCount(), 1)) {
        return FALSE;
    }
    const CRect rc = ClientRect();
    if (m_hWnd != nullptr) {
        nCol = std::min(nCol, LastLeftCol(rc.Width() - GetColWidth(0)));
    }
    if (nCol != m_nLeftCol) {
        EndEdit(TRUE);
        m_nLeftCol = nCol;
        UpdateScrollBars();
        if (m_hWnd != nullptr) {
            Invalidate(FALSE);
        }
    }
    return TRUE;
}

void CGkGridWnd::ScrollCellIntoView(UINT nRow, UINT nCol)
{
    if (m_hWnd == nullptr || !IsValidCell(nRow, nCol)) {
        return;
    }
    const CRect rc = ClientRect();
    if (nRow >= 1) {
        if (nRow < m_nTopRow) {
            SetTopRow(nRow);
        } else {
            // The top row that shows nRow as the last full row.
            const int cyView = rc.Height() - GetRowHeight(0);
            UINT nTop = nRow;
            int y = GetRowHeight(nRow);
            while (nTop > 1 && y + GetRowHeight(nTop - 1) <= cyView) {
                nTop--;
                y += GetRowHeight(nTop);
            }
            if (nTop > m_nTopRow) {
                SetTopRow(nTop);
            }
        }
    }
    if (nCol >= 1) {
        if (nCol < m_nLeftCol) {
            SetLeftCol(nCol);
        } else {
            const int cxView = rc.Width() - GetColWidth(0);
            UINT nLeft = nCol;
            int x = GetColWidth(nCol);
            while (nLeft > 1 && x + GetColWidth(nLeft - 1) <= cxView) {
                nLeft--;
                x += GetColWidth(nLeft);
            }
            if (nLeft > m_nLeftCol) {
                SetLeftCol(nLeft);
            }
        }
    }
}

BOOL CGkGridWnd::GetCellRect(UINT nRow, UINT nCol, CRect& rc) const
{
    if (!IsValidCell(nRow, nCol) || (nRow != 0 && nRow < m_nTopRow) || (nCol != 0 && nCol < m_nLeftCol)) {
        return FALSE;
    }
    const CRect rcClient = ClientRect();
    int y = 0;
    if (nRow != 0) {
        y = GetRowHeight(0);
        for (UINT n = m_nTopRow; n < nRow; n++) {
            y += GetRowHeight(n);
            if (y >= rcClient.bottom) {
                return FALSE;
            }
        }
    }
    int x = 0;
    if (nCol != 0) {
        x = GetColWidth(0);
        for (UINT n = m_nLeftCol; n < nCol; n++) {
            x += GetColWidth(n);
            if (x >= rcClient.right) {
                return FALSE;
            }
        }
    }
    rc.SetRect(x, y, x + GetColWidth(nCol), y + GetRowHeight(nRow));
    return y < rcClient.bottom && x < rcClient.right;
}

BOOL CGkGridWnd::HitTestCell(CPoint pt, UINT& nRow, UINT& nCol) const
{
    nRow = 0;
    nCol = 0;
    const CRect rcClient = ClientRect();
    if (!rcClient.PtInRect(pt)) {
        return FALSE;
    }
    int y = GetRowHeight(0);
    if (pt.y >= y) {
        nRow = m_nTopRow;
        while (nRow <= GetRowCount() && pt.y >= y + GetRowHeight(nRow)) {
            y += GetRowHeight(nRow);
            nRow++;
        }
        if (nRow > GetRowCount()) {
            return FALSE;
        }
    }
    int x = GetColWidth(0);
    if (pt.x >= x) {
        nCol = m_nLeftCol;
        while (nCol <= GetColCount() && pt.x >= x + GetColWidth(nCol)) {
            x += GetColWidth(nCol);
            nCol++;
        }
        if (nCol > GetColCount()) {
            return FALSE;
        }
    }
    return TRUE;
}

CFont* CGkGridWnd::FontFor(const CGkStyle& style, CDC* pDC)
{
    const CString strKey = FontKey(style);
    auto it = m_pWnd->fonts.find(strKey);
    if (it != m_pWnd->fonts.end()) {
        return it->second.get();
    }
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(style.GetFontSize(), pDC->GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWeight = style.GetFontWeight();
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, style.GetFontFace(), LF_FACESIZE);
    auto pFont = std::make_unique<CFont>();
    if (!pFont->CreateFontIndirect(&lf)) {
        return nullptr;
    }
    CFont* pResult = pFont.get();
    m_pWnd->fonts[strKey] = std::move(pFont);
    return pResult;
}

void CGkGridWnd::FitRowNumbers(CDC* pDC)
{
    const UINT nRows = GetRowCount();
    CGkStyle style;
    if (nRows == 0 || GetColWidth(0) == 0 || !GetCellStyle(nRows, 0, style) || !style.GetValue().IsEmpty()) {
        return;
    }
    CString strNumber;
    strNumber.Format("%u", nRows);
    CFont* pFont = FontFor(style, pDC);
    if (pFont == nullptr) {
        return;
    }
    CFxSelectGuard selFont(pDC, pFont);
    const int cxNeeded = pDC->GetTextExtent(strNumber).cx + 2 * kTextInset + 1;
    if (cxNeeded > GetColWidth(0)) {
        SetColWidth(0, cxNeeded);
    }
}

void CGkGridWnd::DrawGrid(CDC* pDC, const CRect& rcClient)
{
    FitRowNumbers(pDC);
    pDC->FillSolidRect(&rcClient, GetSysColor(COLOR_WINDOW));
    pDC->SetBkMode(TRANSPARENT);
    const UINT nRows = GetRowCount();
    const UINT nCols = GetColCount();
    int y = rcClient.top;
    for (UINT nRow = 0; nRow <= nRows && y < rcClient.bottom; nRow = nRow == 0 ? m_nTopRow : nRow + 1) {
        const int cy = GetRowHeight(nRow);
        int x = rcClient.left;
        for (UINT nCol = 0; nCol <= nCols && x < rcClient.right; nCol = nCol == 0 ? m_nLeftCol : nCol + 1) {
            const int cx = GetColWidth(nCol);
            DrawCell(pDC, nRow, nCol, CRect(x, y, x + cx, y + cy));
            x += cx;
        }
        y += cy;
    }
}

void CGkGridWnd::DrawCell(CDC* pDC, UINT nRow, UINT nCol, const CRect& rcCell)
{
    CGkStyle style;
    GetCellStyle(nRow, nCol, style);
    const BOOL bHeader = nRow == 0 || nCol == 0;
    UINT nCurRow = 0;
    UINT nCurCol = 0;
    const BOOL bCurrent = GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol;
    CGkRange rangeSel;
    const BOOL bSelected = !bHeader && !bCurrent && GetFirstSelectedRange(rangeSel) && rangeSel.Contains(nRow, nCol);

    CRect rc = rcCell;
    const COLORREF crLine = bHeader ? GetSysColor(COLOR_BTNSHADOW) : kGridLine;
    pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), crLine);
    pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, crLine);
    rc.right--;
    rc.bottom--;
    pDC->FillSolidRect(&rc, bSelected ? kSelection : style.GetInterior());

    CString strText = style.GetValue();
    if (bHeader && strText.IsEmpty() && (nRow != 0 || nCol != 0)) {
        strText.Format("%u", nRow == 0 ? nCol : nRow); // numbers stand in for missing headings
    }
    CFont* pFont = FontFor(style, pDC);
    CFxSelectGuard selFont(pDC, pFont);
    pDC->SetTextColor(style.GetTextColor());
    CRect rcText = rc;
    rcText.DeflateRect(kTextInset, 0);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (bHeader ? DT_CENTER : DT_LEFT);
    const WORD nControl = style.GetControl();
    auto itBitmap = m_pWnd->bitmaps.find(nControl);
    if (nControl == GK_CTRL_CHECK) {
        CRect rcBox(0, 0, kCheckSize, kCheckSize);
        rcBox.OffsetRect(rc.left + (rc.Width() - kCheckSize) / 2, rc.top + (rc.Height() - kCheckSize) / 2);
        UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
        nState |= style.GetValue() == "1" ? DFCS_CHECKED : 0;
        nState |= style.GetReadOnly() ? DFCS_INACTIVE : 0;
        pDC->DrawFrameControl(&rcBox, DFC_BUTTON, nState);
    } else if (itBitmap != m_pWnd->bitmaps.end()) {
        BITMAP bm = {};
        itBitmap->second->GetBitmap(&bm);
        CDC dcMem;
        if (dcMem.CreateCompatibleDC(pDC)) {
            CFxSelectGuard selBitmap(&dcMem, itBitmap->second.get());
            const int cx = std::min<int>(bm.bmWidth, rc.Width());
            const int cy = std::min<int>(bm.bmHeight, rc.Height());
            pDC->BitBlt(rc.left + (rc.Width() - cx) / 2, rc.top + (rc.Height() - cy) / 2, cx, cy, &dcMem, 0, 0,
                        SRCCOPY);
        }
    } else if (nControl == GK_CTRL_DROPLIST) {
        CRect rcButton(rc.right - kButtonWidth, rc.top, rc.right, rc.bottom);
        pDC->DrawFrameControl(&rcButton, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (style.GetReadOnly() ? DFCS_INACTIVE : 0));
        rcText.right = rcButton.left - 1;
        pDC->DrawText(strText, &rcText, nFormat);
    } else {
        pDC->DrawText(strText, &rcText, nFormat);
    }

    if (bCurrent && !IsEditing()) {
        CRect rcFrame = rcCell;
        rcFrame.right--;
        rcFrame.bottom--;
        for (int i = 0; i < 2; i++) {
            pDC->Draw3dRect(&rcFrame, RGB(0, 0, 0), RGB(0, 0, 0));
            rcFrame.DeflateRect(1, 1);
        }
    }
}

void CGkGridWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const CRect rc = ClientRect();
    if (rc.IsRectEmpty()) {
        return;
    }
    // Drawn off screen: cells paint their backgrounds first, which would flicker.
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height())) {
        DrawGrid(&dc, rc);
        return;
    }
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CFxSelectGuard selBitmap(&dcMem, &bitmap);
    DrawGrid(&dcMem, rc);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &dcMem, 0, 0, SRCCOPY);
}

BOOL CGkGridWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CGkGridWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (pDC != nullptr) {
        DrawGrid(pDC, ClientRect());
    }
    return 0;
}

void CGkGridWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    EndEdit(TRUE);
    UpdateScrollBars();
    Invalidate(FALSE);
}

void CGkGridWnd::OnLayoutChanging()
{
    EndEdit(TRUE);
}

void CGkGridWnd::OnCellsChanged(const CGkRange* pRange)
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (pRange == nullptr) {
        UpdateScrollBars();
        Invalidate(FALSE);
        return;
    }
    // Only a change in view repaints; filling rows below the view costs nothing here.
    const BOOL bRowsInView = pRange->m_nTop == 0 || pRange->m_nBottom >= m_nTopRow;
    const BOOL bColsInView = pRange->m_nLeft == 0 || pRange->m_nRight >= m_nLeftCol;
    if (bRowsInView && bColsInView) {
        Invalidate(FALSE);
    }
}

BOOL CGkGridWnd::BeginEdit(BOOL bDropDown)
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (IsEditing() || m_hWnd == nullptr || !GetCurrentCell(nRow, nCol)) {
        return FALSE;
    }
    CGkStyle style;
    GetCellStyle(nRow, nCol, style);
    const WORD nControl = style.GetControl();
    if (style.GetReadOnly() || (nControl != GK_CTRL_EDIT && nControl != GK_CTRL_DROPLIST)) {
        return FALSE;
    }
    ScrollCellIntoView(nRow, nCol);
    CRect rc;
    if (!GetCellRect(nRow, nCol, rc)) {
        return FALSE;
    }
    rc.right--;
    rc.bottom--;
    CFont* pFont = nullptr;
    {
        CClientDC dc(m_hWnd);
        pFont = FontFor(style, &dc);
    }
    const WPARAM wFont = reinterpret_cast<WPARAM>(pFont != nullptr ? static_cast<HFONT>(*pFont) : nullptr);

    m_pWnd->nEditRow = nRow;
    m_pWnd->nEditCol = nCol;
    m_pWnd->strEditValue = style.GetValue();
    CWnd* pEditor = nullptr;
    if (nControl == GK_CTRL_EDIT) {
        CGkCellEdit& edit = m_pWnd->edit;
        if (edit.m_hWnd == nullptr && !edit.Create("EDIT", "", WS_CHILD | ES_AUTOHSCROLL, rc, this, 1)) {
            return FALSE;
        }
        edit.SendMessage(WM_SETFONT, wFont, FALSE);
        edit.MoveWindow(&rc, FALSE);
        edit.SetWindowText(style.GetValue());
        edit.SendMessage(EM_SETSEL, 0, -1);
        pEditor = &edit;
    } else {
        CGkCellCombo& combo = m_pWnd->combo;
        // The height a drop-down list window takes includes its list.
        CRect rcCombo(rc.left, rc.top, rc.right, rc.top + 200);
        if (combo.m_hWnd == nullptr &&
            !combo.Create("COMBOBOX", "", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, rcCombo, this, 2)) {
            return FALSE;
        }
        combo.SendMessage(WM_SETFONT, wFont, FALSE);
        combo.MoveWindow(&rcCombo, FALSE);
        combo.SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max<LPARAM>(rc.Height() - 6, 8));
        combo.SendMessage(CB_RESETCONTENT);
        // No choices give an empty list, never one empty item.
        CStringArray choices;
        choices.Split(style.GetChoiceList(), '\n', FALSE);
        int nSel = CB_ERR;
        for (INT_PTR i = 0; i < choices.GetSize(); i++) {
            const int nIndex = static_cast<int>(
                combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choices.GetAt(i).GetString())));
            if (nSel == CB_ERR && choices.GetAt(i) == style.GetValue()) {
                nSel = nIndex;
            }
        }
        combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSel));
        pEditor = &combo;
    }
    m_nEditControl = nControl;
    pEditor->ShowWindow(SW_SHOW);
    pEditor->SetFocus();
    if (nControl == GK_CTRL_DROPLIST && bDropDown) {
        pEditor->SendMessage(CB_SHOWDROPDOWN, TRUE);
    }
    RedrawCell(nRow, nCol);
    return TRUE;
}

void CGkGridWnd::EndEdit(BOOL bCommit)
{
    if (!IsEditing()) {
        return;
    }
    const WORD nControl = m_nEditControl;
    // Cleared first: hiding the editor moves the focus, which would end the edit again.
    m_nEditControl = 0;
    CWnd* pEditor = nControl == GK_CTRL_EDIT ? static_cast<CWnd*>(&m_pWnd->edit) : &m_pWnd->combo;
    CString strText;
    BOOL bHasText = TRUE;
    if (nControl == GK_CTRL_EDIT) {
        pEditor->GetWindowText(strText);
    } else {
        const int nSel = static_cast<int>(pEditor->SendMessage(CB_GETCURSEL));
        bHasText = nSel != CB_ERR;
        if (bHasText) {
            const int nLength = static_cast<int>(pEditor->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nSel)));
            if (nLength > 0) {
                pEditor->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nSel),
                                     reinterpret_cast<LPARAM>(strText.GetBuffer(nLength + 1)));
                strText.ReleaseBuffer();
            }
        }
        pEditor->SendMessage(CB_SHOWDROPDOWN, FALSE);
    }
    const BOOL bHadFocus = GetFocus() == pEditor;
    pEditor->ShowWindow(SW_HIDE);
    if (bHadFocus) {
        SetFocus();
    }
    const UINT nRow = m_pWnd->nEditRow;
    const UINT nCol = m_pWnd->nEditCol;
    RedrawCell(nRow, nCol);
    if (bCommit && bHasText && strText != m_pWnd->strEditValue && IsValidCell(nRow, nCol)) {
        SetCellValue(nRow, nCol, strText);
        SetModified(TRUE);
        OnCellModified(nRow, nCol);
    }
}

BOOL CGkGridWnd::ToggleCheck(UINT nRow, UINT nCol)
{
    CGkStyle style;
    if (!GetCellStyle(nRow, nCol, style) || style.GetControl() != GK_CTRL_CHECK || style.GetReadOnly()) {
        return FALSE;
    }
    SetCellValue(nRow, nCol, style.GetValue() == "1" ? "0" : "1");
    SetModified(TRUE);
    OnCellModified(nRow, nCol);
    return TRUE;
}

void CGkGridWnd::MoveCurrentBy(int nRows, int nCols)
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (GetRowCount() == 0 || GetColCount() == 0) {
        return;
    }
    if (!GetCurrentCell(nRow, nCol)) {
        nRow = 1;
        nCol = 1;
    } else {
        const long long nNewRow = static_cast<long long>(nRow) + nRows;
        const long long nNewCol = static_cast<long long>(nCol) + nCols;
        nRow = static_cast<UINT>(std::clamp<long long>(nNewRow, 1, GetRowCount()));
        nCol = static_cast<UINT>(std::clamp<long long>(nNewCol, 1, GetColCount()));
    }
    ClearSelection();
    SetCurrentCell(nRow, nCol);
    ScrollCellIntoView(nRow, nCol);
}

void CGkGridWnd::OnEditorKey(UINT nChar)
{
    const BOOL bShift = GetKeyState(VK_SHIFT) < 0;
    switch (nChar) {
    case VK_ESCAPE:
        EndEdit(FALSE);
        break;
    case VK_RETURN:
        EndEdit(TRUE);
        break;
    case VK_TAB:
        EndEdit(TRUE);
        MoveCurrentBy(0, bShift ? -1 : 1);
        break;
    case VK_UP:
    case VK_DOWN:
        EndEdit(TRUE);
        MoveCurrentBy(nChar == VK_UP ? -1 : 1, 0);
        break;
    default:
        break;
    }
}

void CGkGridWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const CRect rc = ClientRect();
    const int nPage = static_cast<int>(FullRowsInView(rc.Height() - GetRowHeight(0)));
    const BOOL bCtrl = GetKeyState(VK_CONTROL) < 0;
    const BOOL bShift = GetKeyState(VK_SHIFT) < 0;
    const int nBig = static_cast<int>(std::max(GetRowCount(), GetColCount()));
    UINT nRow = 0;
    UINT nCol = 0;
    const BOOL bCurrent = GetCurrentCell(nRow, nCol);
    switch (nChar) {
    case VK_UP:
        MoveCurrentBy(-1, 0);
        break;
    case VK_DOWN:
        MoveCurrentBy(1, 0);
        break;
    case VK_LEFT:
        MoveCurrentBy(0, -1);
        break;
    case VK_RIGHT:
        MoveCurrentBy(0, 1);
        break;
    case VK_TAB:
        MoveCurrentBy(0, bShift ? -1 : 1);
        break;
    case VK_PRIOR:
        MoveCurrentBy(-nPage, 0);
        break;
    case VK_NEXT:
        MoveCurrentBy(nPage, 0);
        break;
    case VK_HOME:
        MoveCurrentBy(bCtrl ? -nBig : 0, -nBig);
        break;
    case VK_END:
        MoveCurrentBy(bCtrl ? nBig : 0, nBig);
        break;
    case VK_F2:
    case VK_RETURN:
        BeginEdit(FALSE);
        break;
    case VK_F4:
        BeginEdit(TRUE);
        break;
    case VK_SPACE:
        if (bCurrent) {
            ToggleCheck(nRow, nCol);
        }
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

LRESULT CGkGridWnd::OnSysKeyDown(WPARAM wParam, LPARAM)
{
    if (wParam == VK_DOWN && BeginEdit(TRUE)) {
        return 0;
    }
    return Default();
}

void CGkGridWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // A Chinese character starts the editor only once it is whole.
    CString strChar;
    if (m_pWnd->joiner.NeedsJoining(nChar)) {
        BYTE chSingle = 0;
        const CGkCharJoiner::Result result = m_pWnd->joiner.Take(nChar, strChar, chSingle);
        if (result == CGkCharJoiner::waiting) {
            return;
        }
        if (result == CGkCharJoiner::singleByte) {
            nChar = chSingle;
        }
    }
    UINT nRow = 0;
    UINT nCol = 0;
    CGkStyle style;
    // Typing over a cell starts its editor with what was typed; the space key marks instead.
    if ((strChar.IsEmpty() && (nChar < 0x20 || nChar == VK_SPACE)) || !GetCurrentCell(nRow, nCol) ||
        !GetCellStyle(nRow, nCol, style) || !BeginEdit(FALSE)) {
        CWnd::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (style.GetControl() == GK_CTRL_EDIT) {
        m_pWnd->edit.SetWindowText("");
        if (strChar.IsEmpty()) {
            m_pWnd->edit.SendMessage(WM_CHAR, nChar, 0);
        } else {
            m_pWnd->edit.TypeText(strChar);
        }
    } else if (strChar.IsEmpty()) {
        m_pWnd->combo.SendMessage(WM_CHAR, nChar, 0);
    }
}

LRESULT CGkGridWnd::OnImeChar(WPARAM wParam, LPARAM lParam)
{
    // The whole character, lead byte high: typed as a character would be.
    OnChar(static_cast<UINT>(wParam & 0xFFFF), LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT CGkGridWnd::OnGetDlgCode(WPARAM, LPARAM)
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CGkGridWnd::OnLButtonDown(UINT, CPoint point)
{
    if (GetFocus() != this) {
        SetFocus();
    }
    EndEdit(TRUE);
    UINT nRow = 0;
    UINT nCol = 0;
    if (!HitTestCell(point, nRow, nCol)) {
        return;
    }
    const UINT nRows = GetRowCount();
    const UINT nCols = GetColCount();
    if (nRow == 0 && nCol == 0) {
        if (nRows > 0 && nCols > 0) {
            SelectRange(CGkRange(1, 1, nRows, nCols));
        }
        return;
    }
    UINT nCurRow = 0;
    UINT nCurCol = 0;
    const BOOL bWasCurrent = GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol;
    if (nCol == 0) {
        // A row heading picks the whole row.
        if (nCols > 0) {
            SelectRange(CGkRange(nRow, 1, nRow, nCols));
            SetCurrentCell(nRow, nCurCol != 0 ? nCurCol : 1);
        }
    } else if (nRow == 0) {
        if (nRows > 0) {
            SelectRange(CGkRange(1, nCol, nRows, nCol));
        }
    } else {
        ClearSelection();
        SetCurrentCell(nRow, nCol);
        ScrollCellIntoView(nRow, nCol);
        ToggleCheck(nRow, nCol);
    }
    m_bTracking = TRUE;
    m_nAnchorRow = nRow;
    m_nAnchorCol = nCol;
    SetCapture(m_hWnd);
    OnCellClicked(nRow, nCol);
    if (bWasCurrent && nRow != 0 && nCol != 0) {
        m_bTracking = FALSE;
        ReleaseCapture();
        BeginEdit(TRUE);
    }
}

void CGkGridWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!m_bTracking || !HitTestCell(point, nRow, nCol)) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const UINT nCols = GetColCount();
    if (m_nAnchorCol == 0 && m_nAnchorRow != 0 && nRow != 0 && nCols > 0) {
        SelectRange(CGkRange(std::min(m_nAnchorRow, nRow), 1, std::max(m_nAnchorRow, nRow), nCols));
    } else if (m_nAnchorRow != 0 && m_nAnchorCol != 0 && nRow != 0 && nCol != 0 &&
               (nRow != m_nAnchorRow || nCol != m_nAnchorCol)) {
        SelectRange(CGkRange(std::min(m_nAnchorRow, nRow), std::min(m_nAnchorCol, nCol), std::max(m_nAnchorRow, nRow),
                             std::max(m_nAnchorCol, nCol)));
    }
}

void CGkGridWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        m_bTracking = FALSE;
        ReleaseCapture();
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CGkGridWnd::OnLButtonDblClk(UINT, CPoint point)
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (HitTestCell(point, nRow, nCol) && nRow != 0 && nCol != 0 && SetCurrentCell(nRow, nCol)) {
        BeginEdit(FALSE);
    }
}

namespace
{
// The thumb's 32-bit track position, held to 1..nLast: the 16-bit one in wParam is too small for
// long grids.
UINT TrackPosition(HWND hWnd, int nBar, UINT nLast)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(hWnd, nBar, &si);
    return static_cast<UINT>(std::clamp<int>(si.nTrackPos, 1, static_cast<int>(nLast)));
}
} // namespace

LRESULT CGkGridWnd::OnVScroll(WPARAM wParam, LPARAM)
{
    const CRect rc = ClientRect();
    const UINT nPage = FullRowsInView(rc.Height() - GetRowHeight(0));
    const UINT nLast = std::max<UINT>(GetRowCount(), 1);
    UINT nTop = m_nTopRow;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        nTop = nTop > 1 ? nTop - 1 : 1;
        break;
    case SB_LINEDOWN:
        nTop = std::min(nTop + 1, nLast);
        break;
    case SB_PAGEUP:
        nTop = nTop > nPage ? nTop - nPage : 1;
        break;
    case SB_PAGEDOWN:
        nTop = std::min(nTop + nPage, nLast);
        break;
    case SB_TOP:
        nTop = 1;
        break;
    case SB_BOTTOM:
        nTop = nLast;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nTop = TrackPosition(m_hWnd, SB_VERT, nLast);
        break;
    default:
        return 0;
    }
    SetTopRow(nTop);
    return 0;
}

LRESULT CGkGridWnd::OnHScroll(WPARAM wParam, LPARAM)
{
    const UINT nLast = std::max<UINT>(GetColCount(), 1);
    UINT nLeft = m_nLeftCol;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        nLeft = nLeft > 1 ? nLeft - 1 : 1;
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        nLeft = std::min(nLeft + 1, nLast);
        break;
    case SB_LEFT:
        nLeft = 1;
        break;
    case SB_RIGHT:
        nLeft = nLast;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nLeft = TrackPosition(m_hWnd, SB_HORZ, nLast);
        break;
    default:
        return 0;
    }
    SetLeftCol(nLeft);
    return 0;
}

LRESULT CGkGridWnd::OnMouseWheel(WPARAM wParam, LPARAM)
{
    const int nLines = -GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3;
    const long long nTop = static_cast<long long>(m_nTopRow) + nLines;
    SetTopRow(static_cast<UINT>(std::clamp<long long>(nTop, 1, std::max<UINT>(GetRowCount(), 1))));
    return 0;
}
