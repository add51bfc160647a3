#include "common/KvListCtrlEx.h"

#include <mbstring.h>
#include <oleauto.h>

#include <algorithm>
#include <cstdlib>

#include "platform/base/Firewall.h"

namespace
{
// Stands in for an item's data value while a sort runs.
struct CSortRecord
{
    LPARAM lOwnData;
    CString strText;
    double dBase;
    bool bBaseValid;
};

bool ParseDate(const CString& strText, double* pDate)
{
    const int cch = MultiByteToWideChar(CP_ACP, 0, strText, -1, nullptr, 0);
    if (cch <= 0) {
        return false;
    }
    std::vector<WCHAR> wide(static_cast<size_t>(cch));
    MultiByteToWideChar(CP_ACP, 0, strText, -1, wide.data(), cch);
    DATE date = 0;
    if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date))) {
        return false;
    }
    *pDate = date;
    return true;
}

template <typename T> int Sign(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CALLBACK CompareRecords(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    // A failed comparison counts as equal.
    return FxCallbackEntry("CKvListCtrlEx sort", 0, [&]() -> int {
        const auto* pA = reinterpret_cast<const CSortRecord*>(lParam1);
        const auto* pB = reinterpret_cast<const CSortRecord*>(lParam2);
        const int nType = static_cast<int>((lParamSort >> 8) & 0xFF);
        const int nDirection = (lParamSort & 0xFF) != 0 ? 1 : -1;
        return nDirection * CKvListCtrlEx::CompareValues(nType, pA->strText, pB->strText, pA->dBase, pA->bBaseValid);
    });
}

RECT ItemRect(const CWnd& wnd, int nItem, int nCode)
{
    RECT rc{};
    rc.left = nCode;
    wnd.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

bool ReadColumn(const CWnd& wnd, int nCol, LVCOLUMNA* pCol, char* pszText, int cchText)
{
    pCol->mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    pCol->pszText = pszText;
    pCol->cchTextMax = cchText;
    return wnd.SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pCol)) != 0;
}

UINT AlignOf(int nFormat)
{
    switch (nFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvListCtrlEx, CListCtrl)

CKvListCtrlEx::CKvListCtrlEx()
    : m_nHighlight(0), m_bSortEnabled(false), m_dBaseTime(0), m_bBaseTimeValid(false), m_nSortCol(-1),
      m_bAscending(TRUE)
{
}

CKvListCtrlEx::~CKvListCtrlEx()
{
    if (m_header.m_hWnd != nullptr) {
        m_header.UnsubclassWindow();
    }
}

void CKvListCtrlEx::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    HWND hHeader = ::GetDlgItem(m_hWnd, 0);
    if (hHeader != nullptr && m_header.SubclassWindow(hHeader)) {
        m_header.SetDropTarget(this);
    }
}

int CKvListCtrlEx::SetHighlightType(int nType)
{
    const int nOld = m_nHighlight;
    if (nType < 0 || nType > 2) {
        return nOld;
    }
    m_nHighlight = nType;
    if (nType == 1 || nType == 2) {
        ModifyStyle(0, LVS_OWNERDRAWFIXED);
    }
    Invalidate(TRUE);
    return nOld;
}

bool CKvListCtrlEx::EnableSort(bool bEnable)
{
    const bool bOld = m_bSortEnabled;
    m_bSortEnabled = bEnable;
    return bOld;
}

bool CKvListCtrlEx::EnableHeaderDrag(bool bEnable)
{
    return m_header.EnableDrag(bEnable);
}

bool CKvListCtrlEx::SetColumnTypes(BYTE* pTypes, UINT nCount)
{
    m_columnTypes.clear();
    if (pTypes == nullptr) {
        return nCount == 0;
    }
    for (UINT i = 0; i < nCount; ++i) {
        if (pTypes[i] > typeTimeOfDay) {
            m_columnTypes.clear();
            return false;
        }
        m_columnTypes.push_back(pTypes[i]);
    }
    return true;
}

