// The list's model: rows, columns, marks, selection, item records and notifications. Painting
// and input are in FwListCtrlView.cpp.
#include "framework/FwListCtrl.h"

#include <algorithm>
#include <cstring>

#include "framework/FwListEdit.h"
#include "framework/FwListTip.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/MsgMap.h"

namespace
{
// One buffer serves every text-callback query.
const int textBufferSize = 2048;
// The list's bits in the window's style words.
const DWORD listStyleBits = 0xF3FF;
const DWORD listExStyleBits = 0x0FF00000;
// Marks the list keeps outside the row's own state word.
const UINT markBits = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;
} // namespace

FwListItem::~FwListItem()
{
    for (FwListSubItem* pSub : subItems) {
        delete pSub;
    }
}

FX_BEGIN_MESSAGE_MAP(FwListCtrl, CWnd)
FX_ON_MESSAGE(WM_HSCROLL, OnHScrollMsg)
FX_ON_MESSAGE(WM_VSCROLL, OnVScrollMsg)
FX_ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheelMsg)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
FX_ON_MESSAGE(WM_SYSKEYDOWN, OnSysKeyDownMsg)
FX_ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
FX_ON_MESSAGE(WM_ENABLE, OnEnableMsg)
FX_ON_MESSAGE(WM_CANCELMODE, OnCancelModeMsg)
FX_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChangedMsg)
FX_END_MESSAGE_MAP()

FwListCtrl::FwListCtrl()
    : m_nFocus(-1), m_nDropHilite(-1), m_nCaretColumn(0), m_nEditCandidate(-1), m_nEditItem(-1), m_nEditColumn(-1),
      m_nAnchor(-1), m_nFirstVisible(0), m_nHorzOffset(0), m_nDefaultRowHeight(18), m_dwStyle(0), m_dwExStyle(0),
      m_dwScrollBars(0), m_nCallbackMask(0), m_bFollowSysColors(FALSE), m_pItemFont(nullptr), m_pHeaderFont(nullptr),
      m_pszTextBuffer(new char[textBufferSize]), m_nEditTimer(0), m_bDragging(FALSE), m_bPressedOnItem(FALSE),
      m_nWheelDelta(0), m_pTip(nullptr), m_pEdit(nullptr), m_bPressOnCaretLabel(FALSE)
{
    m_pszTextBuffer[0] = '\0';
    m_pTip = new FwListTip(this);
    m_pEdit = new FwListEdit(this);
    m_colors.ReadSystemColors();
}

FwListCtrl::~FwListCtrl()
{
    // The children go before the records they show.
    delete m_pEdit;
    delete m_pTip;
    for (FwListItem* pRow : m_rows) {
        delete pRow;
    }
    for (FwListColumn* pColumn : m_columns) {
        delete pColumn;
    }
    delete[] m_pszTextBuffer;
}

// 1. Creation.

void FwListCtrl::TakeStyles(DWORD& dwStyle, DWORD& dwExStyle)
{
    m_dwStyle = dwStyle & listStyleBits;
    m_dwExStyle = dwExStyle & listExStyleBits;
    dwStyle &= ~listStyleBits;
    dwExStyle &= ~listExStyleBits;
}

BOOL FwListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL FwListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    TakeStyles(dwStyle, dwExStyle);
    return CWnd::CreateEx(dwExStyle, nullptr, "", dwStyle | WS_CLIPCHILDREN, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL FwListCtrl::ReplaceDlgControl(CWnd* pParentWnd, UINT nID)
{
    HWND hOld = ::GetDlgItem(pParentWnd->GetSafeHwnd(), static_cast<int>(nID));
    if (hOld == nullptr) {
        return FALSE;
    }
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtrA(hOld, GWL_STYLE)) | WS_BORDER;
    const DWORD dwExStyle = static_cast<DWORD>(GetWindowLongPtrA(hOld, GWL_EXSTYLE));
    CRect rc;
    ::GetWindowRect(hOld, &rc);
    ::MapWindowPoints(nullptr, pParentWnd->GetSafeHwnd(), reinterpret_cast<POINT*>(&rc), 2);
    ::DestroyWindow(hOld);
    return CreateEx(dwExStyle, dwStyle, rc, pParentWnd, nID);
}

// 2. Colours and fonts.

COLORREF FwListCtrl::GetBkColor() const
{
    return m_hWnd != nullptr && !IsWindowEnabled() ? GetSysColor(COLOR_MENU) : m_colors.crBk;
}

void FwListCtrl::SetBkColor(COLORREF cr)
{
    m_colors.crBk = cr;
    m_colors.crTextBk = cr;
}

