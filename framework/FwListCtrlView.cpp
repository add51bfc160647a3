// The window side of the list: layout, painting, scroll bars, keys, mouse and label editing.
#include <algorithm>
#include <memory>

#include "framework/FwBufferDC.h"
#include "framework/FwListCtrl.h"
#include "framework/FwListEdit.h"
#include "framework/FwListTip.h"
#include "platform/base/ResourceException.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"

namespace
{
const int horzLineStep = 15;
const int wheelNotch = 120;
const int dragThreshold = 4;
const int dividerSlop = 4;
const int minColumnWidth = 10;
const int minFitColumnWidth = 5;
const int editTimerMs = 500;

// Made once and shared by all lists.
CPen& GridPen()
{
    static CPen pen;
    if (pen.m_hObject == nullptr) {
        pen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    }
    return pen;
}

BOOL IsKeyDown(int nVirtKey)
{
    return (GetKeyState(nVirtKey) & 0x8000) != 0;
}

void ImageSize(const CImageList* pList, int& cx, int& cy)
{
    cx = 0;
    cy = 0;
    if (pList != nullptr) {
        pList->GetIconSize(cx, cy);
    }
}
} // namespace

// Creation and destruction.

int FwListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_columnResize.LoadDividerCursor();
    if ((m_dwStyle & FWLS_VIEWMASK) != FWLS_REPORT) {
        m_dwStyle |= FWLS_NOCOLUMNHEADER;
        InsertColumn(0, "", LVCFMT_LEFT, 20);
    }
    return 0;
}

void FwListCtrl::OnDestroy()
{
    DisarmEditTimer();
    m_imageLists.Release(!(m_dwStyle & FWLS_SHAREIMAGELISTS));
    if (m_pTip->m_hWnd != nullptr) {
        m_pTip->DestroyWindow();
    }
    if (m_pEdit->m_hWnd != nullptr) {
        m_nEditItem = -1;
        m_pEdit->DestroyWindow();
    }
    DeleteAllItems();
    DeleteAllColumns();
    CWnd::OnDestroy();
}

// Layout.

int FwListCtrl::MeasureRow(int nItem, CDC* pDC)
{
    const int nView = static_cast<int>(m_dwStyle & FWLS_VIEWMASK);
    int cxImage = 0;
    int cyImage = 0;
    ImageSize(GetImageList(nView == 0 ? 0 : 1), cxImage, cyImage);
    const FwListColumn* pColumn = GetColumnAt(0);
    const int nIndent = GetRowIndent(nItem);
    int cxText = (pColumn != nullptr ? pColumn->nWidth : 100) - nIndent - (cxImage > 0 ? cxImage + 7 : 5);
    if (nView == 0 || cxText < 1) {
        cxText = std::max(cxText, 1);
    }
    CString strText = GetItemText(nItem, 0);
    UINT nFormat = DT_NOPREFIX | DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK;
    if (m_dwStyle & FWLS_NOLABELWRAP) {
        nFormat |= DT_SINGLELINE;
        const int nFeed = strText.Find('\n');
        if (nFeed >= 0) {
            strText = strText.Left(nFeed);
        }
    }
    CFxSelectGuard guard(pDC, GetItemFont());
    CRect rcText(0, 0, cxText, 0);
    if (strText.IsEmpty()) {
        strText = " ";
    }
    pDC->DrawText(strText, &rcText, nFormat);
    const int cyText = rcText.Height() + 2;
    return nView == 0 ? cyImage + cyText + 5 : std::max(cyImage + 2, cyText);
}

int FwListCtrl::GetRowIndent(int)
{
    return 0;
}

void FwListCtrl::LayoutRow(int nItem, FwListItem* pRow, const CRect& rcRow, CDC* pDC)
{
    const int nView = static_cast<int>(m_dwStyle & FWLS_VIEWMASK);
    pRow->rcBounds = rcRow;
    int x = rcRow.left + GetRowIndent(nItem);
    // The state image comes first when the row has one.
    pRow->rcStateIcon.SetRectEmpty();
    int cxState = 0;
    int cyState = 0;
    ImageSize(GetImageList(2), cxState, cyState);
    if (cxState > 0 && (pRow->nState & LVIS_STATEIMAGEMASK) != 0) {
        pRow->rcStateIcon = CRect(x + 2, rcRow.top + (rcRow.Height() - cyState) / 2, x + 2 + cxState,
                                  rcRow.top + (rcRow.Height() - cyState) / 2 + cyState);
        x = pRow->rcStateIcon.right;
    }
    int cxImage = 0;
    int cyImage = 0;
    ImageSize(GetImageList(nView == 0 ? 0 : 1), cxImage, cyImage);
    CString strText = GetItemText(nItem, 0);
    if ((m_dwStyle & FWLS_NOLABELWRAP) && strText.Find('\n') >= 0) {
        strText = strText.Left(strText.Find('\n'));
    }
    const FwListColumn* pColumn = GetColumnAt(0);
    const int nCellRight = rcRow.left + (pColumn != nullptr ? pColumn->nWidth : rcRow.Width());
    CSize sizeText;
    {
        CFxSelectGuard guard(pDC, GetItemFont());
        sizeText = pDC->GetTextExtent(strText);
    }
    if (cxImage > 0) {
        pRow->rcIcon = CRect(x + 2, rcRow.top + 2, x + 2 + cxImage, rcRow.top + 2 + cyImage);
        if (nView == 0) {
            pRow->rcLabel = CRect(x + 8, pRow->rcIcon.bottom + 2, x + 8 + sizeText.cx, rcRow.bottom);
        } else {
            const int nLeft = pRow->rcIcon.right + 5;
            pRow->rcLabel = CRect(nLeft, rcRow.top, nLeft + sizeText.cx + 4, rcRow.bottom);
        }
    } else {
        pRow->rcIcon = CRect(x, rcRow.top, x, rcRow.bottom);
        pRow->rcLabel = CRect(x + 5, rcRow.top, x + 5 + sizeText.cx + 4, rcRow.bottom);
    }
    // Several columns: the label ends with its column. One column: the cell grows to the label.
    if (GetColumnCount() > 1 && pRow->rcLabel.right > nCellRight) {
        pRow->rcLabel.right = std::max<LONG>(nCellRight, pRow->rcLabel.left);
    }
}