bool CKvListCtrlEx::SetBaseTime(CString strText)
{
    double dTime = 0;
    if (!ParseDate(strText, &dTime)) {
        return false;
    }
    m_dBaseTime = dTime;
    m_bBaseTimeValid = true;
    return true;
}

// Equal values give 0 in every type, so that the order stays well-defined both ways.
int CKvListCtrlEx::CompareValues(int nType, const CString& strA, const CString& strB, double dBase, bool bBaseValid)
{
    const auto* pA = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strA));
    const auto* pB = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strB));
    switch (nType) {
    case typeText:
        return Sign(_mbscmp(pA, pB), 0);
    case typeTextNoCase:
        return Sign(_mbsicmp(pA, pB), 0);
    case typeInt:
        return Sign(std::atol(strA), std::atol(strB));
    case typeDecimal:
        return Sign(std::atof(strA), std::atof(strB));
    case typeDateTime:
    case typeTimeOfDay: {
        double dA = 0;
        double dB = 0;
        if (!ParseDate(strA, &dA) || !ParseDate(strB, &dB)) {
            return 0;
        }
        if (nType == typeTimeOfDay && bBaseValid) {
            // Times before the base belong to the next day.
            if (dA < dBase) {
                dA += 1;
            }
            if (dB < dBase) {
                dB += 1;
            }
        }
        return Sign(dA, dB);
    }
    default:
        return 0;
    }
}

void CKvListCtrlEx::SortColumn(int nCol)
{
    OnHeaderClicked(nCol, 0);
}

BOOL CKvListCtrlEx::OnHeaderClicked(int nCol, int nButton)
{
    if (m_columnTypes.empty() || !m_bSortEnabled || nButton != 0 || nCol < 0) {
        return FALSE;
    }
    // Columns beyond the given types are left unsorted.
    const int nType = nCol < static_cast<int>(m_columnTypes.size()) ? m_columnTypes[static_cast<size_t>(nCol)]
                                                                    : static_cast<int>(typeNone);
    m_bAscending = nCol == m_nSortCol ? !m_bAscending : TRUE;
    m_nSortCol = nCol;

    const int nCount = GetItemCount();
    std::vector<CSortRecord> records(static_cast<size_t>(std::max(nCount, 0)));
    for (int i = 0; i < nCount; ++i) {
        CSortRecord& rec = records[static_cast<size_t>(i)];
        rec.lOwnData = static_cast<LPARAM>(GetItemData(i));
        rec.strText = GetItemText(i, nCol);
        rec.dBase = m_dBaseTime;
        rec.bBaseValid = m_bBaseTimeValid;
        SetItemData(i, reinterpret_cast<DWORD_PTR>(&rec));
    }
    const LPARAM lSort = static_cast<LPARAM>((nType << 8) | (m_bAscending ? 1 : 0));
    SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(lSort), reinterpret_cast<LPARAM>(&CompareRecords));
    for (int i = 0; i < nCount; ++i) {
        const auto* pRec = reinterpret_cast<const CSortRecord*>(GetItemData(i));
        SetItemData(i, static_cast<DWORD_PTR>(pRec->lOwnData));
    }
    return TRUE;
}

BOOL CKvListCtrlEx::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr != nullptr && pHdr->hwndFrom == m_header.m_hWnd &&
        (pHdr->code == HDN_ITEMCLICKA || pHdr->code == HDN_ITEMCLICKW)) {
        const auto* pHeader = reinterpret_cast<const NMHEADERA*>(lParam);
        if (OnHeaderClicked(pHeader->iItem, pHeader->iButton)) {
            *pResult = 0;
            return TRUE;
        }
    }
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

BOOL CKvListCtrlEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM) {
        return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
    }
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr) {
        *pResult = TRUE;
    }
    return TRUE;
}