CFont* FwListCtrl::GetItemFont() const
{
    return m_pItemFont != nullptr ? m_pItemFont
                                  : CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void FwListCtrl::SetItemFont(CFont* pFont)
{
    m_pItemFont = pFont;
    for (FwListItem* pRow : m_rows) {
        pRow->nHeight = -1;
    }
    Relayout();
}

CFont* FwListCtrl::GetHeaderFont() const
{
    return m_pHeaderFont != nullptr ? m_pHeaderFont
                                    : CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void FwListCtrl::SetHeaderFont(CFont* pFont)
{
    m_pHeaderFont = pFont;
}

// 3. Row geometry: every query walks the rows from the first visible one.

CRect FwListCtrl::GetRowsRect() const
{
    CRect rc;
    if (m_hWnd == nullptr) {
        return rc;
    }
    GetClientRect(&rc);
    rc.top += GetHeaderHeight();
    if (m_dwScrollBars & FWLS_SB_HORZ) {
        rc.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    }
    if (m_dwScrollBars & FWLS_SB_VERT) {
        rc.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    if (rc.bottom < rc.top) {
        rc.bottom = rc.top;
    }
    return rc;
}

int FwListCtrl::GetHeaderHeight() const
{
    return (m_dwStyle & FWLS_VIEWMASK) == FWLS_REPORT && GetHeaderShown() ? m_nDefaultRowHeight : 0;
}

void FwListCtrl::EnsureRowHeight(int nItem, CDC* pDC)
{
    FwListItem* pRow = GetRow(nItem);
    if (pRow == nullptr || pRow->nHeight >= 0) {
        return;
    }
    if (pDC != nullptr) {
        pRow->nHeight = MeasureRow(nItem, pDC);
        return;
    }
    if (m_hWnd != nullptr) {
        CClientDC dc(m_hWnd);
        pRow->nHeight = MeasureRow(nItem, &dc);
    } else {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        pRow->nHeight = MeasureRow(nItem, &dc);
    }
}

int FwListCtrl::RowHeight(int nItem)
{
    EnsureRowHeight(nItem, nullptr);
    const FwListItem* pRow = GetRow(nItem);
    return pRow != nullptr ? pRow->nHeight : 0;
}

int FwListCtrl::GetLastFullyVisible()
{
    const CRect rc = GetRowsRect();
    int y = rc.top;
    int nLast = -1;
    for (int i = m_nFirstVisible; i < GetItemCount(); ++i) {
        y += RowHeight(i);
        if (y > rc.bottom) {
            break;
        }
        nLast = i;
    }
    return nLast;
}

int FwListCtrl::GetCountPerPage()
{
    const CRect rc = GetRowsRect();
    int y = rc.top;
    int nCount = 0;
    for (int i = m_nFirstVisible; i < GetItemCount(); ++i) {
        y += RowHeight(i);
        if (y > rc.bottom) {
            break;
        }
        ++nCount;
    }
    return std::max(nCount, 1);
}

int FwListCtrl::GetCountPerPageFromEnd()
{
    const CRect rc = GetRowsRect();
    int y = rc.top;
    int nCount = 0;
    for (int i = GetItemCount() - 1; i >= 0; --i) {
        y += RowHeight(i);
        if (y > rc.bottom) {
            break;
        }
        ++nCount;
    }
    return std::max(nCount, 1);
}

int FwListCtrl::GetRowDistance(int nFrom, int nTo)
{
    int nDistance = 0;
    for (int i = std::min(nFrom, nTo); i < std::max(nFrom, nTo); ++i) {
        nDistance += RowHeight(i);
    }
    return nFrom <= nTo ? nDistance : -nDistance;
}

int FwListCtrl::GetRowAt(int y)
{
    const CRect rc = GetRowsRect();
    int nTop = rc.top;
    for (int i = m_nFirstVisible; i < GetItemCount() && nTop < rc.bottom; ++i) {
        const int nBottom = nTop + RowHeight(i);
        if (y >= nTop && y < nBottom) {
            return i;
        }
        nTop = nBottom;
    }
    return -1;
}

CRect FwListCtrl::RowRect(int nItem)
{
    const CRect rcRows = GetRowsRect();
    CRect rc(rcRows.left - m_nHorzOffset, rcRows.top, rcRows.right, rcRows.top);
    if (nItem < m_nFirstVisible) {
        rc.top = rc.bottom = rcRows.top - GetRowDistance(nItem, m_nFirstVisible);
    } else {
        rc.top = rcRows.top + GetRowDistance(m_nFirstVisible, nItem);
    }
    rc.bottom = rc.top + RowHeight(nItem);
    const int nRight = rc.left + GetTotalColumnWidth();
    rc.right = std::max<LONG>(rc.right, nRight);
    return rc;
}

void FwListCtrl::InvalidateRow(int nItem)
{
    InvalidateRows(nItem, nItem);
}

void FwListCtrl::InvalidateRows(int nFirst, int nLast)
{
    if (m_hWnd == nullptr || nFirst < 0 || nFirst >= GetItemCount()) {
        return;
    }
    nLast = std::min(nLast, GetItemCount() - 1);
    const CRect rcRows = GetRowsRect();
    CRect rc = RowRect(nFirst);
    rc.bottom = RowRect(nLast).bottom;
    rc.left = rcRows.left;
    rc.right = rcRows.right;
    InvalidateRect(&rc, FALSE);
}

void FwListCtrl::Relayout()
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_nFirstVisible >= GetItemCount()) {
        m_nFirstVisible = std::max(GetItemCount() - 1, 0);
    }
    UpdateScrollBars();
    Invalidate(FALSE);
}

// 4. Columns.

int FwListCtrl::InsertColumn(int nCol, const FwListColumn& column, BOOL bRedraw)
{
    ListChanging();
    nCol = std::clamp(nCol, 0, GetColumnCount());
    FwListColumn* pColumn = new FwListColumn(column);
    if (nCol == 0) {
        pColumn->nFormat = LVCFMT_LEFT;
        pColumn->nSubItem = 0;
    }
    if (pColumn->nWidth == -1) {
        pColumn->nWidth = 10;
    }
    int nSubItemCount = 0;
    for (const FwListColumn* pEach : m_columns) {
        nSubItemCount = std::max(nSubItemCount, pEach->nSubItem);
    }
    if (nCol != 0 && (pColumn->nSubItem < 0 || pColumn->nSubItem > nSubItemCount)) {
        pColumn->nSubItem = nSubItemCount + 1;
        for (FwListItem* pRow : m_rows) {
            pRow->subItems.push_back(new FwListSubItem);
        }
    } else if (nCol < GetColumnCount()) {
        // A column before existing ones takes its sub-item place: later sub-items move up by one.
        const int nAt = pColumn->nSubItem;
        for (FwListColumn* pEach : m_columns) {
            if (pEach->nSubItem >= nAt) {
                ++pEach->nSubItem;
            }
        }
        const size_t nIndex = nAt > 0 ? static_cast<size_t>(nAt - 1) : 0;
        for (FwListItem* pRow : m_rows) {
            pRow->subItems.insert(pRow->subItems.begin() +
                                      static_cast<std::ptrdiff_t>(std::min(nIndex, pRow->subItems.size())),
                                  new FwListSubItem);
        }
    }
    m_columns.insert(m_columns.begin() + nCol, pColumn);
    if (bRedraw && m_hWnd != nullptr) {
        for (FwListItem* pRow : m_rows) {
            pRow->nHeight = -1;
        }
        Relayout();
    }
    return nCol;
}

int FwListCtrl::InsertColumn(int nCol, LPCSTR pszText, int nFormat, int nWidth, int nSubItem)
{
    FwListColumn column;
    column.nMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.strText = pszText != nullptr ? pszText : "";
    column.nFormat = nFormat;
    column.nWidth = nWidth;
    column.nSubItem = nSubItem;
    return InsertColumn(nCol, column);
}

int FwListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    if (pColumn == nullptr) {
        return -1;
    }
    FwListColumn column;
    column.nMask = pColumn->mask;
    column.nFormat = (pColumn->mask & LVCF_FMT) ? pColumn->fmt & LVCFMT_JUSTIFYMASK : LVCFMT_LEFT;
    column.nWidth = (pColumn->mask & LVCF_WIDTH) ? pColumn->cx : -1;
    column.strText = (pColumn->mask & LVCF_TEXT) && pColumn->pszText != nullptr ? pColumn->pszText : "";
    column.nSubItem = (pColumn->mask & LVCF_SUBITEM) ? pColumn->iSubItem : -1;
    return InsertColumn(nCol, column);
}

