#include "common/KvTabCtrl.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>

#include "platform/base/FxIcon.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/win/PropertySheet.h"

FX_IMPLEMENT_DYNAMIC(CKvTabCtrl, CTabCtrl)

CKvTabCtrl::CKvTabCtrl() : m_nmhdr{}
{
}

BOOL CKvTabCtrl::Install(CWnd* pTab)
{
    if (pTab == nullptr || pTab->m_hWnd == nullptr) {
        return FALSE;
    }
    if (pTab != this && pTab->m_hWnd != m_hWnd) {
        if (!SubclassWindow(pTab->m_hWnd)) {
            return FALSE;
        }
    }
    ModifyStyle(0, TCS_OWNERDRAWFIXED);
    return TRUE;
}

BOOL CKvTabCtrl::Install(CPropertySheet* pSheet)
{
    if (pSheet == nullptr || pSheet->m_hWnd == nullptr) {
        return FALSE;
    }
    return Install(CWnd::FromHandle(reinterpret_cast<HWND>(pSheet->SendMessage(PSM_GETTABCONTROL))));
}

BOOL CKvTabCtrl::IsItemEnabled(int nIndex, int* pArrayPos) const
{
    if (nIndex < 0 || m_hWnd == nullptr || nIndex >= GetItemCount()) {
        return FALSE;
    }
    for (INT_PTR i = 0; i < m_arrDisabled.GetSize(); ++i) {
        if (m_arrDisabled[i] == static_cast<DWORD>(nIndex)) {
            if (pArrayPos != nullptr) {
                *pArrayPos = static_cast<int>(i);
            }
            return FALSE;
        }
    }
    return TRUE;
}

int CKvTabCtrl::FindNextEnabled(int nStart, BOOL bForward) const
{
    const int nCount = GetItemCount();
    if (bForward) {
        for (int i = nStart; i < nCount; ++i) {
            if (IsItemEnabled(i)) {
                return i;
            }
        }
        for (int i = 0; i < nStart && i < nCount; ++i) {
            if (IsItemEnabled(i)) {
                return i;
            }
        }
    } else {
        for (int i = nStart < nCount ? nStart : nCount - 1; i >= 0; --i) {
            if (IsItemEnabled(i)) {
                return i;
            }
        }
        for (int i = nCount - 1; i > nStart; --i) {
            if (IsItemEnabled(i)) {
                return i;
            }
        }
    }
    return -1;
}

BOOL CKvTabCtrl::EnableItem(int nIndex, BOOL bEnable)
{
    const int nCount = GetItemCount();
    if (nIndex < 0 || nIndex >= nCount) {
        return FALSE;
    }
    int nPos = -1;
    const BOOL bEnabled = IsItemEnabled(nIndex, &nPos);
    if ((bEnabled != FALSE) == (bEnable != FALSE)) {
        return TRUE;
    }
    if (!bEnable) {
        if (nIndex == GetCurSel()) {
            const int nNext = FindNextEnabled(nIndex == nCount - 1 ? 0 : nIndex + 1, TRUE);
            if (nNext < 0 || nNext == nIndex) {
                return FALSE;
            }
            SetCurrentTab(nNext);
        }
        m_arrDisabled.Add(static_cast<DWORD>(nIndex));
    } else {
        m_arrDisabled.RemoveAt(nPos);
    }
    CRect rc;
    if (GetItemRect(nIndex, &rc)) {
        InvalidateRect(&rc, TRUE);
    }
    return TRUE;
}

int CKvTabCtrl::SetItemImage(int nIndex, UINT nBitmapId, UINT nMaskId)
{
    HIMAGELIST hImages = GetImageList();
    if (nIndex < 0 || nIndex >= GetItemCount() || hImages == nullptr) {
        return -1;
    }
    CBitmap bmp;
    CBitmap bmpMask;
    if (!bmp.LoadBitmap(nBitmapId) || !bmpMask.LoadBitmap(nMaskId == static_cast<UINT>(-1) ? nBitmapId : nMaskId)) {
        return -1;
    }
    const int nImage = ImageList_Add(hImages, bmp, bmpMask);
    if (nImage < 0) {
        return -1;
    }
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = nImage;
    SetItem(nIndex, &item);
    return nImage;
}

int CKvTabCtrl::SetItemImage(int nIndex, HICON hIcon)
{
    HIMAGELIST hImages = GetImageList();
    if (nIndex < 0 || nIndex >= GetItemCount() || hImages == nullptr || hIcon == nullptr) {
        return -1;
    }
    const int nImage = ImageList_ReplaceIcon(hImages, -1, hIcon);
    if (nImage < 0) {
        return -1;
    }
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = nImage;
    SetItem(nIndex, &item);
    return nImage;
}