void FwListCtrl::UpdateScrollBars()
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_dwExStyle & FWLS_EX_FITCOLUMNS) {
        FitColumns();
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cyHeader = GetHeaderHeight();
    const int cxBar = GetSystemMetrics(SM_CXVSCROLL);
    const int cyBar = GetSystemMetrics(SM_CYHSCROLL);
    BOOL bVert = FALSE;
    BOOL bHorz = FALSE;
    if (!(m_dwStyle & FWLS_NOSCROLL)) {
        int cyRows = 0;
        for (int i = 0; i < GetItemCount(); ++i) {
            cyRows += RowHeight(i);
        }
        const int cxColumns = (m_dwStyle & FWLS_VIEWMASK) == FWLS_REPORT ? GetTotalColumnWidth() : 0;
        // Each bar takes room from the other direction: decide twice.
        for (int nPass = 0; nPass < 2; ++nPass) {
            const int cyAvail = rcClient.Height() - cyHeader - (bHorz ? cyBar : 0);
            const int cxAvail = rcClient.Width() - (bVert ? cxBar : 0);
            bVert = cyRows > cyAvail;
            bHorz = cxColumns > cxAvail;
        }
    }
    const int cxRows = rcClient.Width() - (bVert ? cxBar : 0);
    const int nMaxOffset = std::max(0, GetTotalColumnWidth() - cxRows);
    if (!bHorz || m_nHorzOffset > nMaxOffset) {
        m_nHorzOffset = bHorz ? nMaxOffset : 0;
    }
    if (!bVert) {
        m_nFirstVisible = 0;
    }
    ShowScrollBar(m_wndHScroll, FW_IDW_HSCROLL, TRUE, bHorz);
    ShowScrollBar(m_wndVScroll, FW_IDW_VSCROLL, FALSE, bVert);
    HDWP hDwp = BeginDeferWindowPos(2);
    if (bHorz && hDwp != nullptr) {
        hDwp = DeferWindowPos(hDwp, m_wndHScroll.m_hWnd, nullptr, 0, rcClient.bottom - cyBar,
                              rcClient.Width() - (bVert ? cxBar : 0), cyBar, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (bVert && hDwp != nullptr) {
        hDwp = DeferWindowPos(hDwp, m_wndVScroll.m_hWnd, nullptr, rcClient.right - cxBar, cyHeader, cxBar,
                              rcClient.Height() - cyHeader - (bHorz ? cyBar : 0), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDwp != nullptr) {
        EndDeferWindowPos(hDwp);
    }
    if (bHorz) {
        SCROLLINFO si = {sizeof(si),    SIF_ALL, 0, std::max(GetTotalColumnWidth() - 1, 0), static_cast<UINT>(cxRows),
                         m_nHorzOffset, 0};
        ::SetScrollInfo(m_wndHScroll.m_hWnd, SB_CTL, &si, TRUE);
    }
    if (bVert) {
        SCROLLINFO si = {
            sizeof(si),      SIF_ALL, 0, std::max(GetItemCount() - 1, 0), static_cast<UINT>(GetCountPerPage()),
            m_nFirstVisible, 0};
        ::SetScrollInfo(m_wndVScroll.m_hWnd, SB_CTL, &si, TRUE);
    }
}

void FwListCtrl::ShowScrollBar(CWnd& bar, UINT nId, BOOL bHorz, BOOL bShow)
{
    const DWORD dwBit = bHorz ? FWLS_SB_HORZ : FWLS_SB_VERT;
    if (bShow && bar.m_hWnd == nullptr) {
        if (!bar.CreateEx(0, "SCROLLBAR", "", WS_CHILD | (bHorz ? SBS_HORZ : SBS_VERT), 0, 0, 0, 0, m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)))) {
            CResourceException::Throw();
        }
    }
    if (((m_dwScrollBars & dwBit) != 0) == (bShow != FALSE)) {
        return;
    }
    m_dwScrollBars = bShow ? (m_dwScrollBars | dwBit) : (m_dwScrollBars & ~dwBit);
    if (bar.m_hWnd != nullptr) {
        bar.ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
        bar.Invalidate();
    }
}

// Painting.

BOOL FwListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

FwListPaintContext* FwListCtrl::CreatePaintContext()
{
    return new FwListPaintContext;
}

void FwListCtrl::OnPaint()
{
    CPaintDC dcPaint(m_hWnd);
    // The whole client area: the scroll bars are child windows and clip themselves out.
    CRect rcPaint;
    GetClientRect(&rcPaint);
    std::unique_ptr<FwBufferDC> pBuffer;
    if (!m_bDragging) {
        try {
            pBuffer = std::make_unique<FwBufferDC>(&dcPaint, rcPaint);
        } catch (CException* e) {
            // No room for the buffer: paint straight to the screen.
            e->Delete();
        }
    }
    PaintTo(pBuffer != nullptr ? static_cast<CDC*>(pBuffer.get()) : &dcPaint, rcPaint, CRect(dcPaint.m_ps.rcPaint));
}

void FwListCtrl::PaintTo(CDC* pDC, const CRect& rcPaint, const CRect& rcClip)
{
    pDC->FillSolidRect(&rcPaint, GetBkColor());
    std::unique_ptr<FwListPaintContext> pCtx(CreatePaintContext());
    pCtx->pDC = pDC;
    pCtx->nView = static_cast<int>(m_dwStyle & FWLS_VIEWMASK);
    const int cyHeader = GetHeaderHeight();
    if (cyHeader > 0) {
        DrawHeader(*pCtx, CRect(rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.top + cyHeader));
    }
    const CRect rcRows = GetRowsRect();
    CRect rcRowClip;
    rcRowClip.IntersectRect(&rcRows, &rcClip);
    const int nSaved = pDC->SaveDC();
    IntersectClipRect(pDC->m_hDC, rcRows.left, rcRows.top, rcRows.right, rcRows.bottom);
    pCtx->rcClip = rcRowClip;
    int y = rcRows.top;
    int nDrawn = 0;
    const int nRowsRight = std::max<int>(rcRows.right, rcRows.left - m_nHorzOffset + GetTotalColumnWidth());
    for (int i = m_nFirstVisible; i < GetItemCount() && y < rcRows.bottom; ++i) {
        EnsureRowHeight(i, pDC);
        CRect rcRow(rcRows.left - m_nHorzOffset, y, nRowsRight, y + m_rows[static_cast<size_t>(i)]->nHeight);
        y = rcRow.bottom;
        ++nDrawn;
        CRect rcMeet;
        if (!rcMeet.IntersectRect(&rcRow, &rcRowClip)) {
            continue;
        }
        pCtx->nItem = i;
        pCtx->pItem = m_rows[static_cast<size_t>(i)];
        DrawRow(*pCtx, rcRow);
    }
    pDC->RestoreDC(nSaved);
    if ((m_dwScrollBars & FWLS_SB_VERT) && m_wndVScroll.m_hWnd != nullptr) {
        SCROLLINFO si = {sizeof(si), SIF_PAGE, 0, 0, static_cast<UINT>(std::max(nDrawn, 1)), 0, 0};
        ::SetScrollInfo(m_wndVScroll.m_hWnd, SB_CTL, &si, TRUE);
    }
    // The square between both scroll bars belongs to neither.
    if ((m_dwScrollBars & FWLS_SB_VERT) && (m_dwScrollBars & FWLS_SB_HORZ)) {
        pDC->FillSolidRect(rcRows.right, rcRows.bottom, rcPaint.right - rcRows.right, rcPaint.bottom - rcRows.bottom,
                           GetSysColor(COLOR_BTNFACE));
    }
}

void FwListCtrl::DrawHeader(FwListPaintContext& ctx, const CRect& rcHeader)
{
    CDC* pDC = ctx.pDC;
    CFxSelectGuard guard(pDC, GetHeaderFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int x = rcHeader.left - m_nHorzOffset;
    for (const FwListColumn* pColumn : m_columns) {
        CRect rc(x, rcHeader.top, x + pColumn->nWidth, rcHeader.bottom);
        DrawFrameControl(pDC->m_hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH);
        CRect rcText = rc;
        rcText.DeflateRect(6, 0);
        UINT nFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
        if (pColumn->nFormat == LVCFMT_RIGHT) {
            nFormat |= DT_RIGHT;
        } else if (pColumn->nFormat == LVCFMT_CENTER) {
            nFormat |= DT_CENTER;
        }
        pDC->DrawText(pColumn->strText, &rcText, nFormat);
        x = rc.right;
    }
    if (x < rcHeader.right) {
        CRect rc(x, rcHeader.top, rcHeader.right + 2, rcHeader.bottom);
        DrawFrameControl(pDC->m_hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

void FwListCtrl::DrawRow(FwListPaintContext& ctx, const CRect& rcRow)
{
    FwListItem* pRow = ctx.pItem;
    LayoutRow(ctx.nItem, pRow, rcRow, ctx.pDC);
    ctx.bSelected = IsSelected(ctx.nItem);
    ctx.bFocused = ctx.nItem == m_nFocus;
    int x = rcRow.left;
    const BOOL bOneColumn = GetColumnCount() <= 1;
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol) {
        FwListColumn* pColumn = m_columns[static_cast<size_t>(nCol)];
        CRect rcCell(x, rcRow.top, x + pColumn->nWidth, rcRow.bottom);
        x = rcCell.right;
        if (bOneColumn) {
            rcCell.right = std::max(rcCell.right, std::max(pRow->rcLabel.right, rcRow.right));
        }
        CRect rcMeet;
        if (!rcMeet.IntersectRect(&rcCell, &ctx.rcClip)) {
            continue;
        }
        ctx.nColumn = nCol;
        ctx.pColumn = pColumn;
        ctx.nSubItem = pColumn->nSubItem;
        ctx.pSubItem = ctx.nSubItem > 0 && static_cast<size_t>(ctx.nSubItem) <= pRow->subItems.size()
                           ? pRow->subItems[static_cast<size_t>(ctx.nSubItem - 1)]
                           : nullptr;
        ctx.rcCell = rcCell;
        ctx.rcIcon = pRow->rcIcon;
        ctx.rcLabel = pRow->rcLabel;
        ctx.rcStateIcon = pRow->rcStateIcon;
        ChooseCellColors(ctx);
        DrawCell(ctx);
    }
    if ((m_dwExStyle & FWLS_EX_FULLROWSELECT) && ctx.bFocused && ::GetFocus() == m_hWnd && GetColumnCount() > 1 &&
        ctx.nView == FWLS_REPORT) {
        CRect rcFocus(rcRow.left, rcRow.top, rcRow.left + GetTotalColumnWidth(), rcRow.bottom);
        ctx.pDC->SetTextColor(RGB(0, 0, 0));
        ctx.pDC->SetBkColor(RGB(255, 255, 255));
        DrawFocusRect(ctx.pDC->m_hDC, &rcFocus);
    }
    DrawGridLines(ctx, rcRow);
}

void FwListCtrl::ChooseCellColors(FwListPaintContext& ctx)
{
    if (m_hWnd != nullptr && !IsWindowEnabled()) {
        ctx.crText = m_colors.crDisabledText;
        ctx.crBack = GetBkColor();
        return;
    }
    const BOOL bShowSel = ::GetFocus() == m_hWnd || (m_dwStyle & FWLS_SHOWSELALWAYS) != 0;
    if (ctx.bSelected && bShowSel) {
        ctx.crText = m_colors.crSelText;
        ctx.crBack = m_colors.crSel;
    } else if (ctx.bSelected) {
        ctx.crText = GetSysColor(COLOR_WINDOWFRAME);
        ctx.crBack = GetSysColor(COLOR_MENU);
    } else {
        ctx.crText = m_colors.crText;
        ctx.crBack = m_colors.crTextBk;
    }
    if (ctx.nItem == m_nDropHilite) {
        std::swap(ctx.crText, ctx.crBack);
        if (!ctx.bSelected) {
            ctx.crText = m_colors.crSelText;
            ctx.crBack = m_colors.crSel;
        }
    }
}

void FwListCtrl::DrawCell(FwListPaintContext& ctx)
{
    CDC* pDC = ctx.pDC;
    const BOOL bFullRow = (m_dwExStyle & FWLS_EX_FULLROWSELECT) != 0;
    const BOOL bMarked = ctx.bSelected || ctx.nItem == m_nDropHilite;
    pDC->FillSolidRect(&ctx.rcCell, bFullRow && bMarked ? ctx.crBack : m_colors.crTextBk);
    CFxSelectGuard guard(pDC, GetItemFont());
    pDC->SetBkMode(TRANSPARENT);
    UINT nFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;
    if (ctx.pColumn->nFormat == LVCFMT_RIGHT) {
        nFormat |= DT_RIGHT;
    } else if (ctx.pColumn->nFormat == LVCFMT_CENTER) {
        nFormat |= DT_CENTER;
    }
    if (m_dwStyle & FWLS_NOLABELWRAP) {
        nFormat |= DT_SINGLELINE | DT_END_ELLIPSIS;
    }
    CString strText = GetItemText(ctx.nItem, ctx.nSubItem);
    if ((m_dwStyle & FWLS_NOLABELWRAP) && strText.Find('\n') >= 0) {
        strText = strText.Left(strText.Find('\n'));
    }
    ctx.pszText = strText;
    ctx.nTextLen = strText.GetLength();
    if (ctx.nSubItem == 0) {
        if (!ctx.rcStateIcon.IsRectEmpty() && GetImageList(2) != nullptr) {
            GetImageList(2)->Draw(pDC, static_cast<int>((ctx.pItem->nState & LVIS_STATEIMAGEMASK) >> 12),
                                  ctx.rcStateIcon.TopLeft(), ILD_TRANSPARENT);
        }
        CImageList* pImages = GetImageList(ctx.nView == 0 ? 0 : 1);
        if (pImages != nullptr) {
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = ctx.nItem;
            GetItem(&item);
            if (item.iImage >= 0) {
                pImages->Draw(pDC, item.iImage, ctx.rcIcon.TopLeft(), ILD_TRANSPARENT);
            }
        }
        CRect rcLabel = ctx.rcLabel;
        if (!bFullRow && bMarked) {
            pDC->FillSolidRect(&rcLabel, ctx.crBack);
        }
        pDC->SetTextColor(bFullRow || bMarked ? ctx.crText : m_colors.crText);
        if (m_hWnd != nullptr && !IsWindowEnabled()) {
            pDC->SetTextColor(m_colors.crDisabledText);
        }
        CRect rcText = rcLabel;
        rcText.left += 2;
        pDC->DrawText(strText, &rcText, nFormat);
        if (ctx.bFocused && !bFullRow && ::GetFocus() == m_hWnd) {
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->SetBkColor(RGB(255, 255, 255));
            DrawFocusRect(pDC->m_hDC, &rcLabel);
        }
        return;
    }
    pDC->SetTextColor(bFullRow && bMarked ? ctx.crText : m_colors.crText);
    if (m_hWnd != nullptr && !IsWindowEnabled()) {
        pDC->SetTextColor(m_colors.crDisabledText);
    }
    CRect rcText = ctx.rcCell;
    rcText.DeflateRect(5, 0);
    pDC->DrawText(strText, &rcText, nFormat);
}

void FwListCtrl::DrawGridLines(FwListPaintContext& ctx, const CRect& rcRow)
{
    if (ctx.nView != FWLS_REPORT || !(m_dwExStyle & (FWLS_EX_HORZGRID | FWLS_EX_VERTGRID))) {
        return;
    }
    CDC* pDC = ctx.pDC;
    CFxSelectGuard guard(pDC, &GridPen());
    if (m_dwExStyle & FWLS_EX_VERTGRID) {
        int x = rcRow.left;
        for (const FwListColumn* pColumn : m_columns) {
            x += pColumn->nWidth;
            pDC->MoveTo(x - 1, rcRow.top);
            pDC->LineTo(x - 1, rcRow.bottom);
        }
    }
    if (m_dwExStyle & FWLS_EX_HORZGRID) {
        pDC->MoveTo(rcRow.left, rcRow.bottom - 1);
        pDC->LineTo(rcRow.left + std::max<LONG>(GetTotalColumnWidth(), rcRow.Width()), rcRow.bottom - 1);
    }
}

void FwListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if ((m_dwExStyle & FWLS_EX_FITCOLUMNS) && !m_columns.empty()) {
        FitColumns();
    }
    UpdateScrollBars();
    Invalidate(FALSE);
}

void FwListCtrl::FitColumns()
{
    if (m_columns.empty() || m_hWnd == nullptr) {
        return;
    }
    // The client width less the vertical bar, when the rows need one.
    CRect rc;
    GetClientRect(&rc);
    if (m_dwScrollBars & FWLS_SB_VERT) {
        rc.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    const int nMissing = rc.Width() - GetTotalColumnWidth();
    m_columns.front()->nWidth = std::max(m_columns.front()->nWidth + nMissing, minFitColumnWidth);
}

// Hit testing and scrolling.

int FwListCtrl::HitTest(CPoint pt, UINT* pFlags, int* pnCol)
{
    UINT nFlags = 0;
    int nItem = -1;
    int nCol = -1;
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcRows = GetRowsRect();
    const int cyHeader = GetHeaderHeight();
    if (cyHeader > 0 && pt.y >= rcClient.top && pt.y < rcClient.top + cyHeader) {
        nFlags = FWLHT_HEADER;
        int x = -m_nHorzOffset;
        for (int i = 0; i < GetColumnCount(); ++i) {
            x += m_columns[static_cast<size_t>(i)]->nWidth;
            if (pt.x >= x - dividerSlop && pt.x <= x + dividerSlop) {
                nFlags = FWLHT_DIVIDER;
                nCol = i;
                break;
            }
            if (pt.x < x && nCol < 0) {
                nCol = i;
            }
        }
    } else if (pt.y < rcRows.top) {
        nFlags = FWLHT_ABOVE;
    } else if (pt.y >= rcRows.bottom) {
        nFlags = FWLHT_BELOW;
    } else if (pt.x < rcRows.left) {
        nFlags = FWLHT_TOLEFT;
    } else if (pt.x >= rcRows.right) {
        nFlags = FWLHT_TORIGHT;
    } else {
        nItem = GetRowAt(pt.y);
        if (nItem < 0) {
            nFlags = FWLHT_NOWHERE;
        } else {
            FwListItem* pRow = m_rows[static_cast<size_t>(nItem)];
            CClientDC dc(m_hWnd);
            LayoutRow(nItem, pRow, RowRect(nItem), &dc);
            int x = -m_nHorzOffset;
            for (int i = 0; i < GetColumnCount(); ++i) {
                x += m_columns[static_cast<size_t>(i)]->nWidth;
                if (pt.x < x) {
                    nCol = i;
                    break;
                }
            }
            if (pRow->rcStateIcon.PtInRect(pt)) {
                nFlags = FWLHT_ONITEM | FWLHT_ONSTATEICON;
            } else if (pRow->rcIcon.PtInRect(pt)) {
                nFlags = FWLHT_ONITEM | FWLHT_ONICON;
            } else if (pRow->rcLabel.PtInRect(pt)) {
                nFlags = FWLHT_ONITEM | FWLHT_ONLABEL;
            } else if (pt.x < pRow->rcIcon.left && pt.x < pRow->rcLabel.left) {
                nFlags = FWLHT_ONITEM | FWLHT_INDENT;
            } else {
                nFlags = FWLHT_ONITEM | FWLHT_RIGHTOFLABEL;
            }
        }
    }
    if (pFlags != nullptr) {
        *pFlags = nFlags;
    }
    if (pnCol != nullptr) {
        *pnCol = nCol;
    }
    return nItem;
}

BOOL FwListCtrl::EnsureVisible(int nItem, BOOL)
{
    if (GetRow(nItem) == nullptr) {
        return FALSE;
    }
    if (nItem < m_nFirstVisible) {
        m_nFirstVisible = nItem;
    } else {
        const CRect rcRows = GetRowsRect();
        while (m_nFirstVisible < nItem && rcRows.top + GetRowDistance(m_nFirstVisible, nItem + 1) > rcRows.bottom) {
            ++m_nFirstVisible;
        }
    }
    UpdateScrollBars();
    Invalidate(FALSE);
    return TRUE;
}

void FwListCtrl::ScrollHorz(int nCode, int nPos)
{
    const CRect rcRows = GetRowsRect();
    const int nMax = std::max(0, GetTotalColumnWidth() - rcRows.Width());
    int nOffset = m_nHorzOffset;
    switch (nCode) {
    case SB_LINELEFT:
        nOffset -= horzLineStep;
        break;
    case SB_LINERIGHT:
        nOffset += horzLineStep;
        break;
    case SB_PAGELEFT:
        nOffset -= rcRows.Width();
        break;
    case SB_PAGERIGHT:
        nOffset += rcRows.Width();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nOffset = nPos;
        break;
    case SB_LEFT:
        nOffset = 0;
        break;
    case SB_RIGHT:
        nOffset = nMax;
        break;
    default:
        return;
    }
    m_nHorzOffset = std::clamp(nOffset, 0, nMax);
    if (m_wndHScroll.m_hWnd != nullptr) {
        ::SetScrollPos(m_wndHScroll.m_hWnd, SB_CTL, m_nHorzOffset, TRUE);
    }
    Invalidate(FALSE);
}

void FwListCtrl::ScrollVert(int nCode, int nPos)
{
    const int nMax = std::max(0, GetItemCount() - GetCountPerPageFromEnd());
    int nFirst = m_nFirstVisible;
    switch (nCode) {
    case SB_LINEUP:
        --nFirst;
        break;
    case SB_LINEDOWN:
        ++nFirst;
        break;
    case SB_PAGEUP:
        nFirst -= GetCountPerPage();
        break;
    case SB_PAGEDOWN:
        nFirst += GetCountPerPage();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nFirst = nPos;
        break;
    case SB_TOP:
        nFirst = 0;
        break;
    case SB_BOTTOM:
        nFirst = nMax;
        break;
    default:
        return;
    }
    m_nFirstVisible = std::clamp(nFirst, 0, nMax);
    if (m_wndVScroll.m_hWnd != nullptr) {
        ::SetScrollPos(m_wndVScroll.m_hWnd, SB_CTL, m_nFirstVisible, TRUE);
    }
    Invalidate(FALSE);
}

LRESULT FwListCtrl::OnHScrollMsg(WPARAM wParam, LPARAM)
{
    ListChanging();
    int nPos = HIWORD(wParam);
    if (LOWORD(wParam) == SB_THUMBTRACK && m_wndHScroll.m_hWnd != nullptr) {
        SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_wndHScroll.m_hWnd, SB_CTL, &si);
        nPos = si.nTrackPos;
    }
    ScrollHorz(LOWORD(wParam), nPos);
    return 0;
}

LRESULT FwListCtrl::OnVScrollMsg(WPARAM wParam, LPARAM)
{
    ListChanging();
    int nPos = HIWORD(wParam);
    if (LOWORD(wParam) == SB_THUMBTRACK && m_wndVScroll.m_hWnd != nullptr) {
        SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_wndVScroll.m_hWnd, SB_CTL, &si);
        nPos = si.nTrackPos;
    }
    ScrollVert(LOWORD(wParam), nPos);
    return 0;
}

LRESULT FwListCtrl::OnMouseWheelMsg(WPARAM wParam, LPARAM)
{
    m_pTip->Hide();
    m_nWheelDelta += static_cast<short>(HIWORD(wParam));
    const int nNotches = m_nWheelDelta / wheelNotch;
    if (nNotches == 0) {
        return 0;
    }
    m_nWheelDelta = 0;
    if (m_dwScrollBars & FWLS_SB_VERT) {
        const int nMax = std::max(0, GetItemCount() - GetCountPerPageFromEnd());
        ScrollVert(SB_THUMBPOSITION, std::clamp(m_nFirstVisible - nNotches, 0, nMax));
    } else if (m_dwScrollBars & FWLS_SB_HORZ) {
        ScrollHorz(SB_THUMBPOSITION, m_nHorzOffset - nNotches * horzLineStep);
    }
    return 0;
}

// Keys.

LRESULT FwListCtrl::OnGetDlgCodeMsg(WPARAM, LPARAM)
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

LRESULT FwListCtrl::OnSysKeyDownMsg(WPARAM wParam, LPARAM lParam)
{
    NotifyKeyDown(static_cast<UINT>(wParam), static_cast<UINT>(HIWORD(lParam)));
    return Default();
}

void FwListCtrl::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
    if (m_columnResize.IsActive()) {
        if (nChar == VK_ESCAPE) {
            EndColumnResize(FALSE, 0);
        }
        return;
    }
    NotifyKeyDown(nChar, nFlags);
    m_pTip->Hide();
    const BOOL bShift = IsKeyDown(VK_SHIFT);
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    switch (nChar) {
    case VK_UP:
    case VK_DOWN:
        OnKeyUpDown(nChar, bShift, bCtrl);
        break;
    case VK_HOME:
    case VK_END:
        OnKeyHomeEnd(nChar, bShift, bCtrl);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        OnKeyPage(nChar, bShift, bCtrl);
        break;
    case VK_SPACE:
        OnKeySpace(bShift, bCtrl);
        break;
    case VK_RETURN:
        OnKeyReturn();
        break;
    case VK_F2:
        OnKeyF2();
        break;
    case VK_TAB:
        OnKeyTab(bShift);
        break;
    case VK_ESCAPE:
        OnKeyEscape();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        OnKeyLeftRight(nChar, bShift, bCtrl);
        break;
    case VK_BACK:
        OnKeyBack();
        break;
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_MULTIPLY:
    case VK_OEM_PLUS:
    case VK_OEM_MINUS:
        OnKeyPlusMinus(nChar);
        break;
    default:
        break;
    }
}

void FwListCtrl::OnKeyUpDown(UINT nChar, BOOL bShift, BOOL bCtrl)
{
    if (GetItemCount() == 0) {
        return;
    }
    const int nNew = std::clamp(m_nFocus + (nChar == VK_UP ? -1 : 1), 0, GetItemCount() - 1);
    ClickSelect(nNew, bShift, bCtrl, 2);
    SetCaret(nNew);
    EnsureVisible(nNew, FALSE);
}

void FwListCtrl::OnKeyHomeEnd(UINT nChar, BOOL bShift, BOOL bCtrl)
{
    if (GetItemCount() == 0) {
        return;
    }
    if (m_dwScrollBars & FWLS_SB_VERT) {
        ScrollVert(nChar == VK_HOME ? SB_TOP : SB_BOTTOM, 0);
    }
    const int nNew = nChar == VK_HOME ? 0 : GetItemCount() - 1;
    ClickSelect(nNew, bShift, bCtrl, 2);
    EnsureVisible(nNew, FALSE);
}

void FwListCtrl::OnKeyPage(UINT nChar, BOOL bShift, BOOL bCtrl)
{
    if (!(m_dwScrollBars & FWLS_SB_VERT)) {
        OnKeyHomeEnd(nChar == VK_PRIOR ? VK_HOME : VK_END, bShift, bCtrl);
        return;
    }
    SendMessage(WM_VSCROLL, nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN, 0);
    const int nNew = nChar == VK_PRIOR ? m_nFirstVisible : std::max(GetLastFullyVisible(), m_nFirstVisible);
    if (GetRow(nNew) != nullptr) {
        ClickSelect(nNew, bShift, bCtrl, 2);
    }
}

void FwListCtrl::OnKeySpace(BOOL, BOOL)
{
    if (GetRow(m_nFocus) == nullptr) {
        return;
    }
    if (!OnSelChanging(m_nFocus, m_nFocus, 2)) {
        return;
    }
    SelectItem(m_nFocus, !IsSelected(m_nFocus));
    OnSelChanged(m_nFocus, m_nFocus, 2);
}

void FwListCtrl::OnKeyReturn()
{
    NotifyMouse(NM_RETURN);
}

void FwListCtrl::OnKeyF2()
{
    if ((m_dwStyle & FWLS_EDITLABELS) && GetRow(m_nFocus) != nullptr) {
        EditLabel(m_nFocus, m_nCaretColumn);
    }
}

void FwListCtrl::OnKeyTab(BOOL bShift)
{
    CWnd* pParent = GetNotifyWnd();
    if (pParent != nullptr) {
        pParent->PostMessage(WM_NEXTDLGCTL, bShift ? 1 : 0, 0);
    }
}

void FwListCtrl::OnKeyEscape()
{
    CWnd* pParent = GetNotifyWnd();
    if (pParent != nullptr) {
        pParent->PostMessage(WM_COMMAND, IDCANCEL, 0);
    }
}

void FwListCtrl::OnKeyLeftRight(UINT, BOOL, BOOL)
{
}

void FwListCtrl::OnKeyBack()
{
}

void FwListCtrl::OnKeyPlusMinus(UINT)
{
}

// Mouse.

void FwListCtrl::ClickSelect(int nItem, BOOL bShift, BOOL bCtrl, int nAction)
{
    if (GetRow(nItem) == nullptr) {
        return;
    }
    const int nOld = m_nFocus;
    if (GetMultiSelect() && bCtrl) {
        if (!OnSelChanging(nOld, nItem, nAction)) {
            return;
        }
        SelectItem(nItem, !IsSelected(nItem));
        SetCaret(nItem);
    } else if (GetMultiSelect() && bShift) {
        if (m_nAnchor < 0 || nItem == m_nFocus || !OnSelChanging(nOld, nItem, nAction)) {
            return;
        }
        ClearSelection();
        SelectRange(std::min(m_nAnchor, nItem), std::max(m_nAnchor, nItem), TRUE);
        SetCaret(nItem);
    } else {
        if (nItem == m_nFocus && IsSelected(nItem)) {
            return;
        }
        if (!OnSelChanging(nOld, nItem, nAction)) {
            return;
        }
        ClearSelection(nItem);
        SelectItem(nItem, TRUE);
        SetCaret(nItem);
        m_nAnchor = nItem;
    }
    OnSelChanged(nOld, nItem, nAction);
}

BOOL FwListCtrl::ClickSelects(int nItem, UINT nHitFlags, CPoint pt, BOOL& bMayEdit)
{
    bMayEdit = FALSE;
    if (nHitFlags & (FWLHT_ONICON | FWLHT_ONLABEL)) {
        bMayEdit = TRUE;
        return TRUE;
    }
    if (nHitFlags & FWLHT_ONSTATEICON) {
        return FALSE;
    }
    if (m_dwExStyle & FWLS_EX_FULLROWSELECT) {
        return TRUE;
    }
    const FwListItem* pRow = GetRow(nItem);
    if (pRow != nullptr && (nHitFlags & FWLHT_INDENT) && pt.x >= pRow->rcBounds.left) {
        bMayEdit = TRUE;
        return TRUE;
    }
    return FALSE;
}

void FwListCtrl::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    m_pTip->Hide();
    m_bPressOnCaretLabel = FALSE;
    DisarmEditTimer();
    UINT nFlags = 0;
    int nCol = -1;
    const int nItem = HitTest(point, &nFlags, &nCol);
    if (nFlags == FWLHT_DIVIDER && nCol >= 0) {
        ListChanging();
        m_columnResize.Begin(m_hWnd, nCol, GetColumnLeft(nCol), point.x);
        return;
    }
    m_ptPress = point;
    m_bDragging = FALSE;
    m_bPressedOnItem = nItem >= 0;
    if (nItem >= 0) {
        BOOL bMayEdit = FALSE;
        const BOOL bWasCaret = nItem == m_nFocus && IsSelected(nItem);
        if (ClickSelects(nItem, nFlags, point, bMayEdit)) {
            m_bPressOnCaretLabel = bMayEdit && bWasCaret && (nFlags & FWLHT_ONLABEL) != 0;
            if (nCol >= 0) {
                m_nCaretColumn = nCol;
            }
            ClickSelect(nItem, IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), 1);
        }
    }
}