BOOL FwListCtrl::DeleteColumn(int nCol)
{
    FwListColumn* pColumn = GetColumnAt(nCol);
    if (pColumn == nullptr) {
        return FALSE;
    }
    ListChanging();
    const int nSubItem = pColumn->nSubItem;
    if (nSubItem > 0) {
        for (FwListItem* pRow : m_rows) {
            if (static_cast<size_t>(nSubItem) <= pRow->subItems.size()) {
                delete pRow->subItems[static_cast<size_t>(nSubItem - 1)];
                pRow->subItems.erase(pRow->subItems.begin() + (nSubItem - 1));
            }
        }
    }
    m_columns.erase(m_columns.begin() + nCol);
    if (!(m_dwExStyle & FWLS_EX_KEEPWIDTHS)) {
        for (FwListColumn* pEach : m_columns) {
            if (pEach->nSubItem == 0) {
                pEach->nWidth += pColumn->nWidth;
                break;
            }
        }
    }
    for (FwListColumn* pEach : m_columns) {
        if (pEach->nSubItem > nSubItem && nSubItem > 0) {
            --pEach->nSubItem;
        }
    }
    delete pColumn;
    Relayout();
    return TRUE;
}

void FwListCtrl::DeleteAllColumns()
{
    while (!m_columns.empty()) {
        DeleteColumn(GetColumnCount() - 1);
    }
}

BOOL FwListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const
{
    const FwListColumn* pEach = GetColumnAt(nCol);
    if (pEach == nullptr || pColumn == nullptr) {
        return FALSE;
    }
    if (pColumn->mask & LVCF_FMT) {
        pColumn->fmt = pEach->nFormat;
    }
    if (pColumn->mask & LVCF_WIDTH) {
        pColumn->cx = pEach->nWidth;
    }
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText != nullptr && pColumn->cchTextMax > 0) {
        lstrcpynA(pColumn->pszText, pEach->strText, pColumn->cchTextMax);
    }
    if (pColumn->mask & LVCF_SUBITEM) {
        pColumn->iSubItem = pEach->nSubItem;
    }
    return TRUE;
}

BOOL FwListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn)
{
    FwListColumn* pEach = GetColumnAt(nCol);
    if (pEach == nullptr || pColumn == nullptr) {
        return FALSE;
    }
    if ((pColumn->mask & LVCF_FMT) && nCol != 0) {
        pEach->nFormat = pColumn->fmt & LVCFMT_JUSTIFYMASK;
    }
    if (pColumn->mask & LVCF_WIDTH) {
        pEach->nWidth = pColumn->cx;
    }
    if (pColumn->mask & LVCF_TEXT) {
        pEach->strText = pColumn->pszText != nullptr ? pColumn->pszText : "";
    }
    Relayout();
    return TRUE;
}