void CKvListCtrlEx::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    HDC hDC = lpDis->hDC;
    const int nItem = static_cast<int>(lpDis->itemID);
    LVITEMA item{};
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = nItem;
    item.stateMask = 0xFFFF;
    SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));

    const BOOL bFocus = ::GetFocus() == m_hWnd;
    const bool bHighlight = (item.state & LVIS_DROPHILITED) != 0 ||
                            ((item.state & LVIS_SELECTED) != 0 && (bFocus || (GetStyle() & LVS_SHOWSELALWAYS) != 0));

    const RECT rcBounds = ItemRect(*this, nItem, LVIR_BOUNDS);
    RECT rcLabel = ItemRect(*this, nItem, LVIR_LABEL);
    const RECT rcIcon = ItemRect(*this, nItem, LVIR_ICON);
    RECT rcClient{};
    GetClientRect(&rcClient);

    SIZE sizeSpace{};
    ::GetTextExtentPoint32A(hDC, " ", 1, &sizeSpace);
    const CString strFirst = GetItemText(nItem, 0);
    SIZE sizeText{};
    ::GetTextExtentPoint32A(hDC, strFirst, strFirst.GetLength(), &sizeText);

    RECT rcHighlight = rcLabel;
    if (m_nHighlight == 0) {
        rcHighlight.right = std::min(rcLabel.right, rcLabel.left + sizeText.cx + 2 * sizeSpace.cx);
    } else {
        rcHighlight.right = m_nHighlight == 1 ? rcBounds.right : rcClient.right;
    }
    RECT rcRow = rcBounds;
    rcRow.right = std::max(rcBounds.right, rcClient.right);
    ::FillRect(hDC, &rcRow, ::GetSysColorBrush(COLOR_WINDOW));
    if (bHighlight) {
        ::FillRect(hDC, &rcHighlight, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    }

    // State image, then the small icon with its overlay.
    if (HIMAGELIST hState = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE))) {
        const int nState = static_cast<int>((item.state & LVIS_STATEIMAGEMASK) >> 12);
        if (nState > 0) {
            int cx = 0;
            int cy = 0;
            ImageList_GetIconSize(hState, &cx, &cy);
            ImageList_Draw(hState, nState - 1, hDC, rcIcon.left - cx, rcIcon.top, ILD_TRANSPARENT);
        }
    }
    if (HIMAGELIST hSmall = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL))) {
        const UINT nFlags = ILD_TRANSPARENT | (item.state & LVIS_OVERLAYMASK) | (bHighlight ? ILD_BLEND50 : 0);
        ImageList_DrawEx(hSmall, item.iImage, hDC, rcIcon.left, rcIcon.top, 0, 0, CLR_NONE,
                         ::GetSysColor(COLOR_HIGHLIGHT), nFlags);
    }

    const COLORREF crOldText = ::SetTextColor(hDC, ::GetSysColor(bHighlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const UINT nTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    LVCOLUMNA col{};
    col.mask = LVCF_FMT | LVCF_WIDTH;
    SendMessage(LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    RECT rcText = rcLabel;
    rcText.left += sizeSpace.cx;
    ::DrawTextA(hDC, strFirst, strFirst.GetLength(), &rcText, nTextFlags | AlignOf(col.fmt));

    // A label-only highlight leaves the other columns in window colours.
    if (m_nHighlight == 0 && bHighlight) {
        ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT));
    }
    int x = rcBounds.left + GetColumnWidth(0);
    for (int nCol = 1;; ++nCol) {
        LVCOLUMNA sub{};
        sub.mask = LVCF_FMT | LVCF_WIDTH;
        if (SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&sub)) == 0) {
            break;
        }
        RECT rcCell = {x + sizeSpace.cx, rcBounds.top, x + sub.cx - sizeSpace.cx, rcBounds.bottom};
        const CString strCell = GetItemText(nItem, nCol);
        ::DrawTextA(hDC, strCell, strCell.GetLength(), &rcCell, nTextFlags | AlignOf(sub.fmt));
        x += sub.cx;
    }
    ::SetBkMode(hDC, nOldMode);
    ::SetTextColor(hDC, crOldText);

    if ((item.state & LVIS_FOCUSED) != 0 && bFocus) {
        ::DrawFocusRect(hDC, &rcHighlight);
    }
}