void FwListCtrl::EndColumnResize(BOOL bApply, int x)
{
    const int nLeft = m_columnResize.GetLeft();
    const int nCol = m_columnResize.End(m_hWnd);
    if (nCol < 0) {
        return;
    }
    if (!bApply) {
        Invalidate(FALSE);
        return;
    }
    FwListColumn* pColumn = GetColumnAt(nCol);
    const int nOld = pColumn->nWidth;
    pColumn->nWidth = std::max(x - nLeft, minColumnWidth);
    if ((m_dwExStyle & FWLS_EX_FITCOLUMNS) && nCol + 1 < GetColumnCount()) {
        FwListColumn* pNext = m_columns[static_cast<size_t>(nCol + 1)];
        const int nGrown = pColumn->nWidth - nOld;
        pNext->nWidth = std::max(pNext->nWidth - nGrown, minFitColumnWidth);
        for (FwListColumn* pEach : m_columns) {
            pEach->nWidth = std::max(pEach->nWidth, minFitColumnWidth);
        }
        FitColumns();
    }
    for (FwListItem* pRow : m_rows) {
        pRow->nHeight = -1;
    }
    Relayout();
}

LRESULT FwListCtrl::OnCaptureChangedMsg(WPARAM, LPARAM lParam)
{
    // Losing the capture ends a resize where it was last tracked.
    if (m_columnResize.IsActive() && reinterpret_cast<HWND>(lParam) != m_hWnd) {
        EndColumnResize(TRUE, m_columnResize.GetLastX());
    }
    return 0;
}

void FwListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_columnResize.IsActive()) {
        m_columnResize.Track(m_hWnd, point.x);
        return;
    }
    UINT nHit = 0;
    int nCol = -1;
    const int nItem = HitTest(point, &nHit, &nCol);
    m_columnResize.SetOverDivider(nHit == FWLHT_DIVIDER);
    if ((nFlags & (MK_LBUTTON | MK_RBUTTON)) && m_bPressedOnItem && !m_bDragging) {
        if (std::abs(point.x - m_ptPress.x) >= dragThreshold || std::abs(point.y - m_ptPress.y) >= dragThreshold) {
            m_bDragging = TRUE;
            DisarmEditTimer();
            m_bPressOnCaretLabel = FALSE;
            NotifyBeginDrag(GetRowAt(m_ptPress.y), (nFlags & MK_RBUTTON) != 0);
        }
        return;
    }
    if (!m_bDragging && GetInfoTips() && (m_dwStyle & FWLS_NOLABELWRAP)) {
        if (nItem >= 0 && nCol >= 0) {
            m_pTip->ShowFor(nItem, nCol);
        } else {
            m_pTip->Hide();
        }
    }
}

LRESULT FwListCtrl::OnSetCursorMsg(WPARAM wParam, LPARAM lParam)
{
    if (m_columnResize.ShowCursor()) {
        return TRUE;
    }
    (void)wParam;
    (void)lParam;
    return Default();
}