void CKvTabCtrl::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    if (lpDis == nullptr || lpDis->CtlType != ODT_TAB) {
        return;
    }
    const int nItem = static_cast<int>(lpDis->itemID);
    char szText[256] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = szText;
    item.cchTextMax = 255;
    if (!GetItem(nItem, &item)) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    CRect rc = lpDis->rcItem;
    pDC->FillRect(&rc, CBrush::FromHandle(reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1))));
    const bool bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    if (bSelected) {
        rc.left += 7;
    } else {
        rc.left += 4;
        rc.top += 2;
    }
    pDC->SetBkMode(TRANSPARENT);
    const BOOL bEnabled = IsItemEnabled(nItem);
    HIMAGELIST hImages = GetImageList();
    if (item.iImage >= 0 && hImages != nullptr) {
        IMAGEINFO info = {};
        if (ImageList_GetImageInfo(hImages, item.iImage, &info)) {
            const int y = rc.top + (bSelected ? 3 : 0);
            if (bEnabled) {
                ImageList_Draw(hImages, item.iImage, pDC->GetSafeHdc(), rc.left, y, ILD_TRANSPARENT);
            } else {
                CFxIcon icon(ImageList_GetIcon(hImages, item.iImage, ILD_NORMAL));
                if (icon.IsValid()) {
                    ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr,
                                 reinterpret_cast<LPARAM>(static_cast<HICON>(icon)), 0, rc.left, y, 0, 0,
                                 DST_ICON | DSS_DISABLED);
                }
            }
            rc.left += info.rcImage.right - info.rcImage.left + 2;
        }
    }
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    COLORREF crOld = 0;
    if (bEnabled) {
        crOld = pDC->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        pDC->DrawText(szText, -1, &rc, nFormat);
    } else {
        CRect rcShade = rc;
        rcShade.OffsetRect(1, 1);
        crOld = pDC->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(szText, -1, &rcShade, nFormat);
        pDC->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
        pDC->DrawText(szText, -1, &rc, nFormat);
    }
    pDC->SetTextColor(crOld);
}

BOOL CKvTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_NOTIFY) {
        NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
        if (pHdr != nullptr && pHdr->code == static_cast<UINT>(TCN_SELCHANGING)) {
            LRESULT lResult = 0;
            OnSelchanging(pHdr, &lResult);
            if (pResult != nullptr) {
                *pResult = lResult;
            }
            return TRUE;
        }
    }
    return CTabCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CKvTabCtrl::OnSelchanging(NMHDR*, LRESULT* pResult)
{
    // The tab under the mouse at the time of the message that started the change.
    const DWORD dwPos = GetMessagePos();
    POINT pt = {static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos))};
    ::ScreenToClient(m_hWnd, &pt);
    TCHITTESTINFO hit = {};
    hit.pt = pt;
    hit.flags = TCHT_ONITEM;
    const int nTab = HitTest(&hit);
    if (nTab < 0 || !IsItemEnabled(nTab)) {
        *pResult = 1;
        return;
    }
    *pResult = SendKillActive(-1) ? 0 : 1;
}

BOOL CKvTabCtrl::SendKillActive(int nPage)
{
    HWND hParent = ::GetParent(m_hWnd);
    CWnd* pParent = CWnd::FromHandlePermanent(hParent);
    if (pParent == nullptr || !pParent->IsKindOf(CPropertySheet::GetThisClass())) {
        return TRUE;
    }
    HWND hPage = nPage == -1
                     ? reinterpret_cast<HWND>(::SendMessageA(hParent, PSM_GETCURRENTPAGEHWND, 0, 0))
                     : reinterpret_cast<HWND>(::SendMessageA(hParent, PSM_INDEXTOHWND, static_cast<WPARAM>(nPage), 0));
    if (hPage == nullptr) {
        return TRUE;
    }
    NMHDR nmhdr = {};
    nmhdr.hwndFrom = hParent;
    nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hParent));
    nmhdr.code = static_cast<UINT>(PSN_KILLACTIVE);
    return ::SendMessageA(hPage, WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr)) == 0;
}

void CKvTabCtrl::SetCurrentTab(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount() || !SendKillActive(-1)) {
        return;
    }
    SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nIndex));
    m_nmhdr.hwndFrom = m_hWnd;
    m_nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    m_nmhdr.code = static_cast<UINT>(TCN_SELCHANGE);
    ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, m_nmhdr.idFrom, reinterpret_cast<LPARAM>(&m_nmhdr));
}

void CKvTabCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int nCur = GetCurSel();
    const int nLast = GetItemCount() - 1;
    switch (nChar) {
    case VK_RIGHT:
    case VK_DOWN:
        SetCurrentTab(nCur >= nLast ? 0 : nCur + 1);
        return;
    case VK_LEFT:
    case VK_UP:
        SetCurrentTab(nCur <= 0 ? nLast : nCur - 1);
        return;
    default:
        CTabCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
}

void CKvTabCtrl::OnDestroy()
{
    CTabCtrl::OnDestroy();
}

LRESULT CKvTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TCM_SETCURSEL) {
        const int nRequested = static_cast<int>(wParam);
        if (!IsItemEnabled(nRequested)) {
            const int nCur = GetCurSel();
            const int nDelta = nRequested - nCur;
            const int nAbs = std::abs(nDelta);
            if (nAbs == 1 || nAbs == nRequested || nAbs == nCur) {
                const int nNext = FindNextEnabled(nRequested, nDelta == 1 || nDelta < -1);
                if (nNext >= 0) {
                    CTabCtrl::WindowProc(TCM_SETCURSEL, static_cast<WPARAM>(nNext), 0);
                    return 0;
                }
            }
            return -1;
        }
    }
    return CTabCtrl::WindowProc(message, wParam, lParam);
}