BOOL FwListCtrl::SetColumnWidth(int nCol, int cx)
{
    FwListColumn* pEach = GetColumnAt(nCol);
    if (pEach == nullptr) {
        return FALSE;
    }
    pEach->nWidth = cx;
    for (FwListItem* pRow : m_rows) {
        pRow->nHeight = -1;
    }
    Relayout();
    return TRUE;
}

int FwListCtrl::GetColumnWidth(int nCol) const
{
    const FwListColumn* pEach = GetColumnAt(nCol);
    return pEach != nullptr ? pEach->nWidth : 0;
}

BOOL FwListCtrl::SetColumnText(int nCol, LPCSTR pszText)
{
    FwListColumn* pEach = GetColumnAt(nCol);
    if (pEach == nullptr) {
        return FALSE;
    }
    pEach->strText = pszText != nullptr ? pszText : "";
    Relayout();
    return TRUE;
}

FwListColumn* FwListCtrl::GetColumnAt(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_columns[static_cast<size_t>(nCol)] : nullptr;
}

int FwListCtrl::GetColumnLeft(int nCol) const
{
    int x = -m_nHorzOffset;
    for (int i = 0; i < nCol && i < GetColumnCount(); ++i) {
        x += m_columns[static_cast<size_t>(i)]->nWidth;
    }
    return x;
}

int FwListCtrl::GetTotalColumnWidth() const
{
    int nWidth = 0;
    for (const FwListColumn* pEach : m_columns) {
        nWidth += pEach->nWidth;
    }
    return nWidth;
}

// 5. Items.

FwListItem* FwListCtrl::GetRow(int nItem) const
{
    return nItem >= 0 && nItem < GetItemCount() ? m_rows[static_cast<size_t>(nItem)] : nullptr;
}

BOOL FwListCtrl::IsSelected(int nItem) const
{
    return m_selection.Contains(nItem);
}

int FwListCtrl::InsertItem(const LVITEMA* pItem)
{
    if (pItem == nullptr || pItem->iSubItem != 0) {
        return -1;
    }
    ListChanging();
    const int nItem = std::clamp(pItem->iItem, 0, GetItemCount());
    FwListItem* pRow = new FwListItem;
    if (pItem->mask & LVIF_TEXT) {
        if (pItem->pszText == LPSTR_TEXTCALLBACKA) {
            pRow->bCallbackText = TRUE;
        } else if (pItem->pszText != nullptr) {
            pRow->strText = pItem->pszText;
        }
    }
    if (pItem->mask & LVIF_IMAGE) {
        pRow->iImage = pItem->iImage;
    }
    if (pItem->mask & LVIF_PARAM) {
        pRow->lParam = pItem->lParam;
    }
    int nSubItemCount = 0;
    for (const FwListColumn* pEach : m_columns) {
        nSubItemCount = std::max(nSubItemCount, pEach->nSubItem);
    }
    for (int i = 0; i < nSubItemCount; ++i) {
        pRow->subItems.push_back(new FwListSubItem);
    }
    m_rows.insert(m_rows.begin() + nItem, pRow);
    // The marks stay with their items.
    if (m_nFocus >= nItem) {
        ++m_nFocus;
    }
    if (m_nDropHilite >= nItem) {
        ++m_nDropHilite;
    }
    if (m_nAnchor >= nItem) {
        ++m_nAnchor;
    }
    if (m_nEditCandidate >= nItem) {
        ++m_nEditCandidate;
    }
    m_selection.OnRowInserted(nItem);
    if (pItem->mask & LVIF_STATE) {
        SetItemState(nItem, pItem->state, pItem->stateMask);
    }
    if (m_nFocus < 0) {
        m_nFocus = 0;
        SelectItem(0, TRUE);
    }
    Relayout();
    return nItem;
}

int FwListCtrl::InsertItem(int nItem, LPCSTR pszText, int nImage)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(pszText);
    item.iImage = nImage;
    return InsertItem(&item);
}