void FwListCtrl::OnLButtonUp(UINT, CPoint point)
{
    if (m_columnResize.IsActive()) {
        EndColumnResize(TRUE, point.x);
        return;
    }
    m_bPressedOnItem = FALSE;
    if (m_bDragging) {
        m_bDragging = FALSE;
        return;
    }
    if (m_bPressOnCaretLabel && (m_dwStyle & FWLS_EDITLABELS)) {
        m_nEditCandidate = m_nFocus;
        m_nEditTimer = SetTimer(FW_LIST_EDIT_TIMER, editTimerMs);
    }
    m_bPressOnCaretLabel = FALSE;
    NotifyMouse(NM_CLICK);
}

void FwListCtrl::OnLButtonDblClk(UINT, CPoint)
{
    DisarmEditTimer();
    m_bPressOnCaretLabel = FALSE;
    NotifyMouse(NM_DBLCLK);
}

void FwListCtrl::OnRButtonDown(UINT, CPoint point)
{
    if (m_columnResize.IsActive()) {
        EndColumnResize(FALSE, 0);
        return;
    }
    SetFocus();
    m_pTip->Hide();
    DisarmEditTimer();
    UINT nFlags = 0;
    const int nItem = HitTest(point, &nFlags);
    m_ptPress = point;
    m_bDragging = FALSE;
    m_bPressedOnItem = nItem >= 0;
    BOOL bMayEdit = FALSE;
    if (nItem >= 0 && ClickSelects(nItem, nFlags, point, bMayEdit)) {
        ClickSelect(nItem, IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), 1);
    }
}