void CKvListCtrlEx::OnPaint()
{
    if (m_nHighlight == 2 && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
        // The strip right of the last column repaints with the row's highlight.
        RECT rcClient{};
        GetClientRect(&rcClient);
        RECT rcItem{};
        rcItem.left = LVIR_BOUNDS;
        if (SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcItem)) != 0 && rcItem.right < rcClient.right) {
            RECT rcStrip = {rcItem.right, rcClient.top, rcClient.right, rcClient.bottom};
            InvalidateRect(&rcStrip, FALSE);
        }
    }
    CListCtrl::OnPaint();
}

void CKvListCtrlEx::InvalidateFocusRows(CWnd* pOther)
{
    if (pOther != nullptr && ::IsChild(m_hWnd, pOther->m_hWnd)) {
        return;
    }
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) {
        return;
    }
    auto invalidateRow = [this](int nItem) {
        RECT rcBounds = ItemRect(*this, nItem, LVIR_BOUNDS);
        const RECT rcLabel = ItemRect(*this, nItem, LVIR_LABEL);
        rcBounds.left = rcLabel.left;
        InvalidateRect(&rcBounds, FALSE);
    };
    const int nFocus = GetNextItem(-1, LVNI_FOCUSED);
    if (nFocus >= 0) {
        invalidateRow(nFocus);
    }
    if ((GetStyle() & LVS_SHOWSELALWAYS) == 0) {
        for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED)) {
            invalidateRow(i);
        }
    }
    UpdateWindow();
}

void CKvListCtrlEx::OnSetFocus(CWnd* pOldWnd)
{
    CListCtrl::OnSetFocus(pOldWnd);
    InvalidateFocusRows(pOldWnd);
}

void CKvListCtrlEx::OnKillFocus(CWnd* pNewWnd)
{
    CListCtrl::OnKillFocus(pNewWnd);
    InvalidateFocusRows(pNewWnd);
}

void CKvListCtrlEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int nItem = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (nItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
        const UINT nState =
            static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), LVIS_STATEIMAGEMASK)) >> 12;
        SetItemState(nItem, INDEXTOSTATEIMAGEMASK(nState == 1 ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    CListCtrl::OnLButtonDown(nFlags, point);
}

void CKvListCtrlEx::DragColumn(int nFrom, int nTo)
{
    char szText[160] = {};
    LVCOLUMNA col{};
    if (!ReadColumn(*this, nFrom, &col, szText, static_cast<int>(sizeof szText))) {
        return;
    }
    const int nCount = GetItemCount();
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    if (SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nTo), reinterpret_cast<LPARAM>(&col)) < 0) {
        return;
    }
    if (nTo == 0) {
        // The item text stays with the first column: the old first column's texts move along.
        for (int i = 0; i < nCount; ++i) {
            SetItemText(i, 1, GetItemText(i, 0));
        }
    }
    if (nFrom >= nTo) {
        ++nFrom;
    }
    for (int i = 0; i < nCount; ++i) {
        SetItemText(i, nTo, GetItemText(i, nFrom));
    }
    if (nFrom == 0) {
        char szNext[160] = {};
        LVCOLUMNA next{};
        if (ReadColumn(*this, 1, &next, szNext, static_cast<int>(sizeof szNext))) {
            next.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            SendMessage(LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&next));
        }
        for (int i = 0; i < nCount; ++i) {
            SetItemText(i, 0, GetItemText(i, 1));
        }
        SendMessage(LVM_DELETECOLUMN, 1);
    } else {
        SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(nFrom));
    }
    Invalidate(TRUE);
}