BOOL FwListCtrl::SetItem(const LVITEMA* pItem, BOOL bRedraw)
{
    FwListItem* pRow = pItem != nullptr ? GetRow(pItem->iItem) : nullptr;
    if (pRow == nullptr || pItem->iSubItem < 0 || static_cast<size_t>(pItem->iSubItem) > pRow->subItems.size()) {
        return FALSE;
    }
    FwListSubItem* pSub = pItem->iSubItem > 0 ? pRow->subItems[static_cast<size_t>(pItem->iSubItem - 1)] : nullptr;
    BOOL bTextChanged = FALSE;
    BOOL bStateChanged = FALSE;
    if (pItem->mask & LVIF_TEXT) {
        CString& strText = pSub != nullptr ? pSub->strText : pRow->strText;
        BOOL& bCallback = pSub != nullptr ? pSub->bCallback : pRow->bCallbackText;
        if (pItem->pszText == LPSTR_TEXTCALLBACKA) {
            bCallback = TRUE;
            strText.Empty();
            bTextChanged = TRUE;
        } else if (bCallback && !(pItem->mask & LVIF_DI_SETITEM)) {
            // The parent keeps the text: tell it instead of storing.
            NotifySetDispInfo(pItem);
        } else {
            bCallback = FALSE;
            strText = pItem->pszText != nullptr ? pItem->pszText : "";
            bTextChanged = TRUE;
        }
    }
    if ((pItem->mask & LVIF_IMAGE) && pSub == nullptr) {
        if (pItem->iImage == I_IMAGECALLBACK || pRow->iImage != I_IMAGECALLBACK || (pItem->mask & LVIF_DI_SETITEM)) {
            pRow->iImage = pItem->iImage;
            bStateChanged = TRUE;
        } else {
            NotifySetDispInfo(pItem);
        }
    }
    if ((pItem->mask & LVIF_STATE) && pSub == nullptr) {
        const UINT nMask = pItem->stateMask;
        if (nMask & LVIS_SELECTED) {
            SelectItem(pItem->iItem, (pItem->state & LVIS_SELECTED) != 0);
        }
        if (nMask & LVIS_FOCUSED) {
            if (pItem->state & LVIS_FOCUSED) {
                InvalidateRow(m_nFocus);
                m_nFocus = pItem->iItem;
            } else if (m_nFocus == pItem->iItem) {
                m_nFocus = -1;
            }
        }
        if (nMask & LVIS_DROPHILITED) {
            if (pItem->state & LVIS_DROPHILITED) {
                InvalidateRow(m_nDropHilite);
                m_nDropHilite = pItem->iItem;
            } else if (m_nDropHilite == pItem->iItem) {
                m_nDropHilite = -1;
            }
        }
        const UINT nOwn = nMask & ~markBits;
        pRow->nState = (pRow->nState & ~nOwn) | (pItem->state & nOwn);
        bStateChanged = TRUE;
    }
    if (pItem->mask & LVIF_PARAM) {
        pRow->lParam = pItem->lParam;
    }
    if (bTextChanged) {
        pRow->nHeight = -1;
    }
    if (bRedraw && (bTextChanged || bStateChanged) && pItem->iItem != m_nEditItem) {
        if (bTextChanged) {
            Relayout();
        }
        InvalidateRow(pItem->iItem);
    }
    return TRUE;
}

BOOL FwListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR pszText, int nImage, UINT nState, UINT nStateMask,
                         LPARAM lParam)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(pszText);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL FwListCtrl::GetItem(LVITEMA* pItem, BOOL bCopyText, BOOL bAskParent)
{
    FwListItem* pRow = pItem != nullptr ? GetRow(pItem->iItem) : nullptr;
    if (pRow == nullptr || pItem->iSubItem < 0 || static_cast<size_t>(pItem->iSubItem) > pRow->subItems.size()) {
        return FALSE;
    }
    const FwListSubItem* pSub =
        pItem->iSubItem > 0 ? pRow->subItems[static_cast<size_t>(pItem->iSubItem - 1)] : nullptr;
    UINT nAsk = 0;
    if (pItem->mask & LVIF_TEXT) {
        const BOOL bCallback = pSub != nullptr ? pSub->bCallback : pRow->bCallbackText;
        const CString& strText = pSub != nullptr ? pSub->strText : pRow->strText;
        if (bCallback) {
            if (bAskParent) {
                nAsk |= LVIF_TEXT;
            } else {
                pItem->pszText = LPSTR_TEXTCALLBACKA;
            }
        } else if (bCopyText) {
            if (pItem->pszText != nullptr && pItem->cchTextMax > 0) {
                lstrcpynA(pItem->pszText, strText, pItem->cchTextMax);
            }
        } else {
            pItem->pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strText));
        }
    }
    if ((pItem->mask & LVIF_IMAGE) && pSub == nullptr) {
        pItem->iImage = pRow->iImage;
        if (pRow->iImage == I_IMAGECALLBACK && bAskParent) {
            nAsk |= LVIF_IMAGE;
        }
    }
    if ((pItem->mask & LVIF_STATE) && pSub == nullptr) {
        UINT nState = pRow->nState;
        if (pItem->iItem == m_nFocus) {
            nState |= LVIS_FOCUSED;
        }
        if (IsSelected(pItem->iItem)) {
            nState |= LVIS_SELECTED;
        }
        if (pItem->iItem == m_nDropHilite) {
            nState |= LVIS_DROPHILITED;
        }
        pItem->state = nState & pItem->stateMask;
        if (m_nCallbackMask != 0 && bAskParent) {
            nAsk |= LVIF_STATE;
        }
    }
    if ((pItem->mask & LVIF_PARAM) && pSub == nullptr) {
        pItem->lParam = pRow->lParam;
    }
    if (nAsk != 0) {
        LVITEMA ask = *pItem;
        ask.mask = nAsk;
        ask.pszText = m_pszTextBuffer;
        ask.cchTextMax = textBufferSize;
        m_pszTextBuffer[0] = '\0';
        ask.stateMask = m_nCallbackMask;
        NotifyGetDispInfo(&ask);
        if (nAsk & LVIF_TEXT) {
            LPCSTR pszAnswer = ask.pszText != nullptr ? ask.pszText : "";
            if (bCopyText && pItem->pszText != nullptr && pItem->pszText != LPSTR_TEXTCALLBACKA &&
                pItem->cchTextMax > 0) {
                lstrcpynA(pItem->pszText, pszAnswer, pItem->cchTextMax);
            } else if (!bCopyText) {
                pItem->pszText = const_cast<LPSTR>(pszAnswer);
            }
        }
        if (nAsk & LVIF_IMAGE) {
            pItem->iImage = ask.iImage;
        }
        if (nAsk & LVIF_STATE) {
            pItem->state = (pItem->state & ~m_nCallbackMask) | (ask.state & m_nCallbackMask & pItem->stateMask);
        }
    }
    return TRUE;
}