void FwListCtrl::OnRButtonUp(UINT, CPoint)
{
    m_bPressedOnItem = FALSE;
    if (m_bDragging) {
        m_bDragging = FALSE;
        return;
    }
    NotifyMouse(NM_RCLICK);
}

void FwListCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (GetMultiSelect()) {
        Invalidate(FALSE);
    } else {
        InvalidateRow(m_nFocus);
    }
    NotifyMouse(NM_SETFOCUS);
}

void FwListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (pNewWnd == nullptr || pNewWnd->GetSafeHwnd() != m_pEdit->m_hWnd) {
        SiteEndLabelEdit(TRUE);
    }
    m_pTip->Hide();
    if (GetMultiSelect()) {
        Invalidate(FALSE);
    } else {
        InvalidateRow(m_nFocus);
    }
    NotifyMouse(NM_KILLFOCUS);
}

LRESULT FwListCtrl::OnSysColorChangeMsg(WPARAM, LPARAM)
{
    if (m_bFollowSysColors) {
        m_colors.ReadSystemColors();
        Invalidate(FALSE);
    }
    return Default();
}

LRESULT FwListCtrl::OnEnableMsg(WPARAM wParam, LPARAM)
{
    if (!wParam) {
        m_pTip->Hide();
    }
    Invalidate(FALSE);
    return 0;
}