BOOL FwListCtrl::SetItemExtraState(int nItem, UINT nExtraState)
{
    FwListItem* pRow = GetRow(nItem);
    if (pRow == nullptr) {
        return FALSE;
    }
    pRow->nExtraState = nExtraState;
    InvalidateRow(nItem);
    return TRUE;
}

UINT FwListCtrl::GetItemExtraState(int nItem) const
{
    const FwListItem* pRow = GetRow(nItem);
    return pRow != nullptr ? pRow->nExtraState : 0;
}

BOOL FwListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR pszText)
{
    LVITEMA item = {};
    // Set-item stores the text even over a callback marker: the caller means this text.
    item.mask = LVIF_TEXT | LVIF_DI_SETITEM;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(pszText != nullptr ? pszText : "");
    return SetItem(&item);
}

int FwListCtrl::GetItemText(int nItem, int nSubItem, LPSTR pszBuffer, int nMax)
{
    if (pszBuffer == nullptr || nMax <= 0) {
        return 0;
    }
    pszBuffer[0] = '\0';
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = pszBuffer;
    item.cchTextMax = nMax;
    if (!GetItem(&item)) {
        return 0;
    }
    return lstrlenA(pszBuffer);
}

CString FwListCtrl::GetItemText(int nItem, int nSubItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    if (!GetItem(&item, FALSE) || item.pszText == nullptr || item.pszText == LPSTR_TEXTCALLBACKA) {
        return CString();
    }
    return CString(item.pszText);
}

BOOL FwListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.mask = LVIF_STATE;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nMask;
    return SetItem(&item);
}

UINT FwListCtrl::GetItemState(int nItem, UINT nMask) const
{
    const FwListItem* pRow = GetRow(nItem);
    if (pRow == nullptr) {
        return 0;
    }
    UINT nState = pRow->nState;
    if (nItem == m_nFocus) {
        nState |= LVIS_FOCUSED;
    }
    if (IsSelected(nItem)) {
        nState |= LVIS_SELECTED;
    }
    if (nItem == m_nDropHilite) {
        nState |= LVIS_DROPHILITED;
    }
    return nState & nMask;
}

BOOL FwListCtrl::SetItemData(int nItem, LPARAM lParam)
{
    FwListItem* pRow = GetRow(nItem);
    if (pRow == nullptr) {
        return FALSE;
    }
    pRow->lParam = lParam;
    return TRUE;
}

LPARAM FwListCtrl::GetItemData(int nItem) const
{
    const FwListItem* pRow = GetRow(nItem);
    return pRow != nullptr ? pRow->lParam : 0;
}

BOOL FwListCtrl::DeleteItem(int nItem)
{
    return DeleteItems(nItem, 1);
}

BOOL FwListCtrl::DeleteItems(int nFirst, int nCount)
{
    if (nFirst < 0 || nCount <= 0 || nFirst >= GetItemCount()) {
        return FALSE;
    }
    nCount = std::min(nCount, GetItemCount() - nFirst);
    ListChanging();
    InvalidateRow(nFirst > 0 ? nFirst - 1 : 0);
    // Each item is told of, so the parent can free what its data points to.
    for (int i = nFirst; i < nFirst + nCount; ++i) {
        NotifyDeleteItem(i);
    }
    const int nEnd = nFirst + nCount;
    for (int i = nFirst; i < nEnd; ++i) {
        delete m_rows[static_cast<size_t>(i)];
    }
    m_rows.erase(m_rows.begin() + nFirst, m_rows.begin() + nEnd);
    const int nLeft = GetItemCount();
    if (m_nFirstVisible >= nLeft) {
        m_nFirstVisible = std::max(nLeft - 1, 0);
    }
    // A mark on a deleted item goes to the item before the range; one on the range's first
    // index stays when an item now stands there (the drop mark stays in any case).
    auto moveMark = [&](int& nMark, BOOL bStaysAnyway) {
        if (nMark >= nEnd) {
            nMark -= nCount;
        } else if (nMark >= nFirst) {
            const BOOL bStays = nMark == nFirst && (bStaysAnyway || nFirst < nLeft);
            if (!bStays) {
                nMark = nFirst - 1;
            }
        }
    };
    moveMark(m_nFocus, FALSE);
    moveMark(m_nDropHilite, TRUE);
    moveMark(m_nAnchor, FALSE);
    if (m_nEditCandidate >= nFirst) {
        DisarmEditTimer();
    }
    m_selection.OnRowsDeleted(nFirst, nCount);
    if (m_selection.IsEmpty() && m_nFocus >= 0 && m_nFocus < nLeft) {
        m_selection.Add(m_nFocus);
    }
    Relayout();
    return TRUE;
}