LRESULT FwListCtrl::OnCancelModeMsg(WPARAM, LPARAM)
{
    m_pTip->Hide();
    if (m_columnResize.IsActive()) {
        EndColumnResize(FALSE, 0);
    }
    return Default();
}

// Label editing.

void FwListCtrl::DisarmEditTimer()
{
    if (m_nEditTimer != 0 && m_hWnd != nullptr) {
        KillTimer(FW_LIST_EDIT_TIMER);
    }
    m_nEditTimer = 0;
    m_nEditCandidate = -1;
}

void FwListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != FW_LIST_EDIT_TIMER) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    // One shot: the timer is killed before the edit starts.
    const int nItem = m_nEditCandidate;
    DisarmEditTimer();
    if (nItem >= 0 && nItem == m_nFocus) {
        EditLabel(nItem, m_nCaretColumn);
    }
}

void FwListCtrl::ListChanging()
{
    SiteEndLabelEdit(TRUE);
    if (m_pTip != nullptr) {
        m_pTip->Hide();
    }
}

CWnd* FwListCtrl::EditLabel(int nItem, int nCol)
{
    SiteEndLabelEdit(TRUE);
    m_pTip->Hide();
    if (m_hWnd == nullptr || GetRow(nItem) == nullptr || GetColumnAt(nCol) == nullptr) {
        return nullptr;
    }
    EnsureVisible(nItem, FALSE);
    m_nEditItem = nItem;
    m_nEditColumn = nCol;
    if (NotifyBeginLabelEdit(nItem, SiteGetSubItem(nCol))) {
        m_nEditItem = -1;
        m_nEditColumn = -1;
        return nullptr;
    }
    m_strSavedLabel = GetItemText(nItem, SiteGetSubItem(nCol));
    const DWORD dwStyle = (m_dwStyle & FWLS_NOLABELWRAP)
                              ? WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN
                              : WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
    CRect rcLabel;
    SiteGetItemRect(nItem, nCol, FwListSite::rectLabel, rcLabel);
    if (!m_pEdit->CreateEditor(dwStyle, rcLabel, this)) {
        m_nEditItem = -1;
        return nullptr;
    }
    m_pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetItemFont()->m_hObject), 0);
    m_pEdit->SetWindowText(m_strSavedLabel);
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    SizeEditor();
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->SetFocus();
    return m_pEdit;
}