BOOL FwListCtrl::DeleteAllItems()
{
    ListChanging();
    DisarmEditTimer();
    for (int i = 0; i < GetItemCount(); ++i) {
        NotifyDeleteItem(i);
    }
    for (FwListItem* pRow : m_rows) {
        delete pRow;
    }
    m_rows.clear();
    m_selection.RemoveAll();
    m_nFirstVisible = 0;
    m_nFocus = -1;
    m_nAnchor = -1;
    m_nDropHilite = -1;
    Relayout();
    return TRUE;
}

int FwListCtrl::GetNextItem(int nStart, UINT nFlags) const
{
    const UINT nFilter = nFlags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    const BOOL bUp = (nFlags & (LVNI_ABOVE | LVNI_TOLEFT)) != 0;
    if (!bUp && (nFlags & ~(0xFu | LVNI_BELOW | LVNI_TORIGHT)) != 0) {
        return -1;
    }
    const int nStep = bUp ? -1 : 1;
    const int nCount = GetItemCount();
    for (int i = nStart + nStep; i >= 0 && i < nCount; i += nStep) {
        if (nFilter == 0 || GetItemState(i, nFilter) == nFilter) {
            return i;
        }
    }
    return -1;
}

BOOL FwListCtrl::SelectItem(int nItem, BOOL bSelect)
{
    if (GetRow(nItem) == nullptr) {
        return FALSE;
    }
    if (bSelect ? m_selection.Add(nItem) : m_selection.Remove(nItem)) {
        InvalidateRow(nItem);
    }
    return TRUE;
}

BOOL FwListCtrl::SelectRange(int nFirst, int nLast, BOOL bSelect)
{
    if (nFirst > nLast) {
        std::swap(nFirst, nLast);
    }
    for (int i = std::max(nFirst, 0); i <= nLast && i < GetItemCount(); ++i) {
        SelectItem(i, bSelect);
    }
    return TRUE;
}

void FwListCtrl::ClearSelection(int nExcept)
{
    // A copy: deselecting changes the selection being walked.
    const FwListSelection selected = m_selection;
    for (int i = 0; i < selected.GetCount(); ++i) {
        if (selected.GetAt(i) != nExcept) {
            SelectItem(selected.GetAt(i), FALSE);
        }
    }
}

BOOL FwListCtrl::SetCaret(int nItem)
{
    if (nItem != -1 && GetRow(nItem) == nullptr) {
        return FALSE;
    }
    InvalidateRow(m_nFocus);
    m_nFocus = nItem;
    InvalidateRow(m_nFocus);
    return TRUE;
}

BOOL FwListCtrl::SetDropHilite(int nItem)
{
    if (nItem != -1 && GetRow(nItem) == nullptr) {
        return FALSE;
    }
    InvalidateRow(m_nDropHilite);
    m_nDropHilite = nItem;
    InvalidateRow(m_nDropHilite);
    return TRUE;
}

// 6. Image lists.

CImageList* FwListCtrl::SetImageList(CImageList* pImageList, int nWhich)
{
    if (!FwListImageLists::IsSlot(nWhich)) {
        return nullptr;
    }
    CImageList* pOld = m_imageLists.Set(nWhich, pImageList);
    for (FwListItem* pRow : m_rows) {
        pRow->nHeight = -1;
    }
    Relayout();
    return pOld;
}

CImageList* FwListCtrl::GetImageList(int nWhich) const
{
    return m_imageLists.Get(nWhich);
}

BOOL FwListCtrl::SetImageListCopy(const CImageList* pSource, int nWhich)
{
    if (!FwListImageLists::IsSlot(nWhich)) {
        return FALSE;
    }
    CImageList* pCopy = m_imageLists.MakeOwnedCopy(pSource);
    if (pCopy == nullptr) {
        return FALSE;
    }
    SetImageList(pCopy, nWhich);
    return TRUE;
}

// 8. Styles.

void FwListCtrl::SetListStyle(DWORD dwStyle)
{
    ModifyListStyle(0xFFFFFFFF, dwStyle);
}

void FwListCtrl::SetListExStyle(DWORD dwExStyle)
{
    ModifyListExStyle(0xFFFFFFFF, dwExStyle);
}

void FwListCtrl::ModifyListStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    if (bRedraw) {
        for (FwListItem* pRow : m_rows) {
            pRow->nHeight = -1;
        }
        Relayout();
    }
}

void FwListCtrl::ModifyListExStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    m_dwExStyle = (m_dwExStyle & ~dwRemove) | dwAdd;
    if (bRedraw) {
        Relayout();
    }
}

void FwListCtrl::SetLabelsWrap(BOOL bWrap)
{
    ModifyListStyle(bWrap ? FWLS_NOLABELWRAP : 0, bWrap ? 0 : FWLS_NOLABELWRAP);
}

void FwListCtrl::SetInfoTips(BOOL bTips)
{
    ModifyListExStyle(bTips ? 0 : FWLS_EX_INFOTIP, bTips ? FWLS_EX_INFOTIP : 0);
}