void FwListCtrl::SizeEditor()
{
    if (m_pEdit->m_hWnd == nullptr || m_nEditItem < 0) {
        return;
    }
    CRect rcLabel;
    SiteGetItemRect(m_nEditItem, m_nEditColumn, FwListSite::rectLabel, rcLabel);
    CString strText;
    m_pEdit->GetWindowText(strText);
    CSize size;
    {
        CClientDC dc(m_hWnd);
        CFxSelectGuard guard(&dc, GetItemFont());
        size = dc.GetTextExtent(strText.IsEmpty() ? CString(" ") : strText);
    }
    CRect rcClient = GetRowsRect();
    CRect rc(rcLabel.left, rcLabel.top, rcLabel.left + std::max<LONG>(size.cx + 10, rcLabel.Width()),
             rcLabel.top + std::max<LONG>(size.cy + 4, rcLabel.Height()));
    rc.right = std::min(rc.right, rcClient.right);
    m_pEdit->MoveWindow(&rc);
}

CWnd* FwListCtrl::GetEditControl() const
{
    return m_pEdit->m_hWnd != nullptr ? m_pEdit : nullptr;
}

void FwListCtrl::CancelEditLabel()
{
    SiteEndLabelEdit(FALSE);
}

void FwListCtrl::SiteEndLabelEdit(BOOL bAccept)
{
    if (m_nEditItem < 0 || m_pEdit == nullptr || m_pEdit->m_hWnd == nullptr) {
        return;
    }
    // Mark the edit over first: destroying the editor moves the focus and comes back here.
    const int nItem = m_nEditItem;
    const int nCol = m_nEditColumn;
    m_nEditItem = -1;
    m_nEditColumn = -1;
    CString strText;
    m_pEdit->GetWindowText(strText);
    const BOOL bHadFocus = ::GetFocus() == m_pEdit->m_hWnd;
    m_pEdit->DestroyWindow();
    if (bHadFocus) {
        SetFocus();
    }
    const int nSubItem = SiteGetSubItem(nCol);
    std::vector<char> buffer(static_cast<size_t>(strText.GetLength()) + 1);
    lstrcpynA(buffer.data(), strText, static_cast<int>(buffer.size()));
    const BOOL bAccepted = NotifyEndLabelEdit(nItem, nSubItem, bAccept ? buffer.data() : nullptr);
    if (GetRow(nItem) == nullptr) {
        return;
    }
    if (bAccept && bAccepted) {
        SetItemText(nItem, nSubItem, strText);
    } else if (!(nSubItem == 0 ? m_rows[static_cast<size_t>(nItem)]->bCallbackText : FALSE)) {
        SetItemText(nItem, nSubItem, m_strSavedLabel);
    }
    InvalidateRow(nItem);
}

BOOL FwListCtrl::SiteGetItemRect(int nItem, int nCol, int nPart, CRect& rc) const
{
    FwListCtrl* pThis = const_cast<FwListCtrl*>(this);
    FwListItem* pRow = GetRow(nItem);
    if (pRow == nullptr || m_hWnd == nullptr) {
        rc.SetRectEmpty();
        return FALSE;
    }
    const CRect rcRow = pThis->RowRect(nItem);
    CRect rcCell(GetColumnLeft(nCol), rcRow.top, GetColumnLeft(nCol) + GetColumnWidth(nCol), rcRow.bottom);
    if (nPart == rectCell) {
        rc = rcCell;
        return TRUE;
    }
    if (SiteGetSubItem(nCol) == 0) {
        CClientDC dc(m_hWnd);
        pThis->LayoutRow(nItem, pRow, rcRow, &dc);
        rc = pRow->rcLabel;
        if (nPart == rectLabel) {
            return TRUE;
        }
        rc.left += 2;
        rc.right = std::max(rcCell.right, rc.left);
        if (GetColumnCount() <= 1) {
            rc.right = GetRowsRect().right;
        }
        return TRUE;
    }
    rc = rcCell;
    rc.DeflateRect(5, 0);
    return TRUE;
}

BOOL FwListCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == 1 && m_pEdit->m_hWnd != nullptr && reinterpret_cast<HWND>(lParam) == m_pEdit->m_hWnd) {
        if (HIWORD(wParam) == EN_KILLFOCUS) {
            SiteEndLabelEdit(TRUE);
        } else if (HIWORD(wParam) == EN_UPDATE) {
            SizeEditor();
        }
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