void FwListCtrl::SetMultiSelect(BOOL bMulti)
{
    if (!bMulti && m_selection.GetCount() > 1) {
        ClearSelection();
    }
    ModifyListStyle(bMulti ? FWLS_SINGLESEL : 0, bMulti ? 0 : FWLS_SINGLESEL);
}

void FwListCtrl::SetHeaderShown(BOOL bShown)
{
    ModifyListStyle(bShown ? FWLS_NOCOLUMNHEADER : 0, bShown ? 0 : FWLS_NOCOLUMNHEADER);
}

// 11. Notifications.

CWnd* FwListCtrl::GetNotifyWnd() const
{
    return m_hWnd != nullptr ? CWnd::FromHandle(::GetParent(m_hWnd)) : nullptr;
}

LRESULT FwListCtrl::SendNotify(NMHDR* pHdr)
{
    CWnd* pParent = GetNotifyWnd();
    if (pParent == nullptr || m_hWnd == nullptr) {
        return 0;
    }
    pHdr->hwndFrom = m_hWnd;
    pHdr->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    return ::SendMessageA(pParent->GetSafeHwnd(), WM_NOTIFY, pHdr->idFrom, reinterpret_cast<LPARAM>(pHdr));
}

LRESULT FwListCtrl::NotifyMouse(int nCode)
{
    NMHDR hdr = {};
    hdr.code = static_cast<UINT>(nCode);
    return SendNotify(&hdr);
}

BOOL FwListCtrl::NotifyBeginLabelEdit(int nItem, int nCol)
{
    NMLVDISPINFOA info = {};
    info.hdr.code = LVN_BEGINLABELEDITA;
    info.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    info.item.iItem = nItem;
    info.item.iSubItem = nCol;
    info.item.stateMask = 0xFFFFFFFF;
    GetItem(&info.item, FALSE, FALSE);
    return SendNotify(&info.hdr) == 1;
}

BOOL FwListCtrl::NotifyEndLabelEdit(int nItem, int nCol, LPSTR pszText)
{
    NMLVDISPINFOA info = {};
    info.hdr.code = LVN_ENDLABELEDITA;
    info.item.mask = LVIF_TEXT | LVIF_PARAM;
    info.item.iItem = nItem;
    info.item.iSubItem = nCol;
    info.item.lParam = GetItemData(nItem);
    info.item.pszText = pszText;
    info.item.cchTextMax = pszText != nullptr ? lstrlenA(pszText) + 1 : 0;
    return SendNotify(&info.hdr) != 0;
}

void FwListCtrl::NotifyDeleteItem(int nItem)
{
    NMLISTVIEW nm = {};
    nm.hdr.code = LVN_DELETEITEM;
    nm.iItem = nItem;
    nm.lParam = GetItemData(nItem);
    SendNotify(&nm.hdr);
}

void FwListCtrl::NotifyInsertItem(int nItem)
{
    NMLISTVIEW nm = {};
    nm.hdr.code = LVN_INSERTITEM;
    nm.iItem = nItem;
    nm.lParam = GetItemData(nItem);
    SendNotify(&nm.hdr);
}

BOOL FwListCtrl::NotifyGetDispInfo(LVITEMA* pItem)
{
    NMLVDISPINFOA info = {};
    info.hdr.code = LVN_GETDISPINFOA;
    info.item = *pItem;
    info.item.lParam = GetItemData(pItem->iItem);
    SendNotify(&info.hdr);
    const LPARAM lParam = pItem->lParam;
    *pItem = info.item;
    pItem->lParam = lParam;
    return TRUE;
}

void FwListCtrl::NotifyKeyDown(UINT nChar, UINT nFlags)
{
    NMLVKEYDOWN nm = {};
    nm.hdr.code = LVN_KEYDOWN;
    nm.wVKey = static_cast<WORD>(nChar);
    nm.flags = nFlags;
    SendNotify(&nm.hdr);
}

void FwListCtrl::NotifyBeginDrag(int, BOOL)
{
}

void FwListCtrl::NotifyColumnClick(int)
{
}

void FwListCtrl::NotifySetDispInfo(const LVITEMA*)
{
}

BOOL FwListCtrl::OnSelChanging(int, int, int)
{
    return TRUE;
}

void FwListCtrl::OnSelChanged(int, int, int)
{
}

// FwListSite.

int FwListCtrl::SiteGetSubItem(int nCol) const
{
    const FwListColumn* pColumn = GetColumnAt(nCol);
    return pColumn != nullptr ? pColumn->nSubItem : 0;
}

int FwListCtrl::SiteGetHorzOffset(int* pnPartner) const
{
    if (pnPartner != nullptr) {
        *pnPartner = GetTotalColumnWidth();
    }
    return m_nHorzOffset;
}

void FwListCtrl::SiteGetRowsRect(CRect& rc) const
{
    rc = GetRowsRect();
}

CString FwListCtrl::SiteGetItemText(int nItem, int nCol)
{
    return GetItemText(nItem, SiteGetSubItem(nCol));
}

void FwListCtrl::SiteClientToScreen(CRect& rc) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
}

void FwListCtrl::SiteSetCapture(BOOL bCapture)
{
    if (bCapture) {
        ::SetCapture(m_hWnd);
    } else if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
}
